// Consistency of the world between turns: file image, cell words, formation records, pools.
#include "world/world_check.hpp"

#include <string>
#include <vector>

#include "world/formation_check.hpp"
#include "world/world_access.hpp"
#include "world/world_file.hpp"

namespace gm {

namespace {

std::string At(int x, int y) {
  return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

Status CheckCellWords(const World& w) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const TMapCell& c = Cell(w, x, y);
      if (c.GroundFormation != 0) {
        const TFormation* f = UsedFormation(w, c.GroundFormation);
        if (f == nullptr || f->Branch != 1 || f->X != x || f->Y != y) {
          return Status::Error(At(x, y) + " names ground formation " +
                               std::to_string(c.GroundFormation) + ", which does not stand there");
        }
      }
      if (c.AirFormation != 0) {
        const TFormation* f = UsedFormation(w, c.AirFormation);
        if (f == nullptr || f->Branch != 2 || f->X != x || f->Y != y) {
          return Status::Error(At(x, y) + " names air formation " + std::to_string(c.AirFormation) +
                               ", which does not stand there");
        }
      }
    }
  }
  return Status::Ok();
}

Status CheckFormationRecords(const World& w) {
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch == 0) continue;
    const std::string name = "formation " + std::to_string(n);
    if (n > w.GameHeader.FormationCount) {
      return Status::Error(name + " lies beyond the " +
                           std::to_string(w.GameHeader.FormationCount) + " records a save keeps");
    }
    if (FormationRecordFails(f, StoredMapArea(w.GameHeader))) {
      return Status::Error(name + " fails the record check of a save");
    }
    if (f.xCopy != f.X || f.yCopy != f.Y) {
      return Status::Error(name + ": its two copies of the position differ");
    }
    const TMapCell& c = Cell(w, f.X, f.Y);
    const std::uint16_t word = f.Branch == 1 ? c.GroundFormation : c.AirFormation;
    if (word != n) return Status::Error(name + " is not named by its " + At(f.X, f.Y));
    if (f.OrdersLeft > 2 || f.Ammo > 10) {
      return Status::Error(name + " has " + std::to_string(f.OrdersLeft) +
                           " orders and ammunition " + std::to_string(f.Ammo));
    }
  }
  return Status::Ok();
}

Status CheckPools(const World& w) {
  const TEconomy& e = w.Economy;
  for (int n = 1; n <= 8; ++n) {
    const int i = NationIndex(n);
    for (std::int32_t pool : {e.RecruitPool[i], e.VeteranPool[i], e.CarPool[i], e.HorsePool[i]}) {
      if (pool < 0) return Status::Error("nation " + std::to_string(n) + " has a negative pool");
    }
  }
  return Status::Ok();
}

}  // namespace

Status CheckWholeWorld(const World& w) {
  std::vector<std::uint8_t> bytes;
  if (Status s = EncodeWorldFile(w, WorldFileKind::kSave, bytes); !s) return s;
  if (Status s = ValidateWorldFile(bytes, WorldFileKind::kSave, "the world"); !s) return s;
  if (Status s = CheckCellWords(w); !s) return s;
  if (Status s = CheckFormationRecords(w); !s) return s;
  return CheckPools(w);
}

}  // namespace gm
