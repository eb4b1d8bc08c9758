// Encoding, validation and decoding of the scenario and save file layout.
#include "world/world_file.hpp"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/log.hpp"
#include "world/formation_check.hpp"
#include "world/formation_lists.hpp"
#include "world/holdings.hpp"
#include "world/record_ranges.hpp"
#include "world/screen_state.hpp"
#include "world/world_check.hpp"

namespace gm {

namespace {

constexpr std::size_t kCellBytes = sizeof(TMapCell);
constexpr std::size_t kFormationBytes = sizeof(TFormation);
constexpr std::size_t kSettlementBytes = sizeof(TSettlement);

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

std::string Num(std::size_t n) {
  return std::to_string(n);
}

// What the file's length and header must allow before any block is read.
Status CheckFrame(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                  const std::string& fileName) {
  if (bytes.size() < kHeaderBytes) {
    return Status::Error(fileName + ": the file is " + Num(bytes.size()) +
                         " bytes, shorter than its 1000-byte header");
  }
  TGameHeader h;
  std::memcpy(&h, bytes.data(), kHeaderBytes);
  if (Status s = CheckFileSize(h, bytes.size(), kind); !s) {
    return Status::Error(fileName + ": " + s.Message());
  }
  return Status::Ok();
}

// Fills every record of `scratch` from a file that passed CheckFrame, with what the loader sets
// besides them: what the file does not store (cells outside a save's map, records past the
// counts) becomes zero, whatever `scratch` held.
void Unpack(std::span<const std::uint8_t> bytes, WorldFileKind kind, World& scratch) {
  const std::uint8_t* base = bytes.data();
  TGameHeader& h = scratch.GameHeader;
  std::memcpy(&h, base, kHeaderBytes);
  const Layout l = LayoutOf(h, kind);
  for (std::size_t y = 0; y < kMapHeight; ++y) {
    const std::size_t stored = y < l.map.height ? l.map.width : 0;
    TMapCell* row = &scratch.MapCells[y * kMapWidth];
    std::memcpy(row, base + l.cells + y * l.map.width * kCellBytes, stored * kCellBytes);
    std::memset(row + stored, 0, (kMapWidth - stored) * kCellBytes);
  }
  std::memcpy(scratch.Formations.data(), base + l.formations, h.FormationCount * kFormationBytes);
  std::memset(scratch.Formations.data() + h.FormationCount, 0,
              (kMaxFormations - h.FormationCount) * kFormationBytes);
  std::memcpy(scratch.Settlements.data(), base + l.settlements,
              h.SettlementCount * kSettlementBytes);
  std::memset(scratch.Settlements.data() + h.SettlementCount, 0,
              (kMaxSettlements - h.SettlementCount) * kSettlementBytes);
  std::memcpy(&scratch.Economy, base + l.economy, kEconomyBytes);
  if (kind == WorldFileKind::kScenario) {
    scratch.ViewX = kScenarioViewX;
    scratch.ViewY = kScenarioViewY;
    scratch.MapWidth = kMapWidth;
    scratch.MapHeight = kMapHeight;
    scratch.SideOnMove = scratch.OpeningCoalition = 0;  // not the scenario's to say
  } else {
    // The view the file stores, held to the places the game itself can put it.
    scratch.ViewX = std::min<std::int32_t>(h.ViewX, kMapViewMaxX);
    scratch.ViewY = std::min<std::int32_t>(h.ViewY, kMapViewMaxY);
    scratch.SideOnMove = h.SideOnMove;
    scratch.OpeningCoalition = h.OpeningCoalition;
  }
}

// The cell words of the stored map (the rest are zero). A word past the table names no record at
// all and no game writes one: the file is damaged. A save's words naming records past its count
// are cleared: a build that raised formations there without counting them wrote such saves, and
// their formations could not be kept. `cleared` counts the words cleared.
Status TidyCellWords(World& w, const Layout& l, WorldFileKind kind, std::size_t& cleared) {
  cleared = 0;
  const std::uint16_t kept = kind == WorldFileKind::kSave
                                 ? w.GameHeader.FormationCount
                                 : static_cast<std::uint16_t>(kMaxFormations);
  for (std::size_t y = 0; y < l.map.height; ++y) {
    for (std::size_t x = 0; x < l.map.width; ++x) {
      TMapCell& c = w.MapCells[y * kMapWidth + x];
      if (c.GroundFormation <= kept && c.AirFormation <= kept) continue;
      if (c.GroundFormation > kMaxFormations || c.AirFormation > kMaxFormations) {
        return Status::Error("cell (" + Num(x) + ", " + Num(y) + ") names formation " +
                             Num(std::max(c.GroundFormation, c.AirFormation)) + ", beyond 10000");
      }
      for (std::uint16_t* word : {&c.GroundFormation, &c.AirFormation}) {
        if (*word > kept) {
          *word = 0;
          ++cleared;
        }
      }
    }
  }
  return Status::Ok();
}

// The file as the world it would load into: unpacked, tidied (the start-up record check for a
// scenario; a save's free records wiped as that check wipes them), then held to the whole-world
// check. The file has passed CheckFrame; `cleared` counts the cell words the tidy cleared.
Status LoadChecked(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                   const std::string& fileName, World& scratch, std::size_t& cleared) {
  Unpack(bytes, kind, scratch);
  Status s = TidyCellWords(scratch, LayoutOf(scratch.GameHeader, kind), kind, cleared);
  if (s) {
    if (kind == WorldFileKind::kScenario) {
      CheckFormationRecords(scratch, kTheatreArea);
    } else {
      for (TFormation& f : scratch.Formations) {
        if (f.Branch == 0) WipeFormationRecord(f);
      }
    }
    s = CheckWholeWorld(scratch);
  }
  return s ? s : Status::Error(fileName + ": " + s.Message());
}

// Moves a checked file's records into the world. A save of a smaller map leaves the cells it does
// not store with their terrain, but nothing of the game played before may stand there: no
// formation, settlement or placement mark.
void Commit(const World& from, WorldFileKind kind, World& w) {
  const Layout l = LayoutOf(from.GameHeader, kind);
  w.GameHeader = from.GameHeader;
  for (std::size_t y = 0; y < kMapHeight; ++y) {
    const std::size_t stored = y < l.map.height ? l.map.width : 0;
    const std::size_t row = y * kMapWidth;
    std::copy_n(&from.MapCells[row], stored, &w.MapCells[row]);
    for (std::size_t x = stored; x < kMapWidth; ++x) {
      TMapCell& c = w.MapCells[row + x];
      c.GroundFormation = c.AirFormation = c.Settlement = 0;
      c.PlacementAllowed = 0;
    }
  }
  w.Formations = from.Formations;
  w.Settlements = from.Settlements;
  w.Economy = from.Economy;
  w.ViewX = from.ViewX;
  w.ViewY = from.ViewY;
  if (kind == WorldFileKind::kScenario) {
    w.MapWidth = from.MapWidth;
    w.MapHeight = from.MapHeight;
  } else {
    w.SideOnMove = from.SideOnMove;
    w.OpeningCoalition = from.OpeningCoalition;
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

Status CheckFileSize(const TGameHeader& h, std::uint64_t size, WorldFileKind kind) {
  if (size > kMaxWorldFileBytes) {
    return Status::Error("the file is larger than any world file (" + Num(kMaxWorldFileBytes) +
                         " bytes)");
  }
  if (Status s = CheckHeaderLimits(h); !s) return s;
  // The game saves as much of the map as the header names: a scenario naming less would lose
  // the rest of the map, its formations and settlements with the first save.
  if (kind == WorldFileKind::kScenario && (h.MapWidth != kMapWidth || h.MapHeight != kMapHeight)) {
    return Status::Error("the header names a map of " + Num(h.MapWidth) + " x " + Num(h.MapHeight) +
                         " cells, but a scenario holds the whole 1000 x 400");
  }
  // Bytes after the economy block are not read: a file may carry them.
  const std::size_t end = LayoutOf(h, kind).end;
  if (size < end) {
    return Status::Error("the file is " + Num(size) + " bytes, but its header asks for " +
                         Num(end) + " (cut short)");
  }
  return Status::Ok();
}

Status EncodeWorldFile(const World& w, WorldFileKind kind, std::vector<std::uint8_t>& out) {
  out.clear();
  const TGameHeader& h = w.GameHeader;
  if (Status s = CheckHeaderLimits(h); !s) {
    return Status::Error("cannot write the world: " + s.Message());
  }
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
  auto scratch = std::make_unique<World>();
  return ValidateWorldFile(bytes, kind, fileName, *scratch);
}

Status ValidateWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                         const std::string& fileName, World& scratch) {
  if (Status s = CheckFrame(bytes, kind, fileName); !s) return s;
  std::size_t cleared = 0;
  return LoadChecked(bytes, kind, fileName, scratch, cleared);
}

Status DecodeWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                       const std::string& fileName, World& w) {
  if (Status s = CheckFrame(bytes, kind, fileName); !s) return s;
  // The file is loaded and checked beside the world: the world changes only once it has passed.
  auto scratch = std::make_unique<World>();
  std::size_t cleared = 0;
  if (Status s = LoadChecked(bytes, kind, fileName, *scratch, cleared); !s) return s;
  Commit(*scratch, kind, w);
  RebuildHoldings(w);  // the index of who holds what follows the new records
  // Saves of older builds keep loading, but a count lowered by hand loads the same way: say so.
  if (cleared > 0) {
    LogLine(fileName + ": cleared " + Num(cleared) + (cleared == 1 ? " cell word" : " cell words") +
            " naming formations past the " + Num(w.GameHeader.FormationCount) + " the save holds");
  }
  return Status::Ok();
}

}  // namespace gm
