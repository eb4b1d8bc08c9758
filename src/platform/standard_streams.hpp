// The process's standard streams made safe before the game opens anything.
#pragma once

namespace gm {

// A standard stream the game was started without (a launcher that closed it) gets /dev/null:
// else the next file the game opens, a save, would take its number and the log would go into
// it. And SIGPIPE is ignored: a log written to a pipe whose reader has gone (`gravmark | less`
// after less ended) then fails quietly instead of ending the game. The programs the game starts
// get SIGPIPE's default back.
void PrepareStandardStreams();

}  // namespace gm
