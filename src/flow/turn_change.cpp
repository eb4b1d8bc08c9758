// NextTurn and the choice of the music track.
#include "flow/turn_change.hpp"

#include <cstdio>

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "rules/recovery.hpp"
#include "rules/war_end.hpp"
#include "world/calendar.hpp"
#include "world/daily_economy.hpp"
#include "world/random.hpp"

namespace gm {

namespace {

constexpr int kMusicTracks = 10;

}  // namespace

int TurnDays(const World& w) {
  return w.GameHeader.TurnLength == 0 ? 1 : 4;
}

std::string PickRandomMusic(World& w) {
  const int r = Random(w, kMusicTracks);
  // The draw is left in the fights' work value too, where the last draw of the generator stands;
  // no rule reads it before the next spread sets it anew.
  w.Combat.RandomValue = r;
  char name[32];
  std::snprintf(name, sizeof name, "data/%03d.mid", r + 1);
  return name;
}

void NextTurn(World& w, FlowServices& services) {
  for (int day = 0; day < TurnDays(w); ++day) {
    RecoverSideOnMove(w);
    AdvanceDate(w);
    DailyEconomy(w);
  }
  w.SideOnMove = w.SideOnMove == kSovietSide ? kGermanSide : kSovietSide;
  CheckWarEnd(w);
  const bool warEnded = ShowFinalScreenIfWarEnded(w);
  w.Selection = {0, 0, 0};
  w.ScreenFlags[kFlagUnitStaff] = kPageHidden;
  if (w.SoundOn == 1) {
    services.music.Stop();
    services.music.Open(PickRandomMusic(w));
    services.music.Play();
  }
  // A war that has just ended keeps its final screen.
  if (warEnded) {
    ResetComputerTurn(w);
  } else {
    HandOverToSideOnMove(w);
  }
  w.AiCompletesTurn = 0;
}

}  // namespace gm
