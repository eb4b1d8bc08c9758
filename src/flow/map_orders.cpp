// Order dispatch from the reach-grid marks, for the player's clicks and the computer alike.
#include "flow/map_orders.hpp"

#include "ai/formation_decisions.hpp"
#include "flow/screen_flags.hpp"
#include "rules/combat_interception.hpp"
#include "rules/idle_orders.hpp"
#include "rules/moves.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

void Play(World& w, FlowServices& services, OrderKind k) {
  const std::string_view name = OrderSound(k);
  if (w.SoundOn == 1 && !name.empty()) services.sound.PlaySound(name);
}

void StartAction(World& w, ActionKind kind) {
  w.ActionTick = 1;
  w.ActionKind = kind;
}

void Deselect(World& w) {
  w.Selection[0] = 0;
  w.ScreenFlags[kFlagUnitStaff] = kPageHidden;
}

}  // namespace

std::string_view OrderSound(OrderKind k) {
  switch (k) {
    case OrderKind::kMove:
      return "move";
    case OrderKind::kFire:
    case OrderKind::kAirStrike:
      return "art_fire";
    case OrderKind::kAssault:
      return "fighting";
    case OrderKind::kAirDrop:
      return "desant";
    default:
      return {};
  }
}

OrderKind CarryOutGroundOrder(World& w, FlowServices& services, int code, bool byComputer) {
  switch (code) {
    case kReachMove:
      if (!byComputer) Play(w, services, OrderKind::kMove);
      ExecuteMove(w);
      ShowFinalScreenIfWarEnded(w);
      return OrderKind::kMove;
    case kReachFire:
      Play(w, services, OrderKind::kFire);
      StartAction(w, ActionKind::kArtilleryFire);
      return OrderKind::kFire;
    case kReachAssault:
      Play(w, services, OrderKind::kAssault);
      StartAction(w, ActionKind::kAssault);
      return OrderKind::kAssault;
    case kReachDrop:
      Play(w, services, OrderKind::kAirDrop);
      ExecuteAirDrop(w);
      ShowFinalScreenIfWarEnded(w);
      return OrderKind::kAirDrop;
    default:
      return OrderKind::kNone;
  }
}

OrderKind CarryOutAirOrder(World& w, FlowServices& services, int code) {
  switch (code) {
    case kAirRebase:
      ExecuteRebase(w);
      return OrderKind::kRebase;
    case kAirStrike:
      Play(w, services, OrderKind::kAirStrike);
      // The interceptor and the air defence are found with the striker still at home.
      FindInterceptor(w);
      FindEnemyAA(w);
      ExecuteRebase(w);
      StartAction(w, ActionKind::kAirStrike);
      return OrderKind::kAirStrike;
    case kAirEnemyAir:
      FindInterceptor(w);
      FindEnemyAA(w);
      SecondAirOrderNone(w);
      StartAction(w, ActionKind::kSecondAirOrder);
      return OrderKind::kSecondAir;
    default:
      return OrderKind::kNone;
  }
}

OrderKind PlayerMapOrder(World& w, FlowServices& services) {
  OrderKind done = OrderKind::kNone;
  if (w.ScreenFlags[kFlagLayer] == kLayerArmy) {
    const int col = kGroundGridCentre - (w.Selection[1] - w.TargetX);
    const int row = kGroundGridCentre - (w.Selection[2] - w.TargetY);
    if (w.GroundReachGrid.Contains(row, col)) {
      done = CarryOutGroundOrder(w, services, w.GroundReachGrid(row, col), false);
    }
  } else if (w.ScreenFlags[kFlagLayer] == kLayerAir) {
    const int col = kAirGridCentre - (w.Selection[1] - w.TargetX);
    const int row = kAirGridCentre - (w.Selection[2] - w.TargetY);
    if (w.AirReachGrid.Contains(row, col)) {
      done = CarryOutAirOrder(w, services, w.AirReachGrid(row, col));
    }
  }
  Deselect(w);
  return done;
}

void SelectClickedCell(World& w) {
  const int x = w.TargetX, y = w.TargetY;
  if (!OnMap(x, y)) return;
  const TMapCell& cell = Cell(w, x, y);
  const std::uint8_t layer = w.ScreenFlags[kFlagLayer];
  const TFormation* ground = UsedFormation(w, cell.GroundFormation);
  const TFormation* air = UsedFormation(w, cell.AirFormation);
  const auto select = [&w, x, y] {
    w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
    w.ScreenFlags[kFlagUnitStaff] = kPageLive;
  };
  if (ground != nullptr && IsOwn(w, NationOf(*ground)) && layer == kLayerArmy) {
    select();
    BuildMoveGrid(w);
    FindMergeCandidates(w);
  }
  if (air != nullptr && IsOwn(w, NationOf(*air)) && layer == kLayerAir) {
    select();
    BuildAirRange(w);
  }
  if ((ground == nullptr && layer == kLayerArmy) || (air == nullptr && layer == kLayerAir)) {
    w.Selection = {0, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
    w.ScreenFlags[kFlagUnitStaff] = kPageHidden;
  }
}

OrderKind MapClickAt(World& w, FlowServices& services) {
  OrderKind done = OrderKind::kNone;
  if (w.Selection[0] == 1) done = PlayerMapOrder(w, services);
  if (w.Selection[0] == 0) SelectClickedCell(w);
  return done;
}

OrderKind ComputerMapOrder(World& w, FlowServices& services) {
  if (w.ScreenFlags[kFlagComputerTurn] != 1 || w.ActionTick != 0 || w.AiOrderPending == 0) {
    return OrderKind::kNone;
  }
  OrderKind done = OrderKind::kNone;
  const int row = w.Ai.AiTargetGridY, col = w.Ai.AiTargetGridX;
  const std::uint8_t d = w.Ai.AiDecision;
  // The computer always orders on the army grid, whatever layer was shown last.
  if ((d == kAiAssault || d == kAiFire || d == kAiMove) && w.Selection[0] == 1 &&
      w.GroundReachGrid.Contains(row, col)) {
    done = CarryOutGroundOrder(w, services, w.GroundReachGrid(row, col), true);
  }
  // An order that took effect at once is done; one with no mark is dropped, so the turn never
  // waits for it. An animated order is cleared when its fight is resolved. A move that ended
  // the war has left the computer turn and leaves the mark alone.
  if (!IsAnimated(done) && w.ScreenFlags[kFlagComputerTurn] == 1) w.AiOrderPending = 0;
  Deselect(w);
  return done;
}

}  // namespace gm
