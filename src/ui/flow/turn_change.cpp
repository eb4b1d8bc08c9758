// NextTurn and the choice of the music track.
#include "ui/flow/turn_change.hpp"

#include <cstdio>

#include "rules/war_end.hpp"
#include "ui/flow/screen_flags.hpp"
#include "ui/flow/start_game.hpp"
#include "world/calendar.hpp"
#include "world/daily_economy.hpp"
#include "world/random.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kMusicTracks = 10;

// One day's rest for the side that has just moved: orders back, a little experience and morale.
void Recover(World& w) {
  const std::uint32_t side = OwnCoalition(w);
  for (TFormation& f : w.Formations) {
    if (f.Branch == 0 || !InNationSet(side, NationOf(f))) continue;
    f.OrdersLeft = 2;
    if (f.Experience < 100) ++f.Experience;
    if (f.Morale < 70) ++f.Morale;
  }
}

}  // namespace

int TurnDays(const World& w) {
  return w.GameHeader.TurnLength == 0 ? 1 : 4;
}

std::string PickRandomMusic(World& w) {
  const int r = Random(w, kMusicTracks);
  w.Combat.RandomValue = r;  // the music's draw lands in the fights' work value, as it always has
  char name[32];
  std::snprintf(name, sizeof name, "data/%03d.mid", r + 1);
  return name;
}

void NextTurn(World& w, FlowServices& services) {
  for (int day = 0; day < TurnDays(w); ++day) {
    Recover(w);
    AdvanceDate(w);
    DailyEconomy(w);
  }
  w.SideOnMove = w.SideOnMove == kSovietSide ? kGermanSide : kSovietSide;
  CheckWarEnd(w);
  w.Selection = {0, 0, 0};
  w.ScreenFlags[kFlagUnitStaff] = 0;
  if (w.SoundOn == 1) {
    services.music.Stop();
    services.music.Open(PickRandomMusic(w));
    services.music.Play();
  }
  // A war that has just ended keeps its final screen.
  if (w.WarResult == kWarGoesOn) {
    HandOverToSideOnMove(w);
  } else {
    ResetComputerTurn(w);
  }
  w.AiCompletesTurn = 0;
}

}  // namespace gm
