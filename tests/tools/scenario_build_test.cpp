// The scenario builder: the loader accepts what it writes, it writes the same bytes every time,
// and the map it draws is the real theatre (spot checks that a broken projection or broken
// source data would fail).
#include "tools/scenario/scenario_build.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tools/scenario/projection.hpp"
#include "tools/tiles/tile_catalogue.hpp"
#include "world/tables/tables.hpp"
#include "world/world_file.hpp"

namespace gm::scenario {
namespace {

using tiles::Feature;
using tiles::TileCatalogue;

std::string DataDir() {
  return GM_SCENARIO_DATA_DIR;
}

struct Built {
  std::unique_ptr<World> world = std::make_unique<World>();
  BuildResult result;
  std::vector<std::uint8_t> bytes;
};

// One build shared by the checks; a second one is made where determinism is tested.
const Built& Scenario() {
  static const Built* built = [] {
    auto* b = new Built;
    const Status s = BuildScenario(DataDir(), *b->world, b->result);
    EXPECT_TRUE(s.IsOk()) << s.Message();
    const Status e = EncodeWorldFile(*b->world, WorldFileKind::kScenario, b->bytes);
    EXPECT_TRUE(e.IsOk()) << e.Message();
    return b;
  }();
  return *built;
}

const TMapCell& CellAt(double lat, double lon, int dx = 0, int dy = 0) {
  return Scenario().world->MapCells[(RowOf(lat) + dy) * kMapWidth + ColumnOf(lon) + dx];
}

Feature FeatureAt(int x, int y) {
  return TileCatalogue()[Scenario().world->MapCells[y * kMapWidth + x].Terrain].feature;
}

std::string NameOf(const TSettlement& s) {
  std::string n(s.Name.begin(), s.Name.end());
  return n.substr(0, n.find_last_not_of(' ') + 1);
}

// The cell of the settlement with that name; fails the test when there is none.
std::pair<int, int> Town(const std::string& name) {
  const World& w = *Scenario().world;
  for (int n = 1; n <= w.GameHeader.SettlementCount; ++n)
    if (NameOf(w.Settlements[n - 1]) == name)
      for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y)
        for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x)
          if (w.MapCells[y * kMapWidth + x].Settlement == n) return {x, y};
  ADD_FAILURE() << "no settlement named " << name;
  return {-1, -1};
}

TEST(ScenarioBuildTest, TheLoaderAcceptsTheScenario) {
  const Built& b = Scenario();
  ASSERT_FALSE(b.bytes.empty());
  const Status v = ValidateWorldFile(b.bytes, WorldFileKind::kScenario, "evrasia.scn");
  EXPECT_TRUE(v.IsOk()) << v.Message();
  auto loaded = std::make_unique<World>();
  const Status d = DecodeWorldFile(b.bytes, WorldFileKind::kScenario, "evrasia.scn", *loaded);
  ASSERT_TRUE(d.IsOk()) << d.Message();
  const TGameHeader& h = loaded->GameHeader;
  EXPECT_EQ(h.MapWidth, 1000);
  EXPECT_EQ(h.MapHeight, 400);
  EXPECT_EQ(h.FormationCount, 10000);
  EXPECT_EQ(h.SettlementCount, b.result.towns + b.result.airfields);
  EXPECT_EQ(h.Day, 22);
  EXPECT_EQ(h.Month, 6);
  EXPECT_EQ(h.Year, 1941);
  // The order of battle stands in the records (its own tests check it formation by formation).
  int used = 0;
  for (const TFormation& f : loaded->Formations) used += f.Branch != 0;
  EXPECT_GT(used, 0);
}

TEST(ScenarioBuildTest, TwoBuildsGiveTheSameBytes) {
  Built second;
  ASSERT_TRUE(BuildScenario(DataDir(), *second.world, second.result).IsOk());
  ASSERT_TRUE(EncodeWorldFile(*second.world, WorldFileKind::kScenario, second.bytes).IsOk());
  EXPECT_TRUE(second.bytes == Scenario().bytes);
  // The file that the build wrote is the same scenario.
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  std::ifstream in(std::string(buildDir != nullptr ? buildDir : ".") + "/data/evrasia.scn",
                   std::ios::binary);
  if (!in) GTEST_SKIP() << "the build wrote no scenario";
  const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  EXPECT_TRUE(file == Scenario().bytes);
}

