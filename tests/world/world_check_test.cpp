// The whole-world check run between turns by the sim and the play-throughs: a sound world passes,
// and each way the map, the records, the pools or the save image can disagree is named.
#include "world/world_check.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "synthetic_world.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

// A running game's world: the synthetic one with its orders, ammunition and pools in range.
std::unique_ptr<World> SoundWorld() {
  auto w = testing::MakeSyntheticWorld({.usedFormations = 300});
  for (TFormation& f : w->Formations) {
    if (f.Branch == 0) continue;
    f.OrdersLeft = 2;
    f.Ammo = 10;
  }
  TEconomy& e = w->Economy;
  for (int n = 1; n <= 8; ++n) {
    const int i = NationIndex(n);
    e.RecruitPool[i] = e.VeteranPool[i] = e.CarPool[i] = e.HorsePool[i] = 1000;
  }
  return w;
}

TEST(WorldCheck, ASoundWorldPassesAndEachDisagreementIsNamed) {
  struct Case {
    const char* what;
    std::function<void(World&)> spoil;
    std::string named;  // in the message; empty: the world passes
  };
  const Case cases[] = {
      {"sound", [](World&) {}, ""},
      {"a cell names a formation standing elsewhere",
       [](World& w) { Cell(w, 200, 200).GroundFormation = 1; }, "cell (200, 200)"},
      {"a cell names a free record", [](World& w) { Cell(w, 200, 200).AirFormation = 9000; },
       "air formation 9000"},
      {"a formation's cell does not name it",
       [](World& w) {
         const TFormation& f = Formation(w, 1);
         Cell(w, f.X, f.Y).GroundFormation = 0;
       },
       "formation 1 is not named"},
      {"the two copies of a position differ", [](World& w) { ++Formation(w, 2).xCopy; },
       "formation 2: its two copies"},
      {"three orders", [](World& w) { Formation(w, 3).OrdersLeft = 3; }, "formation 3 has 3"},
      {"a used record past the header's count", [](World& w) { w.GameHeader.FormationCount = 100; },
       "formation 101 lies beyond"},
      {"a negative pool", [](World& w) { w.Economy.HorsePool[NationIndex(5)] = -1; },
       "nation 5's horse pool is -1"},
      {"a date no save may hold", [](World& w) { w.GameHeader.Month = 13; }, "the date"},
  };
  for (const Case& c : cases) {
    auto w = SoundWorld();
    c.spoil(*w);
    const Status s = CheckWholeWorld(*w);
    EXPECT_EQ(s.IsOk(), c.named.empty()) << c.what << ": " << s.Message();
    EXPECT_NE(s.Message().find(c.named), std::string::npos) << c.what << ": " << s.Message();
  }
}

}  // namespace
}  // namespace gm
