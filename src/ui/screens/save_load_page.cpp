// The Save/Load page: five slot rows, the load/save mode column, and what a failed save or load
// tells the player.
#include "ui/screens/save_load_page.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "flow/loaded_game.hpp"
#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "platform/log.hpp"
#include "platform/utf8_text.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/ui_texts.hpp"
#include "world/save_slots.hpp"

namespace gm {

namespace {

constexpr PageTileRow kSlotRow =
    InWindow(JoinTiles(BarRow<6>(sprite::kTextStrip), sprite::kSlotButton, sprite::kSaveRowSpare,
                       sprite::kWindow.interior, sprite::kSaveRowEnd));
constexpr PageTiles kSaveLoadTiles = {kWindowTopRow, kSlotRow,        kSlotRow,
                                      kSlotRow,      kSlotRow,        kSlotRow,
                                      kFillerRow,    kCloseButtonRow, kWindowBottomRow};

constexpr std::int32_t kRowHeight = 60;

constexpr std::uint8_t kSaveMode = 1;
constexpr std::uint8_t kLoadMode = 0;

// A slot whose file cannot hold a saved game, where a free slot says "Free slot".
constexpr std::string_view kDamagedSlot = "Damaged slot";

// The mode byte of slot row s (1..5): the five bytes are always written together, the click
// reads only the first.
std::uint8_t& ModeByte(World& w, int slot) {
  if (slot == 1) return w.SaveSlots.SaveLoadMode;
  return w.SaveSlots.LaterRowModes[static_cast<std::size_t>(slot - 2)];
}

void SetAllModes(World& w, std::uint8_t mode) {
  for (int s = 1; s <= kSaveSlots; ++s) ModeByte(w, s) = mode;
}

std::size_t SlotIndex(int slot) {
  return static_cast<std::size_t>(slot - 1);
}

// ""June 22, 1941"": the month only when it is one of the twelve.
std::string SlotDate(const TSaveSlotTable& t, int slot) {
  const std::size_t i = SlotIndex(slot);
  std::string text = "\"";
  if (t.SlotMonth[i] >= 1 && t.SlotMonth[i] <= 12) text += MonthName(t.SlotMonth[i]);
  text += std::to_string(t.SlotDay[i]) + ", " + std::to_string(t.SlotYear[i]) + "\"";
  return text;
}

void DrawSlotRow(UiContext& ctx, int slot) {
  World& w = ctx.w;
  const TSaveSlotTable& t = w.SaveSlots;
  const std::int32_t y = kRowHeight * slot;
  DrawImage(ctx, sprite::kSaveModeButtons[ModeByte(w, slot)], kSaveModeColumn.left, y);
  const std::uint16_t state = t.SlotExists[SlotIndex(slot)];
  if (state != kSlotUsed) {
    DrawImage(ctx, sprite::kEmptySlot, kSaveSlotColumn.left, y);
    const std::string_view text =
        state == kSlotDamaged ? kDamagedSlot : SaveLoadTexts[kSaveLoadFreeSlot];
    DrawGlyphText(ctx, text, 90, y + 22, 3);
    return;
  }
  DrawGlyphText(ctx, SlotDate(t, slot), 80, y + 12, 3);
  const std::uint8_t turnLength = t.SlotTurnLength[SlotIndex(slot)];
  if (turnLength <= 1) {
    const std::string mode =
        "\"" + std::string(SaveLoadTexts[kSaveLoadRealistic + turnLength]) + "\"";
    DrawGlyphText(ctx, mode, 80, y + 28, 3);
  }
}

void DrawFlashes(UiContext& ctx) {
  const SpriteId flash = InBlink(ctx, sprite::kTileButtonFlash);
  for (int s = 1; s <= kSaveSlots; ++s) {
    if (PointerIn(ctx, SaveSlotRect(s)))
      DrawImage(ctx, flash, kSaveSlotColumn.left, kRowHeight * s);
  }
  if (PointerIn(ctx, kSaveModeColumn)) {
    for (int s = 1; s <= kSaveSlots; ++s)
      DrawImage(ctx, flash, kSaveModeColumn.left, kRowHeight * s);
  }
}

// The message of a failed save or load: a headline, then the reason in the small font above the
// Close button.
void DrawPageMessage(UiContext& ctx) {
  const std::string& message = ctx.ui.PageMessage;
  if (message.empty()) return;
  const std::size_t end = message.find('\n');
  DrawGlyphText(ctx, std::string_view(message).substr(0, end), 72, 368, 3);
  if (end == std::string::npos) return;
  std::int32_t y = 388;
  for (const std::string& line : ReasonLines(std::string_view(message).substr(end + 1))) {
    DrawGlyphText(ctx, line, 72, y, 1);
    y += 12;
  }
}

std::string WithoutFolder(std::string text, const std::string& folder) {
  if (folder.empty()) return text;
  for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at)) {
    text.erase(at, folder.size());
  }
  return text;
}

// The page names the files without the program's folder; the log keeps the whole message.
void ReportFailure(UiContext& ctx, const std::string& headline, const Status& status) {
  LogLine(headline + " " + status.Message());
  ctx.ui.PageMessage = headline + "\n" + WithoutFolder(status.Message(), ctx.fs.ProgramFolder());
}