TEST(ScenarioBuildTest, TownsLieWhereTheyLie) {
  const auto berlin = Town("Berlin"), warsaw = Town("Warschau"), minsk = Town("Minsk");
  const auto smolensk = Town("Smolensk"), moscow = Town("Moscow"), leningrad = Town("Leningrad");
  EXPECT_LT(berlin.first, warsaw.first);
  EXPECT_LT(warsaw.first, minsk.first);
  EXPECT_LT(minsk.first, smolensk.first);
  EXPECT_LT(smolensk.first, moscow.first);
  EXPECT_LT(leningrad.second, moscow.second);  // north is up
  // The opening view (columns 154..165, rows 208..216) shows the border at Brest.
  const auto brest = Town("Brest");
  EXPECT_GE(brest.first, 154);
  EXPECT_LE(brest.first, 165);
  EXPECT_GE(brest.second, 208);
  EXPECT_LE(brest.second, 216);
  // The theatre reaches the Volga and the Caucasus.
  for (const char* name : {"Stalingrad", "Gorky", "Maikop", "Grozny", "Murmansk"}) {
    const auto at = Town(name);
    EXPECT_TRUE(InTheatre(at.first, at.second)) << name;
  }
}

TEST(ScenarioBuildTest, SeasLakesMarshesAndMountains) {
  struct Spot {
    const char* what;
    double lat, lon;
    std::vector<Feature> allowed;
  };
  const std::vector<Spot> spots = {
      {"Black Sea", 43.5, 34.0, {Feature::kSea}},
      {"Black Sea off Odessa", 45.8, 31.5, {Feature::kSea}},
      {"Sea of Azov", 46.0, 36.5, {Feature::kSea}},
      {"Baltic", 55.5, 18.0, {Feature::kSea}},
      {"Gulf of Finland", 60.0, 26.0, {Feature::kSea}},
      {"Lake Ladoga", 61.0, 31.5, {Feature::kSea}},
      {"Lake Onega", 61.7, 35.5, {Feature::kSea}},
      {"Elbrus",
       43.35,
       42.44,
       {Feature::kMountain, Feature::kMountainWood, Feature::kMountainRiver}},
      {"Kazbek", 42.7, 44.5, {Feature::kMountain, Feature::kMountainWood, Feature::kMountainRiver}},
      {"Tatras", 49.2, 20.0, {Feature::kMountain, Feature::kMountainWood, Feature::kMountainRiver}},
      {"Moscow region is land", 55.0, 37.0, {}},
      {"Ukraine is land", 49.0, 32.0, {}},
  };
  for (const Spot& s : spots) {
    const Feature f = TileCatalogue()[CellAt(s.lat, s.lon).Terrain].feature;
    if (s.allowed.empty()) {
      EXPECT_NE(f, Feature::kSea) << s.what;
    } else {
      EXPECT_NE(std::find(s.allowed.begin(), s.allowed.end(), f), s.allowed.end()) << s.what;
    }
  }
  // The heart of the Pripyat marshes is marsh wherever no river, road, town or fortified
  // district (the Stalin Line's Mozyr region reaches it) stands.
  int marsh = 0, open = 0;
  for (int y = RowOf(52.15); y <= RowOf(51.85); ++y)
    for (int x = ColumnOf(26.3); x <= ColumnOf(28.2); ++x) {
      const Feature f = FeatureAt(x, y);
      if (f == Feature::kRiver || f == Feature::kRoad || f == Feature::kBridge ||
          f == Feature::kTown || f == Feature::kMouth || f == Feature::kAirbase ||
          f == Feature::kFort)
        continue;
      ++(f == Feature::kMarsh ? marsh : open);
    }
  EXPECT_GT(marsh, 50);
  EXPECT_EQ(open, 0);
}

