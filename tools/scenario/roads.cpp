// Roads: the authored main routes from town to town, routed over the ground by least cost, and
// short local links that tie the larger towns to the nearest road. Roads cross rivers square,
// one bridge cell at a time, and never slip diagonally between two river cells.
#include <algorithm>
#include <cmath>
#include <queue>
#include <utility>

#include "tools/scenario/text_lines.hpp"
#include "tools/scenario/theatre.hpp"
#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {

using tiles::Bit;
using tiles::kDirDx;
using tiles::kDirDy;

namespace {

constexpr int kBlocked = 1 << 28;

// Cost of entering a cell for a road being laid.
int StepCost(const Theatre& t, int i) {
  if (t.water[i] != Water::kLand) return kBlocked;
  if (t.place[i] && !t.places[t.place[i] - 1].airfield) return 6;  // a port on a mouth too
  if (t.mouth[i]) return kBlocked;
  if (t.roadWays[i]) return t.riverWays[i] ? 12 : 5;  // follow roads already laid
  int cost = 10;
  switch (t.ground[i]) {
    case Ground::kOpen:
    case Ground::kSteppe:
    case Ground::kDrySteppe:
    case Ground::kDesert:
    case Ground::kFort:
      cost = 10;
      break;
    case Ground::kWood:
      cost = 14;
      break;
    case Ground::kHill:
    case Ground::kWoodHill:
      cost = 18;
      break;
    case Ground::kMarsh:
      cost = 45;
      break;
    case Ground::kMountain:
    case Ground::kMountainWood:
      cost = 40;
      break;
  }
  if (t.riverWays[i]) cost += 60;  // a bridge: cross, don't follow
  return cost;
}

// A diagonal step between (x, y) and (x + dx, y + dy) that passes between two river cells
// linked to each other would cross the river without a bridge.
bool CutsRiver(const Theatre& t, int x, int y, int d) {
  if (kDirDx[d] == 0 || kDirDy[d] == 0) return false;
  const int ax = x + kDirDx[d], ay = y, bx = x, by = y + kDirDy[d];
  if (!InTheatre(ax, ay) || !InTheatre(bx, by)) return false;
  const std::uint8_t ways = t.riverWays[Theatre::Index(ax, ay)];
  const int toB = kDirDx[d] > 0 ? (kDirDy[d] > 0 ? tiles::kSW : tiles::kNW)
                                : (kDirDy[d] > 0 ? tiles::kSE : tiles::kNE);
  return (ways & Bit(toB)) != 0;
}

// The search's per-cell state, kept between searches: only the cells a search touched are
// reset afterwards, so a short local link costs little however large the map.
struct RouteWork {
  std::vector<int> dist, prev;
  std::vector<int> touched;
  explicit RouteWork(std::size_t cells) : dist(cells, kBlocked), prev(cells, -1) {}
  void Set(int i, int d, int p) {
    if (dist[i] == kBlocked) touched.push_back(i);
    dist[i] = d;
    prev[i] = p;
  }
  void Reset() {
    for (int i : touched) {
      dist[i] = kBlocked;
      prev[i] = -1;
    }
    touched.clear();
  }
};

// Least-cost path from `from` to the nearest cell for which `isGoal` holds, within `limit` cost.
template <typename Goal>
std::vector<int> Route(const Theatre& t, RouteWork& work, int from, Goal isGoal, int targetX,
                       int targetY, int limit) {
  std::vector<int>& dist = work.dist;
  std::vector<int>& prev = work.prev;
  using Item = std::pair<int, int>;  // estimated total, cell
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
  auto estimate = [&](int i) {
    if (targetX < 0) return 0;
    const int dx = std::abs(Theatre::XOf(i) - targetX), dy = std::abs(Theatre::YOf(i) - targetY);
    return 5 * std::max(dx, dy);
  };
  std::vector<int> path;
  work.Set(from, 0, -1);
  open.push({estimate(from), from});
  while (!open.empty()) {
    const auto [f, i] = open.top();
    open.pop();
    if (f - estimate(i) > dist[i]) continue;
    if (i != from && isGoal(i)) {
      for (int k = i; k >= 0; k = prev[k]) path.push_back(k);
      std::reverse(path.begin(), path.end());
      break;
    }
    if (dist[i] > limit) continue;
    const int x = Theatre::XOf(i), y = Theatre::YOf(i);
    for (int d = 0; d < 8; ++d) {
      const int nx = x + kDirDx[d], ny = y + kDirDy[d];
      if (!InTheatre(nx, ny) || CutsRiver(t, x, y, d)) continue;
      const int j = Theatre::Index(nx, ny);
      int c = StepCost(t, j);
      if (c >= kBlocked) continue;
      // A road leaves a river cell the way it came in: straight over the bridge.
      if (t.riverWays[i] && !t.place[i] && prev[i] >= 0) {
        if (x - Theatre::XOf(prev[i]) != kDirDx[d] || y - Theatre::YOf(prev[i]) != kDirDy[d])
          continue;
      }
      if (d % 2) c = c * 14 / 10;
      if (dist[i] + c < dist[j]) {
        work.Set(j, dist[i] + c, i);
        open.push({dist[j] + estimate(j), j});
      }
    }
  }
  work.Reset();
  return path;
}

void Lay(Theatre& t, const std::vector<int>& path) {
  for (std::size_t k = 0; k + 1 < path.size(); ++k) {
    const int a = path[k], b = path[k + 1];
    const int d =
        tiles::DirectionOf(Theatre::XOf(b) - Theatre::XOf(a), Theatre::YOf(b) - Theatre::YOf(a));
    if (d < 0) continue;
    t.roadWays[a] |= Bit(d);
    t.roadWays[b] |= Bit(tiles::Opposite(d));
  }
}

// The towns a "road A - B - ..." line names, in order.
std::vector<std::string> RouteTowns(const AuthoredFeature& f) {
  std::vector<std::string> towns(1);
  for (std::size_t k = 1; k < f.words.size(); ++k) {
    if (f.words[k] == "-")
      towns.emplace_back();
    else
      towns.back() += (towns.back().empty() ? "" : " ") + f.words[k];
  }
  return towns;
}

}  // namespace

