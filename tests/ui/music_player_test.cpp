// The window's music player: a track loops only after a play that ran to its end, and a damaged
// track (one that ends as soon as it began, or does not load) waits for the next turn change
// instead of being loaded and ended over and over, told of once.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.hpp"
#include "platform/log.hpp"
#include "ui/window_sinks.hpp"

namespace gm {
namespace {

using MusicCall = HeadlessPlatform::MusicCall;

std::size_t Plays(const HeadlessPlatform& p) {
  const auto& calls = p.MusicCalls();
  return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [](const MusicCall& c) {
    return c.kind == MusicCall::Kind::kPlay;
  }));
}

// Hands every waiting platform event to the player, as the window's event loop does.
void Pump(HeadlessPlatform& p, MusicPlayer& music) {
  PlatformEvent e;
  while (p.PollEvent(e)) {
    if (e.kind == PlatformEvent::Kind::kMusicEnded) music.Notify(e.musicEnd);
  }
}

// The turn change's music steps.
void TurnChange(HeadlessPlatform& p, MusicPlayer& music, const std::string& track) {
  music.Stop();
  music.Open(track);
  music.Play();
  Pump(p, music);
}

TEST(MusicPlayer, ATrackLoopsOnlyAfterAPlayThatRanToItsEnd) {
  struct Case {
    const char* what;
    std::uint32_t playedMs;
    MusicEnd how;
    bool replayed;
  };
  const Case cases[] = {
      {"played to its end", 180'000, MusicEnd::kSuccessful, true},
      {"ended a second after its start", 1000, MusicEnd::kSuccessful, true},
      {"ended at once", 0, MusicEnd::kSuccessful, false},
      {"ended within a second", 999, MusicEnd::kSuccessful, false},
      {"replaced", 5000, MusicEnd::kSuperseded, false},
      {"stopped", 5000, MusicEnd::kAborted, false},
      {"given up by the synthesiser", 5000, MusicEnd::kFailed, false},
  };
  SetLogSink([](std::string_view) {});
  for (const Case& c : cases) {
    HeadlessPlatform p;
    MusicPlayer music(p);
    TurnChange(p, music, "data/004.mid");
    p.AdvanceTime(c.playedMs);
    PlatformEvent end;
    end.kind = PlatformEvent::Kind::kMusicEnded;
    end.musicEnd = c.how;
    p.PushEvent(end);
    Pump(p, music);
    EXPECT_EQ(Plays(p), c.replayed ? 2u : 1u) << c.what;
    if (c.how == MusicEnd::kSuccessful) {
      EXPECT_EQ(music.Playing(), c.replayed) << c.what;
    }
    EXPECT_EQ(p.MusicCalls().back().file, p.ProgramFolder() / "data/004.mid") << c.what;
  }
  SetLogSink({});
}

TEST(MusicPlayer, ADamagedTrackWaitsForTheNextTurnAndIsToldOfOnce) {
  std::vector<std::string> log;
  SetLogSink([&](std::string_view l) { log.emplace_back(l); });
  HeadlessPlatform p;
  MusicPlayer music(p);
  // The damaged track ends as soon as it starts, at two turn changes; a second of frames after
  // each plays nothing more.
  for (int turn = 0; turn < 2; ++turn) {
    TurnChange(p, music, "data/007.mid");
    p.FinishMusic();
    for (int frame = 0; frame < 50; ++frame) {
      p.AdvanceTime(20);
      Pump(p, music);
    }
    EXPECT_EQ(Plays(p), turn + 1u);
    EXPECT_FALSE(music.Playing());
  }
  const auto told = std::count_if(log.begin(), log.end(), [](const std::string& l) {
    return l.find("007.mid") != std::string::npos;
  });
  EXPECT_EQ(told, 1);
  // The next turn's good track loops as before.
  TurnChange(p, music, "data/002.mid");
  p.AdvanceTime(120'000);
  p.FinishMusic();
  Pump(p, music);
  EXPECT_EQ(Plays(p), 4u);
  EXPECT_TRUE(music.Playing());
  SetLogSink({});
}

TEST(MusicPlayer, ATrackThatCannotPlayIsNotTriedAgainUntilTheNextTurn) {
  SetLogSink([](std::string_view) {});
  HeadlessPlatform p;
  p.SetMusicAvailable(false);
  MusicPlayer music(p);
  TurnChange(p, music, "data/001.mid");
  EXPECT_FALSE(music.Playing());
  music.Notify(MusicEnd::kSuccessful);
  EXPECT_EQ(Plays(p), 1u);
  SetLogSink({});
}

}  // namespace
}  // namespace gm
