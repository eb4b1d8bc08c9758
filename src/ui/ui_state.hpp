// The main window's own state: the pointer, the blink clock, the display switches of the options
// page, the animation anchors, the title parade and the page numbers. Screen-only; never saved.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "world/screen_state.hpp"
#include "world/sprite_ids.hpp"

namespace gm {

// Pointer shapes: each the pattern of its pointer's picture.
enum CursorShapeId : std::uint8_t {
  kCursorScrollWest = sprite::kPointerScrollWest.pattern,
  kCursorScrollEast = sprite::kPointerScrollEast.pattern,
  kCursorScrollNorth = sprite::kPointerScrollNorth.pattern,
  kCursorScrollSouth = sprite::kPointerScrollSouth.pattern,
  kCursorArrow = sprite::kPointerArrow.pattern,
  kCursorTarget = sprite::kPointerTarget.pattern,
  kCursorScrollNorthWest = sprite::kPointerScrollNorthWest.pattern,
  kCursorScrollNorthEast = sprite::kPointerScrollNorthEast.pattern,
  kCursorScrollSouthEast = sprite::kPointerScrollSouthEast.pattern,
  kCursorScrollSouthWest = sprite::kPointerScrollSouthWest.pattern,
  kCursorHand = sprite::kPointerHand.pattern,
};

inline constexpr int kParadeSlotCount = 16;

// Where a link the player pressed lies: the message of a guide no program opened stands there.
enum class LinkPlace : std::uint8_t { kNone, kHelpPage, kTitle };

struct UiState {
  // Pointer as the last accepted move left it; every rectangle test reads these.
  std::int32_t MouseX = 0;
  std::int32_t MouseY = 0;
  std::uint8_t LeftButtonDown = 0;
  std::uint8_t RightButtonDown = 0;
  // 1 while a Battlefield click waits for the frame to turn it into a selection or an order.
  std::uint8_t MapClicked = 0;
  // The map cell the waiting click was made on.
  std::int32_t ClickedCellX = 0;
  std::int32_t ClickedCellY = 0;

  // Options page switches.
  std::uint8_t ShowGrid = 0;
  std::uint8_t ShowFps = 0;
  std::uint8_t ShowClock = 0;

  std::uint8_t BlinkPhase = 0;
  std::uint8_t CursorShape = kCursorArrow;
  std::int32_t FrameCount = 0;  // frames since the last blink
  std::uint8_t ResourcesLoaded = 0;

  // Anchors of the action animation: the selected cell's view column and row, the target's
  // top-left pixel.
  std::array<std::int32_t, 2> AttackerScreenCell{};
  std::array<std::int32_t, 2> TargetScreenPos{};
  // Unit card offset from the pointer.
  std::int32_t CardOffsetX = 0;
  std::int32_t CardOffsetY = 0;
  // Formation words of the cell under the pointer in this frame.
  bool GroundHere = false;
  bool AirHere = false;

  // The title and final screens' parade: picture ids top to bottom, and the scroll in pixels.
  std::array<std::int32_t, kParadeSlotCount> ParadeSlots{};
  std::int32_t ParadeOffset = 0;

  std::uint8_t HelpPage = 1;     // 1..6
  std::uint8_t EconomyPage = 1;  // 1..6

  // A page's own message line (a failed save or load); empty when none.
  std::string PageMessage;
  // The link pressed last, and once no program opened the guide, or the one still running when
  // the game stopped waiting may not have (LinkUnconfirmed), the guide's path to open by hand,
  // shown where the link lies until that page is left (empty otherwise).
  LinkPlace LinkFrom = LinkPlace::kNone;
  std::string LinkMessage;
  bool LinkUnconfirmed = false;
  // Set by a load on the Save/Load page: its Close then hands the loaded game to the side on
  // move instead of bringing back the old game's screen.
  bool GameLoaded = false;

  // Set by the Quit page's Yes, the final screen's Exit, a termination signal and a request to
  // close the window where nothing is lost by it.
  bool QuitRequested = false;
  // A request to close the window that came during an action animation, answered at its end.
  bool CloseRequestWaiting = false;
  // The tick at which a frame first showed the open Quit page (none while it is closed): a
  // request to close ends the game only once the page has stood a moment.
  std::optional<std::uint32_t> QuitPageShownAt;
  // The screen flags saved for the screen the Quit page opened over on a request to close the
  // window (a page, the placement, the computer's turn): its No puts them back, so that the
  // page's own Close, or the placement's end, still finds the map it came from.
  std::optional<std::array<std::uint8_t, kScreenFlagCount>> SavedUnderQuitPage;
};

}  // namespace gm
