// Settings, the start of a new game and the hand-over to the side on move.
#include "flow/start_game.hpp"

#include "flow/screen_flags.hpp"
#include "world/production_status.hpp"

namespace gm {

void ApplyStartSettings(World& w, const StartSettings& settings) {
  w.SovietCoalition = kSovietNations;
  w.GermanCoalition = kGermanNations;
  w.FirstCoalition = settings.firstCoalition;
  w.GermanPlayer = settings.germanPlayer;
  w.SovietPlayer = settings.sovietPlayer;
  w.TurnLength = settings.turnLength;
  w.SoundOn = settings.soundOn;
  w.AiCompletesTurn = 0;
}

void ResetComputerTurn(World& w) {
  w.Ai.AiState = kAiStart;
  w.AiOrderPending = 0;
  w.Ai.AiPass = 0;
  w.Ai.AiFormationIndex = 0;
}

void HandOverToSideOnMove(World& w) {
  ResetComputerTurn(w);
  const bool computer =
      w.SideOnMove == kSovietSide ? w.GameHeader.SovietCpu == 1 : w.GameHeader.GermanCpu == 1;
  if (computer) {
    EnterComputerTurn(w);
  } else {
    ShowMapScreen(w);
  }
}

void StartGame(World& w) {
  InitProductionStatus(w);
  w.OpeningCoalition = w.FirstCoalition;
  w.GameHeader.GermanCpu = w.GermanPlayer;
  w.GameHeader.SovietCpu = w.SovietPlayer;
  w.GameHeader.TurnLength = w.TurnLength;
  w.SideOnMove = w.OpeningCoalition;
  HandOverToSideOnMove(w);
}

}  // namespace gm
