// The five save slots, slot1.sav .. slot5.sav in the program's folder, and the page's slot table.
#pragma once

#include <string>

#include "platform/file_system.hpp"
#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// The full path of slot k (1..5).
std::string SlotPath(const FileSystem& fs, int slot);

// Fills SaveSlots from the five slot headers. A missing, unreadable or short file (under the
// 1000-byte header) is marked absent and keeps its other entries; the scan never fails.
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