// What a failed save leaves in the slot, as the rescan after it finds the slot.
std::string KeptAfterFailedSave(std::uint16_t state) {
  if (state == kSlotUsed) return "the old slot is kept.";
  if (state == kSlotDamaged) return "the damaged file is left as it was.";
  return "the slot stays free.";
}

void SaveIntoSlot(UiContext& ctx, int slot) {
  World& w = ctx.w;
  w.SaveSlots.ChosenSlot = static_cast<std::uint8_t>(slot);
  // Writes a new file beside the old one and renames it over it: a failure keeps the old slot.
  if (Status s = SaveSlot(w, ctx.fs); !s) {
    ScanSaveSlots(w, ctx.fs);
    const std::uint16_t state = w.SaveSlots.SlotExists[SlotIndex(slot)];
    ReportFailure(ctx, "Slot " + std::to_string(slot) + " not saved: " + KeptAfterFailedSave(state),
                  s);
    return;
  }
  ctx.ui.PageMessage.clear();
}

void LoadFromSlot(UiContext& ctx, int slot) {
  World& w = ctx.w;
  w.SaveSlots.ChosenSlot = static_cast<std::uint8_t>(slot);
  // The whole file is checked before any record changes: a failure leaves the game as it was.
  if (Status s = LoadSlot(w, ctx.fs); !s) {
    ReportFailure(ctx, "Slot " + std::to_string(slot) + " not loaded: the game is unchanged.", s);
    return;
  }
  ResetAfterLoad(w);
  ctx.ui.MapClicked = 0;
  ctx.ui.GameLoaded = true;
  ctx.ui.PageMessage.clear();
}

// A free row in load mode loads nothing, and says why.
void ReportFreeSlot(UiContext& ctx, int slot) {
  ctx.ui.PageMessage = "Slot " + std::to_string(slot) + " is free: there is no game to load.";
}

void CloseSaveLoadPage(UiContext& ctx) {
  World& w = ctx.w;
  PlayClickSound(ctx);
  ctx.ui.PageMessage.clear();  // a message belongs to the visit that made it
  if (ctx.ui.GameLoaded) {
    // The loaded game goes to its side on move, as after a turn change: a computer side plays
    // at once, a human side gets its map. The old game's screen is not brought back.
    ctx.ui.GameLoaded = false;
    HandOverToSideOnMove(w);
  } else {
    RestoreScreenFlags(w);
  }
  w.Selection = {0, 0, 0};
  w.ScreenFlags[kFlagUnitStaff] = kPageHidden;
}

}  // namespace

std::vector<std::string> ReasonLines(std::string_view reason) {
  constexpr std::string_view kCut = "...";
  std::vector<std::string> lines;
  while (!reason.empty() && lines.size() < kReasonLines) {
    std::size_t cut = reason.size();
    if (cut > kReasonLineGlyphs) {
      const std::size_t space = reason.rfind(' ', kReasonLineGlyphs - 1);
      cut = space != std::string_view::npos && space > kReasonLineGlyphs / 2
                ? space + 1
                : Utf8BoundaryBefore(reason, kReasonLineGlyphs);
    }
    lines.emplace_back(reason.substr(0, cut));
    reason.remove_prefix(cut);
  }
  if (!reason.empty()) {
    // What does not fit is marked as cut off, the mark within the line and after a whole
    // character.
    std::string& last = lines.back();
    last.resize(Utf8BoundaryBefore(last, std::min(last.size(), kReasonLineGlyphs - kCut.size())));
    last += kCut;
  }
  return lines;
}

void DrawSaveLoadPage(UiContext& ctx) {
  DrawPageWindow(ctx, kSaveLoadTiles);
  for (int s = 1; s <= kSaveSlots; ++s) DrawSlotRow(ctx, s);
  const bool saveMode = ctx.w.SaveSlots.SaveLoadMode == kSaveMode;
  DrawGlyphText(ctx, SaveLoadTexts[saveMode ? kSaveLoadSaveMode : kSaveLoadLoadMode], 515, 20,
                ctx.ui.BlinkPhase == 0 ? 4 : 3);
  DrawFlashes(ctx);
  DrawPageMessage(ctx);
  DrawPageButtonFlash(ctx, kCloseButton);
}

void ClickSaveLoadPage(UiContext& ctx) {
  World& w = ctx.w;
  if (PointerIn(ctx, kCloseButton)) CloseSaveLoadPage(ctx);
  if (PointerIn(ctx, kSaveSlotColumn)) {
    for (int s = 1; s <= kSaveSlots; ++s) {
      if (!PointerIn(ctx, SaveSlotRect(s))) continue;
      if (w.SaveSlots.SaveLoadMode == kSaveMode) SaveIntoSlot(ctx, s);
      if (w.SaveSlots.SaveLoadMode == kLoadMode) {
        // A damaged slot is tried, so that the loader says what is wrong with it.
        if (w.SaveSlots.SlotExists[SlotIndex(s)] == kSlotFree) {
          ReportFreeSlot(ctx, s);
        } else {
          LoadFromSlot(ctx, s);
        }
      }
    }
    PlayClickSound(ctx);
  }
  if (PointerIn(ctx, kSaveModeColumn)) {
    const std::uint8_t mode = w.SaveSlots.SaveLoadMode;
    if (mode == kLoadMode) SetAllModes(w, kSaveMode);
    if (mode == kSaveMode) SetAllModes(w, kLoadMode);
    PlayClickSound(ctx);
  }
}

}  // namespace gm
