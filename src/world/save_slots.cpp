// The five save slots: the slot table of the save/load page, saving and loading a slot.
#include "world/save_slots.hpp"

#include <cstdint>
#include <cstring>
#include <vector>

#include "world/world_file.hpp"

namespace gm {

namespace {

bool SlotIsValid(int slot) {
  return slot >= 1 && slot <= kSaveSlots;
}

Status NoSuchSlot(int slot) {
  return Status::Error("there is no save slot " + std::to_string(slot) + "; slots are 1 to 5");
}

}  // namespace

std::string SlotPath(const FileSystem& fs, int slot) {
  return fs.ProgramFolder() + "slot" + std::to_string(slot) + ".sav";
}

void ScanSaveSlots(World& w, const FileSystem& fs) {
  TSaveSlotTable& t = w.SaveSlots;
  for (int k = 1; k <= kSaveSlots; ++k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    const std::string path = SlotPath(fs, k);
    if (!fs.Exists(path)) {
      t.SlotExists[i] = kSlotFree;
      continue;
    }
    t.SlotExists[i] = kSlotDamaged;
    std::uint64_t size = 0;
    std::vector<std::uint8_t> bytes;
    if (!fs.FileSize(path, size) || !fs.ReadPrefix(path, kHeaderBytes, bytes) ||
        bytes.size() < kHeaderBytes) {
      continue;
    }
    TGameHeader h;
    std::memcpy(&h, bytes.data(), kHeaderBytes);
    if (!CheckFileSize(h, size, WorldFileKind::kSave)) continue;
    t.SlotExists[i] = kSlotUsed;
    t.SlotDay[i] = h.Day;
    t.SlotMonth[i] = h.Month;
    t.SlotYear[i] = h.Year;
    t.SlotTurnLength[i] = h.TurnLength;
  }
}

Status SaveGameFile(World& w, FileSystem& fs, const std::string& path) {
  TGameHeader& h = w.GameHeader;
  h.ViewX = static_cast<std::uint16_t>(w.ViewX);
  h.ViewY = static_cast<std::uint16_t>(w.ViewY);
  h.SideOnMove = w.SideOnMove;
  h.OpeningCoalition = w.OpeningCoalition;
  std::vector<std::uint8_t> bytes;
  if (Status s = EncodeWorldFile(w, WorldFileKind::kSave, bytes); !s) {
    return Status::Error(path + ": " + s.Message());
  }
  return fs.WriteFileAtomic(path, bytes);
}

Status LoadGameFile(World& w, const FileSystem& fs, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (Status s = ReadWorldFile(fs, path, bytes); !s) return s;
  return DecodeWorldFile(bytes, WorldFileKind::kSave, path, w);
}

Status SaveSlot(World& w, FileSystem& fs) {
  const int slot = w.SaveSlots.ChosenSlot;
  if (!SlotIsValid(slot)) return NoSuchSlot(slot);
  if (Status s = SaveGameFile(w, fs, SlotPath(fs, slot)); !s) return s;
  ScanSaveSlots(w, fs);
  return Status::Ok();
}

Status LoadSlot(World& w, const FileSystem& fs) {
  const int slot = w.SaveSlots.ChosenSlot;
  if (!SlotIsValid(slot)) return NoSuchSlot(slot);
  return LoadGameFile(w, fs, SlotPath(fs, slot));
}

}  // namespace gm
