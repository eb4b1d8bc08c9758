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

// Writes the world into slot ChosenSlot (header copies of view and sides filled first), replacing
// the old file only once the new one is complete; then rescans the slots. On failure the old
// slot file is intact and the message says why.
Status SaveSlot(World& w, FileSystem& fs);

// Reads slot ChosenSlot, validates the whole file and only then replaces the world's records
// with it; on failure the world is untouched.
Status LoadSlot(World& w, const FileSystem& fs);

}  // namespace gm