Status LayRoads(const SourceData& src, Theatre& t) {
  // Every town a route cannot name is reported at once, so that one run shows all it lacks.
  std::string unnamed;
  std::vector<std::pair<const AuthoredFeature*, std::vector<int>>> routes;  // line, stops
  for (const AuthoredFeature& f : src.roads) {
    if (f.words[0] == "airfield") continue;
    if (f.words[0] != "road")
      return FeatureError(f, "roads.txt", "\"road A - B - ...\" or \"airfield <town>\" expected");
    std::vector<int>& stops = routes.emplace_back(&f, std::vector<int>{}).second;
    for (const std::string& name : RouteTowns(f)) {
      const Place* town = nullptr;
      if (Status found = t.FindTown(name, town); !found)
        unnamed +=
            (unnamed.empty() ? "" : "; ") + FeatureError(f, "roads.txt", found.Message()).Message();
      else
        stops.push_back(Theatre::Index(town->x, town->y));
    }
  }
  if (!unnamed.empty()) return Status::Error(unnamed);
  RouteWork work(t.water.size());
  for (const auto& [f, stops] : routes) {
    for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
      const int goal = stops[k + 1];
      const auto path = Route(
          t, work, stops[k], [goal](int i) { return i == goal; }, Theatre::XOf(goal),
          Theatre::YOf(goal), kBlocked);
      if (path.empty()) return FeatureError(*f, "roads.txt", "no way over land between its towns");
      Lay(t, path);
    }
  }
  // Local links: every town of some size that no route passes joins the nearest road.
  for (const Place& p : t.places) {
    if (p.airfield || p.value < 38) continue;
    const int from = Theatre::Index(p.x, p.y);
    if (t.roadWays[from]) continue;
    const auto path = Route(
        t, work, from, [&t](int i) { return t.roadWays[i] != 0; }, -1, -1, 160);
    if (!path.empty()) Lay(t, path);
  }
  return Status::Ok();
}

}  // namespace gm::scenario
