// What the decision rules read of the map around the formation in hand, gathered once for the
// whole decision: for each cell of the 19 x 19 grid window and the ring of cells just beyond it,
// whether a ground formation stands there and on which side, and whether it holds a settlement
// and who holds it. The rules only choose; nothing on the map changes until the decision is
// acted on.
#pragma once

#include <array>
#include <cstdint>

#include "world/world.hpp"

namespace gm {

class DecisionWindow {
 public:
  // Grid rows and columns 0..20: 1..19 are those of GroundReachGrid, 0 and 20 the ring beyond.
  static constexpr int kSpan = 21;

  // What a cell holds, as bits.
  static constexpr std::uint8_t kOwnGround = 1;  // a ground formation of an own nation
  static constexpr std::uint8_t kEnemyGround = 2;
  static constexpr std::uint8_t kOtherGround = 4;  // a ground formation of neither side
  static constexpr std::uint8_t kSettlement = 8;
  static constexpr std::uint8_t kOwnHeld = 16;  // the settlement's holder is own, or enemy
  static constexpr std::uint8_t kEnemyHeld = 32;
  static constexpr std::uint8_t kEnemyBeside =
      64;  // an enemy formation in one of the 8 cells around
  static constexpr std::uint8_t kAnyGround = kOwnGround | kEnemyGround | kOtherGround;

  // The window around (x, y), the cell of GroundReachGrid's centre.
  DecisionWindow(const World& w, int x, int y);

  std::uint8_t Holds(int a, int b) const { return holds_[Index(a, b)]; }
  bool Has(int a, int b, std::uint8_t what) const { return (holds_[Index(a, b)] & what) != 0; }
  // The ground formation at (a, b), which must hold one, and its strength.
  const TFormation& Ground(int a, int b) const { return *ground_[Index(a, b)]; }
  std::int32_t Strength(int a, int b);

  // The cells of enemy formations, row by row, as Index(a, b).
  int EnemyCount() const { return enemyCount_; }
  int Enemy(int i) const { return enemies_[i]; }
  static constexpr int Index(int a, int b) { return a * kSpan + b; }

  // Own and enemy ground formations in the theatre cells of rows and columns 1..19.
  int OwnInTheatre() const { return ownInTheatre_; }
  int EnemyInTheatre() const { return enemyInTheatre_; }

 private:
  std::array<std::uint8_t, kSpan * kSpan> holds_;
  // Valid where a ground formation stands: the formation and its strength, -1 until asked.
  std::array<const TFormation*, kSpan * kSpan> ground_;
  std::array<std::int32_t, kSpan * kSpan> strength_;
  std::array<std::int16_t, kSpan * kSpan> enemies_;
  int enemyCount_ = 0;
  int ownInTheatre_ = 0;
  int enemyInTheatre_ = 0;
};

}  // namespace gm
