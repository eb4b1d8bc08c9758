// The SDL backend under the dummy drivers: opens its window, presents frames, plays a wave
// through our mixer, and reports the end of a MIDI track as an event on the main thread.
#include <SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "media/display_device.hpp"
#include "media/sound_device.hpp"
#include "platform/log.hpp"
#include "platform/posix_file_system.hpp"
#include "platform/sdl/sdl_platform.hpp"
#include "platform/sdl/sdl_window.hpp"

namespace gm {
namespace {

// SDL falls back to a driver that draws nowhere when no display is in reach; only one asked for
// by name may run the game.
TEST(SdlDisplay, ADriverThatDrawsNowhereRunsTheGameOnlyWhenAskedFor) {
  struct Case {
    const char* driver;
    const char* asked;
    bool missing;
  };
  for (const Case& c : {Case{"x11", nullptr, false}, Case{"wayland", "x11", false},
                        Case{"offscreen", nullptr, true}, Case{"dummy", nullptr, true},
                        Case{nullptr, nullptr, true}, Case{"dummy", "dummy", false},
                        Case{"offscreen", "x11,offscreen", false},
                        Case{"offscreen", "X11,OFFSCREEN", false}, Case{"dummy", "x11", true},
                        Case{"dummy", "dummyx", true}, Case{"offscreen", "x11,", true}}) {
    EXPECT_EQ(DisplayMissing(c.driver, c.asked), c.missing)
        << (c.driver ? c.driver : "(none)") << " asked " << (c.asked ? c.asked : "(none)");
  }
}

// The message names the displays that did not answer; it asks for one only where none is named.
TEST(SdlDisplay, NoDisplayReasonNamesTheDisplaysThatDidNotAnswer) {
  const std::tuple<const char*, const char*, std::string> cases[] = {
      {nullptr, nullptr, "no display could be reached (is DISPLAY or WAYLAND_DISPLAY set?)"},
      {"", "", "no display could be reached (is DISPLAY or WAYLAND_DISPLAY set?)"},
      {":99", nullptr, "no display could be reached: the X display :99 (DISPLAY) did not answer"},
      {"", "wayland-1",
       "no display could be reached: the Wayland display wayland-1 (WAYLAND_DISPLAY) did not "
       "answer"},
      {"host:1.0", "wayland-0",
       "no display could be reached: the X display host:1.0 (DISPLAY) and the Wayland display "
       "wayland-0 (WAYLAND_DISPLAY) did not answer"},
  };
  for (const auto& [x11, wayland, reason] : cases) EXPECT_EQ(NoDisplayReason(x11, wayland), reason);
}

class SdlBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SetLogSink([this](std::string_view l) { log_.emplace_back(l); });
    platform_ = MakeSdlPlatform();
    ASSERT_NE(platform_, nullptr);
  }
  void TearDown() override {
    platform_.reset();
    SetLogSink({});
  }
  // Polls events until one of the kind arrives or the time runs out.
  bool WaitFor(PlatformEvent::Kind kind, PlatformEvent& got, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      while (platform_->PollEvent(got)) {
        if (got.kind == kind) return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }
  bool Logged(std::string_view part) const {
    for (const auto& l : log_) {
      if (l.find(part) != std::string::npos) return true;
    }
    return false;
  }

  std::vector<std::string> log_;
  std::unique_ptr<Platform> platform_;
};

TEST_F(SdlBackend, OpensAndPresentsFramesInBothModes) {
  for (int bits : {16, 8}) {
    TDXDraw draw(platform_.get());
    draw.SetOptions(doCenter);
    draw.Display().SetWidth(800);
    draw.Display().SetHeight(600);
    draw.Display().SetBitCount(bits);
    draw.SetSurfaceSize(800, 600);
    draw.FormShown();
    ASSERT_TRUE(draw.Initialized()) << bits;
    draw.Surface()->FillRect({0, 0, 720, 540}, bits == 8 ? 37 : 0x07E0);
    for (int i = 0; i < 3; ++i) {
      draw.Flip();
      PlatformEvent e;
      while (platform_->PollEvent(e)) {
      }
    }
    KeySnapshot keys;
    platform_->ReadKeyboard(keys);
    EXPECT_FALSE(Logged("frame")) << bits;
    EXPECT_FALSE(Logged("window")) << bits;
    platform_->CloseWindow();
  }
}

TEST_F(SdlBackend, PlaysAWaveThroughTheMixer) {
  TDXSound sound(platform_.get());
  sound.Initialize();
  ASSERT_TRUE(sound.Initialized());
  ASSERT_TRUE(sound.DSound()->OutputRunning()) << (log_.empty() ? "" : log_.front());
  TDirectSoundBuffer b(*sound.DSound());
  TDSBufferDesc desc;
  desc.format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};  // 22050 Hz mono
  desc.dwBufferBytes = 2 * 2205;                                                // 0.1 s
  ASSERT_TRUE(b.CreateBuffer(desc));
  b.Play(false);
  EXPECT_TRUE(b.Playing());
  // The device pulls the samples: the play ends on its own.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (b.Playing() && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(b.Playing());
}

