// Pictures for the player's guide (`make guide-pictures` copies them into help/pictures/): the
// front of 22 June 1941 with a formation selected in the middle of the view, its unit card, an
// assault under way and its losses on the Economy window, an air regiment with its range, and
// the production page at the German models. Each scene is found from the scenario, not from
// fixed cells, so it follows the map.
#include <algorithm>
#include <optional>

#include "review_sets.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/economy_window.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::ScreenPoint;

struct Spot {
  int x = 0, y = 0, score = -1;
};

// Enemy ground formations at distance 1 and 2 of (x, y).
int EnemiesAt(const World& w, int x, int y, int distance) {
  int n = 0;
  for (int dy = -distance; dy <= distance; ++dy) {
    for (int dx = -distance; dx <= distance; ++dx) {
      if (std::max(std::abs(dx), std::abs(dy)) != distance || !InTheatre(x + dx, y + dy)) continue;
      const TFormation* f = UsedFormation(w, Cell(w, x + dx, y + dy).GroundFormation);
      if (f != nullptr && InNationSet(kSovietNations, NationOf(*f))) ++n;
    }
  }
  return n;
}

// The German ground formation with the most enemies in reach, far enough from the theatre's
// edges to sit in the middle of the view.
Spot FrontFormation(const World& w) {
  Spot best;
  for (int y = kViewMinY + kViewCentreRow; y <= kViewMaxY + kViewCentreRow; ++y) {
    for (int x = kViewMinX + kViewCentreColumn; x <= kViewMaxX + kViewCentreColumn; ++x) {
      const TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
      if (f == nullptr || !InNationSet(kGermanNations, NationOf(*f)) || f->Ammo == 0) continue;
      const int score = 2 * EnemiesAt(w, x, y, 1) + EnemiesAt(w, x, y, 2);
      if (score > best.score) best = {x, y, score};
    }
  }
  return best;
}

// A German bomber regiment with the most enemy ground formations within four cells.
Spot BomberBase(const World& w) {
  Spot best;
  for (int y = kViewMinY + kViewCentreRow; y <= kViewMaxY + kViewCentreRow; ++y) {
    for (int x = kViewMinX + kViewCentreColumn; x <= kViewMaxX + kViewCentreColumn; ++x) {
      const TFormation* f = UsedFormation(w, Cell(w, x, y).AirFormation);
      if (f == nullptr || !InNationSet(kGermanNations, NationOf(*f)) || KindOf(*f) == 21) continue;
      int score = 0;
      for (int d = 1; d <= 4; ++d) score += EnemiesAt(w, x, y, d);
      if (score > best.score) best = {x, y, score};
    }
  }
  return best;
}

// Puts the cell in the middle of the Battlefield view; answers its pixel centre.
ScreenPoint CentreOn(GameHarness& g, const Spot& s) {
  World& w = g.W();
  w.ViewX = std::clamp(s.x - kViewCentreColumn, kViewMinX, kViewMaxX);
  w.ViewY = std::clamp(s.y - kViewCentreRow, kViewMinY, kViewMaxY);
  return g.CellMiddle(s.x, s.y);
}

void ClickAt(GameHarness& g, ScreenPoint at) {
  g.MoveTo(at);
  g.Click(at);
  g.Frames(1);
}

void Sidebar(GameHarness& g, int button) {
  ClickAt(g, {testing::kSidebarClickX, testing::SidebarClickY(button)});
}

}  // namespace

std::string review::GuideBattlefield() {
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  const Spot front = FrontFormation(w);
  if (front.score <= 0) return "no German formation faces the enemy";
  const ScreenPoint at = CentreOn(g, front);
  ClickAt(g, at);
  if (w.Selection[0] != 1) return "nothing was selected";
  // The pointer rests on a cell of open ground between the marks.
  g.MoveTo(g.CellMiddle(front.x - 1, front.y + 2));
  g.Frames(2);
  g.Dump("guide_battlefield_selected");

  g.MoveTo(at);
  g.Press(kMouseRight);
  g.Frames(1);
  g.Dump("guide_unit_card");
  g.Release(kMouseRight);
  g.Frames(1);

  // An assault on the first adjacent enemy, halfway through its animation.
  std::optional<ScreenPoint> target;
  for (int dy = -1; dy <= 1 && !target; ++dy) {
    for (int dx = -1; dx <= 1 && !target; ++dx) {
      if (w.GroundReachGrid(kGroundGridCentre + dy, kGroundGridCentre + dx) == kReachAssault)
        target = g.CellMiddle(front.x + dx, front.y + dy);
    }
  }
  if (!target) return "no enemy to assault";
  ClickAt(g, *target);
  g.Frames(12);
  g.Dump("guide_assault");
  g.Frames(20);

  // The losses page with that assault's losses booked.
  Sidebar(g, kEconomyButton);
  ClickAt(g, Middle(EconomyTabRect(6)));
  g.MoveTo(10, 500);
  g.Frames(2);
  g.Dump("guide_losses");
  return {};
}

std::string review::GuideAirRange() {
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  const Spot base = BomberBase(w);
  if (base.score <= 0) return "no German bomber near the front";
  const ScreenPoint at = CentreOn(g, base);
  Sidebar(g, kLayerButton);
  ClickAt(g, at);
  if (w.Selection[0] != 1) return "nothing was selected";
  g.MoveTo(g.CellMiddle(base.x + 1, base.y + 2));
  g.Frames(2);
  g.Dump("guide_air_selected");
  return {};
}

std::string review::GuideProductionPage() {
  GameHarness g;
  g.StartGame();
  Sidebar(g, kEconomyButton);
  ClickAt(g, Middle(EconomyTabRect(5)));
  // The list at the first German tank model, as the held down arrow would bring it.
  World& w = g.W();
  auto& list = w.Lists.EquipmentList;
  for (int i = 1; i <= list.ItemCount; ++i) {
    if (EquipmentModels[list.Entry(i)].Nation == 2) {
      list.TopRow = static_cast<std::uint16_t>(std::min(i, list.ItemCount - 15));
      list.BottomRow = static_cast<std::uint16_t>(list.TopRow + 15);
      list.UpEnabled = 1;
      break;
    }
  }
  g.MoveTo(10, 500);
  g.Frames(2);
  g.Dump("guide_production");
  return {};
}

}  // namespace gm