TEST(ScenarioBuildTest, TheDnieperRunsThroughKiev) {
  const auto kiev = Town("Kiev");
  bool above = false, below = false;
  for (int dy = 1; dy <= 3; ++dy)
    for (int dx = -2; dx <= 2; ++dx) {
      auto isRiver = [](Feature f) { return f == Feature::kRiver || f == Feature::kBridge; };
      above = above || isRiver(FeatureAt(kiev.first + dx, kiev.second - dy));
      below = below || isRiver(FeatureAt(kiev.first + dx, kiev.second + dy));
    }
  EXPECT_TRUE(above);
  EXPECT_TRUE(below);
}

TEST(ScenarioBuildTest, RoadsCrossRiversOnlyByBridges) {
  const Theatre& t = Scenario().result.theatre;
  int bridges = 0;
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = 0; x < kColumns; ++x) {
      const int i = Theatre::Index(x, y);
      const Feature f = FeatureAt(x, y);
      if (f == Feature::kBridge) {
        ++bridges;
        EXPECT_TRUE(t.riverWays[i] && t.roadWays[i]) << x << "," << y;
      }
      if (!t.roadWays[i]) continue;
      // A road on a river cell is a bridge (or a town, whose streets bridge it).
      if (t.riverWays[i] && !t.place[i]) {
        EXPECT_EQ(f, Feature::kBridge) << x << "," << y;
      }
      // No diagonal road link slips between two linked river cells.
      for (int d = 1; d < 8; d += 2) {
        if (!(t.roadWays[i] & tiles::Bit(d))) continue;
        const int ax = x + tiles::kDirDx[d], by = y + tiles::kDirDy[d];
        if (!t.IsLand(ax, y) || !t.IsLand(x, by)) continue;
        const int toB = tiles::kDirDx[d] > 0 ? (tiles::kDirDy[d] > 0 ? tiles::kSW : tiles::kNW)
                                             : (tiles::kDirDy[d] > 0 ? tiles::kSE : tiles::kNE);
        EXPECT_FALSE(t.riverWays[Theatre::Index(ax, y)] & tiles::Bit(toB)) << x << "," << y;
      }
    }
  EXPECT_GT(bridges, 10);
}

// Water as the built map shows it: the sea tiles of the theatre.
bool WaterCell(int x, int y) {
  return InTheatre(x, y) && FeatureAt(x, y) == Feature::kSea;
}

// The sides of cell (x, y) towards water: the four edges, and a corner where both its edges are
// land.
std::uint8_t WaterSides(int x, int y) {
  std::uint8_t mask = 0;
  for (int d = 0; d < tiles::kDirCount; ++d)
    if (WaterCell(x + tiles::kDirDx[d], y + tiles::kDirDy[d])) mask |= tiles::Bit(d);
  for (int d = 1; d < tiles::kDirCount; d += 2)
    if ((mask & tiles::Bit(d - 1)) || (mask & tiles::Bit((d + 1) % tiles::kDirCount)))
      mask &= static_cast<std::uint8_t>(~tiles::Bit(d));
  return mask;
}

