// The refit page's neighbour mask: theatre edges, enemies and impassable terrain.
#include "refit/neighbour_mask.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "tests/rules/combat_fixture.hpp"

namespace gm {
namespace {

using namespace gm::testing;

using Mask = std::array<std::uint8_t, 9>;
constexpr Mask kOpened{1, 1, 1, 1, 0, 1, 1, 1, 1};  // as the page sets it before the first build

Mask Build(World& w, int x, int y) {
  w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  w.NeighbourMask = kOpened;
  BuildNeighbourMask(w);
  return w.NeighbourMask;
}

TEST(NeighbourMaskTest, TheatreEdgesCloseTheirSide) {
  auto w = MakeCombatWorld(TileNamed("Plain"));
  struct Case {
    int x, y;
    Mask expected;
  };
  const Case cases[] = {
      {100, 100, kOpened},
      {0, 100, {0, 1, 1, 0, 0, 1, 0, 1, 1}},
      {359, 100, {1, 1, 0, 1, 0, 0, 1, 1, 0}},
      {100, 30, {0, 0, 0, 1, 0, 1, 1, 1, 1}},
      {100, 329, {1, 1, 1, 1, 0, 1, 0, 0, 0}},
      {0, 30, {0, 0, 0, 0, 0, 1, 0, 1, 1}},
      {359, 329, {1, 1, 0, 1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(Build(*w, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(NeighbourMaskTest, EnemiesCloseAndImpassableTerrainMarksTwoRowByRow) {
  auto w = MakeCombatWorld(TileNamed("Plain"));
  const std::uint16_t impassable = ImpassableTile();
  // Around (100, 100), German side on move: an enemy to the east (byte 5), a friend to the
  // north (byte 1), an enemy on impassable ground to the south-west (byte 6), empty impassable
  // ground to the north-west (byte 0); an enemy air formation closes nothing (byte 8).
  PlaceGround(*w, 1, 100, 100, TypeOfKind(kGerman, 5));
  PlaceGround(*w, 2, 101, 100, TypeOfKind(kSoviet, 5));
  PlaceGround(*w, 3, 100, 99, TypeOfKind(kGerman, 5));
  PlaceGround(*w, 4, 99, 101, TypeOfKind(kSoviet, 5));
  Cell(*w, 99, 101).Terrain = impassable;
  Cell(*w, 99, 99).Terrain = impassable;
  PlaceAir(*w, 5, 101, 101, TypeOfKind(kSoviet, 21));
  const Mask expected{2, 1, 1, 1, 0, 0, 2, 1, 1};
  EXPECT_EQ(Build(*w, 100, 100), expected);

  // A refresh writes the same again without a reset, and no record changes.
  const TFormation before = Formation(*w, 2);
  BuildNeighbourMask(*w);
  EXPECT_EQ(w->NeighbourMask, expected);
  EXPECT_EQ(std::memcmp(&before, &Formation(*w, 2), sizeof before), 0);

  // The same cells seen by the Soviet side: now the German friend to the north is the enemy.
  w->SideOnMove = kSovietSide;
  EXPECT_EQ(Build(*w, 100, 100), (Mask{2, 0, 1, 1, 0, 1, 2, 1, 1}));
}

}  // namespace
}  // namespace gm
