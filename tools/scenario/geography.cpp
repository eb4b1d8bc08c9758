// The physical and political ground of the theatre: water from the land mask, the 1941 holders
// from today's countries and the authored border areas, the ground from the authored terrain
// areas, and the rivers traced cell by cell.
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

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

std::string JoinWords(const std::vector<std::string>& words, std::size_t from) {
  std::string s;
  for (std::size_t i = from; i < words.size(); ++i) {
    if (!s.empty()) s += ' ';
    s += words[i];
  }
  return s;
}

Status Bad(const AuthoredFeature& f, const std::string& file, const std::string& what) {
  return Status::Error("tools/scenario/data/authored/" + file + ":" + std::to_string(f.line) +
                       ": " + what);
}

int CountryIndex(const SourceData& src, const std::string& name) {
  for (std::size_t i = 0; i < src.countries.size(); ++i)
    if (src.countries[i].name == name) return static_cast<int>(i);
  return -1;
}

bool ParseInt(const std::string& s, int& out) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
  out = std::atoi(s.c_str());
  return true;
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
    const int x = i % kColumns, y = i / kColumns + kFirstRow;
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
    if (f.words.size() < 4 || !ParseInt(f.words[1], nation) || !ParseInt(f.words[2], minPop))
      return Bad(f, "holders.txt", "\"nation <n> <smallest town> <country>\" expected");
    const int c = CountryIndex(src, JoinWords(f.words, 3));
    if (c < 0) return Bad(f, "holders.txt", "no country named " + JoinWords(f.words, 3));
    nationOf[c] = nation;
    t.minPopulation[c] = minPop;
  }
  for (std::size_t i = 0; i < t.owner.size(); ++i) {
    if (t.water[i] != Water::kLand || t.country[i] < 0) continue;
    t.owner[i] = t.holder[i] = static_cast<std::uint8_t>(nationOf[t.country[i]]);
  }
  for (const AuthoredFeature& f : src.holders) {
    if (f.words[0] == "nation") continue;
    int owner = 0, holder = 0;
    if (f.words[0] != "area" || f.words.size() < 4 || !ParseInt(f.words[1], owner) ||
        !ParseInt(f.words[2], holder) || f.points.size() < 3)
      return Bad(f, "holders.txt", "\"area <owner> <holder> <country or *>\" and points expected");
    const std::string within = JoinWords(f.words, 3);
    const int c = within == "*" ? -1 : CountryIndex(src, within);
    if (within != "*" && c < 0) return Bad(f, "holders.txt", "no country named " + within);
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
                           std::to_string(i % kColumns) + ", row " +
                           std::to_string(i / kColumns + kFirstRow) + " has no nation");
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
  // Fill any jump (none expected at quarter-cell steps) and drop corners that a diagonal spares.
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

int DirectionTo(int dx, int dy) {
  for (int d = 0; d < 8; ++d)
    if (kDirDx[d] == dx && kDirDy[d] == dy) return d;
  return -1;
}

}  // namespace

Status LayGround(const SourceData& src, Theatre& t) {
  int salt = 100;
  for (const AuthoredFeature& f : src.terrain) {
    ++salt;
    const std::string& kind = f.words[0];
    int pct = 100;
    if (f.words.size() >= 2 && !ParseInt(f.words[1], pct))
      return Bad(f, "terrain.txt", "a percentage expected after " + kind);
    if (kind == "fort") {
      if (f.points.size() < 2) return Bad(f, "terrain.txt", "a fortified line needs two points");
      for (auto [x, y] : TraceCells(f.points)) {
        if (!t.IsLand(x, y)) continue;
        if (static_cast<int>(CellHash(x, y, salt) % 100) < pct)
          t.ground[Theatre::Index(x, y)] = Ground::kFort;
      }
      continue;
    }
    if (f.points.size() < 3) return Bad(f, "terrain.txt", "an area needs three points");
    Status status = Status::Ok();
    ForEachCellRoughlyIn(f.points, 2.5, salt + 500, [&](int x, int y) {
      const int i = Theatre::Index(x, y);
      if (t.water[i] != Water::kLand) return;
      const bool dense = SmoothNoise(x, y, salt) < pct * 10;
      Ground& g = t.ground[i];
      const bool wooded =
          g == Ground::kWood || g == Ground::kWoodHill || g == Ground::kMountainWood;
      if (kind == "forest") {
        if (dense) g = Ground::kWood;
      } else if (kind == "marsh") {
        if (dense) g = Ground::kMarsh;
      } else if (kind == "clear") {
        if (dense) g = Ground::kOpen;
      } else if (kind == "steppe") {
        if (dense) g = Ground::kSteppe;
      } else if (kind == "drysteppe") {
        if (dense) g = Ground::kDrySteppe;
      } else if (kind == "desert") {
        if (dense) g = Ground::kDesert;
      } else if (kind == "hill") {
        g = (wooded || dense) ? Ground::kWoodHill : Ground::kHill;
      } else if (kind == "mountain") {
        g = (wooded || dense) ? Ground::kMountainWood : Ground::kMountain;
      } else {
        status = Bad(f, "terrain.txt", "unknown terrain " + kind);
      }
    });
    if (!status) return status;
  }
  return Status::Ok();
}

Status LayRivers(const SourceData& src, Theatre& t) {
  std::vector<const Ring*> lines;
  for (const RiverLine& r : src.rivers) lines.push_back(&r.points);
  for (const AuthoredFeature& f : src.extraRivers) {
    if (f.words[0] != "river" || f.points.size() < 2)
      return Bad(f, "rivers.txt", "\"river <name>\" and two or more points expected");
    lines.push_back(&f.points);
  }
  for (const Ring* line : lines) {
    const auto cells = TraceCells(*line);
    for (std::size_t k = 0; k + 1 < cells.size(); ++k) {
      const auto [ax, ay] = cells[k];
      const auto [bx, by] = cells[k + 1];
      const int d = DirectionTo(bx - ax, by - ay);
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