TEST(ScenarioBuildTest, HarbourTownsFaceTheWaterWithTheirTownBehind) {
  const World& w = *Scenario().world;
  // Every harbour: water beyond its quay, and land across the cell (where the town is drawn)
  // wherever the cell has some water with land across from it; a cell whose water lies on one
  // side alone faces it, so that the harbour joins the coast around it.
  int ports = 0, exact = 0;
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y)
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const tiles::TileInfo& tile = TileCatalogue()[w.MapCells[y * kMapWidth + x].Terrain];
      if (tile.feature != Feature::kPort) continue;
      ++ports;
      SCOPED_TRACE(NameOf(w.Settlements[w.MapCells[y * kMapWidth + x].Settlement - 1]));
      const int side = std::countr_zero(static_cast<unsigned>(tile.sea));
      const int back = tiles::Opposite(side);
      EXPECT_TRUE(WaterCell(x + tiles::kDirDx[side], y + tiles::kDirDy[side])) << x << "," << y;
      const std::uint8_t sea = WaterSides(x, y);
      bool landAcross = false;
      for (int d = 0; d < tiles::kDirCount; d += 2)
        landAcross =
            landAcross || ((sea & tiles::Bit(d)) && !(sea & tiles::Bit(tiles::Opposite(d))));
      if (landAcross) {
        EXPECT_FALSE(sea & tiles::Bit(back)) << x << "," << y;
      }
      for (int d = 0; d < tiles::kDirCount; d += 2) {
        if (sea == tiles::Bit(d)) {
          EXPECT_EQ(side, d) << x << "," << y;
        }
      }
      exact += sea == tile.sea;
    }
  EXPECT_GT(ports, 200);
  std::printf("%d harbours, %d of them with all the water around them on their one side\n", ports,
              exact);
  // The named ones stand by their town: in its cell or one beside it, never with the water
  // between them (unless the town's point lies on the water); and those that can show their
  // whole coast (the others stand on spits and islands) show it.
  const struct {
    const char* name;
    double lat, lon;
    bool wholeCoast;
  } named[] = {
      {"Memel", 55.707, 21.139, true},      {"Libava", 56.505, 21.011, true},
      {"Tallinn", 59.437, 24.754, true},    {"Leningrad", 59.939, 30.314, true},
      {"Kuressaare", 58.248, 22.504, true}, {"Angerburg", 54.216, 21.737, true},
      {"Odessa", 46.477, 30.733, true},     {"Sevastopol", 44.608, 33.521, false},
      {"Mariupol", 47.095, 37.541, true},   {"Batumi", 41.642, 41.634, true},
      {"Ancona", 43.594, 13.503, true},     {"Copenhagen", 55.676, 12.566, false},
      {"Riga", 56.949, 24.106, true},
  };
  for (const auto& port : named) {
    SCOPED_TRACE(port.name);
    const auto [x, y] = Town(port.name);
    if (x < 0) continue;
    const tiles::TileInfo& tile = TileCatalogue()[w.MapCells[y * kMapWidth + x].Terrain];
    ASSERT_EQ(tile.feature, Feature::kPort);
    if (port.wholeCoast) {
      EXPECT_EQ(WaterSides(x, y), tile.sea) << tiles::DirectionNames(WaterSides(x, y));
    }
    const int side = std::countr_zero(static_cast<unsigned>(tile.sea));
    const int dx = ColumnOf(port.lon) - x, dy = RowOf(port.lat) - y;
    EXPECT_LE(std::max(std::abs(dx), std::abs(dy)), 1) << dx << "," << dy;
    if (!WaterCell(x + dx, y + dy)) {
      EXPECT_LE(dx * tiles::kDirDx[side] + dy * tiles::kDirDy[side], 0) << dx << "," << dy;
    }
  }
}

TEST(ScenarioBuildTest, SettlementsAndTheirHolders) {
  const World& w = *Scenario().world;
  const int count = w.GameHeader.SettlementCount;
  EXPECT_GT(count, 2000);
  EXPECT_LT(count, 8000);
  std::vector<int> cellsOf(count + 1, 0);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      const TMapCell& c = w.MapCells[y * kMapWidth + x];
      if (!InTheatre(x, y)) {
        EXPECT_EQ(TileCatalogue()[c.Terrain].feature, Feature::kSea);
        EXPECT_EQ(c.Settlement, 0);
        continue;
      }
      if (c.Settlement == 0) continue;
      ASSERT_LE(c.Settlement, count);
      ++cellsOf[c.Settlement];
      const TSettlement& s = w.Settlements[c.Settlement - 1];
      const Feature f = TileCatalogue()[c.Terrain].feature;
      if (s.Value == 0) {
        EXPECT_EQ(c.Terrain, 53) << NameOf(s);
      } else {
        EXPECT_TRUE(f == Feature::kTown || f == Feature::kPort) << NameOf(s);
      }
    }
  int owned[2] = {0, 0}, held[2] = {0, 0}, heldByNation[11] = {};
  for (int n = 1; n <= count; ++n) {
    EXPECT_EQ(cellsOf[n], 1) << "settlement " << n;
    const TSettlement& s = w.Settlements[n - 1];
    EXPECT_LE(s.Value, 100);
    EXPECT_TRUE(s.OwnerNation == 10 || (s.OwnerNation >= 1 && s.OwnerNation <= 7));
    for (char ch : s.Name) EXPECT_TRUE(ch >= 32 && ch < 127) << n;
    if (s.Value == 0) continue;
    auto side = [](int nation) { return nation == 5 || nation == 8 ? 0 : nation == 10 ? -1 : 1; };
    if (side(s.OwnerNation) >= 0) ++owned[side(s.OwnerNation)];
    if (side(s.HolderNation) >= 0) ++held[side(s.HolderNation)];
    ++heldByNation[s.HolderNation];
  }
  for (int side = 0; side < 2; ++side) EXPECT_GT(10 * held[side], owned[side]) << side;
  for (int nation = 1; nation <= 7; ++nation) EXPECT_GT(heldByNation[nation], 0) << nation;
  EXPECT_GT(Scenario().result.airfields, 50);
  // The largest cities rank highest.
  const auto value = [&w](const std::string& name) {
    const auto at = Town(name);
    return w.Settlements[w.MapCells[at.second * kMapWidth + at.first].Settlement - 1].Value;
  };
  EXPECT_GE(value("Moscow"), 95);
  EXPECT_GE(value("Berlin"), 95);
  EXPECT_GE(value("Leningrad"), 90);
  EXPECT_LT(value("Brest"), value("Minsk"));
}

