// Many random fights on a full world: nothing grows from nothing, and every loss of men, horses,
// cars, equipment and aircraft lands in a book of the right nation.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "combat_fixture.hpp"
#include "fight_worlds.hpp"
#include "rules/air_strike.hpp"
#include "rules/artillery_fire.hpp"
#include "rules/assault_fire.hpp"
#include "rules/combat_interception.hpp"
#include "tests/support/world_builders.hpp"

namespace gm {
namespace {

using namespace gm::testing;

bool IsGroundPair(int k) {
  return k != 6 && k != 7;
}

// What a formation lost in a fight; a removed formation had 0 men, and its other counts are
// only known to lie between 0 and what it had.
struct Losses {
  std::int64_t men = 0, horses = 0, cars = 0, equipment = 0, aircraft = 0;
  bool exact = true;
};

Losses LossesOf(const TFormation& before, const TFormation* after) {
  Losses l;
  if (after == nullptr) {
    l.men = before.Men;
    l.horses = before.Horses;
    l.cars = before.Cars;
    for (int k = 0; k < kEquipmentPairs; ++k) {
      if (IsGroundPair(k)) l.equipment += before.pairs[k].Count;
      if (k < 8) l.aircraft += before.pairs[k].Count;
    }
    l.exact = false;
    return l;
  }
  EXPECT_LE(after->Men, before.Men);
  EXPECT_LE(after->Horses, before.Horses);
  EXPECT_LE(after->Cars, before.Cars);
  l.men = before.Men - after->Men;
  l.horses = before.Horses - after->Horses;
  l.cars = before.Cars - after->Cars;
  for (int k = 0; k < kEquipmentPairs; ++k) {
    EXPECT_LE(after->pairs[k].Count, before.pairs[k].Count) << "pair " << k;
    const std::int64_t lost = before.pairs[k].Count - after->pairs[k].Count;
    if (IsGroundPair(k)) l.equipment += lost;
    if (k < 8) l.aircraft += lost;
  }
  return l;
}

struct NationBooks {
  std::int64_t men = 0, horseLosses = 0, carLosses = 0, carReturns = 0, carCaptured = 0;
  std::int64_t equipmentLosses = 0, repair = 0, stock = 0, aircraftLosses = 0, aircraftRepair = 0;
};

NationBooks BooksOf(const TEconomy& e, int n) {
  NationBooks b;
  if (n < 1 || n > 8) return b;
  const int i = NationIndex(n);
  b.men = std::int64_t{e.WoundedPool[i]} + e.DeadMen[i] + e.SurrenderedMen[i];
  b.horseLosses = e.HorseLosses[i];
  b.carLosses = e.CarLosses[i];
  b.carReturns = e.CarRepairPool[i];
  b.carCaptured = e.CarPool[i];
  for (const auto& t : e.EquipmentLosses) b.equipmentLosses += t[i];
  for (const auto& t : e.AircraftLosses) b.aircraftLosses += t[i];
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    b.repair += e.RepairQueue[EconomyIndex(n, m)];
    b.stock += e.EquipmentStock[EconomyIndex(n, m)];
  }
  for (int m = kEquipmentModelRows + 1; m <= kModelColumns; ++m) {
    b.aircraftRepair += e.RepairQueue[EconomyIndex(n, m)];
  }
  return b;
}

// Checks a value that is exact when the loss is known, else only bounded by it.
void ExpectBooked(std::int64_t booked, std::int64_t lost, bool exact, const char* what) {
  if (exact) {
    EXPECT_EQ(booked, lost) << what;
  } else {
    EXPECT_GE(booked, 0) << what;
    EXPECT_LE(booked, lost) << what;
  }
}

class FightRunner {
 public:
  explicit FightRunner(World& w, std::uint32_t seed) : w_(w), rng_(seed) {
    testing::SetCoalitions(w_);
    for (int n = 1; n <= kMaxFormations; ++n) {
      const TFormation* f = UsedFormation(w_, n);
      if (f != nullptr && f->Branch == 1) ground_.push_back(n);
      if (f != nullptr && f->Branch == 2) air_.push_back(n);
    }
  }

  const std::array<int, 3>& Outcomes() const { return outcomes_; }

