// Pictures of harbour towns on the Battlefield and on Map1, each in the middle of the view: the
// Baltic and Black Sea ports (Riga's at the Daugava's mouth) and a lake port, where the harbour
// tiles meet the coast around them.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "review_clicks.hpp"
#include "review_sets.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/sidebar.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;

// The cell of the settlement named `name`; false when there is none.
bool FindSettlement(const World& w, std::string_view name, int& x, int& y) {
  for (y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const TMapCell& c = Cell(w, x, y);
      if (c.Settlement == 0) continue;
      const auto& stored = Settlement(w, c.Settlement).Name;
      std::string_view n(stored.data(), stored.size());
      n = n.substr(0, n.find_last_not_of(' ') + 1);
      if (n == name) return true;
    }
  }
  return false;
}

}  // namespace

std::string review::HarbourTowns() {
  GameHarness g;
  g.StartGame();
  g.MoveTo(400, 300);
  g.Frames(1);
  World& w = g.W();
  static constexpr std::string_view kPorts[] = {"Memel",  "Riga",       "Tallinn",    "Leningrad",
                                                "Odessa", "Sevastopol", "Kuressaare", "Angerburg",
                                                "Kemi",   "Copenhagen"};
  for (std::string_view name : kPorts) {
    int x = 0, y = 0;
    if (!FindSettlement(w, name, x, y)) return "no settlement named " + std::string(name);
    std::string slug(name);
    std::transform(slug.begin(), slug.end(), slug.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    w.ViewX = std::clamp(x - kViewCentreColumn, kViewMinX, kViewMaxX);
    w.ViewY = std::clamp(y - kViewCentreRow, kViewMinY, kViewMaxY);
    g.Frames(2);
    g.Dump("port_" + slug);
    review::PressSidebar(g, kZoomButton);
    w.Map1X = std::clamp(x - kMap1Columns / 2, kMap1MinX, kMap1MaxX);
    w.Map1Y = std::clamp(y - kMap1Rows / 2, kMap1MinY, kMap1MaxY);
    g.Frames(2);
    g.Dump("port_" + slug + "_map1");
    review::PressSidebar(g, kZoomButton);  // on to Map2
    review::PressSidebar(g, kZoomButton);  // and back to the Battlefield
  }
  return {};
}

}  // namespace gm