TEST(ScenarioBuildTest, HoldersOfJune1941) {
  const World& w = *Scenario().world;
  struct Holding {
    const char* town;
    int owner, holder;
  };
  const Holding holdings[] = {
      {"Konigsberg", 2, 2}, {"Memel", 2, 2},       {"Warschau", 2, 2},  {"Lvov", 5, 5},
      {"Brest", 5, 5},      {"Belostok", 5, 5},    {"Vilno", 5, 5},     {"Riga", 5, 5},
      {"Suwalken", 2, 2},   {"Avgustov", 5, 5},    {"Kishinev", 4, 5},  {"Chernovtsy", 4, 5},
      {"Vyborg", 6, 5},     {"Helsinki", 6, 6},    {"Kolozsvar", 1, 1}, {"Kassa", 1, 1},
      {"Ungvar", 1, 1},     {"Bratislava", 7, 7},  {"Bucuresti", 4, 4}, {"Budapest", 1, 1},
      {"Roma", 3, 3},       {"Stockholm", 10, 10},
  };
  for (const Holding& h : holdings) {
    const auto at = Town(h.town);
    if (at.first < 0) continue;
    const TSettlement& s =
        w.Settlements[w.MapCells[at.second * kMapWidth + at.first].Settlement - 1];
    EXPECT_EQ(s.OwnerNation, h.owner) << h.town;
    EXPECT_EQ(s.HolderNation, h.holder) << h.town;
  }
}

// Towns renamed since 1941 bear their name of 22 June 1941 at the place of today's town (the
// largest of its name; a harbour may stand beside it), as names1941.txt writes them; at the place
// of a town founded after 1941 ("-") no settlement bears today's name.
TEST(ScenarioBuildTest, RenamedTownsBearTheirNamesOf1941) {
  SourceData src;
  ASSERT_TRUE(LoadSourceData(DataDir(), src).IsOk());
  std::istringstream renamed(
      "UA Kadiyivka = Sergo; UA Yenakiyeve = Ordzhonikidze; RU Vladikavkaz = Ordzhonikidze; "
      "RU Budennovsk = Budyonnovsk; GE Ts'khinvali = Staliniri; RU Saint Petersburg = Leningrad; "
      "RU Nizhniy Novgorod = Gorky; RU Tver = Kalinin; RU Volgograd = Stalingrad; "
      "RU Stavropol' = Voroshilovsk; RU Gatchina = Krasnogvardeysk; UA Donetsk = Stalino; "
      "UA Luhansk = Voroshilovgrad; UA Dnipro = Dnepropetrovsk; UA Kropyvnytskyi = Kirovograd; "
      "UA Khmelnytskyi = Proskurov; UA Ivano-Frankivsk = Stanislav; MD Chisinau = Kishinev; "
      "RU Kaliningrad = Konigsberg; PL Lodz = Litzmannstadt; RO Cluj-Napoca = Kolozsvar; "
      "RU Tsimlyansk = Tsimlyanskaya; "
      "BG Dimitrovgrad -; RU Zelenograd -; RU Volzhskiy -; BY Navapolatsk -;");
  for (std::string r; std::getline(renamed >> std::ws, r, ';');) {
    const bool leftOut = r.ends_with(" -");
    const std::size_t is = leftOut ? r.size() - 2 : r.find(" = ");
    const std::string today = r.substr(3, is - 3);
    const auto town = std::find_if(src.towns.begin(), src.towns.end(), [&](const auto& t) {
      return t.country == r.substr(0, 2) && t.name == today;
    });
    ASSERT_NE(town, src.towns.end()) << r;
    std::string there = ";";  // the settlements at the place
    for (int d = 0; d < 9; ++d)
      if (const int n = CellAt(town->at.lat, town->at.lon, d % 3 - 1, d / 3 - 1).Settlement)
        there += NameOf(Scenario().world->Settlements[n - 1]) + ";";
    if (leftOut) {
      EXPECT_EQ(there.find(";" + today + ";"), std::string::npos) << r << there;
    } else {
      EXPECT_NE(there.find(";" + r.substr(is + 3) + ";"), std::string::npos) << r << there;
    }
  }
}