  // Runs fights until `count` have been resolved; returns how many of each kind ran.
  std::array<int, 3> Run(int count) {
    std::array<int, 3> ran{};
    for (int tries = 0; tries < count * 50 && ran[0] + ran[1] + ran[2] < count; ++tries) {
      w_.SideOnMove = static_cast<std::uint8_t>(rng_() % 2);
      const bool firstDays = rng_() % 4 == 0;
      w_.GameHeader.Day = static_cast<std::uint16_t>(firstDays ? 22 + rng_() % 3 : 1);
      w_.GameHeader.Month = firstDays ? 6 : 8;
      w_.GameHeader.Year = firstDays ? 1941 : 1943;
      clock_.SetMillisecondsOfDay(rng_() % FixedClock::kMillisecondsPerDay);
      const int kind = static_cast<int>(rng_() % 3);
      if (kind == 0 && Assault()) ++ran[0];
      if (kind == 1 && Bombardment()) ++ran[1];
      if (kind == 2 && AirStrike()) ++ran[2];
    }
    return ran;
  }

 private:
  // A used ground formation of the side on move standing in its own cell, or 0.
  int PickOwn(const std::vector<int>& from) {
    if (from.empty()) return 0;
    const int id = from[rng_() % from.size()];
    const TFormation* f = UsedFormation(w_, id);
    if (f == nullptr || !IsOwn(w_, NationOf(*f)) || !InTheatre(f->X, f->Y)) return 0;
    const TMapCell& c = Cell(w_, f->X, f->Y);
    const int word = f->Branch == 2 ? c.AirFormation : c.GroundFormation;
    return word == id ? id : 0;
  }

  // An enemy ground formation at Chebyshev distance `distance` of (x, y); 0 if none.
  int EnemyNear(int x, int y, int distance, int& tx, int& ty) {
    for (int dy = -distance; dy <= distance; ++dy) {
      for (int dx = -distance; dx <= distance; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != distance || !InTheatre(x + dx, y + dy)) {
          continue;
        }
        const int id = Cell(w_, x + dx, y + dy).GroundFormation;
        const TFormation* f = UsedFormation(w_, id);
        if (f != nullptr && f->Branch == 1 && IsEnemy(w_, NationOf(*f))) {
          tx = x + dx;
          ty = y + dy;
          return id;
        }
      }
    }
    return 0;
  }

  const TFormation* GroundIn(int x, int y, int id) {
    return Cell(w_, x, y).GroundFormation == id ? UsedFormation(w_, id) : nullptr;
  }

