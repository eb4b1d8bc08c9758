// The memory-only platform: a virtual clock the test advances, scripted pointer and keyboard
// input, a record of sounds, music calls, start-up error boxes and opened addresses, a hash of
// every presented frame and PNG dumps of kept frames. Nothing touches a screen, a sound card or
// another program.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/status.hpp"

namespace gm {

class HeadlessPlatform final : public Platform {
 public:
  struct SoundRecord {
    std::string label;
    bool looped = false;
    std::uint32_t tick = 0;  // virtual clock at the start
  };
  struct MusicCall {
    enum class Kind : std::uint8_t { kPlay, kStop };
    Kind kind = Kind::kPlay;
    std::filesystem::path file;
  };
  // A presented frame as RGB, 3 bytes a pixel.
  struct KeptFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
  };

  HeadlessPlatform() = default;

  // Platform
  Clock& GetClock() override { return clock_; }
  bool OpenWindow(const WindowSettings& settings) override;
  void CloseWindow() override { windowOpen_ = false; }
  void SetFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; }
  void SetWindowTitle(std::string_view title) override { title_ = title; }
  void Present(const FrameView& frame) override;
  bool FrameLost() override { return frameLost_; }
  bool RestoreFrame() override;
  bool HasFocus() override { return focus_; }
  bool PollEvent(PlatformEvent& event) override;
  // Virtual time: with no event waiting the clock moves on by the timeout.
  void WaitForEvent(int timeoutMs) override;
  void ReadKeyboard(KeySnapshot& keys) override { keys = keys_; }
  MouseMotion ReadMouse() override;
  int JoystickCount() override { return joystickPresent_ ? 1 : 0; }
  bool ReadJoystick(int id, JoystickReading& reading) override;
  bool StartAudio(AudioSource* source) override;
  void StopAudio() override { audioSource_ = nullptr; }
  void NoteSound(std::string_view label, bool looped) override;
  bool PlayMusic(const std::filesystem::path& file) override;
  void StopMusic() override;
  void ShowStartUpError(std::string_view message) override { startUpErrors_.emplace_back(message); }
  void OpenAddress(std::string_view address) override;
  OpenOutcome PollOpening() override;
  std::filesystem::path ProgramFolder() override { return programFolder_; }

  // Clock.
  FixedClock& VirtualClock() { return clock_; }
  void AdvanceTime(std::uint32_t ms) { clock_.Advance(ms); }

  // Scripted input.
  void PushEvent(const PlatformEvent& event) { events_.push_back(event); }
  void MoveMouse(int x, int y);
  void PressButton(std::uint8_t button);
  void ReleaseButton(std::uint8_t button);
  // Move, press, release and click of the left button at (x, y).
  void Click(int x, int y);
  void SetKey(int virtualKey, bool down);
  void SetFocus(bool focus);
  void SetJoystick(bool present, const JoystickReading& reading = {});
  std::size_t PendingEvents() const { return events_.size(); }

  // Window.
  bool WindowOpen() const { return windowOpen_; }
  bool FullScreen() const { return fullScreen_; }
  const std::string& WindowTitle() const { return title_; }
  void LoseFrame() { frameLost_ = true; }
  void SetRestoreFails(bool fails) { restoreFails_ = fails; }

  // Frames: a 64-bit hash of each presented frame's pixels, and the last few frames kept.
  const std::vector<std::uint64_t>& FrameHashes() const { return frameHashes_; }
  // What the last presented frame said of itself: its number, the frame its changes are
  // counted from, and the rectangles it changed.
  struct FrameHistory {
    std::uint64_t serial = 0;
    std::uint64_t since = 0;
    std::vector<PixelRect> changed;
  };
  const FrameHistory& LastFrameHistory() const { return lastHistory_; }
  void SetKeptFrames(std::size_t count);
  const std::deque<KeptFrame>& KeptFrames() const { return keptFrames_; }
  // Writes a kept frame (0 = the latest) as PNG.
  Status WriteFramePng(const std::filesystem::path& file, std::size_t back = 0) const;

  // Sound: whether a device "exists", the mixed output, the record of effects started.
  void SetAudioAvailable(bool available) { audioAvailable_ = available; }
  bool AudioRunning() const { return audioSource_ != nullptr; }
  // Pulls frames of stereo output from the source (silence when none), as the device would.
  std::vector<std::int16_t> RenderAudio(int frames);
  const std::vector<SoundRecord>& Sounds() const { return sounds_; }

  // Music: the calls made, and the end of the current track.
  void SetMusicAvailable(bool available) { musicAvailable_ = available; }
  const std::vector<MusicCall>& MusicCalls() const { return musicCalls_; }
  bool MusicPlaying() const { return musicPlaying_; }
  // The current track plays to its end: a kMusicEnded event with kSuccessful.
  void FinishMusic();

  // The messages of the start-up error boxes asked for.
  const std::vector<std::string>& StartUpErrors() const { return startUpErrors_; }
  // Every address asked to open, in order (one asked while another is pending starts nothing).
  const std::vector<std::string>& OpenedAddresses() const { return openedAddresses_; }
  // How many of them started an opener.
  int OpeningsStarted() const { return openingsStarted_; }
  // How the openings from now on end: each answers kPending to `pendingPolls` polls, then
  // `outcome` (kOpened after no wait unless scripted otherwise). One that ends kUnconfirmed
  // leaves its opener running, as the desktop's backend does: while kMostOpenersLeftRunning of
  // them run, an address asked starts nothing and is answered kUnconfirmed.
  void ScriptOpenings(OpenOutcome outcome, int pendingPolls = 0);
  // The openers left running end (the browser they started is closed).
  void EndOpenersLeftRunning() { openersLeftRunning_ = 0; }
  void SetProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }

  // The hash used for frames: FNV-1a (by 64-bit words) over width, height, format and the
  // visible bytes of each row.
  static std::uint64_t HashFrame(const FrameView& frame);

 private:
  FixedClock clock_;
  std::deque<PlatformEvent> events_;
  KeySnapshot keys_{};
  MouseMotion motion_{};
  int mouseX_ = 0;
  int mouseY_ = 0;
  std::uint8_t buttons_ = 0;
  std::uint8_t pressedOnWindow_ = 0;
  bool focus_ = true;
  bool joystickPresent_ = false;
  JoystickReading joystick_{};

  bool windowOpen_ = false;
  bool fullScreen_ = false;
  std::string title_;
  bool frameLost_ = false;
  bool restoreFails_ = false;
  std::vector<std::uint64_t> frameHashes_;
  FrameHistory lastHistory_;
  std::size_t keptCount_ = 1;
  std::deque<KeptFrame> keptFrames_;

  bool audioAvailable_ = true;
  bool audioMissingLogged_ = false;
  AudioSource* audioSource_ = nullptr;
  std::vector<SoundRecord> sounds_;

  bool musicAvailable_ = true;
  bool musicMissingLogged_ = false;
  bool musicPlaying_ = false;
  std::vector<MusicCall> musicCalls_;

  std::vector<std::string> startUpErrors_;
  std::vector<std::string> openedAddresses_;
  OpenOutcome openingEnd_ = OpenOutcome::kOpened;
  int openingWait_ = 0;
  OpenOutcome opening_ = OpenOutcome::kNone;  // kPending while one runs, or the answer due
  int openingPolls_ = 0;                      // polls still to answer kPending
  int openingsStarted_ = 0;
  int openersLeftRunning_ = 0;
  std::filesystem::path programFolder_ = std::filesystem::current_path();
};

}  // namespace gm
