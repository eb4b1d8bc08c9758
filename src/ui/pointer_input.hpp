// The pointer handlers: the position every rectangle test reads, the held-button bytes, the link
// areas that open the guide on a press (and what the player is told when nothing opened it),
// and the right button's cancel of a placement.
#pragma once

#include <cstdint>
#include <string>

#include "ui/ui_context.hpp"

namespace gm {

void DXDraw1MouseMove(UiContext& ctx, std::int32_t x, std::int32_t y);
// `buttons`: the buttons held at the press (kMouseLeft, kMouseRight, kMouseMiddle bits).
void DXDraw1MouseDown(UiContext& ctx, std::uint8_t buttons);
void DXDraw1MouseUp(UiContext& ctx);

// Once a frame: how the opening a link started has ended. When no program opened the guide, or
// the one still running at the deadline may not have, and the link's page still stands (or
// waits under the Quit page a close of the window brought), the guide's path becomes its
// message (LinkMessage).
void PollLinkOpening(UiContext& ctx);

// The addresses the link areas open: the guide itself, and its About section, which stands in
// for a web page the game does not have; and the guide's file, to open by hand.
std::string GuideAddress(Platform& platform);
std::string AboutAddress(Platform& platform);
std::string GuidePath(Platform& platform);

}  // namespace gm