TEST(ScenarioBuildTest, TownsSpeltByTheirRegionsTable) {
  // A small table in the manner of the authored ones: longest entry first, anchors at a word's
  // start or end, capitals kept, words split at blanks and hyphens.
  const TranslitRule rules[] = {
      {"UA", 5, "kh", "kh", false, false},  {"UA", 5, "h", "g", false, false},
      {"UA", 5, "iv", "ov", false, true},   {"UA", 5, "y", "i", false, false},
      {"UA", 5, "y", "y", true, false},     {"UA", 5, "nova", "novaya", true, true},
      {"UA", 5, "pil", "pol", false, true},
  };
  std::vector<const TranslitRule*> table;
  for (const TranslitRule& r : rules) table.push_back(&r);
  const std::pair<const char*, const char*> cases[] = {
      {"Khodoriv", "Khodorov"},
      {"Horodok", "Gorodok"},
      {"Yampil", "Yampol"},
      {"Nova Vodolaha", "Novaya Vodolaga"},
      {"Ivanivka", "Ivanivka"},
      {"Kharkiv-Stanytsya", "Kharkov-Stanitsia"},
      {"Ternopil Nova", "Ternopol Novaya"},
  };
  for (const auto& [today, then] : cases) EXPECT_EQ(Transliterate(today, table), then) << today;
}

// The border-town check on a theatre of a few towns: a town listed with the owner and holder its
// cell has passes, one on the other side is refused with its line, every such town is named, and
// an airfield of the same name is no town.
TEST(ScenarioBuildTest, BorderTownsOnTheWrongSideAreRefused) {
  Theatre t;
  auto add = [&t](const char* name, int owner, int holder, bool airfield) {
    Place p;
    p.name = name;
    p.owner = static_cast<std::uint16_t>(owner);
    p.holder = static_cast<std::uint16_t>(holder);
    p.airfield = airfield;
    t.places.push_back(p);
  };
  add("Palanga", 5, 5, false);
  add("Lyck", 2, 2, false);
  add("Bendery", 4, 5, false);
  add("Memel", 5, 5, true);  // an airfield under a town's name
  add("Memel", 2, 2, false);
  struct Case {
    std::vector<std::vector<std::string>> lines;
    std::vector<const char*> messages;  // empty: the table passes
  };
  const std::vector<Case> cases = {
      {{{"town", "5", "5", "Palanga"}, {"town", "2", "2", "Memel"}, {"town", "4", "5", "Bendery"}},
       {}},
      {{{"town", "2", "2", "Palanga"}},
       {"holders.txt:1: Palanga stands on the wrong side of the border: owner 5 and holder 5 "
        "instead of 2 and 2"}},
      // Holder right, owner wrong: the old Soviet border on the Dniester.
      {{{"town", "5", "5", "Bendery"}}, {"holders.txt:1: Bendery stands on the wrong side"}},
      {{{"town", "5", "5", "Lyck"},
        {"town", "5", "5", "Palanga"},
        {"town", "2", "2", "Memel"},
        {"town", "5", "5", "Memel"}},
       {"holders.txt:1: Lyck stands", "holders.txt:4: Memel stands"}},
      {{{"town", "2", "2", "Atlantis"}}, {"holders.txt:1: no town named Atlantis"}},
      {{{"town", "two", "2", "Lyck"}}, {"\"town <owner> <holder> <1941 name>\" expected"}},
      {{{"town", "2", "2"}}, {"\"town <owner> <holder> <1941 name>\" expected"}},
  };
  for (const Case& c : cases) {
    SourceData src;
    for (std::size_t k = 0; k < c.lines.size(); ++k)
      src.holders.push_back({c.lines[k], {}, static_cast<int>(k + 1)});
    const Status s = CheckBorderTowns(src, t);
    EXPECT_EQ(s.IsOk(), c.messages.empty()) << s.Message();
    for (const char* m : c.messages) EXPECT_NE(s.Message().find(m), std::string::npos) << m;
  }
}

