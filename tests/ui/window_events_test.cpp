// What the window does with the machine: a termination signal leaves like Quit's Yes, the music
// track loops only after a play that ran to its end, a machine without sound stays silent, a
// game with its sound off opens no sound device, and a missing or damaged data file ends
// start-up with a message naming it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "media/picture_collection.hpp"
#include "platform/log.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/pointer_input.hpp"
#include "ui/required_media.hpp"
#include "ui/settings_dialog.hpp"
#include "world/screen_state.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::BuildFolder;
using testing::GameHarness;

TEST(WindowEvents, ATerminationLeavesTheGameAtOnce) {
  GameHarness g;
  g.StartGame();
  PlatformEvent quit;
  quit.kind = PlatformEvent::Kind::kTerminate;
  g.Platform().PushEvent(quit);
  g.Window().PumpEvents();
  EXPECT_TRUE(g.Window().QuitRequested());
  g.Window().Leave();
  EXPECT_FALSE(g.Platform().WindowOpen());
  EXPECT_FALSE(g.Platform().MusicPlaying());
}

TEST(WindowEvents, TheTrackLoopsOnlyAfterASuccessfulEnd) {
  GameHarness g;
  g.StartGame();
  const auto& calls = g.Platform().MusicCalls();
  ASSERT_EQ(calls.size(), 1u);
  const std::filesystem::path track = calls[0].file;
  g.Platform().AdvanceTime(90'000);  // a track's length
  g.Platform().FinishMusic();
  g.Frames(1);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].file, track);
  g.Window().Music().Stop();
  PlatformEvent aborted;
  aborted.kind = PlatformEvent::Kind::kMusicEnded;
  aborted.musicEnd = MusicEnd::kAborted;
  g.Platform().PushEvent(aborted);
  g.Frames(1);
  EXPECT_EQ(calls.back().kind, HeadlessPlatform::MusicCall::Kind::kStop);
}

TEST(WindowEvents, NoSoundDeviceMeansSilenceAndOneLineEach) {
  std::vector<std::string> log;
  SetLogSink([&](std::string_view l) { log.emplace_back(l); });
  {
    GameHarness g(testing::ScriptedOptions(), [](HeadlessPlatform& p) {
      p.SetAudioAvailable(false);
      p.SetMusicAvailable(false);
    });
    ASSERT_TRUE(g.Started()) << g.StartStatus().Message();
    g.StartGame();
    g.Frames(5);
    EXPECT_EQ(g.W().ScreenFlags[kFlagZoom], kZoomBattlefield);
    EXPECT_FALSE(g.Platform().AudioRunning());
    EXPECT_FALSE(g.Window().Music().Playing());
  }
  SetLogSink({});
  EXPECT_EQ(std::count(log.begin(), log.end(), "no sound device: sound is off"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "no MIDI synthesiser: music is off"), 1);
}

// The sound device runs only for a game with its sound on: a silent game keeps no sound thread.
TEST(WindowEvents, OnlyAGameWithItsSoundOnKeepsASoundDevice) {
  for (const std::int32_t soundOn : {0, 1}) {
    SCOPED_TRACE(soundOn);
    LaunchOptions o = testing::ScriptedOptions();
    o.settings.soundOn = soundOn;
    GameHarness g(o);
    ASSERT_TRUE(g.Started()) << g.StartStatus().Message();
    EXPECT_EQ(g.Platform().AudioRunning(), soundOn == 1);
    g.StartGame();
    g.Frames(3);
    EXPECT_EQ(g.Platform().AudioRunning(), soundOn == 1);
  }
}

// Through the dialog the device waits for the player's choice of sound.
TEST(WindowEvents, TheSettingsDialogLeavesTheSoundDeviceToTheChoice) {
  for (const bool soundOn : {true, false}) {
    SCOPED_TRACE(soundOn);
    GameHarness g{testing::ThroughSettingsDialog{}};
    g.DialogFrame();
    ASSERT_TRUE(g.Dialog().SoundChecked());
    if (!soundOn) {
      g.Click(testing::Middle(SettingsDialog::Area(SettingsDialog::kSoundBox)));
      g.DialogFrame();
    }
    EXPECT_EQ(g.Dialog().SoundChecked(), soundOn);
    EXPECT_FALSE(g.Platform().AudioRunning());
    g.Click(testing::Middle(SettingsDialog::Area(SettingsDialog::kRunButton)));
    g.DialogFrame();
    ASSERT_TRUE(g.StartFromDialog().IsOk());
    EXPECT_EQ(g.Platform().AudioRunning(), soundOn);
  }
}

