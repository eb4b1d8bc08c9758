// The assault outcome: the hold/retreat decision, the retreat cell, surrender, morale, capture.
#include "rules/assault_outcome.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

#include "combat_fixture.hpp"
#include "rules/combat_cleanup.hpp"

namespace gm {
namespace {

using namespace gm::testing;

struct Fight {
  std::unique_ptr<World> w;
  int defX, defY, attX, attY;
  TFormation& attacker() { return Formation(*w, 1); }
  TFormation& defender() { return Formation(*w, 2); }
  // Takes the snapshots as the fight would have, before any loss is set.
  void Snapshot() {
    w->SnapshotA = attacker();
    w->SnapshotB = defender();
  }
};

// A German attacker beside a Soviet defender that has lost nothing, ammunition to spare.
Fight MakeFight(int defX, int defY, int attX, int attY) {
  Fight f{MakeCombatWorld(TileNamed("Plain")), defX, defY, attX, attY};
  for (auto [id, x, y, nation] :
       {std::tuple{1, attX, attY, kGerman}, std::tuple{2, defX, defY, kSoviet}}) {
    TFormation& r = PlaceGround(*f.w, id, x, y, TypeOfKind(nation, 5));
    r.Men = 1000;
    r.Experience = 50;
    r.Morale = 50;
    r.Ammo = 5;
  }
  SelectAndTarget(*f.w, attX, attY, defX, defY);
  f.w->Combat.CombatMode = kCombatAssault;
  f.Snapshot();
  return f;
}

TEST(AssaultOutcomeTest, DecisionRules) {
  struct Case {
    const char* what;
    std::uint16_t attackerMenAfter, defenderMenBefore, defenderMenAfter;
    std::uint16_t experience, morale, ammo;
    AssaultOutcome expected;
  };
  const Case cases[] = {
      {"q exactly 0.7 fails rule 1", 1000, 1000, 700, 50, 120, 5, AssaultOutcome::Held},
      {"q below 0.7", 1000, 1000, 699, 50, 120, 5, AssaultOutcome::Retreated},
      {"q exactly 0.9 fails rule 2", 1000, 1000, 900, 130, 99, 5, AssaultOutcome::Held},
      {"q below 0.9", 1000, 1000, 899, 130, 99, 5, AssaultOutcome::Retreated},
      {"D = 3A is not enough", 900, 1000, 700, 50, 50, 5, AssaultOutcome::Held},
      {"D = 3A + 1", 900, 1000, 699, 50, 50, 5, AssaultOutcome::Retreated},
      {"A = 0: any loss, low morale", 1000, 1000, 999, 50, 59, 5, AssaultOutcome::Retreated},
      {"morale 60 holds", 1000, 1000, 999, 50, 60, 5, AssaultOutcome::Held},
      {"experience 120 still retreats by rule 2", 1000, 1000, 800, 120, 99, 5,
       AssaultOutcome::Retreated},
      {"experience 120 blocks rule 1", 1000, 1000, 600, 120, 100, 5, AssaultOutcome::Held},
      {"morale 140 blocks rule 1", 1000, 1000, 600, 50, 140, 5, AssaultOutcome::Held},
      {"no ammunition, no loss", 1000, 1000, 1000, 50, 300, 0, AssaultOutcome::Retreated},
      {"no men before the fight: holds", 1000, 0, 0, 50, 10, 0, AssaultOutcome::Held},
  };
  for (const Case& c : cases) {
    Fight f = MakeFight(100, 100, 101, 100);
    f.defender().Men = c.defenderMenBefore;
    f.Snapshot();
    f.attacker().Men = c.attackerMenAfter;
    f.defender().Men = c.defenderMenAfter;
    f.defender().Experience = c.experience;
    f.defender().Morale = c.morale;
    f.defender().Ammo = c.ammo;
    EXPECT_EQ(ResolveAssaultOutcome(*f.w), c.expected) << c.what;
    const bool moved = f.w->TargetX != 100 || f.w->TargetY != 100;
    EXPECT_EQ(moved, c.expected == AssaultOutcome::Retreated) << c.what;
  }
}

TEST(AssaultOutcomeTest, RetreatCellAtTheEdgesAndBesideBlockedCells) {
  enum Block { kNone, kGround, kImpassable, kAirOnly, kNeutral, kHeldSettlement };
  struct Case {
    const char* what;
    int defX, defY, attX, attY;
    std::vector<std::tuple<int, int, Block>> blocks;  // offsets from the defender
    int expectedX, expectedY;
  };
  const Case cases[] = {
      {"column 0", 0, 100, 1, 100, {}, 0, 101},
      {"row 30", 100, 30, 100, 31, {}, 99, 30},
      {"column 359", 359, 100, 358, 100, {}, 359, 99},
      {"row 329", 100, 329, 100, 328, {}, 101, 329},
      {"direction 1, cells 1 and 4 blocked",
       100,
       100,
       101,
       101,
       {{-1, -1, kGround}, {-1, 0, kImpassable}},
       100,
       99},
      {"an air formation or a held settlement does not block",
       100,
       100,
       101,
       101,
       {{-1, -1, kAirOnly}, {-1, 0, kHeldSettlement}},
       99,
       99},
      {"a neutral settlement blocks", 100, 100, 101, 101, {{-1, -1, kNeutral}}, 99, 100},
  };
  const std::uint16_t impassable = ImpassableTile();
  for (const Case& c : cases) {
    Fight f = MakeFight(c.defX, c.defY, c.attX, c.attY);
    int nextId = 10;
    for (auto [dx, dy, block] : c.blocks) {
      const int x = c.defX + dx, y = c.defY + dy;
      TMapCell& cell = Cell(*f.w, x, y);
      switch (block) {
        case kGround:
          PlaceGround(*f.w, nextId++, x, y, TypeOfKind(kGerman, 5));
          break;
        case kImpassable:
          cell.Terrain = impassable;
          break;
        case kAirOnly:
          PlaceAir(*f.w, nextId++, x, y, TypeOfKind(kGerman, 21));
          break;
        case kNeutral:
        case kHeldSettlement:
          cell.Settlement = 7;
          Settlement(*f.w, 7).OwnerNation = block == kNeutral ? kNeutralNation : kGerman;
          Settlement(*f.w, 7).HolderNation = block == kNeutral ? kNeutralNation : kGerman;
          break;
        case kNone:
          break;
      }
    }
    f.defender().Ammo = 0;  // it gives way without losses
    ASSERT_EQ(ResolveAssaultOutcome(*f.w), AssaultOutcome::Retreated) << c.what;
    const TFormation& d = f.defender();
    EXPECT_EQ(d.X, c.expectedX) << c.what;
    EXPECT_EQ(d.Y, c.expectedY) << c.what;
    EXPECT_EQ(d.xCopy, c.expectedX) << c.what;
    EXPECT_EQ(d.yCopy, c.expectedY) << c.what;
    EXPECT_EQ(f.w->TargetX, c.expectedX) << c.what;
    EXPECT_EQ(f.w->TargetY, c.expectedY) << c.what;
    EXPECT_EQ(Cell(*f.w, c.expectedX, c.expectedY).GroundFormation, 2) << c.what;
    EXPECT_EQ(Cell(*f.w, c.defX, c.defY).GroundFormation, 0) << c.what;
    EXPECT_EQ(Cell(*f.w, c.attX, c.attY).GroundFormation, 1) << c.what;  // attacker stays
    EXPECT_EQ(f.attacker().Morale, 52) << c.what;
    EXPECT_EQ(d.Morale, 48) << c.what;
  }
}

TEST(AssaultOutcomeTest, DirectionOneRetreatsToCellTwo) {
  Fight f = MakeFight(100, 100, 101, 101);
  PlaceGround(*f.w, 10, 99, 99, TypeOfKind(kSoviet, 5));
  Cell(*f.w, 99, 100).Terrain = ImpassableTile();
  f.defender().Ammo = 0;
  ResolveAssaultOutcome(*f.w);
  EXPECT_EQ(f.w->Combat.AttackDirection, 1);
  EXPECT_EQ(f.w->Combat.RetreatCell, 2);
  EXPECT_EQ(f.w->Combat.BlockedCount, 4);  // cells 1, 4, the defender's own and the attacker's
  // The outcome keeps its flags column by column: byte 3 (dx + 1) + (dy + 1).
  const std::array<std::uint8_t, 9> mask{1, 1, 0, 0, 1, 0, 0, 0, 1};
  EXPECT_EQ(f.w->NeighbourMask, mask);
  EXPECT_EQ(f.defender().X, 100);
  EXPECT_EQ(f.defender().Y, 99);
}

// Surrounds the defender at (100, 100): the attacker south-east, own formations elsewhere.
Fight MakeEncircled(std::uint16_t morale) {
  Fight f = MakeFight(100, 100, 101, 101);
  int id = 10;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if ((dx == 0 && dy == 0) || (dx == 1 && dy == 1)) continue;
      PlaceGround(*f.w, id++, 100 + dx, 100 + dy, TypeOfKind(kSoviet, 5));
    }
  }
  f.defender().Men = 300;
  f.defender().Morale = morale;
  f.Snapshot();
  f.defender().Ammo = 0;
  return f;
}

