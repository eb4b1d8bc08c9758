// Encoding, validation and decoding of the scenario and save file layout.
#include "world/world_file.hpp"

#include <algorithm>
#include <cstring>

#include "world/formation_check.hpp"
#include "world/screen_state.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr std::size_t kCellBytes = sizeof(TMapCell);
constexpr std::size_t kFormationBytes = sizeof(TFormation);
constexpr std::size_t kSettlementBytes = sizeof(TSettlement);
constexpr int kLastTerrainTile = kTerrainTileCount - 1;

// Where the scenario opens the Battlefield view.
constexpr std::int32_t kScenarioViewX = 154;
constexpr std::int32_t kScenarioViewY = 208;

// The stored map: the whole map in a scenario, the header's size in a save.
struct MapExtent {
  std::size_t width;
  std::size_t height;
};

MapExtent StoredMap(const TGameHeader& h, WorldFileKind kind) {
  if (kind == WorldFileKind::kScenario) return {kMapWidth, kMapHeight};
  return {h.MapWidth, h.MapHeight};
}

// The scenario places its formations in the theatre; a game in progress may have moved an
// interceptor beside a target on the theatre's edge, so a save's may stand anywhere it stores.
StandingArea FormationArea(const TGameHeader& h, WorldFileKind kind) {
  return kind == WorldFileKind::kScenario ? kTheatreArea : StoredMapArea(h);
}

// Offsets of the blocks after the header.
struct Layout {
  MapExtent map;
  std::size_t cells;
  std::size_t formations;
  std::size_t settlements;
  std::size_t economy;
  std::size_t end;
};

Layout LayoutOf(const TGameHeader& h, WorldFileKind kind) {
  Layout l{};
  l.map = StoredMap(h, kind);
  l.cells = kHeaderBytes;
  l.formations = l.cells + l.map.width * l.map.height * kCellBytes;
  l.settlements = l.formations + std::size_t{h.FormationCount} * kFormationBytes;
  l.economy = l.settlements + std::size_t{h.SettlementCount} * kSettlementBytes;
  l.end = l.economy + kEconomyBytes;
  return l;
}

template <typename T>
T ReadRecord(const std::uint8_t* p) {
  T t;
  std::memcpy(&t, p, sizeof(T));
  return t;
}

std::string Num(std::size_t n) {
  return std::to_string(n);
}

// The header's limits, shared by the encoder and the validator.
Status CheckHeaderLimits(const TGameHeader& h, const std::string& fileName) {
  if (h.MapWidth > kMapWidth || h.MapHeight > kMapHeight) {
    return Status::Error(fileName + ": the map is " + Num(h.MapWidth) + " x " + Num(h.MapHeight) +
                         " cells, more than 1000 x 400");
  }
  if (h.FormationCount > kMaxFormations) {
    return Status::Error(fileName + ": " + Num(h.FormationCount) + " formations, more than 10000");
  }
  if (h.SettlementCount > kMaxSettlements) {
    return Status::Error(fileName + ": " + Num(h.SettlementCount) +
                         " settlements, more than 20000");
  }
  return Status::Ok();
}

bool DateIsValid(const TGameHeader& h) {
  const int firstYear = kMonthDaysFirstYear;
  const int lastYear = kMonthDaysFirstYear + kMonthDaysCount / 12 - 1;
  if (h.Year < firstYear || h.Year > lastYear || h.Month < 1 || h.Month > 12) return false;
  return h.Day >= 1 && h.Day <= MonthDays[(h.Year - firstYear) * 12 + h.Month - 1];
}

std::string CellName(std::size_t x, std::size_t y) {
  return "cell (" + Num(x) + ", " + Num(y) + ")";
}