// The airfields' check: one held as the nearest town of its name is passed, one across the
// border from it is refused naming both, as is one named for no town, all at once.
TEST(ScenarioBuildTest, AirfieldsAcrossTheBorderFromTheirTownsAreRefused) {
  Theatre t;
  t.places = {{"Kassa", 10, 10, 70000, 49, 1, 1, false},
              {"Jaroslau", 20, 10, 22000, 37, 2, 2, false},
              {"Lyck", 30, 10, 16000, 35, 2, 2, false},
              {"Lyck", 50, 10, 3000, 14, 5, 5, false},  // a namesake across the border
              {"Kassa airfield", 11, 10, 0, 0, 1, 1, true},
              {"Lyck field", 49, 10, 0, 0, 5, 5, true},
              {"Jaroslau airfield", 21, 11, 0, 0, 5, 5, true},
              {"Atlantis field", 5, 5, 0, 0, 2, 2, true}};
  EXPECT_EQ(CheckAirfieldSides(t).Message(),
            "Jaroslau airfield, held by nation 5, stands across the border from Jaroslau, held by "
            "nation 2; Atlantis field is named for no town");
}

// Towns of one name told apart by the place a names line gives: a placed line names only the
// namesake beside its place, a "-" without a place leaves out every other namesake, and a town
// no line names keeps today's name and size.
TEST(ScenarioBuildTest, NamesakesAreToldApartByTheirPlace) {
  SourceData src;
  Theatre t;
  t.minPopulation = {1000};
  const auto town = [&](double lon, double lat, int population, const char* name) {
    src.towns.push_back({{lon, lat}, population, "RU", name});
    const int i = Theatre::Index(ColumnOf(lon), RowOf(lat));
    t.water[i] = Water::kLand;
    t.country[i] = 0;
    t.owner[i] = t.holder[i] = 5;
  };
  // Largest first, as towns.txt lists them.
  town(37.04, 55.60, 33700, "Krasnoznamensk");
  town(45.73, 48.58, 31922, "Znamensk");
  town(22.49, 54.94, 3724, "Krasnoznamensk");
  town(21.23, 54.61, 4600, "Znamensk");
  town(33.00, 50.00, 1500, "Kimry");
  const auto rule = [&](const char* modern, bool placed, double lon, double lat,
                        const char* name1941, int population) {
    NameRule r;
    r.country = "RU";
    r.modern = modern;
    r.placed = placed;
    r.at = {lon, lat};
    r.name1941 = name1941;
    r.population1941 = population;
    src.names.push_back(r);
  };
  rule("Krasnoznamensk", true, 22.45, 54.99, "Haselberg", 2000);  // within 0.1 degrees
  rule("Krasnoznamensk", true, 37.04, 55.60, "", 0);
  rule("Znamensk", false, 0, 0, "", 0);
  rule("Znamensk", true, 21.20, 54.65, "Wehlau", 9000);
  ASSERT_TRUE(PlaceTowns(src, t).IsOk());
  std::vector<std::string> placed;
  for (const Place& p : t.places)
    placed.push_back(p.name + " " + std::to_string(p.population) + " " + std::to_string(p.x) + "," +
                     std::to_string(p.y));
  const auto at = [](double lon, double lat) {
    return std::to_string(ColumnOf(lon)) + "," + std::to_string(RowOf(lat));
  };
  EXPECT_EQ(placed, (std::vector<std::string>{"Wehlau 9000 " + at(21.23, 54.61),
                                              "Haselberg 2000 " + at(22.49, 54.94),
                                              "Kimry 1500 " + at(33.00, 50.00)}));
}

