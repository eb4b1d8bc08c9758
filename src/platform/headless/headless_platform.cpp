// The memory-only platform used by tests, benchmarks and the headless sim.
#include "platform/headless/headless_platform.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/headless/png_writer.hpp"
#include "platform/log.hpp"

namespace gm {

namespace {

// A pointer event as the window reports it: where, which button changed and which are held.
PlatformEvent MouseEvent(PlatformEvent::Kind kind, int x, int y, std::uint8_t button,
                         std::uint8_t buttons) {
  PlatformEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  e.button = button;
  e.buttons = buttons;
  return e;
}

}  // namespace

bool HeadlessPlatform::OpenWindow(const WindowSettings& settings) {
  windowOpen_ = true;
  fullScreen_ = settings.fullScreen;
  title_ = settings.title;
  return true;
}

std::uint64_t HeadlessPlatform::HashFrame(const FrameView& frame) {
  // FNV-1a over 64-bit words (bytes for a row's tail): fast enough to hash every flip.
  std::uint64_t h = 14695981039346656037ull;
  constexpr std::uint64_t kPrime = 1099511628211ull;
  auto mix = [&h](const std::uint8_t* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      h = (h ^ word) * kPrime;
    }
    for (; i < n; ++i) h = (h ^ p[i]) * kPrime;
  };
  const std::int32_t header[3] = {frame.width, frame.height,
                                  static_cast<std::int32_t>(frame.format)};
  mix(reinterpret_cast<const std::uint8_t*>(header), sizeof header);
  const std::size_t rowBytes =
      static_cast<std::size_t>(frame.width) * (frame.format == FrameFormat::kRgb565 ? 2 : 1);
  for (int y = 0; y < frame.height; ++y) {
    mix(frame.pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.pitch),
        rowBytes);
  }
  return h;
}

void HeadlessPlatform::Present(const FrameView& frame) {
  if (frame.pixels == nullptr || frame.width < 1 || frame.height < 1 ||
      (frame.format == FrameFormat::kIndexed8 && frame.palette == nullptr)) {
    LogLine("present: no frame to show");
    lastHistory_ = {};
    return;
  }
  // A frame that changed nothing since the last one presented has that one's hash.
  const bool same = frame.since != 0 && frame.since == lastHistory_.serial && frame.changed.empty();
  frameHashes_.push_back(same ? frameHashes_.back() : HashFrame(frame));
  lastHistory_.serial = frame.serial;
  lastHistory_.since = frame.since;
  lastHistory_.changed.assign(frame.changed.begin(), frame.changed.end());
  if (keptCount_ == 0) return;
  KeptFrame kept;
  kept.width = frame.width;
  kept.height = frame.height;
  kept.rgb.resize(static_cast<std::size_t>(frame.width) * frame.height * 3);
  std::uint8_t* out = kept.rgb.data();
  for (int y = 0; y < frame.height; ++y) {
    const std::uint8_t* row = frame.pixels + static_cast<std::size_t>(y) * frame.pitch;
    for (int x = 0; x < frame.width; ++x, out += 3) {
      std::uint16_t p;
      if (frame.format == FrameFormat::kRgb565) {
        p = static_cast<std::uint16_t>(row[2 * x] | (row[2 * x + 1] << 8));
      } else {
        p = (*frame.palette)[row[x]];
      }
      Rgb565ToRgb888(p, out);
    }
  }
  keptFrames_.push_front(std::move(kept));
  while (keptFrames_.size() > keptCount_) keptFrames_.pop_back();
}

bool HeadlessPlatform::RestoreFrame() {
  if (restoreFails_) return false;
  frameLost_ = false;
  return true;
}

void HeadlessPlatform::SetKeptFrames(std::size_t count) {
  keptCount_ = count;
  while (keptFrames_.size() > keptCount_) keptFrames_.pop_back();
}

Status HeadlessPlatform::WriteFramePng(const std::filesystem::path& file, std::size_t back) const {
  if (back >= keptFrames_.size()) return Status::Error("no such frame kept");
  const KeptFrame& f = keptFrames_[back];
  return WritePng(file, f.width, f.height, f.rgb);
}

void HeadlessPlatform::WaitForEvent(int timeoutMs) {
  if (events_.empty() && timeoutMs > 0) clock_.Advance(static_cast<std::uint32_t>(timeoutMs));
}

bool HeadlessPlatform::PollEvent(PlatformEvent& event) {
  if (events_.empty()) return false;
  event = events_.front();
  events_.pop_front();
  return true;
}

MouseMotion HeadlessPlatform::ReadMouse() {
  MouseMotion m = motion_;
  m.buttons = buttons_;
  motion_ = {};
  return m;
}

bool HeadlessPlatform::ReadJoystick(int id, JoystickReading& reading) {
  if (!joystickPresent_ || id != 0) return false;
  reading = joystick_;
  return true;
}

void HeadlessPlatform::MoveMouse(int x, int y) {
  motion_.dx += x - mouseX_;
  motion_.dy += y - mouseY_;
  mouseX_ = x;
  mouseY_ = y;
  events_.push_back(MouseEvent(PlatformEvent::Kind::kMouseMove, x, y, 0, buttons_));
}