  bool Assault() {
    const int a = PickOwn(ground_);
    if (a == 0) return false;
    int tx = 0, ty = 0;
    const int d = EnemyNear(Formation(w_, a).X, Formation(w_, a).Y, 1, tx, ty);
    if (d == 0) return false;
    if (rng_() % 2 == 0) {
      // Playable states, so that every outcome comes up.
      for (int id : {a, d}) {
        TFormation& f = Formation(w_, id);
        f.Men = static_cast<std::uint16_t>(rng_() % 20'000);
        f.Ammo = static_cast<std::uint16_t>(rng_() % 4);
        f.Morale = static_cast<std::uint16_t>(rng_() % 150);
        f.Experience = static_cast<std::uint16_t>(rng_() % 150);
      }
    }
    const TFormation before = Formation(w_, a);
    const TFormation defenderBefore = Formation(w_, d);
    SelectAndTarget(w_, before.X, before.Y, tx, ty);
    w_.Economy = TEconomy{};

    const AssaultOutcome outcome = ResolveAssault(w_, clock_);
    ++outcomes_[static_cast<int>(outcome)];

    const TFormation* attacker = GroundIn(before.X, before.Y, a);
    const TFormation* defender = GroundIn(w_.TargetX, w_.TargetY, d);
    EXPECT_LE(std::abs(w_.TargetX - tx), 1);
    EXPECT_LE(std::abs(w_.TargetY - ty), 1);
    if (defender != nullptr) {
      EXPECT_EQ(defender->X, w_.TargetX);
      EXPECT_EQ(defender->Y, w_.TargetY);
    } else {
      EXPECT_EQ(Cell(w_, w_.TargetX, w_.TargetY).GroundFormation, 0);
    }
    if (attacker == nullptr) {
      EXPECT_EQ(Cell(w_, before.X, before.Y).GroundFormation, 0);
    }
    if (outcome == AssaultOutcome::Surrendered) {
      EXPECT_EQ(defender, nullptr);
    }

    const Losses la = LossesOf(before, attacker);
    Losses ld = LossesOf(defenderBefore, defender);
    if (outcome == AssaultOutcome::Surrendered) ld.exact = true;  // booked whole
    const NationBooks ba = BooksOf(w_.Economy, NationOf(before));
    const NationBooks bd = BooksOf(w_.Economy, NationOf(defenderBefore));

    ExpectBooked(ba.men, la.men, true, "attacker men");
    ExpectBooked(bd.men, ld.men, true, "defender men");
    ExpectBooked(ba.horseLosses, la.horses, la.exact, "attacker horses");
    ExpectBooked(bd.horseLosses, ld.horses, ld.exact, "defender horses");
    if (outcome == AssaultOutcome::Held) {
      ExpectBooked(ba.carLosses + ba.carReturns, la.cars, la.exact, "attacker cars");
      ExpectBooked(bd.carLosses + bd.carReturns, ld.cars, ld.exact, "defender cars");
      ExpectBooked(ba.equipmentLosses + ba.repair, la.equipment, la.exact, "attacker equipment");
      ExpectBooked(bd.equipmentLosses + bd.repair, ld.equipment, ld.exact, "defender equipment");
      EXPECT_EQ(ba.carCaptured + ba.stock, 0);
    } else {
      // The defender's losses are its nation's whole; part of them falls to the attacker.
      ExpectBooked(bd.carLosses, ld.cars, ld.exact, "defender cars");
      ExpectBooked(bd.equipmentLosses, ld.equipment, ld.exact, "defender equipment");
      EXPECT_EQ(bd.carReturns + bd.repair + bd.stock, 0);
      const std::int64_t carsToAttacker = ba.carLosses + ba.carReturns + ba.carCaptured - la.cars;
      const std::int64_t gunsToAttacker = ba.equipmentLosses + ba.repair + ba.stock - la.equipment;
      if (la.exact) {
        EXPECT_GE(carsToAttacker, 0);
        EXPECT_LE(carsToAttacker, ld.cars);
        EXPECT_GE(gunsToAttacker, 0);
        EXPECT_LE(gunsToAttacker, ld.equipment);
      }
    }
    return true;
  }

  bool Bombardment() {
    const int a = PickOwn(ground_);
    if (a == 0) return false;
    const TFormation before = Formation(w_, a);
    int tx = 0, ty = 0;
    const int t = EnemyNear(before.X, before.Y, 2, tx, ty);
    if (t == 0) return false;
    const TFormation targetBefore = Formation(w_, t);
    SelectAndTarget(w_, before.X, before.Y, tx, ty);
    w_.Economy = TEconomy{};

    ResolveBombardment(w_, clock_);

    const TFormation* firer = GroundIn(before.X, before.Y, a);
    const TFormation* target = GroundIn(tx, ty, t);
    if (before.Men > 0) {
      EXPECT_NE(firer, nullptr);
      const Losses lf = LossesOf(before, firer);
      EXPECT_EQ(lf.men + lf.horses + lf.cars + lf.equipment, 0);
    }
    const Losses lt = LossesOf(targetBefore, target);
    const NationBooks bf = BooksOf(w_.Economy, NationOf(before));
    const NationBooks bt = BooksOf(w_.Economy, NationOf(targetBefore));
    EXPECT_EQ(bf.men + bf.horseLosses + bf.carLosses + bf.carReturns + bf.repair, 0);
    ExpectBooked(bt.men, lt.men, true, "target men");
    ExpectBooked(bt.horseLosses, lt.horses, lt.exact, "target horses");
    ExpectBooked(bt.carLosses + bt.carReturns, lt.cars, lt.exact, "target cars");
    ExpectBooked(bt.equipmentLosses + bt.repair, lt.equipment, lt.exact, "target equipment");
    return true;
  }

  bool AirStrike() {
    const int s = PickOwn(air_);
    if (s == 0) return false;
    TFormation& striker = Formation(w_, s);
    int tx = 0, ty = 0;
    const int t = EnemyNear(striker.X, striker.Y, 1 + static_cast<int>(rng_() % 3), tx, ty);
    if (t == 0 || Cell(w_, tx, ty).AirFormation != 0) return false;
    // The order moves the striker into the target cell before the animation.
    SelectAndTarget(w_, striker.X, striker.Y, tx, ty);
    FindInterceptor(w_);
    FindEnemyAA(w_);
    if (Cell(w_, tx, ty).AirFormation != 0) return false;  // the interceptor took the cell
    Cell(w_, striker.X, striker.Y).AirFormation = 0;
    striker.X = striker.xCopy = static_cast<std::uint16_t>(tx);
    striker.Y = striker.yCopy = static_cast<std::uint16_t>(ty);
    Cell(w_, tx, ty).AirFormation = static_cast<std::uint16_t>(s);
    const TFormation strikerBefore = striker;
    const TFormation targetBefore = Formation(w_, t);
    w_.Economy = TEconomy{};

    ResolveAirStrike(w_, clock_);

    const TMapCell& c = Cell(w_, tx, ty);
    const TFormation* after = c.AirFormation == s ? UsedFormation(w_, s) : nullptr;
    LossesOf(strikerBefore, after);  // nothing grows
    if (after != nullptr) {
      EXPECT_EQ(after->Men, strikerBefore.Men);
      for (int k = 8; k < kEquipmentPairs; ++k) {
        EXPECT_EQ(after->pairs[k].Count, strikerBefore.pairs[k].Count);
      }
    }
    const NationBooks bs = BooksOf(w_.Economy, NationOf(strikerBefore));
    // A removed striker had no aircraft left. Aircraft of a pair without a model are only
    // counted when destroyed.
    const std::int64_t aircraftWithModel = [&] {
      std::int64_t lost = 0;
      for (int k = 0; k < 8; ++k) {
        const std::int64_t l = strikerBefore.pairs[k].Count - (after ? after->pairs[k].Count : 0);
        const int row = strikerBefore.pairs[k].Model;
        lost += (row >= 1 && row <= kAircraftModelRows) ? l : l / 2 * (l >= 2);
      }
      return lost;
    }();
    EXPECT_EQ(bs.aircraftLosses + bs.aircraftRepair, aircraftWithModel);
    EXPECT_EQ(bs.men + bs.carLosses + bs.equipmentLosses, 0);

    const TFormation* target = c.GroundFormation == t ? UsedFormation(w_, t) : nullptr;
    const Losses lt = LossesOf(targetBefore, target);
    const NationBooks bt = BooksOf(w_.Economy, NationOf(targetBefore));
    ExpectBooked(bt.men, lt.men, true, "bombed men");
    ExpectBooked(bt.carLosses + bt.carReturns, lt.cars, lt.exact, "bombed cars");
    ExpectBooked(bt.equipmentLosses + bt.repair, lt.equipment, lt.exact, "bombed equipment");
    return true;
  }

  World& w_;
  std::mt19937 rng_;
  FixedClock clock_;
  std::vector<int> ground_, air_;
  std::array<int, 3> outcomes_{};
};

TEST(CombatInvariantsTest, RandomFightsOnASyntheticWorld) {
  auto w = MakeSyntheticWorld();
  FightRunner runner(*w, 22'061'941);
  const std::array<int, 3> ran = runner.Run(1500);
  EXPECT_GT(ran[0], 300);
  EXPECT_GT(ran[1], 300);
  EXPECT_GT(ran[2], 100);
  for (int outcome = 0; outcome < 3; ++outcome) {
    EXPECT_GT(runner.Outcomes()[outcome], 5) << "outcome " << outcome;
  }
}

TEST(CombatInvariantsTest, RandomFightsOnTheRealScenario) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  const std::string path = std::string(buildDir != nullptr ? buildDir : ".") + "/data/evrasia.scn";
  bool packed = false;
  auto w = LoadFightScenario(path, &packed);
  if (w == nullptr) GTEST_SKIP() << "no scenario at " << path;
  FightRunner runner(*w, 9'051'945);
  const std::array<int, 3> ran = runner.Run(1500);
  // An assault needs a neighbour across the front: some 80 formations of June 1941 have one.
  EXPECT_GT(ran[0], 50) << (packed ? "formations packed in" : "the scenario's formations");
  EXPECT_GT(ran[1], 100);
  EXPECT_GT(ran[2] + ran[0], 100);
}

}  // namespace
}  // namespace gm