// A sound driver that is there but cannot open its device (here: a file in no folder) is one
// line in the log; the game runs silent, music included.
TEST_F(SdlBackend, UnopenableSoundDeviceIsOneLogLine) {
  platform_.reset();
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  const bool hadDriver = driver != nullptr;
  const std::string kept = hadDriver ? driver : "";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/nonexistent/folder/sound.raw", 1);
  platform_ = MakeSdlPlatform();
  ASSERT_NE(platform_, nullptr);
  log_.clear();
  SoundMixer mixer;
  EXPECT_FALSE(platform_->StartAudio(&mixer));
  EXPECT_FALSE(platform_->StartAudio(&mixer));
  EXPECT_FALSE(platform_->PlayMusic("/nonexistent/track.mid"));
  platform_.reset();
  if (hadDriver) {
    setenv("SDL_AUDIODRIVER", kept.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  unsetenv("SDL_DISKAUDIOFILE");
  EXPECT_EQ(log_.size(), 1u) << (log_.empty() ? "" : log_.front());
}

TEST_F(SdlBackend, ProgramFolderIsTheFileSystemsOne) {
  EXPECT_EQ(platform_->ProgramFolder().string() + "/", PosixFileSystem::ExecutableFolder());
}

std::filesystem::path WriteShortMidi() {
  // One quarter-second note at the default tempo.
  const unsigned char bytes[] = {'M', 'T', 'h', 'd',  0,   0,   0, 6,    0,    0,  0, 1,
                                 0,   96,  'M', 'T',  'r', 'k', 0, 0,    0,    12, 0, 0x90,
                                 60,  100, 48,  0x80, 60,  64,  0, 0xFF, 0x2F, 0};
  auto file = std::filesystem::temp_directory_path() /
              ("gm_sdl_test_" + std::to_string(::getpid()) + ".mid");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  return file;
}

TEST_F(SdlBackend, EndOfTrackArrivesAsAnEvent) {
  const auto file = WriteShortMidi();
  if (!platform_->PlayMusic(file)) {
    GTEST_SKIP() << "no MIDI synthesiser here: " << (log_.empty() ? "" : log_.back());
  }
  PlatformEvent e;
  ASSERT_TRUE(WaitFor(PlatformEvent::Kind::kMusicEnded, e, 5000));
  EXPECT_EQ(e.musicEnd, MusicEnd::kSuccessful);
  ASSERT_TRUE(platform_->PlayMusic(file));
  ASSERT_TRUE(platform_->PlayMusic(file));
  ASSERT_TRUE(WaitFor(PlatformEvent::Kind::kMusicEnded, e, 1000));
  EXPECT_EQ(e.musicEnd, MusicEnd::kSuperseded);
  platform_->StopMusic();
  ASSERT_TRUE(WaitFor(PlatformEvent::Kind::kMusicEnded, e, 1000));
  EXPECT_EQ(e.musicEnd, MusicEnd::kAborted);
  EXPECT_FALSE(platform_->PlayMusic("/nonexistent/track.mid"));
  std::filesystem::remove(file);
}

// A track that will not load is told of once, however often a turn change picks it again.
TEST_F(SdlBackend, ATrackThatWillNotPlayIsToldOfOnce) {
  const auto file = WriteShortMidi();
  const bool synthesiser = platform_->PlayMusic(file);
  std::filesystem::remove(file);
  if (!synthesiser) GTEST_SKIP() << "no MIDI synthesiser here";
  log_.clear();
  for (int turn = 0; turn < 3; ++turn) {
    EXPECT_FALSE(platform_->PlayMusic("/nonexistent/003.mid"));
    EXPECT_FALSE(platform_->PlayMusic("/nonexistent/008.mid"));
  }
  ASSERT_EQ(log_.size(), 2u);
  EXPECT_NE(log_[0].find("003.mid"), std::string::npos) << log_[0];
  EXPECT_NE(log_[1].find("008.mid"), std::string::npos) << log_[1];
}

// A FIFO in a track's place is refused at once: a blocking open would wait for a writer, and the
// window with it. Should the open wait all the same, a writer comes after three seconds so that
// the test fails instead of hanging.
TEST_F(SdlBackend, AFifoInPlaceOfATrackIsRefusedWithoutWaiting) {
  const auto file = WriteShortMidi();
  const bool synthesiser = platform_->PlayMusic(file);
  std::filesystem::remove(file);
  if (!synthesiser) GTEST_SKIP() << "no MIDI synthesiser here";
  platform_->StopMusic();
  const auto fifo = std::filesystem::temp_directory_path() /
                    ("gm_sdl_fifo_" + std::to_string(::getpid()) + ".mid");
  std::filesystem::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::promise<void> played;
  std::thread writer([&fifo, done = played.get_future()] {
    if (done.wait_for(std::chrono::seconds(3)) == std::future_status::ready) return;
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  });
  log_.clear();
  EXPECT_FALSE(platform_->PlayMusic(fifo));
  played.set_value();
  writer.join();
  std::filesystem::remove(fifo);
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_NE(log_[0].find("is a FIFO, not a regular file"), std::string::npos) << log_[0];
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

void Push(const SDL_Event& e) {
  SDL_Event copy = e;
  SDL_PushEvent(&copy);
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}

// What the game must never miss: a held button released when the focus goes, a press of an
// unknown button still reported, and the window's last pixels reaching the frame's edges.
TEST_F(SdlBackend, PointerEventsReachTheGameWhole) {
  ASSERT_TRUE(platform_->OpenWindow(WindowSettings{}));
  PlatformEvent e;
  while (platform_->PollEvent(e)) {
  }
  Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 799, 599));
  SDL_Event lost{};
  lost.type = SDL_WINDOWEVENT;
  lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  Push(lost);
  Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 5, 5));
  std::vector<PlatformEvent> got;
  while (platform_->PollEvent(e)) got.push_back(e);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].kind, PlatformEvent::Kind::kMouseDown);
  EXPECT_EQ(got[0].x, 799);
  EXPECT_EQ(got[0].y, 599);
  EXPECT_EQ(got[1].kind, PlatformEvent::Kind::kMouseUp);
  EXPECT_EQ(got[1].buttons, 0);
  EXPECT_EQ(got[2].kind, PlatformEvent::Kind::kFocusLost);
  EXPECT_EQ(got[3].kind, PlatformEvent::Kind::kMouseDown);
  EXPECT_EQ(got[3].button, 0);
}

