// The settings dialog.
#include "ui/settings_dialog.hpp"

#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"

namespace gm {

namespace {

constexpr std::int32_t kWidth = 620;
constexpr std::int32_t kHeight = 215;
constexpr std::int32_t kCaptionHeight = 18;
constexpr std::int32_t kListWidth = 134;
constexpr std::int32_t kListHeight = 16;

struct ListBox {
  std::int32_t x, y;  // in the panel
  std::array<std::string_view, 4> items;
  int count;
};

// The five lists in tab order; the display list offers full screen and a window at each depth.
constexpr std::array<ListBox, SettingsDialog::kListCount> kLists = {{
    {233, 5, {"Germany", "USSR"}, 2},
    {233, 39, {"Human", "CPU"}, 2},
    {233, 72, {"Human", "CPU"}, 2},
    {233, 105, {"800x600 16bit", "800x600 8bit", "800x600 16bit window", "800x600 8bit window"}, 4},
    {232, 144, {"Realistic ( turn=day )", "Fast ( turn=4 days )"}, 2},
}};

struct Label {
  std::int32_t x, y;
  std::string_view text;
};
constexpr std::array<Label, 6> kLabels = {{
    {9, 7, "Select coalition for first turn"},
    {9, 42, "Select player for Soviet coalition"},
    {9, 76, "Select player for German coalition"},
    {9, 108, "Select optimal videomode for your PC"},
    {8, 144, "Turn length ( realistic / fast )"},
    {233, 180, "Music and sound"},
}};

constexpr HitRect kSoundRect{340, 177, 352, 196};
constexpr HitRect kRunRect{36, 177, 92, 201};
constexpr HitRect kExitRect{134, 177, 190, 201};

constexpr int kKeyTab = 9, kKeyEnter = 13, kKeyShift = 16, kKeyEsc = 27, kKeySpace = 32,
              kKeyLeft = 37, kKeyRight = 39;

HitRect ListRect(const ListBox& l) {
  return {l.x, l.y, l.x + kListWidth - 1, l.y + kListHeight - 1};
}

bool Down(const KeySnapshot& keys, int code) {
  return (keys[static_cast<std::size_t>(code)] & 0x80) != 0;
}

void Frame(TDirectDrawSurface& s, const TRect& r, std::uint32_t colour) {
  s.FillRect({r.Left, r.Top, r.Right, r.Top + 1}, colour);
  s.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, colour);
  s.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, colour);
  s.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, colour);
}

// The panel's background: window tiles cut to the panel's size.
void DrawPanel(UiContext& ctx) {
  TDirectDrawSurface panel(ctx.Back().Format());
  panel.SetSize(kWidth, kHeight);
  const TPictureCollectionItem* tiles = FindImage(ctx, ImageId::kTable3);
  if (tiles != nullptr) {
    const auto tile = [&](sprite::WindowTile t, std::int32_t x, std::int32_t y) {
      tiles->Draw(panel, x, y, t.pattern);
    };
    const auto& window = sprite::kWindow;
    for (std::int32_t y = 0; y < kHeight; y += 60) {
      for (std::int32_t x = 0; x < kWidth; x += 60) tile(window.plain, x, y);
    }
    const std::int32_t right = kWidth - 60, bottom = kHeight - 60;
    for (std::int32_t x = 60; x < right; x += 60) {
      tile(window.top, x, 0);
      tile(window.bottom, x, bottom);
    }
    tile(window.top, right - 1, 0);
    tile(window.bottom, right - 1, bottom);
    for (std::int32_t y = 60; y < bottom; y += 60) {
      tile(window.left, 0, y);
      tile(window.right, right, y);
    }
    tile(window.left, 0, bottom - 1);
    tile(window.right, right, bottom - 1);
    tile(window.topLeft, 0, 0);
    tile(window.topRight, right, 0);
    tile(window.bottomLeft, 0, bottom);
    tile(window.bottomRight, right, bottom);
  }
  ctx.Back().Draw(SettingsDialog::kLeft, SettingsDialog::kTop, panel.ClientRect(), panel, false);
}

}  // namespace

