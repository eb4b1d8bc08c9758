// The five save slots, slot1.sav .. slot5.sav in the program's folder, and the page's slot table.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.hpp"
#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// The full path of slot k (1..5).
std::string SlotPath(const FileSystem& fs, int slot);

// What SlotExists says of a slot's file.
inline constexpr std::uint16_t kSlotFree = 0;     // no file: the entries keep their old values
inline constexpr std::uint16_t kSlotUsed = 1;     // a file of a world's size: the date is shown
inline constexpr std::uint16_t kSlotDamaged = 2;  // a file that cannot be read or hold a world

// Fills SaveSlots from the five slot files. A slot without a regular file is free and keeps its
// other entries. A file that cannot be read, or whose size cannot hold the world its header
// describes (cut short, larger than any world file, or a header naming more than the records
// hold), is damaged: it would not load, so no date is taken from it. The scan never fails.
void ScanSaveSlots(World& w, const FileSystem& fs);

// Writes the world to `path` in the save layout, the header's copies of the view and the sides
// filled first; the old file is replaced only once the new one is complete. On failure the old
// file is intact and the message names `path`. Saving a slot and the sim's --save both land here.
Status SaveGameFile(World& w, FileSystem& fs, const std::string& path);

// Reads the save at `path`, validates the whole file and only then replaces the world's records
// with it; on failure the world is untouched and the message names `path`.
Status LoadGameFile(World& w, const FileSystem& fs, const std::string& path);

// Writes the world into slot ChosenSlot (header copies of view and sides filled first), replacing
// the old file only once the new one is complete; then rescans the slots. On failure the old
// slot file is intact and the message says why.
Status SaveSlot(World& w, FileSystem& fs);

// Reads slot ChosenSlot, validates the whole file and only then replaces the world's records
// with it; on failure the world is untouched.
Status LoadSlot(World& w, const FileSystem& fs);

}  // namespace gm
