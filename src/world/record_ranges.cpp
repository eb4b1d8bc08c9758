// The value ranges of the world's blocks, each failure named by its record.
#include "world/record_ranges.hpp"

#include <array>
#include <string>
#include <utility>

#include "world/formation_check.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr int kAircraftPairs = 8;
constexpr std::uint16_t kMaxSettlementValue = 100;
constexpr std::uint8_t kLastProductionStatus = 3;
constexpr std::uint16_t kMaxOrders = 2;
constexpr std::uint16_t kMaxAmmo = 10;

std::string Num(long n) {
  return std::to_string(n);
}

// Built only for a message: every record of every load passes the checks below.
std::string FormationName(int n) {
  return "formation " + Num(n);
}
std::string SettlementName(int n) {
  return "settlement " + Num(n);
}

bool IsNation(std::uint16_t n) {
  return (n >= 1 && n <= kNations) || n == kNeutralNation;
}

// The per-nation tables the rules keep, with the names the messages use.
std::array<std::pair<const char*, const TEconomy::NationTable*>, 23> NationTables(
    const TEconomy& e) {
  return {{{"recruit pool", &e.RecruitPool},
           {"veteran pool", &e.VeteranPool},
           {"wounded pool", &e.WoundedPool},
           {"count of surrendered men", &e.SurrenderedMen},
           {"count of dead men", &e.DeadMen},
           {"car pool", &e.CarPool},
           {"count of cars in repair", &e.CarRepairPool},
           {"horse pool", &e.HorsePool},
           {"tank losses", &e.EquipmentLosses[0]},
           {"assault gun losses", &e.EquipmentLosses[1]},
           {"armoured car losses", &e.EquipmentLosses[2]},
           {"field gun losses", &e.EquipmentLosses[3]},
           {"howitzer losses", &e.EquipmentLosses[4]},
           {"mortar losses", &e.EquipmentLosses[5]},
           {"anti-tank gun losses", &e.EquipmentLosses[6]},
           {"anti-aircraft gun losses", &e.EquipmentLosses[7]},
           {"car losses", &e.CarLosses},
           {"horse losses", &e.HorseLosses},
           {"daily cars", &e.DailyCars},
           {"fighter losses", &e.AircraftLosses[0]},
           {"tactical bomber losses", &e.AircraftLosses[1]},
           {"bomber losses", &e.AircraftLosses[2]},
           {"level bomber losses", &e.AircraftLosses[3]}}};
}

}  // namespace

Status CheckHeaderLimits(const TGameHeader& h) {
  if (h.MapWidth > kMapWidth || h.MapHeight > kMapHeight) {
    return Status::Error("the map is " + Num(h.MapWidth) + " x " + Num(h.MapHeight) +
                         " cells, more than 1000 x 400");
  }
  if (h.FormationCount > kMaxFormations) {
    return Status::Error(Num(h.FormationCount) + " formations, more than 10000");
  }
  if (h.SettlementCount > kMaxSettlements) {
    return Status::Error(Num(h.SettlementCount) + " settlements, more than 20000");
  }
  return Status::Ok();
}

Status CheckHeaderValues(const TGameHeader& h) {
  if (Status s = CheckHeaderLimits(h); !s) return s;
  constexpr int kLastYear = kMonthDaysFirstYear + kMonthDaysCount / 12 - 1;
  const bool monthOk =
      h.Year >= kMonthDaysFirstYear && h.Year <= kLastYear && h.Month >= 1 && h.Month <= 12;
  if (!monthOk || h.Day < 1 ||
      h.Day > MonthDays[(h.Year - kMonthDaysFirstYear) * 12 + h.Month - 1]) {
    return Status::Error("the date " + Num(h.Day) + "." + Num(h.Month) + "." + Num(h.Year) +
                         " is not a day of 1939 to 1945");
  }
  return Status::Ok();
}

