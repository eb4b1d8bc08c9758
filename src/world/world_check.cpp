// The whole-world check: ranges block by block, then the cross-references of cells and formations.
#include "world/world_check.hpp"

#include <string>

#include "world/record_ranges.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

std::string At(int x, int y) {
  return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// A cell's formation word must name a used formation of the word's branch standing in the cell.
bool NamesOneStandingThere(const World& w, int x, int y, std::uint16_t word, std::uint16_t branch) {
  if (word == 0) return true;
  const TFormation* f = UsedFormation(w, word);
  return f != nullptr && f->Branch == branch && f->X == x && f->Y == y;
}

Status CheckCellWord(const World& w, int x, int y, std::uint16_t word, std::uint16_t branch) {
  if (NamesOneStandingThere(w, x, y, word, branch)) return Status::Ok();
  const TFormation* f = UsedFormation(w, word);
  std::string what = At(x, y) + " names " + (branch == kAirBranch ? "air" : "ground") +
                     " formation " + std::to_string(word) + ", ";
  if (word > kMaxFormations) {
    what += "beyond 10000";
  } else if (f == nullptr) {
    what += "a free record";
  } else if (f->Branch != branch) {
    what += f->Branch == kAirBranch ? "an air formation" : "an army formation";
  } else {
    what += "which stands at (" + std::to_string(f->X) + ", " + std::to_string(f->Y) + ")";
  }
  return Status::Error(what);
}

Status CheckCells(const World& w) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const TMapCell& c = Cell(w, x, y);
      if (CellValuesInRange(c, w.GameHeader) &&
          NamesOneStandingThere(w, x, y, c.GroundFormation, kArmyBranch) &&
          NamesOneStandingThere(w, x, y, c.AirFormation, kAirBranch)) {
        continue;
      }
      if (Status s = CheckCellValues(c, x, y, w.GameHeader); !s) return s;
      if (Status s = CheckCellWord(w, x, y, c.GroundFormation, kArmyBranch); !s) return s;
      if (Status s = CheckCellWord(w, x, y, c.AirFormation, kAirBranch); !s) return s;
    }
  }
  return Status::Ok();
}

// Every used formation is in range and named by its own cell; with the cells' words checked
// above, no two cells name one formation and no formation stands unnamed.
Status CheckFormations(const World& w) {
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch == 0) continue;
    if (Status s = CheckFormationValues(f, n, w.GameHeader); !s) return s;
    const TMapCell& c = Cell(w, f.X, f.Y);
    const std::uint16_t word = f.Branch == kArmyBranch ? c.GroundFormation : c.AirFormation;
    if (word != n) {
      return Status::Error("formation " + std::to_string(n) + " is not named by its " +
                           At(f.X, f.Y));
    }
  }
  return Status::Ok();
}

Status CheckSettlements(const World& w) {
  for (int n = 1; n <= w.GameHeader.SettlementCount; ++n) {
    if (Status s = CheckSettlementValues(Settlement(w, n), n); !s) return s;
  }
  return Status::Ok();
}

}  // namespace

Status CheckWholeWorld(const World& w) {
  if (Status s = CheckHeaderValues(w.GameHeader); !s) return s;
  if (w.SideOnMove > 1 || w.OpeningCoalition > 1) {
    return Status::Error("the side on move " + std::to_string(w.SideOnMove) +
                         " or the opening side " + std::to_string(w.OpeningCoalition) +
                         " is not 0 or 1");
  }
  // Formations first: the cells' messages then name a formation that is itself in range.
  if (Status s = CheckFormations(w); !s) return s;
  if (Status s = CheckCells(w); !s) return s;
  if (Status s = CheckSettlements(w); !s) return s;
  return CheckEconomyValues(w.Economy);
}

}  // namespace gm
