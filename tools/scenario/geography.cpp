// The physical and political ground of the theatre: water from the land mask, the 1941 holders
// from today's countries and the authored border areas, the ground from the authored terrain
// areas, and the rivers traced cell by cell.
#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>

#include "tools/scenario/text_lines.hpp"
#include "tools/scenario/theatre.hpp"
#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {

using tiles::Bit;
using tiles::kDirDx;
using tiles::kDirDy;

Theatre::Theatre() {
  const std::size_t n = static_cast<std::size_t>(kColumns) * kRows;
  water.assign(n, Water::kSea);
  country.assign(n, -1);
  owner.assign(n, 0);
  holder.assign(n, 0);
  ground.assign(n, Ground::kOpen);
  riverWays.assign(n, 0);
  mouth.assign(n, 0);
  roadWays.assign(n, 0);
  place.assign(n, 0);
}

std::uint32_t CellHash(int x, int y, int salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^
                    static_cast<std::uint32_t>(y) * 19349663u ^
                    static_cast<std::uint32_t>(salt) * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return h;
}

// Value noise on a lattice of 4 cells plus a finer one of 2 cells, so that woods and marshes
// come in patches rather than salt and pepper.
int SmoothNoise(int x, int y, int salt) {
  auto layer = [&](int step, int s) {
    const int gx = x / step, gy = y / step;
    const double fx = (x % step + 0.5) / step, fy = (y % step + 0.5) / step;
    auto v = [&](int i, int j) { return CellHash(gx + i, gy + j, s) % 1000; };
    const double top = v(0, 0) * (1 - fx) + v(1, 0) * fx;
    const double bottom = v(0, 1) * (1 - fx) + v(1, 1) * fx;
    return top * (1 - fy) + bottom * fy;
  };
  const double n = 0.65 * layer(4, salt) + 0.35 * layer(2, salt + 7);
  // Stretch the middle-heavy sum back to an even spread over 0..999.
  const double z = (n - 500.0) / 150.0;
  const double u = 0.5 * (1 + std::erf(z / std::sqrt(2.0)));
  return std::clamp(static_cast<int>(u * 1000), 0, 999);
}

bool InsideRing(const Ring& ring, double column, double row) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const double yi = RowAt(ring[i].lat), yj = RowAt(ring[j].lat);
    if ((yi > row) == (yj > row)) continue;
    const double xi = ColumnAt(ring[i].lon), xj = ColumnAt(ring[j].lon);
    if (column < xi + (xj - xi) * (row - yi) / (yj - yi)) inside = !inside;
  }
  return inside;
}