Status CheckCells(std::span<const std::uint8_t> bytes, const Layout& l, const TGameHeader& h,
                  const std::string& fileName) {
  const std::uint8_t* p = bytes.data() + l.cells;
  for (std::size_t y = 0; y < l.map.height; ++y) {
    for (std::size_t x = 0; x < l.map.width; ++x, p += kCellBytes) {
      const TMapCell c = ReadRecord<TMapCell>(p);
      if (c.Terrain > kLastTerrainTile) {
        return Status::Error(fileName + ": " + CellName(x, y) + " has terrain tile " +
                             Num(c.Terrain) + ", beyond 674");
      }
      // Formation words may name any record: those beyond the stored count come back free and
      // their words are cleared after the load.
      if (c.GroundFormation > kMaxFormations || c.AirFormation > kMaxFormations) {
        return Status::Error(fileName + ": " + CellName(x, y) + " names formation " +
                             Num(std::max(c.GroundFormation, c.AirFormation)) + ", beyond 10000");
      }
      if (c.Settlement > h.SettlementCount) {
        return Status::Error(fileName + ": " + CellName(x, y) + " names settlement " +
                             Num(c.Settlement) + " of " + Num(h.SettlementCount));
      }
    }
  }
  return Status::Ok();
}

// Records that the record check will wipe need no further test; every other one must be an
// army or air formation of a real formation type.
Status CheckFormations(std::span<const std::uint8_t> bytes, const Layout& l, const TGameHeader& h,
                       WorldFileKind kind, const std::string& fileName) {
  const std::uint8_t* p = bytes.data() + l.formations;
  for (std::size_t n = 1; n <= h.FormationCount; ++n, p += kFormationBytes) {
    const TFormation f = ReadRecord<TFormation>(p);
    if (FormationRecordFails(f, FormationArea(h, kind))) continue;
    if (f.Branch > 2) {
      return Status::Error(fileName + ": formation " + Num(n) + " has branch " + Num(f.Branch) +
                           ", neither army nor air");
    }
    if (f.FormationType > kFormationTypeRows || FormationTypes[f.FormationType].Nation == 0) {
      return Status::Error(fileName + ": formation " + Num(n) + " has type " +
                           Num(f.FormationType) + ", which is no formation type");
    }
  }
  return Status::Ok();
}

Status CheckSettlements(std::span<const std::uint8_t> bytes, const Layout& l, const TGameHeader& h,
                        const std::string& fileName) {
  const std::uint8_t* p = bytes.data() + l.settlements;
  for (std::size_t n = 1; n <= h.SettlementCount; ++n, p += kSettlementBytes) {
    const TSettlement s = ReadRecord<TSettlement>(p);
    if (s.OwnerNation > kNeutralNation || s.HolderNation > kNeutralNation) {
      return Status::Error(fileName + ": settlement " + Num(n) + " has nation " +
                           Num(std::max(s.OwnerNation, s.HolderNation)) + ", beyond 10");
    }
  }
  return Status::Ok();
}

// A save of a smaller map leaves the cells it does not store with their terrain, but nothing of
// the game played before may stand there: no formation, settlement or placement mark.
void ClearCellsOutside(World& w, std::size_t width, std::size_t height) {
  for (std::size_t y = 0; y < kMapHeight; ++y) {
    for (std::size_t x = y < height ? width : 0; x < kMapWidth; ++x) {
      TMapCell& c = w.MapCells[y * kMapWidth + x];
      c.GroundFormation = c.AirFormation = c.Settlement = 0;
      c.PlacementAllowed = 0;
    }
  }
}

}  // namespace

Status ReadWorldFile(const FileSystem& fs, const std::string& path,
                     std::vector<std::uint8_t>& out) {
  if (Status s = fs.ReadPrefix(path, kMaxWorldFileBytes + 1, out); !s) return s;
  if (out.size() > kMaxWorldFileBytes) {
    out.clear();
    return Status::Error(path + ": the file is larger than any world file (" +
                         Num(kMaxWorldFileBytes) + " bytes)");
  }
  return Status::Ok();
}

std::size_t WorldFileSize(const TGameHeader& header, WorldFileKind kind) {
  return LayoutOf(header, kind).end;
}

Status EncodeWorldFile(const World& w, WorldFileKind kind, std::vector<std::uint8_t>& out) {
  out.clear();
  const TGameHeader& h = w.GameHeader;
  if (Status s = CheckHeaderLimits(h, "cannot write the world"); !s) return s;
  const Layout l = LayoutOf(h, kind);
  out.resize(l.end);
  std::uint8_t* base = out.data();
  std::memcpy(base, &h, kHeaderBytes);
  for (std::size_t y = 0; y < l.map.height; ++y) {
    std::memcpy(base + l.cells + y * l.map.width * kCellBytes, &w.MapCells[y * kMapWidth],
                l.map.width * kCellBytes);
  }
  std::memcpy(base + l.formations, w.Formations.data(), h.FormationCount * kFormationBytes);
  std::memcpy(base + l.settlements, w.Settlements.data(), h.SettlementCount * kSettlementBytes);
  std::memcpy(base + l.economy, &w.Economy, kEconomyBytes);
  return Status::Ok();
}

