// Where a harbour town's settlement goes: onto a cell whose water a harbour tile shows whole,
// its own if it fits, else a free shore cell beside it on its own side of the border, with the
// town behind the harbour rather than across the water from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/scenario/theatre.hpp"

namespace gm::scenario {
namespace {

constexpr int kLeft = 100, kTop = 100;  // where the pictures lie in the theatre

struct Case {
  const char* what;
  int value;  // the town's
  // '~' water, '.' land, 'T' the town, 'o' land held by another nation, 'r' a river, 'v' a
  // village already standing there; '*' land where the town must end up (its own cell when
  // there is none), 'M' a river's mouth where it must.
  std::vector<std::string> picture;
};

const Case kCases[] = {
    {"a cell with water on one side keeps its town", 40, {"~~~~~", "~.*..", "~....", "....."}},
    {"a corner town moves along the shore", 40, {"~~~~~~", "~~T*..", "~~....", "......"}},
    {"not across the border", 40, {"~~~~~~", "~~*o..", "~~o...", "......"}},
    {"not onto a river or another town", 40, {"~~~~~~", "~~*r..", "~~v...", "......"}},
    {"a village is no harbour", 10, {"~~~~~~", "~~*...", "~~....", "......"}},
    {"the town behind its harbour rather than beside it",
     40,
     {"~~~..", "~T...", "..*..", "..~..", "....."}},
    {"never with the water between harbour and town", 40, {".....", ".~~..", "~~*..", "....."}},
    {"a town up its river has its harbour at the mouth", 40, {"~~~~~", "..M..", "..T..", "....."}},
};

TEST(HarbourTowns, TheSettlementStandsWhereAHarbourTileFitsTheCoast) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Theatre t;
    std::fill(t.water.begin(), t.water.end(), Water::kLand);
    std::fill(t.owner.begin(), t.owner.end(), 5);
    std::fill(t.holder.begin(), t.holder.end(), 5);
    int townX = -1, townY = -1, wantX = -1, wantY = -1;
    for (int r = 0; r < static_cast<int>(c.picture.size()); ++r)
      for (int col = 0; col < static_cast<int>(c.picture[r].size()); ++col) {
        const int x = kLeft + col, y = kTop + r, i = Theatre::Index(x, y);
        switch (c.picture[r][col]) {
          case '~':
            t.water[i] = Water::kSea;
            break;
          case 'o':
            t.owner[i] = t.holder[i] = 2;
            break;
          case 'M':
            t.mouth[i] = 1;
            wantX = x, wantY = y;
            [[fallthrough]];
          case 'r':
            t.riverWays[i] = 0x11;
            break;
          case 'v':
            t.places.push_back({"Village", x, y, 2000, 5, 5, 5, false});
            t.place[i] = static_cast<int>(t.places.size());
            break;
          case 'T':
            townX = x, townY = y;
            break;
          case '*':
            wantX = x, wantY = y;
            break;
        }
      }
    if (townX < 0) townX = wantX, townY = wantY;
    t.places.insert(t.places.begin(), {"Harbour", townX, townY, 90000, c.value, 5, 5, false});
    std::fill(t.place.begin(), t.place.end(), 0);
    for (std::size_t k = 0; k < t.places.size(); ++k)
      t.place[Theatre::Index(t.places[k].x, t.places[k].y)] = static_cast<int>(k + 1);
    MoveToHarbours(t);
    const Place& p = t.places[0];
    EXPECT_EQ(p.x - kLeft, wantX - kLeft);
    EXPECT_EQ(p.y - kTop, wantY - kTop);
    EXPECT_EQ(t.place[Theatre::Index(p.x, p.y)], 1);
    if (p.x != townX || p.y != townY) {
      EXPECT_EQ(t.place[Theatre::Index(townX, townY)], 0) << "the town's old cell is free";
      EXPECT_GE(HarbourSide(t, p.x, p.y), 0);
    }
  }
}

}  // namespace
}  // namespace gm::scenario