TEST(AssaultOutcomeTest, EncircledDefenderSurrendersBelowMorale80) {
  Fight f = MakeEncircled(79);
  EXPECT_EQ(ResolveAssaultOutcome(*f.w), AssaultOutcome::Surrendered);
  EXPECT_EQ(f.w->Combat.BlockedCount, 9);
  EXPECT_EQ(f.defender().Men, 0);
  EXPECT_EQ(f.defender().Morale, 79);
  EXPECT_EQ(f.attacker().Morale, 55);
  const TEconomy& e = f.w->Economy;
  EXPECT_EQ(e.DeadMen[NationIndex(kSoviet)], 75);
  EXPECT_EQ(e.SurrenderedMen[NationIndex(kSoviet)], 225);
  EXPECT_EQ(e.WoundedPool[NationIndex(kSoviet)], 0);
  CleanupGroundCombat(*f.w);
  EXPECT_EQ(Cell(*f.w, 100, 100).GroundFormation, 0);
  EXPECT_EQ(Formation(*f.w, 2).Branch, 0);
}

TEST(AssaultOutcomeTest, EncircledDefenderWithMorale80StaysAndIsBookedAsRetreated) {
  Fight f = MakeEncircled(80);
  f.defender().Men = 290;  // a fire loss of 10
  EXPECT_EQ(ResolveAssaultOutcome(*f.w), AssaultOutcome::Retreated);
  EXPECT_EQ(Cell(*f.w, 100, 100).GroundFormation, 2);
  EXPECT_EQ(f.w->TargetX, 100);
  EXPECT_EQ(f.w->TargetY, 100);
  EXPECT_EQ(f.defender().Men, 290);
  EXPECT_EQ(f.attacker().Morale, 52);
  EXPECT_EQ(f.defender().Morale, 78);
  const TEconomy& e = f.w->Economy;
  EXPECT_EQ(e.DeadMen[NationIndex(kSoviet)], 3);
  EXPECT_EQ(e.WoundedPool[NationIndex(kSoviet)], 3);
  EXPECT_EQ(e.SurrenderedMen[NationIndex(kSoviet)], 4);
}