void HeadlessPlatform::PressButton(std::uint8_t button) {
  buttons_ |= button;
  pressedOnWindow_ |= button;
  events_.push_back(
      MouseEvent(PlatformEvent::Kind::kMouseDown, mouseX_, mouseY_, button, buttons_));
}

void HeadlessPlatform::ReleaseButton(std::uint8_t button) {
  buttons_ &= static_cast<std::uint8_t>(~button);
  PlatformEvent e = MouseEvent(PlatformEvent::Kind::kMouseUp, mouseX_, mouseY_, button, buttons_);
  events_.push_back(e);
  if (button == kMouseLeft && (pressedOnWindow_ & kMouseLeft)) {
    e.kind = PlatformEvent::Kind::kClick;
    events_.push_back(e);
  }
  pressedOnWindow_ &= static_cast<std::uint8_t>(~button);
}

void HeadlessPlatform::Click(int x, int y) {
  MoveMouse(x, y);
  PressButton(kMouseLeft);
  ReleaseButton(kMouseLeft);
}

void HeadlessPlatform::SetKey(int virtualKey, bool down) {
  if (virtualKey < 0 || virtualKey > 255) return;
  keys_[static_cast<std::size_t>(virtualKey)] = down ? 0x80 : 0;
}

void HeadlessPlatform::SetFocus(bool focus) {
  if (focus == focus_) return;
  focus_ = focus;
  PlatformEvent e;
  e.kind = focus ? PlatformEvent::Kind::kFocusGained : PlatformEvent::Kind::kFocusLost;
  events_.push_back(e);
}

void HeadlessPlatform::SetJoystick(bool present, const JoystickReading& reading) {
  joystickPresent_ = present;
  joystick_ = reading;
}

bool HeadlessPlatform::StartAudio(AudioSource* source) {
  if (!audioAvailable_) {
    // Told once: the game starts its sound more than once (at load and after the settings).
    if (!audioMissingLogged_) LogLine("no sound device: sound is off");
    audioMissingLogged_ = true;
    audioSource_ = nullptr;
    return false;
  }
  audioSource_ = source;
  return true;
}

void HeadlessPlatform::NoteSound(std::string_view label, bool looped) {
  sounds_.push_back({std::string(label), looped, clock_.TickMilliseconds()});
}

std::vector<std::int16_t> HeadlessPlatform::RenderAudio(int frames) {
  std::vector<std::int16_t> out(static_cast<std::size_t>(std::max(frames, 0)) * 2, 0);
  if (audioSource_ != nullptr && frames > 0) audioSource_->Mix(out.data(), frames);
  return out;
}

bool HeadlessPlatform::PlayMusic(const std::filesystem::path& file) {
  musicCalls_.push_back({MusicCall::Kind::kPlay, file});
  if (!musicAvailable_) {
    // Told once, not at every turn change that picks a new track.
    if (!musicMissingLogged_) LogLine("no MIDI synthesiser: music is off");
    musicMissingLogged_ = true;
    return false;
  }
  // Like a real player, starting a new track ends the one playing.
  if (musicPlaying_) {
    PlatformEvent e;
    e.kind = PlatformEvent::Kind::kMusicEnded;
    e.musicEnd = MusicEnd::kSuperseded;
    events_.push_back(e);
  }
  musicPlaying_ = true;
  return true;
}

void HeadlessPlatform::StopMusic() {
  musicCalls_.push_back({MusicCall::Kind::kStop, {}});
  if (!musicPlaying_) return;
  musicPlaying_ = false;
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::kMusicEnded;
  e.musicEnd = MusicEnd::kAborted;
  events_.push_back(e);
}

void HeadlessPlatform::FinishMusic() {
  if (!musicPlaying_) return;
  musicPlaying_ = false;
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::kMusicEnded;
  e.musicEnd = MusicEnd::kSuccessful;
  events_.push_back(e);
}

void HeadlessPlatform::OpenAddress(std::string_view address) {
  openedAddresses_.emplace_back(address);
  if (opening_ == OpenOutcome::kPending) return;
  if (static_cast<std::size_t>(openersLeftRunning_) >= kMostOpenersLeftRunning) {
    opening_ = OpenOutcome::kUnconfirmed;
    return;
  }
  ++openingsStarted_;
  opening_ = OpenOutcome::kPending;
  openingPolls_ = openingWait_;
}

OpenOutcome HeadlessPlatform::PollOpening() {
  if (opening_ == OpenOutcome::kNone) return OpenOutcome::kNone;
  if (opening_ != OpenOutcome::kPending) return std::exchange(opening_, OpenOutcome::kNone);
  if (openingPolls_ > 0) {
    --openingPolls_;
    return OpenOutcome::kPending;
  }
  opening_ = OpenOutcome::kNone;
  if (openingEnd_ == OpenOutcome::kUnconfirmed) ++openersLeftRunning_;
  return openingEnd_;
}

void HeadlessPlatform::ScriptOpenings(OpenOutcome outcome, int pendingPolls) {
  openingEnd_ = outcome;
  openingWait_ = pendingPolls;
}

}  // namespace gm