TEST(TileCatalogueTest, EveryTileBelongsToItsTerrain) {
  for (int t = 0; t < tiles::kTileCount; ++t)
    EXPECT_EQ(tiles::TerrainNameOf(TileCatalogue()[t].feature), TerrainTiles[t].Name.View()) << t;
  // Every road and river course between two sides has its own picture.
  for (int a = 0; a < 8; ++a)
    for (int b = a + 1; b < 8; ++b) {
      const std::uint8_t ways = tiles::Bit(a) | tiles::Bit(b);
      bool road = false, river = false;
      for (const tiles::TileInfo& info : TileCatalogue()) {
        road = road || (info.feature == Feature::kRoad && info.ways == ways);
        river = river || (info.feature == Feature::kRiver && info.ways == ways);
      }
      EXPECT_TRUE(road && river) << tiles::DirectionNames(ways);
    }
  EXPECT_EQ(tiles::DescribeTile(53), "53 Airbase, variety 1");
  EXPECT_EQ(tiles::DescribeTile(0), "0 Road-Plain: road to N S, variety 1");
  EXPECT_EQ(tiles::DescribeTile(48), "48 Mouth: river mouth from N into water to S, variety 1");
}

// The listing the art tools read is the catalogue itself.
TEST(TileCatalogueTest, TheCommittedListingIsCurrent) {
  std::ifstream in(std::string(GM_SCENARIO_DATA_DIR) + "/../../tiles/catalogue.txt");
  ASSERT_TRUE(in) << "tools/tiles/catalogue.txt is missing";
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line))
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(tiles::kTileCount));
  for (int t = 0; t < tiles::kTileCount; ++t) EXPECT_EQ(lines[t], tiles::DescribeTile(t));
}

// A town whose point the map draws as water stands on land of its own shore: where the land
// beside it has two holders (a liman on a border) on the cell nearest its point, not the first
// beside it; with no land beside it (a cape too thin for the map) on the nearest land within
// two cells, and farther out on none.
TEST(ScenarioBuildTest, TownsOnTheWaterStandOnTheirOwnShore) {
  struct Land {
    int dx, dy, owner;  // from the point's cell; held by the USSR
  };
  const struct {
    const char* what;
    double east, south;  // the point within its cell, as fractions of the cell
    std::vector<Land> land;
    bool placed;
    int dx, dy;
  } cases[] = {
      {"the far shore comes first", 0.1, 0.9, {{0, -1, 5}, {-1, 1, 4}}, true, -1, 1},
      {"a cape off the coast", 0.9, 0.5, {{2, 0, 4}, {-2, 2, 4}, {0, 3, 4}}, true, 2, 0},
      {"an island far out", 0.5, 0.5, {{3, 0, 4}}, false, 0, 0},
  };
  constexpr int kX = 100, kY = 200;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SourceData src;
    Theatre t;
    t.minPopulation = {1000};
    for (const Land& l : c.land) {
      const int i = Theatre::Index(kX + l.dx, kY + l.dy);
      t.water[i] = Water::kLand;
      t.country[i] = 0;
      t.owner[i] = static_cast<std::uint8_t>(l.owner);
      t.holder[i] = 5;
    }
    src.towns.push_back({{kWestLon + (kX + c.east) / kColumnsPerDegree,
                          kNorthLat - (kY - kFirstRow + c.south) / kRowsPerDegree},
                         3000,
                         "UA",
                         "Akkerman"});
    ASSERT_TRUE(PlaceTowns(src, t).IsOk());
    ASSERT_EQ(t.places.size(), c.placed ? 1u : 0u);
    if (!c.placed) continue;
    EXPECT_EQ(t.places[0].x, kX + c.dx);
    EXPECT_EQ(t.places[0].y, kY + c.dy);
    EXPECT_EQ(t.places[0].owner, t.owner[Theatre::Index(kX + c.dx, kY + c.dy)]);
  }
}

}  // namespace
}  // namespace gm::scenario
