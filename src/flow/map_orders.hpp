// The orders a map click or the computer gives the selected formation: which reach-grid mark
// means which order, the sound it plays, and whether it takes effect at once or after the
// action animation.
#pragma once

#include <cstdint>
#include <string_view>

#include "flow/flow_services.hpp"
#include "world/world.hpp"

namespace gm {

// What an order did.
enum class OrderKind : std::uint8_t {
  kNone,       // the mark carries no order
  kMove,       // at once
  kAirDrop,    // at once
  kRebase,     // at once
  kFire,       // artillery fire, resolved at the end of the animation
  kAssault,    // resolved at the end of the animation
  kAirStrike,  // rebased onto the target at once, resolved at the end of the animation
  kSecondAir,  // an animation with nothing to resolve
};

// True for the orders that run the action animation.
constexpr bool IsAnimated(OrderKind k) {
  return k == OrderKind::kFire || k == OrderKind::kAssault || k == OrderKind::kAirStrike ||
         k == OrderKind::kSecondAir;
}

// Frames an action animation runs before its resolver.
inline constexpr std::uint8_t kActionFrames = 26;

// The wave each order plays (when sound is on); empty for none. The computer's moves are silent.
std::string_view OrderSound(OrderKind k);

// Carries out the order of GroundReachGrid code `code` for the selected formation on
// (TargetX, TargetY). `byComputer` silences the move.
OrderKind CarryOutGroundOrder(World& w, FlowServices& services, int code, bool byComputer);

// The same for AirReachGrid code `code`.
OrderKind CarryOutAirOrder(World& w, FlowServices& services, int code);

// A map click on (TargetX, TargetY) with a formation selected: the order of the shown layer's
// reach grid at that cell, if any; then the selection is dropped and "Unit staff" turned off.
OrderKind PlayerMapOrder(World& w, FlowServices& services);

// After a click with no formation selected (also right after an order): selects the own
// formation of the clicked cell on the shown layer and builds its grids, or stores the empty
// cell with the selection flag 0.
void SelectClickedCell(World& w);

// A click of the player on the map cell (TargetX, TargetY): the selected formation's order
// there, if one is selected, and then a selection from the clicked cell when none is left (so
// a formation that has moved stays selected at its new cell with fresh grids).
OrderKind MapClickAt(World& w, FlowServices& services);

// The computer's pending order, carried out on the army grid at (AiTargetGridY, AiTargetGridX)
// exactly like a player's. An order whose target holds no order mark is dropped, so the turn
// goes on. Does nothing outside the computer turn, during an animation or with no order waiting.
OrderKind ComputerMapOrder(World& w, FlowServices& services);

}  // namespace gm
