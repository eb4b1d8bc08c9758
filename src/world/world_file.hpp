// The byte layout shared by the scenario and the save files: header, map cells, formations,
// settlements, economy, one block after another. Encoding, validation and decoding of whole files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/file_system.hpp"
#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// The scenario always stores the whole 1000 x 400 map; a save stores the map size its header
// names. Otherwise the two are the same layout.
enum class WorldFileKind { kScenario, kSave };

inline constexpr std::size_t kHeaderBytes = sizeof(TGameHeader);
inline constexpr std::size_t kEconomyBytes = sizeof(TEconomy);

// No scenario or save can be larger: the whole map, every formation and every settlement.
inline constexpr std::size_t kMaxWorldFileBytes =
    kHeaderBytes + sizeof(TMapCell) * kMapWidth * kMapHeight + sizeof(TFormation) * kMaxFormations +
    sizeof(TSettlement) * kMaxSettlements + kEconomyBytes;

// Reads a scenario or save file whole, refusing one larger than any world file before it is read
// into memory.
Status ReadWorldFile(const FileSystem& fs, const std::string& path, std::vector<std::uint8_t>& out);

// The exact size of a file whose header is `header`.
std::size_t WorldFileSize(const TGameHeader& header, WorldFileKind kind);

// Whether a file of `size` bytes starting with header `h` can be a world file: the header's
// counts within the records, a scenario's map the whole 1000 x 400, and the size at least what
// the header asks for and at most the largest world file. The message names no file.
Status CheckFileSize(const TGameHeader& h, std::uint64_t size, WorldFileKind kind);

// Writes the world's header, map, formations 1..FormationCount, settlements 1..SettlementCount
// and economy into `out` (replaced), as the header stands: the caller fills the header's copies
// of the view and sides first. Fails only when the header names more than the records hold.
Status EncodeWorldFile(const World& w, WorldFileKind kind, std::vector<std::uint8_t>& out);

// Checks a whole file without touching any world: its length (at least what the header asks
// for, at most the largest world file; bytes after the economy block are allowed and not read),
// the header's sizes (a scenario's map is the whole 1000 x 400), then the world it would load
// into, tidied as DecodeWorldFile tidies it, against the whole-world check (world/world_check):
// every value in its range, every cell word naming a formation that stands there. The message
// names `fileName` and the first problem found.
Status ValidateWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                         const std::string& fileName);
// The same, building that world in `scratch`, whose file records and loaded variables it
// overwrites: a caller that checks many files keeps one scratch world for all of them.
Status ValidateWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                         const std::string& fileName, World& scratch);

// Validates, then replaces the world's file records with the file's: records beyond the stored
// counts become zero. A scenario first has its failing formation records wiped (the start-up
// record check, with the theatre's bounds) and sets the view to its opening cell and the map size
// to 1000 x 400; a save must pass as it stands (free records are wiped, and cell words naming
// records past its count are cleared, in one log line naming the file) and restores the view, the
// side on move and the opening coalition from its header. On failure the world is untouched.
Status DecodeWorldFile(std::span<const std::uint8_t> bytes, WorldFileKind kind,
                       const std::string& fileName, World& w);

}  // namespace gm