namespace {

int CountryIndex(const SourceData& src, const std::string& name) {
  for (std::size_t i = 0; i < src.countries.size(); ++i)
    if (src.countries[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

Status LayWaterAndBorders(const SourceData& src, Theatre& t) {
  for (std::size_t i = 0; i < t.water.size(); ++i)
    t.water[i] = src.landMask[i] == '.'   ? Water::kLand
                 : src.landMask[i] == '=' ? Water::kLake
                                          : Water::kSea;

  // Today's countries, then every land cell that none covers takes its nearest neighbour's.
  for (std::size_t c = 0; c < src.countries.size(); ++c)
    for (const Ring& ring : src.countries[c].rings)
      ForEachCellIn(ring, [&](int x, int y) {
        t.country[Theatre::Index(x, y)] = static_cast<std::int16_t>(c);
      });
  std::deque<int> queue;
  for (int i = 0; i < static_cast<int>(t.country.size()); ++i)
    if (t.country[i] >= 0) queue.push_back(i);
  while (!queue.empty()) {
    const int i = queue.front();
    queue.pop_front();
    const int x = Theatre::XOf(i), y = Theatre::YOf(i);
    for (int d = 0; d < 8; d += 2) {
      const int nx = x + kDirDx[d], ny = y + kDirDy[d];
      if (!InTheatre(nx, ny)) continue;
      const int j = Theatre::Index(nx, ny);
      if (t.country[j] < 0) {
        t.country[j] = t.country[i];
        queue.push_back(j);
      }
    }
  }

  // Nations of today's countries, then the 1941 areas in order.
  std::vector<int> nationOf(src.countries.size(), 0);
  t.minPopulation.assign(src.countries.size(), 1000000000);
  for (const AuthoredFeature& f : src.holders) {
    if (f.words[0] != "nation") continue;
    int nation = 0, minPop = 0;
    if (f.words.size() < 4 || !ToCount(f.words[1], nation) || !ToCount(f.words[2], minPop))
      return FeatureError(f, "holders.txt", "\"nation <n> <smallest town> <country>\" expected");
    const std::string country = JoinWords(f.words, 3);
    const int c = CountryIndex(src, country);
    if (c < 0) return FeatureError(f, "holders.txt", "no country named " + country);
    nationOf[c] = nation;
    t.minPopulation[c] = minPop;
  }
  for (std::size_t i = 0; i < t.owner.size(); ++i) {
    if (t.water[i] != Water::kLand || t.country[i] < 0) continue;
    t.owner[i] = t.holder[i] = static_cast<std::uint8_t>(nationOf[t.country[i]]);
  }
  for (const AuthoredFeature& f : src.holders) {
    if (f.words[0] == "nation" || f.words[0] == "town") continue;  // towns: CheckBorderTowns
    int owner = 0, holder = 0;
    if (f.words[0] != "area" || f.words.size() < 4 || !ToCount(f.words[1], owner) ||
        !ToCount(f.words[2], holder) || f.points.size() < 3)
      return FeatureError(f, "holders.txt",
                          "\"area <owner> <holder> <country or *>\" and points expected");
    const std::string within = JoinWords(f.words, 3);
    const int c = within == "*" ? -1 : CountryIndex(src, within);
    if (within != "*" && c < 0) return FeatureError(f, "holders.txt", "no country named " + within);
    ForEachCellIn(f.points, [&](int x, int y) {
      const int i = Theatre::Index(x, y);
      if (t.water[i] != Water::kLand || (c >= 0 && t.country[i] != c)) return;
      t.owner[i] = static_cast<std::uint8_t>(owner);
      t.holder[i] = static_cast<std::uint8_t>(holder);
    });
  }
  for (std::size_t i = 0; i < t.owner.size(); ++i)
    if (t.water[i] == Water::kLand && t.holder[i] == 0)
      return Status::Error("tools/scenario/data/authored/holders.txt: the land cell at column " +
                           std::to_string(Theatre::XOf(static_cast<int>(i))) + ", row " +
                           std::to_string(Theatre::YOf(static_cast<int>(i))) + " has no nation");
  return Status::Ok();
}

namespace {

// Cells along a polyline, 8-connected, without needless corner cells.
std::vector<std::pair<int, int>> TraceCells(const Ring& points) {
  std::vector<std::pair<int, int>> cells;
  auto push = [&cells](int x, int y) {
    if (!cells.empty() && cells.back() == std::make_pair(x, y)) return;
    cells.emplace_back(x, y);
  };
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double ax = ColumnAt(points[i].lon), ay = RowAt(points[i].lat);
    const double bx = ColumnAt(points[i + 1].lon), by = RowAt(points[i + 1].lat);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::hypot(bx - ax, by - ay) * 4)));
    for (int s = 0; s <= steps; ++s) {
      const double f = static_cast<double>(s) / steps;
      push(static_cast<int>(std::floor(ax + (bx - ax) * f)),
           static_cast<int>(std::floor(ay + (by - ay) * f)));
    }
  }
  // Drop the corner cells that a diagonal step spares.
  std::vector<std::pair<int, int>> out;
  for (const auto& c : cells) {
    if (out.size() >= 2) {
      const auto& a = out[out.size() - 2];
      if (std::abs(a.first - c.first) <= 1 && std::abs(a.second - c.second) <= 1) out.pop_back();
    }
    out.push_back(c);
  }
  return out;
}

// What an authored terrain area lays: flat ground where its noise is dense, the rest kept as it
// was; or relief everywhere, wooded where dense or where wood already grew.
struct Cover {
  Ground dense;
  Ground bare = Ground::kOpen;  // relief only
  bool relief = false;
};

std::optional<Cover> CoverOf(const std::string& kind) {
  if (kind == "forest") return Cover{Ground::kWood};
  if (kind == "marsh") return Cover{Ground::kMarsh};
  if (kind == "clear") return Cover{Ground::kOpen};
  if (kind == "steppe") return Cover{Ground::kSteppe};
  if (kind == "drysteppe") return Cover{Ground::kDrySteppe};
  if (kind == "desert") return Cover{Ground::kDesert};
  if (kind == "hill") return Cover{Ground::kWoodHill, Ground::kHill, true};
  if (kind == "mountain") return Cover{Ground::kMountainWood, Ground::kMountain, true};
  return std::nullopt;
}

bool Wooded(Ground g) {
  return g == Ground::kWood || g == Ground::kWoodHill || g == Ground::kMountainWood;
}

}  // namespace

