// The scripted player's moves: clicks, held buttons and keys, the map views and the turn watch.
#include "player.hpp"

#include "flow/screen_flags.hpp"
#include "world/world_access.hpp"
#include "world/world_check.hpp"

namespace gm::testing {

Player::Player(GameHarness& g, bool dumping) : g_(g), dumping_(dumping) {
  // Copying every frame for a picture would cost more than drawing it.
  g_.Platform().SetKeptFrames(0);
  WatchTurns();
}

void Player::WatchTurns() {
  const World& w = g_.W();
  if (w.SideOnMove != lastSide_) {
    if (lastSide_ >= 0) {
      ++turnsEnded_;
      if (Status s = CheckWholeWorld(w); !s) {
        failures_.push_back("after turn " + std::to_string(turnsEnded_) + ": " + s.Message());
      }
    }
    lastSide_ = w.SideOnMove;
  }
}

void Player::Frames(int n) {
  for (int i = 0; i < n; ++i) {
    g_.Frames(1);
    WatchTurns();
  }
}

void Player::WaitForAnimation() {
  for (int i = 0; i < 100 && g_.W().ActionTick != 0; ++i) Frames(1);
}

void Player::MoveTo(int x, int y, int frames) {
  WaitForAnimation();
  g_.MoveTo(x, y);
  Frames(frames);
}

void Player::ClickAt(int x, int y, int frames) {
  WaitForAnimation();
  g_.MoveTo(x, y);
  g_.Click(x, y);
  WatchTurns();
  Frames(frames);
}

void Player::HoldAt(int x, int y, int frames) {
  WaitForAnimation();
  g_.MoveTo(x, y);
  g_.Press(kMouseLeft);
  Frames(frames);
  g_.Release(kMouseLeft);
  Frames(1);
}

void Player::HoldRightAt(int x, int y, int frames) {
  WaitForAnimation();
  g_.MoveTo(x, y);
  g_.Press(kMouseRight);
  Frames(frames);
  g_.Release(kMouseRight);
}

void Player::Sidebar(int button) {
  ClickAt(kSidebarClickX, SidebarClickY(button));
}

void Player::Dump(const std::string& name) {
  g_.Platform().SetKeptFrames(1);
  Frames(1);
  if (dumping_) g_.Dump("play_" + name);
  g_.Platform().SetKeptFrames(0);
}

void Player::SetZoom(MapZoom zoom) {
  for (int i = 0; i < 3 && g_.W().ScreenFlags[kFlagZoom] != zoom; ++i) Sidebar(kZoomButton);
}

void Player::SetLayer(MapLayer layer) {
  if (g_.W().ScreenFlags[kFlagLayer] != layer) Sidebar(kLayerButton);
}

void Player::ShowCell(CellPos c) {
  SetZoom(kZoomMap2);
  // The overview shows the theatre at two pixels a cell.
  ClickAt(2 * c.x + 1, 2 * (c.y - kViewMinY) + 1);
}

bool Player::InView(CellPos c) const {
  const World& w = g_.W();
  return w.ScreenFlags[kFlagZoom] == kZoomBattlefield && c.x >= w.ViewX &&
         c.x < w.ViewX + kBattlefieldColumns && c.y >= w.ViewY && c.y < w.ViewY + kBattlefieldRows;
}

void Player::ClickCell(CellPos c) {
  ClickAt(g_.CellMiddle(c.x, c.y));
  WaitForAnimation();
}

bool Player::Select(CellPos c, MapLayer layer) {
  SetLayer(layer);
  if (!InView(c) || g_.W().Selection[0] == 1) ShowCell(c);
  ClickCell(c);
  const World& w = g_.W();
  return w.Selection[0] == 1 && w.Selection[1] == c.x && w.Selection[2] == c.y;
}

bool Player::WaitForHumanTurn(int maxFrames) {
  for (int i = 0; i < maxFrames; ++i) {
    const World& w = g_.W();
    if (w.ScreenFlags[kFlagScreen] == kScreenFinal) return true;
    if (w.ScreenFlags[kFlagComputerTurn] != 1 && w.ActionTick == 0) return true;
    Frames(1);
  }
  return false;
}

}  // namespace gm::testing
