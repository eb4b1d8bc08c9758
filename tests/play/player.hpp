// A player at the game window for the scripted play-throughs: every action is a pointer or key
// event at a place on the screen, as a person makes it. The world is only read, to find where to
// point; the whole world is checked each time the side on move changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/game_harness.hpp"
#include "world/screen_state.hpp"

namespace gm::testing {

struct CellPos {
  int x = 0;
  int y = 0;
  bool operator==(const CellPos&) const = default;
};

class Player {
 public:
  // Frames are kept only for the pictures; `dumping` says whether they are written.
  Player(GameHarness& g, bool dumping);

  GameHarness& Game() { return g_; }
  World& W() { return g_.W(); }

  // Frames, each followed by the turn watch.
  void Frames(int n = 1);
  // Waits out a running action animation, then moves the pointer there and clicks (the stored
  // pointer position is what the click handler tests), then `frames` frames.
  void ClickAt(int x, int y, int frames = 1);
  void ClickAt(ScreenPoint p, int frames = 1) { ClickAt(p.x, p.y, frames); }
  void MoveTo(int x, int y, int frames = 1);
  void MoveTo(ScreenPoint p, int frames = 1) { MoveTo(p.x, p.y, frames); }
  // The left button held on (x, y) for `frames` frames, then released.
  void HoldAt(int x, int y, int frames);
  void HoldAt(ScreenPoint p, int frames) { HoldAt(p.x, p.y, frames); }
  // The right button held on (x, y) for `frames` frames, then released.
  void HoldRightAt(int x, int y, int frames);
  void HoldRightAt(ScreenPoint p, int frames) { HoldRightAt(p.x, p.y, frames); }
  void Sidebar(int button);
  // One more frame, written as build/review/screens/play_<name>.png when dumping; the frame is
  // run either way so that a game runs the same with pictures or without.
  void Dump(const std::string& name);

  // The zoom button until the map shows `zoom`; the layer button until it shows `layer`.
  void SetZoom(MapZoom zoom);
  void SetLayer(MapLayer layer);
  // Brings the cell into the Battlefield view by a click on the overview map (which drops the
  // selection), the cell near the view's middle.
  void ShowCell(CellPos c);
  bool InView(CellPos c) const;
  // The pixel in the middle of a cell of the Battlefield view.
  ScreenPoint CellMiddle(CellPos c) { return g_.CellMiddle(c.x, c.y); }
  // A click on a cell of the view, the frame that turns it into a selection or an order, and
  // the end of the animation an order starts.
  void ClickCell(CellPos c);
  // Shows the cell and clicks it on the layer's map: the own formation there is selected.
  bool Select(CellPos c, MapLayer layer);
  void WaitForAnimation();

  // Frames until the side on move is a human's again or the war is over; false when that took
  // more than `maxFrames`.
  bool WaitForHumanTurn(int maxFrames = 40000);

  // Turns seen to end (each followed by the whole-world check) and the check's failures.
  int TurnsEnded() const { return turnsEnded_; }
  const std::vector<std::string>& CheckFailures() const { return failures_; }
  void WatchTurns();

 private:
  GameHarness& g_;
  bool dumping_;
  int turnsEnded_ = 0;
  int lastSide_ = -1;
  std::vector<std::string> failures_;
};

}  // namespace gm::testing