// The window's close is a request the game answers; a termination signal (SIGHUP too, which SDL
// leaves alone) or SDL's own quit ends the game. Each comes once, as one event.
TEST_F(SdlBackend, ACloseRequestAndARequestToEndAreToldApart) {
  ASSERT_TRUE(platform_->OpenWindow(WindowSettings{}));
  PlatformEvent e;
  while (platform_->PollEvent(e)) {
  }
  const auto signal = [](int number) { return [number] { std::raise(number); }; };
  struct Case {
    const char* what;
    std::function<void()> cause;
    PlatformEvent::Kind kind;
    int signal = 0;
  };
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  const Case cases[] = {
      {"the window's close", [&] { Push(close); }, PlatformEvent::Kind::kCloseRequest},
      {"SDL's quit", [&] { Push(quit); }, PlatformEvent::Kind::kTerminate},
      {"SIGTERM", signal(SIGTERM), PlatformEvent::Kind::kTerminate, SIGTERM},
      {"SIGINT", signal(SIGINT), PlatformEvent::Kind::kTerminate, SIGINT},
      {"SIGHUP", signal(SIGHUP), PlatformEvent::Kind::kTerminate, SIGHUP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.signal != 0) {
      struct sigaction now {};
      ASSERT_EQ(sigaction(c.signal, nullptr, &now), 0);
      // A signal this test was started with ignored is not the game's to catch.
      if (now.sa_handler == SIG_IGN) continue;
      ASSERT_NE(now.sa_handler, SIG_DFL) << "the signal would end the game uncleanly";
    }
    platform_->WaitForEvent(0);
    c.cause();
    std::vector<PlatformEvent::Kind> got;
    while (platform_->PollEvent(e)) got.push_back(e.kind);
    EXPECT_EQ(got, std::vector<PlatformEvent::Kind>{c.kind});
  }
}

// A game that stopped reading its events is still ended by a second signal.
TEST_F(SdlBackend, ASecondSignalNobodyReadEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::raise(SIGTERM);
        std::raise(SIGTERM);
        std::_Exit(0);
      },
      ::testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
}  // namespace gm