TEST(AssaultOutcomeTest, Morale) {
  struct Case {
    const char* what;
    std::uint16_t attackerMenAfter, defenderMenAfter;  // from 1000 each
    std::uint16_t attackerMorale, defenderMorale, defenderAmmo;
    std::uint16_t attackerAfter, defenderAfter;
  };
  const Case cases[] = {
      {"held, equal losses", 990, 990, 300, 300, 5, 300, 300},
      {"held, attacker at 600 wins", 999, 998, 600, 300, 5, 601, 299},
      {"held, attacker loses more", 990, 995, 300, 300, 5, 299, 301},
      {"held, morale 0 does not wrap", 990, 995, 0, 300, 5, 0, 301},
      {"retreat brings 601 back to 600", 1000, 1000, 601, 3, 0, 600, 1},
      {"retreat from 599", 1000, 1000, 599, 2, 0, 600, 2},
  };
  for (const Case& c : cases) {
    Fight f = MakeFight(100, 100, 101, 100);
    f.attacker().Men = c.attackerMenAfter;
    f.defender().Men = c.defenderMenAfter;
    f.attacker().Morale = c.attackerMorale;
    f.defender().Morale = c.defenderMorale;
    f.defender().Ammo = c.defenderAmmo;
    ResolveAssaultOutcome(*f.w);
    EXPECT_EQ(f.attacker().Morale, c.attackerAfter) << c.what;
    EXPECT_EQ(Formation(*f.w, 2).Morale, c.defenderAfter) << c.what;
  }
}

TEST(AssaultOutcomeTest, RetreatIntoASettlementCapturesOnlyWithMenLeft) {
  struct Case {
    std::uint16_t menLeft;
    std::uint16_t holderAfter;
    std::uint16_t valueAfter;
  };
  // A defender whose men all fell still retreats, but takes no settlement on its way out.
  for (const Case& c : {Case{400, kSoviet, 20}, Case{0, kGerman, 50}}) {
    Fight f = MakeFight(100, 100, 101, 100);  // direction 8: cell 4, west, first
    TMapCell& refuge = Cell(*f.w, 99, 100);
    refuge.Settlement = 3;
    TSettlement& s = Settlement(*f.w, 3);
    s.OwnerNation = kSoviet;
    s.HolderNation = kGerman;
    s.Value = 50;
    f.defender().Ammo = 0;
    f.defender().Men = c.menLeft;
    ResolveAssaultOutcome(*f.w);
    EXPECT_EQ(refuge.GroundFormation, 2) << c.menLeft;
    EXPECT_EQ(s.HolderNation, c.holderAfter) << c.menLeft;
    EXPECT_EQ(s.Value, c.valueAfter) << c.menLeft;
  }
}

TEST(AssaultOutcomeTest, ArtilleryModeOnlyBooksAsHeld) {
  Fight f = MakeFight(100, 100, 101, 100);
  f.w->Combat.CombatMode = kCombatBombardment;
  f.defender().Ammo = 0;
  f.defender().Men = 992;
  EXPECT_EQ(ResolveAssaultOutcome(*f.w), AssaultOutcome::Held);
  EXPECT_EQ(Cell(*f.w, 100, 100).GroundFormation, 2);
  EXPECT_EQ(f.defender().Morale, 50);
  EXPECT_EQ(f.attacker().Morale, 50);
  EXPECT_EQ(f.w->Economy.DeadMen[NationIndex(kSoviet)], 2);
  EXPECT_EQ(f.w->Economy.WoundedPool[NationIndex(kSoviet)], 6);
}

}  // namespace
}  // namespace gm
