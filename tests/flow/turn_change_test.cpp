// The turn change: recovery of the side that moved, the calendar, the hand-over, the end of the
// war and the music.
#include "flow/turn_change.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "recording_sinks.hpp"
#include "rules/war_end.hpp"
#include "tests/support/world_builders.hpp"
#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::GiveStableHeldValue;
using testing::kGermanInfantry;
using testing::kSovietRifles;
using testing::OrderWorld;
using testing::RecordingServices;

// Both coalitions hold settlements enough that the war goes on; the Germans opened it.
struct Turn {
  OrderWorld t;
  RecordingServices s;
  Turn() {
    World& w = t.w();
    w.OpeningCoalition = kGermanSide;
    w.SideOnMove = kGermanSide;
    w.GameHeader.Day = 22;
    w.GameHeader.Month = 6;
    w.GameHeader.Year = 1941;
    const int next = GiveStableHeldValue(w, 5, 1000, 1);
    GiveStableHeldValue(w, 2, 1000, next);
  }
  World& w() { return t.w(); }
};

TEST(TurnChangeTest, TheDateMovesWhenTheSecondSideEndsItsTurn) {
  for (const std::uint8_t fast : {0, 1}) {
    Turn turn;
    World& w = turn.w();
    w.GameHeader.TurnLength = fast;
    TFormation& german = Formation(w, turn.t.Place(100, 100, kGermanInfantry));
    NextTurn(w, turn.s.services);  // the Germans end theirs: the day stands
    EXPECT_EQ(w.GameHeader.Day, 22);
    EXPECT_EQ(german.Experience, fast ? 4 : 1);  // one step a day of the turn
    NextTurn(w, turn.s.services);                // the Soviets end theirs
    EXPECT_EQ(w.GameHeader.Day, fast ? 26 : 23);
    EXPECT_EQ(w.SideOnMove, kGermanSide);
  }
}

TEST(TurnChangeTest, HandOverAndReset) {
  struct Case {
    std::uint8_t germanCpu, sovietCpu;
    bool computerNext;
  };
  for (const Case& c : {Case{0, 0, false}, Case{0, 1, true}, Case{1, 0, false}, Case{1, 1, true}}) {
    Turn turn;
    World& w = turn.w();
    w.GameHeader.GermanCpu = c.germanCpu;
    w.GameHeader.SovietCpu = c.sovietCpu;
    w.Ai.AiState = kAiTurnDone;
    w.Ai.AiPass = 2;
    w.Ai.AiFormationIndex = 1;
    w.AiOrderPending = 1;
    w.AiCompletesTurn = 1;
    w.Selection = {1, 5, 6};
    NextTurn(w, turn.s.services);
    EXPECT_EQ(w.Ai.AiState, kAiStart);
    EXPECT_EQ(w.Ai.AiPass, 0);
    EXPECT_EQ(w.Ai.AiFormationIndex, 0);
    EXPECT_EQ(w.AiOrderPending, 0);
    EXPECT_EQ(w.AiCompletesTurn, 0);
    EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, 0, 0}));
    EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], c.computerNext ? 1 : 0);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom], c.computerNext ? kZoomNone : kZoomBattlefield);
  }
}

TEST(TurnChangeTest, AnEndedWarKeepsTheFinalScreen) {
  Turn turn;
  World& w = turn.w();
  w.GameHeader.GermanCpu = 1;
  w.GameHeader.SovietCpu = 1;
  w.SideOnMove = kSovietSide;
  w.GameHeader.Day = 8;
  w.GameHeader.Month = 5;
  w.GameHeader.Year = 1945;
  NextTurn(w, turn.s.services);  // the date reaches 9 May 1945
  EXPECT_EQ(w.WarResult, kEndDateReached);
  EXPECT_EQ(w.ScreenFlags[kFlagScreen], kScreenFinal);
  EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 0);
  EXPECT_EQ(w.Ai.AiState, kAiStart);
}

TEST(TurnChangeTest, MusicChangesOnlyWithSoundOn) {
  for (const std::uint8_t sound : {0, 1}) {
    Turn turn;
    turn.w().SoundOn = sound;
    const std::uint32_t seed = turn.w().RandomSeed;
    NextTurn(turn.w(), turn.s.services);
    if (sound == 0) {
      EXPECT_TRUE(turn.s.music.calls.empty());
      EXPECT_EQ(turn.w().RandomSeed, seed);
    } else {
      ASSERT_EQ(turn.s.music.calls.size(), 3u);
      EXPECT_EQ(turn.s.music.calls[0], "stop");
      EXPECT_TRUE(turn.s.music.calls[1].starts_with("open data/0"));
      EXPECT_TRUE(turn.s.music.calls[1].ends_with(".mid"));
      EXPECT_EQ(turn.s.music.calls[2], "play");
    }
  }
  auto w = std::make_unique<World>();
  for (int i = 0; i < 200; ++i) {
    const std::string track = PickRandomMusic(*w);
    EXPECT_TRUE(track >= "data/001.mid" && track <= "data/010.mid") << track;
  }
}

TEST(TurnChangeTest, TheMusicDrawIsLeftInTheFightsWorkValue) {
  // Tries seeds until the draw has fallen on the first, a middle and the last track.
  auto w = std::make_unique<World>();
  int seen = 0;
  for (std::uint32_t seed = 1; seen != 0b111 && seed < 100'000; seed += 97) {
    const std::uint32_t next = seed * 134775813u + 1u;
    const int draw = static_cast<int>((std::uint64_t{next} * 10u) >> 32);
    w->RandomSeed = seed;
    w->Combat.RandomValue = -1;
    char wanted[32];
    std::snprintf(wanted, sizeof wanted, "data/%03d.mid", draw + 1);
    EXPECT_EQ(PickRandomMusic(*w), wanted);
    EXPECT_EQ(w->Combat.RandomValue, draw);
    EXPECT_EQ(w->RandomSeed, next);
    seen |= draw == 0 ? 1 : draw == 9 ? 4 : 2;
  }
  EXPECT_EQ(seen, 0b111);
}

TEST(TurnChangeTest, StartGameHandsTheFirstSideItsScreen) {
  for (const std::uint8_t germanPlayer : {0, 1}) {
    auto w = std::make_unique<World>();
    StartSettings s;
    s.firstCoalition = kGermanSide;
    s.germanPlayer = germanPlayer;
    s.sovietPlayer = 1;
    s.turnLength = 1;
    ApplyStartSettings(*w, s);
    StartGame(*w);
    EXPECT_EQ(w->SovietCoalition, kSovietNations);
    EXPECT_EQ(w->GermanCoalition, kGermanNations);
    EXPECT_EQ(w->SideOnMove, kGermanSide);
    EXPECT_EQ(w->OpeningCoalition, kGermanSide);
    EXPECT_EQ(w->GameHeader.TurnLength, 1);
    EXPECT_EQ(w->GameHeader.GermanCpu, germanPlayer);
    EXPECT_EQ(w->GameHeader.SovietCpu, 1);
    EXPECT_EQ(w->ScreenFlags[kFlagComputerTurn], germanPlayer);
  }
}

}  // namespace
}  // namespace gm