Status LayGround(const SourceData& src, Theatre& t) {
  int salt = 100;
  for (const AuthoredFeature& f : src.terrain) {
    ++salt;
    const std::string& kind = f.words[0];
    int pct = 100;
    if (f.words.size() >= 2 && !ToCount(f.words[1], pct))
      return FeatureError(f, "terrain.txt", "a percentage expected after " + kind);
    if (kind == "fort") {
      if (f.points.size() < 2)
        return FeatureError(f, "terrain.txt", "a fortified line needs two points");
      for (auto [x, y] : TraceCells(f.points)) {
        if (!t.IsLand(x, y)) continue;
        if (static_cast<int>(CellHash(x, y, salt) % 100) < pct)
          t.ground[Theatre::Index(x, y)] = Ground::kFort;
      }
      continue;
    }
    if (f.points.size() < 3) return FeatureError(f, "terrain.txt", "an area needs three points");
    const std::optional<Cover> cover = CoverOf(kind);
    if (!cover) return FeatureError(f, "terrain.txt", "unknown terrain " + kind);
    ForEachCellRoughlyIn(f.points, 2.5, salt + 500, [&](int x, int y) {
      const int i = Theatre::Index(x, y);
      if (t.water[i] != Water::kLand) return;
      const bool dense = SmoothNoise(x, y, salt) < pct * 10;
      Ground& g = t.ground[i];
      if (cover->relief)
        g = dense || Wooded(g) ? cover->dense : cover->bare;
      else if (dense)
        g = cover->dense;
    });
  }
  return Status::Ok();
}

Status LayRivers(const SourceData& src, Theatre& t) {
  std::vector<const Ring*> lines;
  for (const RiverLine& r : src.rivers) lines.push_back(&r.points);
  for (const AuthoredFeature& f : src.extraRivers) {
    if (f.words[0] != "river" || f.points.size() < 2)
      return FeatureError(f, "rivers.txt", "\"river <name>\" and two or more points expected");
    lines.push_back(&f.points);
  }
  for (const Ring* line : lines) {
    const auto cells = TraceCells(*line);
    for (std::size_t k = 0; k + 1 < cells.size(); ++k) {
      const auto [ax, ay] = cells[k];
      const auto [bx, by] = cells[k + 1];
      const int d = tiles::DirectionOf(bx - ax, by - ay);
      if (d < 0) continue;
      const bool aLand = t.IsLand(ax, ay), bLand = t.IsLand(bx, by);
      if (aLand && bLand) {
        t.riverWays[Theatre::Index(ax, ay)] |= Bit(d);
        t.riverWays[Theatre::Index(bx, by)] |= Bit(tiles::Opposite(d));
      } else if (aLand != bLand && InTheatre(ax, ay) && InTheatre(bx, by)) {
        // The river meets open water: its last land cell is the mouth.
        const int land = aLand ? Theatre::Index(ax, ay) : Theatre::Index(bx, by);
        t.mouth[land] = 1;
      }
    }
  }
  // A lone river cell left by a line that only touched the land is no river.
  for (std::size_t i = 0; i < t.mouth.size(); ++i)
    if (t.mouth[i] && t.riverWays[i] == 0) t.mouth[i] = 0;
  return Status::Ok();
}

}  // namespace gm::scenario