Status ValidateWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                         const std::string& fileName) {
  if (bytes.size() < kHeaderBytes) {
    return Status::Error(fileName + ": the file is " + Num(bytes.size()) +
                         " bytes, shorter than its 1000-byte header");
  }
  if (bytes.size() > kMaxWorldFileBytes) {
    return Status::Error(fileName + ": the file is larger than any world file (" +
                         Num(kMaxWorldFileBytes) + " bytes)");
  }
  const TGameHeader h = ReadRecord<TGameHeader>(bytes.data());
  if (Status s = CheckHeaderLimits(h, fileName); !s) return s;
  const Layout l = LayoutOf(h, kind);
  // Bytes after the economy block are not read: a file may carry them.
  if (bytes.size() < l.end) {
    return Status::Error(fileName + ": the file is " + Num(bytes.size()) +
                         " bytes, but its header asks for " + Num(l.end) + " (cut short)");
  }
  if (!DateIsValid(h)) {
    return Status::Error(fileName + ": the date " + Num(h.Day) + "." + Num(h.Month) + "." +
                         Num(h.Year) + " is not a day of 1939 to 1945");
  }
  if (kind == WorldFileKind::kSave && (h.SideOnMove > 1 || h.OpeningCoalition > 1)) {
    return Status::Error(fileName + ": the side on move " + Num(h.SideOnMove) +
                         " or the opening side " + Num(h.OpeningCoalition) + " is not 0 or 1");
  }
  if (Status s = CheckCells(bytes, l, h, fileName); !s) return s;
  if (Status s = CheckFormations(bytes, l, h, kind, fileName); !s) return s;
  return CheckSettlements(bytes, l, h, fileName);
}

Status DecodeWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                       const std::string& fileName, World& w) {
  if (Status s = ValidateWorldFile(bytes, kind, fileName); !s) return s;
  // Nothing below can fail: the world changes only after the whole file has passed.
  const TGameHeader h = ReadRecord<TGameHeader>(bytes.data());
  const Layout l = LayoutOf(h, kind);
  const std::uint8_t* base = bytes.data();
  w.GameHeader = h;
  for (std::size_t y = 0; y < l.map.height; ++y) {
    std::memcpy(&w.MapCells[y * kMapWidth], base + l.cells + y * l.map.width * kCellBytes,
                l.map.width * kCellBytes);
  }
  std::memcpy(w.Formations.data(), base + l.formations, h.FormationCount * kFormationBytes);
  std::memset(w.Formations.data() + h.FormationCount, 0,
              (kMaxFormations - h.FormationCount) * kFormationBytes);
  std::memcpy(w.Settlements.data(), base + l.settlements, h.SettlementCount * kSettlementBytes);
  std::memset(w.Settlements.data() + h.SettlementCount, 0,
              (kMaxSettlements - h.SettlementCount) * kSettlementBytes);
  std::memcpy(&w.Economy, base + l.economy, kEconomyBytes);
  if (kind == WorldFileKind::kScenario) {
    w.ViewX = kScenarioViewX;
    w.ViewY = kScenarioViewY;
    w.MapWidth = kMapWidth;
    w.MapHeight = kMapHeight;
  } else {
    // The view the file stores, held to the places the game itself can put it.
    w.ViewX = std::min<std::int32_t>(h.ViewX, kMapViewMaxX);
    w.ViewY = std::min<std::int32_t>(h.ViewY, kMapViewMaxY);
    w.SideOnMove = h.SideOnMove;
    w.OpeningCoalition = h.OpeningCoalition;
    if (l.map.width < kMapWidth || l.map.height < kMapHeight) {
      ClearCellsOutside(w, l.map.width, l.map.height);
    }
  }
  CheckFormationRecords(w, FormationArea(h, kind));
  return Status::Ok();
}

}  // namespace gm
