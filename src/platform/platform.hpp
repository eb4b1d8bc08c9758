// What the game needs of the machine: a window showing one 800 x 600 frame, pointer and keyboard
// input, sound output, MIDI music, opening files and web addresses, and its own folder.
// Two backends implement it: headless (memory only, for tests) and SDL.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/clock.hpp"
#include "platform/pixel_convert.hpp"

namespace gm {

inline constexpr int kFrameWidth = 800;
inline constexpr int kFrameHeight = 600;

enum class FrameFormat : std::uint8_t {
  kRgb565,    // 16 bits per pixel
  kIndexed8,  // 8 bits per pixel, indices into the frame's palette
};

// A rectangle of frame pixels: columns [left, right), rows [top, bottom).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// One frame handed to the window; the pixels are read during Present.
//
// A frame may say what changed since an earlier one: outside the `changed` rectangles its pixels
// are those of frame `since`. A window that shows frame `since` then needs to send only those
// rectangles (none at all for a frame that did not change); any other window, or a frame with
// `since` 0, takes the whole frame as new. Frame numbers are never 0 and never repeat.
struct FrameView {
  const std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;  // bytes per row
  FrameFormat format = FrameFormat::kRgb565;
  const Rgb565Palette* palette = nullptr;  // 8-bit frames: the colours of the indices
  std::uint64_t serial = 0;                // this frame's number; 0 when it has none
  std::uint64_t since = 0;
  std::span<const PixelRect> changed;
};

// Mouse buttons as bits of PlatformEvent::buttons.
inline constexpr std::uint8_t kMouseLeft = 1;
inline constexpr std::uint8_t kMouseRight = 2;
inline constexpr std::uint8_t kMouseMiddle = 4;

// How a music play ended.
enum class MusicEnd : std::uint8_t {
  kSuccessful,  // the track played to its end
  kSuperseded,  // replaced by another track
  kAborted,     // stopped or closed
  kFailed,      // the synthesiser gave up
};

struct PlatformEvent {
  enum class Kind : std::uint8_t {
    kNone,
    // The player asked to close the window (the window manager's close button, Alt+F4): the
    // game decides what that means.
    kCloseRequest,
    kTerminate,    // the program was told to end (a termination signal): it ends at once
    kMouseMove,    // x, y in frame pixels
    kMouseDown,    // button pressed; buttons = held now, the pressed one included
    kMouseUp,      // button released; buttons = still held
    kClick,        // a left press and release, both on the window; after the kMouseUp
    kFocusGained,  // the program became the active one
    kFocusLost,
    kMusicEnded,  // musicEnd says how
  };
  Kind kind = Kind::kNone;
  int x = 0;
  int y = 0;
  std::uint8_t button = 0;   // the button that changed (down/up/click)
  std::uint8_t buttons = 0;  // buttons held at the moment of the event
  MusicEnd musicEnd = MusicEnd::kSuccessful;
};

// Keyboard snapshot indexed by virtual-key code ('A' = 65, left arrow = 37, F2 = 113 ...);
// bit 7 set = down.
using KeySnapshot = std::array<std::uint8_t, 256>;

// Relative pointer movement and buttons since the previous read.
struct MouseMotion {
  int dx = 0;
  int dy = 0;
  int wheel = 0;
  std::uint8_t buttons = 0;
};

// One joystick: axes -32768..32767, buttons as bits (button 0 = bit 0).
struct JoystickReading {
  int x = 0;
  int y = 0;
  int z = 0;
  std::uint32_t buttons = 0;
};

struct WindowSettings {
  std::string title = "Gravmark";
  bool fullScreen = false;  // desktop full screen; else a resizable window
};

// Sound output pulls its samples from a source: 16-bit signed stereo at SampleRate().
// Mix runs on the sound thread and must overwrite all frames * 2 samples.
class AudioSource {
 public:
  virtual ~AudioSource() = default;
  virtual void Mix(std::int16_t* stereo, int frames) = 0;
};

inline constexpr int kOutputRate = 44100;

// Where the opening of a file or web address stands. The desktop's opener may start and fail a
// moment later (a browser missing behind it), so the outcome comes after the start.
enum class OpenOutcome : std::uint8_t {
  kNone,         // nothing is being opened
  kPending,      // the opener is still at work
  kOpened,       // an opener took it and ended well
  kUnconfirmed,  // an opener still ran when the game stopped waiting: it may have opened it
  kFailed,       // no opener there, or every one tried failed
};

// How many openers still running when the game stopped waiting may stand at once. Such an opener
// is most often the browser it started (a generic opener runs a browser that was not running in
// the foreground, for the browser's whole life), so it does not hold back the next link; but
// openers that hang and open nothing must not pile up without end.
inline constexpr std::size_t kMostOpenersLeftRunning = 3;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Clock& GetClock() = 0;

  // Window and frame. Failures to present are logged, never raised.
  virtual bool OpenWindow(const WindowSettings& settings) = 0;
  virtual void CloseWindow() = 0;
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual void SetWindowTitle(std::string_view title) = 0;
  virtual void Present(const FrameView& frame) = 0;
  // The presenting side lost its memory (device reset); RestoreFrame rebuilds it.
  virtual bool FrameLost() = 0;
  virtual bool RestoreFrame() = 0;
  virtual bool HasFocus() = 0;

  // Input, polled on the main thread.
  virtual bool PollEvent(PlatformEvent& event) = 0;
  // Sleeps until an event is waiting or `timeoutMs` has passed; the event stays for PollEvent.
  virtual void WaitForEvent(int timeoutMs) = 0;
  virtual void ReadKeyboard(KeySnapshot& keys) = 0;
  virtual MouseMotion ReadMouse() = 0;
  virtual int JoystickCount() = 0;
  virtual bool ReadJoystick(int id, JoystickReading& reading) = 0;

  // Sound. StartAudio answers false when there is no device: the game stays silent.
  virtual bool StartAudio(AudioSource* source) = 0;
  virtual void StopAudio() = 0;
  // A sound effect started (for the record of the headless backend; others ignore it).
  virtual void NoteSound(std::string_view label, bool looped) { (void)label, (void)looped; }

  // MIDI music. PlayMusic answers false when nothing can play (silence); the end of a play
  // comes back as a kMusicEnded event.
  virtual bool PlayMusic(const std::filesystem::path& file) = 0;
  virtual void StopMusic() = 0;

  // Shows why the game cannot start in a message box, where there is a display to show one;
  // without one it does nothing (the message is in the log already). The box takes the
  // keyboard; it returns once the player has closed it, or at once when the program is told to
  // end meanwhile (a termination signal).
  virtual void ShowStartUpError(std::string_view message) = 0;

  // Starts opening a file or web address with the desktop's program for it. While an opening is
  // pending another starts nothing; while kMostOpenersLeftRunning openers that earlier openings
  // left running still run, nothing starts either and the opening is answered kUnconfirmed.
  virtual void OpenAddress(std::string_view address) = 0;
  // Where the last opening stands, without waiting: kOpened, kUnconfirmed and kFailed are
  // answered once, then kNone until the next OpenAddress.
  virtual OpenOutcome PollOpening() = 0;
  // The folder of the running program.
  virtual std::filesystem::path ProgramFolder() = 0;
};

}  // namespace gm