Status CheckCellValues(const TMapCell& c, int x, int y, const TGameHeader& h) {
  if (CellValuesInRange(c, h)) return Status::Ok();
  const std::string cell = "cell (" + Num(x) + ", " + Num(y) + ")";
  if (c.Terrain >= kTerrainTileCount) {
    return Status::Error(cell + " has terrain tile " + Num(c.Terrain) + ", beyond 674");
  }
  if (c.Settlement > h.SettlementCount) {
    return Status::Error(cell + " names settlement " + Num(c.Settlement) + " of " +
                         Num(h.SettlementCount));
  }
  return Status::Error(cell + " has placement mark " + Num(c.PlacementAllowed) + ", not 0 or 1");
}

Status CheckFormationValues(const TFormation& f, int n, const TGameHeader& h) {
  if (n > h.FormationCount) {
    return Status::Error(FormationName(n) + " lies beyond the " + Num(h.FormationCount) +
                         " records a save keeps");
  }
  if (f.Branch != kArmyBranch && f.Branch != kAirBranch) {
    return Status::Error(FormationName(n) + " has branch " + Num(f.Branch) +
                         ", neither army nor air");
  }
  if (f.FormationType > kFormationTypeRows || FormationTypes[f.FormationType].Nation == 0) {
    return Status::Error(FormationName(n) + " has type " + Num(f.FormationType) +
                         ", which is no formation type");
  }
  if (FormationTypes[f.FormationType].Branch != f.Branch) {
    return Status::Error(FormationName(n) + " is " +
                         (f.Branch == kAirBranch ? "an air" : "an army") + " formation of type " +
                         Num(f.FormationType) + ", a type of the other branch");
  }
  if (const std::string fault = FormationRecordFault(f, StoredMapArea(h)); !fault.empty()) {
    return Status::Error(FormationName(n) + " fails the record check: " + fault);
  }
  if (f.Branch == kAirBranch) {
    for (int k = 0; k < kAircraftPairs; ++k) {
      const TEquipmentPair& p = f.pairs[k];
      if (p.Count > 0 && p.Model > kAircraftModelRows) {
        return Status::Error(FormationName(n) + ", an air formation, holds model " + Num(p.Model) +
                             " in pair " + Num(k) + ", beyond the 400 aircraft");
      }
    }
  }
  if (f.xCopy != f.X || f.yCopy != f.Y) {
    return Status::Error(FormationName(n) + ": its two copies of the position differ");
  }
  if (f.OrdersLeft > kMaxOrders || f.Ammo > kMaxAmmo) {
    return Status::Error(FormationName(n) + " has " + Num(f.OrdersLeft) +
                         " orders and ammunition " + Num(f.Ammo) + " (at most 2 and 10)");
  }
  return Status::Ok();
}

Status CheckSettlementValues(const TSettlement& s, int n) {
  if (!IsNation(s.OwnerNation) || !IsNation(s.HolderNation)) {
    return Status::Error(SettlementName(n) + " has owner " + Num(s.OwnerNation) + " and holder " +
                         Num(s.HolderNation) + ", not nations 1 to 8 or the neutral 10");
  }
  if (s.Value > kMaxSettlementValue) {
    return Status::Error(SettlementName(n) + " has value " + Num(s.Value) + ", beyond 100");
  }
  return Status::Ok();
}

Status CheckEconomyValues(const TEconomy& e) {
  for (int n = 1; n <= kNationRows; ++n) {
    for (int m = 1; m <= kModelColumns; ++m) {
      const std::uint8_t status = e.ProductionStatus[EconomyIndex(n, m)];
      if (status > kLastProductionStatus) {
        return Status::Error("nation " + Num(n) + " has production status " + Num(status) +
                             " for model " + Num(m) + ", beyond 3");
      }
    }
  }
  for (const auto& [what, table] : NationTables(e)) {
    for (int n = 1; n <= kNations; ++n) {
      const std::int32_t v = (*table)[NationIndex(n)];
      if (v < 0 || v > kPoolLimit) {
        return Status::Error("nation " + Num(n) + "'s " + what + " is " + Num(v) +
                             ", outside 0 to " + Num(kPoolLimit));
      }
    }
  }
  return Status::Ok();
}

}  // namespace gm