SettingsDialog::SettingsDialog(const LaunchOptions& presets) {
  const StartSettings& s = presets.settings;
  choice_[kTurnFirst] = s.firstCoalition == kGermanSide ? 0 : 1;
  choice_[kSovietTurn] = s.sovietPlayer;
  choice_[kGermanTurn] = s.germanPlayer;
  choice_[kDisplayModeBox] = (presets.bits == 8 ? 1 : 0) + (presets.window ? 2 : 0);
  choice_[kTurnLengthBox] = s.turnLength;
  sound_ = s.soundOn == 1;
}

std::string_view SettingsDialog::ItemText(int list) const {
  const ListBox& l = kLists[static_cast<std::size_t>(list)];
  return l.items[static_cast<std::size_t>(choice_[static_cast<std::size_t>(list)])];
}

LaunchOptions SettingsDialog::Result() const {
  LaunchOptions out;
  out.settings.firstCoalition = choice_[kTurnFirst] == 0 ? kGermanSide : kSovietSide;
  out.settings.sovietPlayer = static_cast<std::uint8_t>(choice_[kSovietTurn]);
  out.settings.germanPlayer = static_cast<std::uint8_t>(choice_[kGermanTurn]);
  out.settings.turnLength = static_cast<std::uint8_t>(choice_[kTurnLengthBox]);
  out.settings.soundOn = sound_ ? 1 : 0;
  out.bits = choice_[kDisplayModeBox] % 2 == 1 ? 8 : 16;
  out.window = choice_[kDisplayModeBox] >= 2;
  out.run = true;
  return out;
}

void SettingsDialog::Step(int list, int by) {
  const int count = kLists[static_cast<std::size_t>(list)].count;
  int& c = choice_[static_cast<std::size_t>(list)];
  c = ((c + by) % count + count) % count;
}

void SettingsDialog::Press(Control control) {
  if (control < kListCount) {
    Step(control, 1);
  } else if (control == kSoundBox) {
    sound_ = !sound_;
  } else if (control == kRunButton) {
    outcome_ = Outcome::kRun;
  } else if (control == kExitButton) {
    outcome_ = Outcome::kExit;
  }
}

void SettingsDialog::MouseMove(std::int32_t x, std::int32_t y) {
  mouseX_ = x;
  mouseY_ = y;
}

HitRect SettingsDialog::Area(Control control) {
  HitRect r{};
  if (control < kListCount) {
    r = ListRect(kLists[static_cast<std::size_t>(control)]);
  } else if (control == kSoundBox) {
    r = kSoundRect;
  } else if (control == kRunButton) {
    r = kRunRect;
  } else if (control == kExitButton) {
    r = kExitRect;
  }
  return {kLeft + r.left, kTop + r.top, kLeft + r.right, kTop + r.bottom};
}

void SettingsDialog::Click(std::int32_t x, std::int32_t y) {
  for (int c = 0; c < kControlCount; ++c) {
    const auto control = static_cast<Control>(c);
    if (Area(control).Contains(x, y)) {
      focus_ = control;
      Press(control);
    }
  }
}

void SettingsDialog::Keys(const KeySnapshot& keys) {
  const auto pressed = [&](int code) { return Down(keys, code) && !Down(lastKeys_, code); };
  if (pressed(kKeyEsc)) outcome_ = Outcome::kExit;
  // Enter presses the focused button; elsewhere it is the default button, "Run!".
  if (pressed(kKeyEnter)) outcome_ = focus_ == kExitButton ? Outcome::kExit : Outcome::kRun;
  if (pressed(kKeyTab)) {
    const int by = Down(keys, kKeyShift) ? kControlCount - 1 : 1;
    focus_ = static_cast<Control>((focus_ + by) % kControlCount);
  }
  if (focus_ < kListCount) {
    if (pressed(kKeyRight)) Step(focus_, 1);
    if (pressed(kKeyLeft)) Step(focus_, -1);
  }
  if (pressed(kKeySpace) && focus_ >= kSoundBox) Press(focus_);
  lastKeys_ = keys;
}

