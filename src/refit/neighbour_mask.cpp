// The refit page's neighbour mask of the selected formation.
#include "refit/neighbour_mask.hpp"

#include "world/world_access.hpp"

namespace gm {

namespace {

// The neighbours in the order they are looked at: down the west column, then along the south
// row, up the east column and the north cell last.
constexpr int kOrderDx[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
constexpr int kOrderDy[8] = {-1, 0, 1, 1, 1, 0, -1, -1};

constexpr std::uint16_t kImpassable = 255;

}  // namespace

void BuildNeighbourMask(World& w) {
  const int x = w.Selection[1], y = w.Selection[2];
  auto& mask = w.NeighbourMask;
  if (x == kTheatreMinX) mask[0] = mask[3] = mask[6] = kNeighbourClosed;
  if (x == kTheatreMaxX) mask[2] = mask[5] = mask[8] = kNeighbourClosed;
  if (y == kTheatreMaxY) mask[6] = mask[7] = mask[8] = kNeighbourClosed;
  if (y == kTheatreMinY) mask[0] = mask[1] = mask[2] = kNeighbourClosed;

  for (int i = 0; i < 8; ++i) {
    const int nx = x + kOrderDx[i], ny = y + kOrderDy[i];
    if (!InTheatre(nx, ny)) continue;
    std::uint8_t& byte = mask[NeighbourMaskIndex(kOrderDx[i], kOrderDy[i])];
    const TMapCell& c = Cell(w, nx, ny);
    const TFormation* f = UsedFormation(w, c.GroundFormation);
    if (f != nullptr && IsEnemy(w, NationOf(*f))) byte = kNeighbourClosed;
    if (c.Terrain < kTerrainTileCount && TerrainTiles[c.Terrain].MoveCost == kImpassable) {
      byte = kNeighbourImpassable;
    }
  }
}

}  // namespace gm
