// The settings dialog shown once a run before the game loads: the coalition that moves first,
// who plays each coalition, the display, the turn length and sound. Drawn inside the game's own
// window with its glyph fonts and window tiles; nothing of it is stored.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "media/app_events.hpp"
#include "ui/hit_rect.hpp"
#include "ui/launch_options.hpp"
#include "ui/ui_context.hpp"

namespace gm {

class SettingsDialog {
 public:
  enum class Outcome : std::uint8_t { kOpen, kRun, kExit };
  // The controls in their tab order.
  enum Control : int {
    kTurnFirst,
    kSovietTurn,
    kGermanTurn,
    kDisplayModeBox,
    kTurnLengthBox,
    kSoundBox,
    kRunButton,
    kExitButton,
    kControlCount,
  };
  static constexpr int kListCount = 5;

  // The dialog's choices start from the command line's presets.
  explicit SettingsDialog(const LaunchOptions& presets);

  void MouseMove(std::int32_t x, std::int32_t y);
  void Click(std::int32_t x, std::int32_t y);
  // A new keyboard snapshot: keys that went down since the last one act.
  void Keys(const KeySnapshot& keys);
  void Draw(UiContext& ctx) const;

  Outcome GetOutcome() const { return outcome_; }
  Control Focus() const { return focus_; }
  // The item shown in list `list` (kTurnFirst .. kTurnLengthBox).
  std::string_view ItemText(int list) const;
  bool SoundChecked() const { return sound_; }
  // The settings as "Run!" leaves them.
  LaunchOptions Result() const;

  // The panel's top-left corner in the frame.
  static constexpr std::int32_t kLeft = 90;
  static constexpr std::int32_t kTop = 192;
  // Where a click on the control lands, in the frame.
  static HitRect Area(Control control);

 private:
  void Step(int list, int by);
  void Press(Control control);

  std::array<int, kListCount> choice_{};
  bool sound_ = true;
  Control focus_ = kTurnFirst;
  Outcome outcome_ = Outcome::kOpen;
  KeySnapshot lastKeys_{};
  std::int32_t mouseX_ = 0;
  std::int32_t mouseY_ = 0;
};

// One turn of the dialog's loop: its waiting events, the keyboard, then the dialog drawn and
// shown. False once the window was closed.
bool SettingsDialogFrame(UiContext& ctx, AppEvents& app, SettingsDialog& dialog);

// Shows the dialog in the open window until "Run!" (true, `options` updated) or "Exit", Esc or
// closing the window (false).
bool RunSettingsDialog(UiContext& ctx, AppEvents& app, LaunchOptions& options);

}  // namespace gm
