// Pointer events of the game window.
#include "ui/pointer_input.hpp"

#include <cctype>

#include "flow/screen_flags.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/title_screen.hpp"

namespace gm {

namespace {

std::string FileAddress(Platform& platform, const char* suffix) {
  // A folder name may hold blanks, '#' or '%': every byte but the unreserved ones is escaped.
  std::string address = "file://";
  for (const unsigned char c : GuidePath(platform)) {
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

void OpenLink(UiContext& ctx, const std::string& address, LinkPlace from) {
  ctx.ui.LinkFrom = from;
  ctx.ui.LinkMessage.clear();
  ctx.platform.OpenAddress(address);
}

bool Showing(const World& w, LinkPlace place) {
  if (place == LinkPlace::kHelpPage) {
    // The Quit page a close of the window brought over it gives the Help page back on its No.
    return w.ScreenFlags[kFlagHelp] == kPageOpen ||
           (w.ScreenFlags[kFlagQuit] == kPageOpen && w.SavedScreenFlags[kFlagHelp] == kPageOpen);
  }
  if (place == LinkPlace::kTitle) return w.ScreenFlags[kFlagScreen] == kScreenTitle;
  return false;
}

}  // namespace

std::string GuidePath(Platform& platform) {
  return (platform.ProgramFolder() / "help" / "gvm.htm").lexically_normal().string();
}
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
    constexpr LinkPlace kHelp = LinkPlace::kHelpPage;
    if (ui.HelpPage == 1 && kHelpAboutLink.Contains(mx, my)) {
      OpenLink(ctx, AboutAddress(ctx.platform), kHelp);
    }
    if (ui.HelpPage == 6 && kHelpGuideLink.Contains(mx, my)) {
      OpenLink(ctx, GuideAddress(ctx.platform), kHelp);
    }
    if (ui.HelpPage == 6 && kHelpAboutLink6.Contains(mx, my)) {
      OpenLink(ctx, AboutAddress(ctx.platform), kHelp);
    }
  }
  if (w.ScreenFlags[kFlagScreen] == kScreenTitle && kTitleLink.Contains(mx, my)) {
    OpenLink(ctx, AboutAddress(ctx.platform), LinkPlace::kTitle);
  }
  if (w.ScreenFlags[kFlagPlacement] == 1 && ui.RightButtonDown == 1) {
    RestoreScreenFlags(w);
    w.Lists.PlacementPending = 0;
  }
}

void PollLinkOpening(UiContext& ctx) {
  const OpenOutcome outcome = ctx.platform.PollOpening();
  if (outcome != OpenOutcome::kFailed && outcome != OpenOutcome::kUnconfirmed) return;
  // A page left meanwhile gets no message: the log has it.
  if (!Showing(ctx.w, ctx.ui.LinkFrom)) return;
  ctx.ui.LinkMessage = GuidePath(ctx.platform);
  ctx.ui.LinkUnconfirmed = outcome == OpenOutcome::kUnconfirmed;
}

void DXDraw1MouseUp(UiContext& ctx) {
  if (ctx.w.ActionTick != 0) return;
  ctx.ui.LeftButtonDown = 0;
  ctx.ui.RightButtonDown = 0;
}

}  // namespace gm
