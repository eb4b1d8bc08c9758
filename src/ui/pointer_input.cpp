// Pointer events of the game window.
#include "ui/pointer_input.hpp"

#include <cctype>

#include "flow/screen_flags.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/title_screen.hpp"

namespace gm {

namespace {

std::string FileAddress(Platform& platform, const char* suffix) {
  const std::filesystem::path guide = platform.ProgramFolder() / "help" / "gvm.htm";
  // A folder name may hold blanks, '#' or '%': every byte but the unreserved ones is escaped.
  std::string address = "file://";
  for (const unsigned char c : guide.lexically_normal().string()) {
    if (std::isalnum(c) != 0 || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
      address += static_cast<char>(c);
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      address += '%';
      address += kHex[c >> 4];
      address += kHex[c & 15];
    }
  }
  return address + suffix;
}

}  // namespace

std::string GuideAddress(Platform& platform) {
  return FileAddress(platform, "");
}
std::string AboutAddress(Platform& platform) {
  return FileAddress(platform, "#about");
}

void DXDraw1MouseMove(UiContext& ctx, std::int32_t x, std::int32_t y) {
  if (ctx.w.ActionTick != 0) return;
  ctx.ui.MouseX = x;
  ctx.ui.MouseY = y;
}

void DXDraw1MouseDown(UiContext& ctx, std::uint8_t buttons) {
  World& w = ctx.w;
  UiState& ui = ctx.ui;
  if (w.ActionTick == 0) {
    if (buttons & kMouseRight) ui.RightButtonDown = 1;
    if (buttons & kMouseLeft) ui.LeftButtonDown = 1;
  }
  // The link areas and the cancel answer even during an animation, at the stored position.
  const std::int32_t mx = ui.MouseX, my = ui.MouseY;
  if (w.ScreenFlags[kFlagHelp] == kPageOpen) {
    if (ui.HelpPage == 1 && kHelpAboutLink.Contains(mx, my)) {
      ctx.platform.OpenAddress(AboutAddress(ctx.platform));
    }
    if (ui.HelpPage == 6 && kHelpGuideLink.Contains(mx, my)) {
      ctx.platform.OpenAddress(GuideAddress(ctx.platform));
    }
    if (ui.HelpPage == 6 && kHelpAboutLink6.Contains(mx, my)) {
      ctx.platform.OpenAddress(AboutAddress(ctx.platform));
    }
  }
  if (w.ScreenFlags[kFlagScreen] == kScreenTitle && kTitleLink.Contains(mx, my)) {
    ctx.platform.OpenAddress(AboutAddress(ctx.platform));
  }
  if (w.ScreenFlags[kFlagPlacement] == 1 && ui.RightButtonDown == 1) {
    RestoreScreenFlags(w);
    w.Lists.PlacementPending = 0;
  }
}

void DXDraw1MouseUp(UiContext& ctx) {
  if (ctx.w.ActionTick != 0) return;
  ctx.ui.LeftButtonDown = 0;
  ctx.ui.RightButtonDown = 0;
}

}  // namespace gm