void SettingsDialog::Draw(UiContext& ctx) const {
  TDirectDrawSurface& back = ctx.Back();
  back.Fill(back.ColorMatch(RgbColor(0, 0, 0)));
  const std::uint32_t ink = back.ColorMatch(RgbColor(150, 150, 120));
  const std::uint32_t field = back.ColorMatch(RgbColor(34, 38, 28));
  const std::uint32_t caption = back.ColorMatch(RgbColor(64, 72, 48));
  back.FillRect({kLeft, kTop - kCaptionHeight, kLeft + kWidth, kTop}, caption);
  DrawGlyphText(ctx, "Gravmark v.1.6 config", kLeft + 6, kTop - kCaptionHeight + 3, 2);
  DrawPanel(ctx);
  for (const Label& l : kLabels) DrawGlyphText(ctx, l.text, kLeft + l.x, kTop + l.y + 2, 1);
  for (int i = 0; i < kListCount; ++i) {
    const ListBox& l = kLists[static_cast<std::size_t>(i)];
    const TRect r{kLeft + l.x, kTop + l.y, kLeft + l.x + kListWidth, kTop + l.y + kListHeight};
    back.FillRect(r, field);
    Frame(back, r, ink);
    DrawGlyphText(ctx, ItemText(i), r.Left + 1, r.Top + 2, focus_ == i ? 2 : 1);
  }
  const TRect box{kLeft + 340, kTop + 180, kLeft + 353, kTop + 193};
  back.FillRect(box, field);
  Frame(back, box, focus_ == kSoundBox ? caption : ink);
  if (sound_) DrawGlyphText(ctx, "x", box.Left + 4, box.Top, 1);
  const auto button = [&](const HitRect& h, std::string_view text, Control c) {
    const TRect r{kLeft + h.left, kTop + h.top, kLeft + h.right + 1, kTop + h.bottom + 1};
    back.FillRect(r, field);
    Frame(back, r, focus_ == c ? caption : ink);
    const auto width = static_cast<std::int32_t>(text.size()) * GlyphAdvance(2);
    DrawGlyphText(ctx, text, r.Left + (r.Width() - width) / 2, r.Top + 7, focus_ == c ? 2 : 1);
  };
  button(kRunRect, "Run!", kRunButton);
  button(kExitRect, "Exit", kExitButton);
  DrawImage(ctx, sprite::kSettingsPicture, kLeft + 369, kTop + 5);
  DrawImage(ctx, sprite::kPointerArrow, mouseX_, mouseY_);
}

bool SettingsDialogFrame(UiContext& ctx, AppEvents& app, SettingsDialog& dialog) {
  Platform& platform = ctx.platform;
  PlatformEvent event;
  while (platform.PollEvent(event)) {
    // Closing the dialog's window is its Exit.
    if (event.kind == PlatformEvent::Kind::kCloseRequest ||
        event.kind == PlatformEvent::Kind::kTerminate) {
      return false;
    }
    if (event.kind == PlatformEvent::Kind::kMouseMove) dialog.MouseMove(event.x, event.y);
    if (event.kind == PlatformEvent::Kind::kClick) dialog.Click(event.x, event.y);
    if (event.kind == PlatformEvent::Kind::kFocusGained) app.SetActive(true);
    if (event.kind == PlatformEvent::Kind::kFocusLost) app.SetActive(false);
  }
  KeySnapshot keys{};
  platform.ReadKeyboard(keys);
  dialog.Keys(keys);
  dialog.Draw(ctx);
  ctx.display.Flip();
  return true;
}

bool RunSettingsDialog(UiContext& ctx, AppEvents& app, LaunchOptions& options) {
  SettingsDialog dialog(options);
  while (dialog.GetOutcome() == SettingsDialog::Outcome::kOpen) {
    if (!SettingsDialogFrame(ctx, app, dialog)) return false;
    ctx.platform.WaitForEvent(20);
  }
  if (dialog.GetOutcome() != SettingsDialog::Outcome::kRun) return false;
  options = dialog.Result();
  return true;
}

}  // namespace gm