TEST(WindowEvents, AMissingOrDamagedDataFileEndsStartUpNamingIt) {
  const char* files[] = {"graphic.dxg", "techn.dxg", "evrasia.scn", "snd_eng.dxw"};
  for (const char* broken : files) {
    for (const bool truncated : {false, true}) {
      const std::filesystem::path dir =
          std::filesystem::temp_directory_path() / ("gravmark-bad-" + std::to_string(::getpid()));
      std::filesystem::remove_all(dir);
      std::filesystem::create_directories(dir / "data");
      for (const char* f : files) {
        const auto source = BuildFolder() / "data" / f;
        if (std::string(f) != broken) {
          std::filesystem::create_symlink(source, dir / "data" / f);
        } else if (truncated) {
          std::ifstream in(source, std::ios::binary);
          std::vector<char> head(4096);
          in.read(head.data(), static_cast<std::streamsize>(head.size()));
          std::ofstream(dir / "data" / f, std::ios::binary).write(head.data(), in.gcount());
        }
      }
      HeadlessPlatform platform;
      platform.SetProgramFolder(dir);
      PosixFileSystem fs(dir.string() + "/");
      MainWindow window(platform, fs);
      const Status s = window.StartUp(testing::ScriptedOptions());
      EXPECT_FALSE(s.IsOk()) << broken;
      EXPECT_NE(s.Message().find(broken), std::string::npos) << s.Message();
      std::filesystem::remove_all(dir);
    }
  }
}

TEST(WindowEvents, AnArchiveWithoutAnImageTheScreensUseIsRefused) {
  PosixFileSystem fs(BuildFolder().string() + "/");
  struct Case {
    const char* name;
    bool removed;  // else cut to too few patterns
    const char* said;
  };
  const Case cases[] = {
      {nullptr, false, ""},
      {"Units2", true, "'Units2' is missing"},
      {"Config", true, "'Config' is missing"},  // the settings dialog's picture
      {"Table3", false, "'Table3' has 90 patterns, the game needs 180"},
  };
  for (const Case& c : cases) {
    TPictureCollection list;
    list.LoadFromFile(fs, fs.ProgramFolder() + "data/graphic.dxg");
    if (c.name != nullptr && c.removed) list.Delete(list.IndexOf(c.name));
    if (c.name != nullptr && !c.removed) {
      TPictureCollectionItem& item = list.Items(list.IndexOf(c.name));
      item.PatternHeight *= 2;
    }
    const SurfaceFormat format{};
    list.InitializeImages(&format);
    list.Restore();
    const Status s = CheckGraphicArchive(list, "graphic.dxg");
    if (c.name == nullptr) {
      EXPECT_TRUE(s.IsOk()) << s.Message();
    } else {
      EXPECT_NE(s.Message().find(c.said), std::string::npos) << s.Message();
    }
  }
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

TEST(WindowEvents, CaptionFollowsTheTimersActivation) {
  testing::GameHarness g;
  EXPECT_EQ(g.Platform().WindowTitle(), "Gvm");
  g.Platform().SetFocus(false);
  g.Window().PumpEvents();
  EXPECT_EQ(g.Platform().WindowTitle(), "Gvm [minimized]");
  g.Platform().SetFocus(true);
  g.Window().PumpEvents();
  EXPECT_EQ(g.Platform().WindowTitle(), "Gvm");
}

TEST(WindowEvents, TheGuidesAddressEscapesTheFolderName) {
  HeadlessPlatform p;
  p.SetProgramFolder("/games/war & peace #2");
  EXPECT_EQ(AboutAddress(p), "file:///games/war%20%26%20peace%20%232/help/gvm.htm#about");
  EXPECT_EQ(GuideAddress(p), "file:///games/war%20%26%20peace%20%232/help/gvm.htm");
}

// What the archives lack at run time (a picture gone, a terrain tile past the catalogue) draws
// nothing; every frame is still composed and shown, on the Battlefield and on Map1.
TEST(WindowEvents, WhatIsMissingAtRunTimeDrawsNothingAndTheFrameStillFlips) {
  testing::GameHarness g;
  g.StartGame();
  World& w = g.W();
  g.Place(w.ViewX + 2, w.ViewY + 2, 1);
  Cell(w, w.ViewX + 4, w.ViewY + 4).Terrain = 700;
  w.Map1X = w.ViewX;
  w.Map1Y = w.ViewY;
  g.Ctx().graphic.Delete(g.Ctx().graphic.IndexOf("Units"));
  for (const MapZoom zoom : {kZoomBattlefield, kZoomMap1}) {
    w.ScreenFlags[kFlagZoom] = zoom;
    const std::size_t shown = g.Platform().FrameHashes().size();
    g.Frames(3);
    EXPECT_EQ(g.Platform().FrameHashes().size(), shown + 3) << int(zoom);
  }
}

}  // namespace
}  // namespace gm
