// The termination signals (SIGTERM, SIGINT, SIGHUP) as a request to end the program, which the
// event queue and the error box read: the program then closes its window, sound and music
// itself. A signal the program was started with ignored stays ignored (nohup, a background job),
// and a second signal that comes before the first was read ends the program at once, as it
// would have without the handler: a program that stopped reading its events can still be ended.
#pragma once

namespace gm {

// Installed where a signal has its default action; ReleaseTerminationSignals gives it back.
void CatchTerminationSignals();
void ReleaseTerminationSignals();

// A signal came and was not read yet.
bool TerminationSignalPending();
// True once for each signal read: the request is then the reader's to carry out.
bool TakeTerminationSignal();

}  // namespace gm
