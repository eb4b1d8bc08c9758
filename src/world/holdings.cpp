// Building the holdings index from the records, keeping it exact as settlements change hands,
// and the check against a fresh build.
#include "world/holdings.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

std::uint32_t NationBit(int nation) {
  return nation >= 1 && nation <= 31 ? 1u << nation : 0u;
}

// Adds (+1) or takes away (-1) one settlement record in the sides' tallies. The sets are the
// coalitions the end-of-war test counts by.
void Tally(HoldingsIndex& h, const TSettlement& s, int sign) {
  if (s.Value == 0) return;
  h.Owned[kSovietSide] += sign * InNationSet(kSovietNations, s.OwnerNation);
  h.Owned[kGermanSide] += sign * InNationSet(kGermanNations, s.OwnerNation);
  h.Held[kSovietSide] += sign * InNationSet(kSovietNations, s.HolderNation);
  h.Held[kGermanSide] += sign * InNationSet(kGermanNations, s.HolderNation);
}

// Reads the holders of the block's cells anew.
void MarkBlock(const World& w, HoldingsIndex& h, int block) {
  std::uint32_t holders = 0;
  for (int i = h.BlockFirst[block]; i < h.BlockFirst[block + 1]; ++i) {
    HoldingsCell& c = h.Cells[i];
    c.Holder = Settlement(w, c.Settlement).HolderNation;
    holders |= NationBit(c.Holder);
  }
  h.BlockHolders[block] = holders;
}

void Build(const World& w, HoldingsIndex& h) {
  h.Built = 1;
  h.Owned = {0, 0};
  h.Held = {0, 0};
  for (const TSettlement& s : w.Settlements) Tally(h, s, +1);

  auto forEachSettlementCell = [&w](auto&& f) {
    for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
      for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
        const int s = Cell(w, x, y).Settlement;
        if (s >= 1 && s <= kMaxSettlements) f(x, y, s);
      }
    }
  };
  // Count the cells of each block, then place them; the cells of a block come row by row.
  h.BlockFirst.fill(0);
  forEachSettlementCell([&h](int x, int y, int) { ++h.BlockFirst[HoldingsBlockOf(x, y) + 1]; });
  for (int b = 0; b < kHoldingsBlocks; ++b) h.BlockFirst[b + 1] += h.BlockFirst[b];
  std::array<std::int32_t, kHoldingsBlocks> next;
  std::copy(h.BlockFirst.begin(), h.BlockFirst.end() - 1, next.begin());
  h.SettlementBlocks.fill({kNoBlock, kNoBlock});
  forEachSettlementCell([&h, &next](int x, int y, int s) {
    const int b = HoldingsBlockOf(x, y);
    h.Cells[next[b]++] = {static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y),
                          static_cast<std::uint16_t>(s), 0};
    // Cells come row by row, so a later cell may lie in a block left of an earlier one's.
    auto& [first, last] = h.SettlementBlocks[s - 1];
    const auto block = static_cast<std::int16_t>(b);
    if (first == kNoBlock || block < first) first = block;
    last = std::max(last, block);
  });
  // The rest is cleared, so that the index is the same whatever the world held before.
  std::fill(h.Cells.begin() + h.BlockFirst[kHoldingsBlocks], h.Cells.end(), HoldingsCell{});
  for (int b = 0; b < kHoldingsBlocks; ++b) MarkBlock(w, h, b);
}

std::string Num(long long n) {
  return std::to_string(n);
}

}  // namespace

void RebuildHoldings(World& w) {
  Build(w, w.Holdings);
}

const HoldingsIndex& ReadyHoldings(World& w) {
  if (w.Holdings.Built == 0) RebuildHoldings(w);
  return w.Holdings;
}

void ChangeSettlementHolder(World& w, int number, std::uint16_t holder, std::uint16_t value) {
  TSettlement& s = Settlement(w, number);
  const TSettlement before = s;
  s.HolderNation = holder;
  s.Value = value;
  HoldingsIndex& h = w.Holdings;
  if (h.Built == 0) return;  // its first reader builds it from the records as they now stand
  Tally(h, before, -1);
  Tally(h, s, +1);
  if (s.HolderNation != before.HolderNation) {
    // The blocks between hold no cell of the settlement, but re-reading them changes nothing.
    const auto [first, last] = h.SettlementBlocks[number - 1];
    for (int b = first; first != kNoBlock && b <= last; ++b) MarkBlock(w, h, b);
  }
#ifndef NDEBUG
  // An index gone stale would end the war by the wrong counts, long after the change that broke
  // it; a debug build stops at that change.
  if (const Status check = CheckHoldings(w); !check) {
    std::fprintf(stderr, "settlement %d changed hands: %s\n", number, check.Message().c_str());
    std::abort();
  }
#endif
}

Status CheckHoldings(const World& w) {
  const HoldingsIndex& h = w.Holdings;
  if (h.Built == 0) return Status::Ok();  // nothing kept yet to go stale
  auto fresh = std::make_unique<HoldingsIndex>();
  Build(w, *fresh);
  for (int side : {0, 1}) {
    if (h.Owned[side] != fresh->Owned[side] || h.Held[side] != fresh->Held[side]) {
      return Status::Error("holdings: side " + Num(side) + " owns " + Num(h.Owned[side]) +
                           " and holds " + Num(h.Held[side]) + ", the records say " +
                           Num(fresh->Owned[side]) + " and " + Num(fresh->Held[side]));
    }
  }
  auto same = [](const HoldingsCell& a, const HoldingsCell& b) {
    return a.X == b.X && a.Y == b.Y && a.Settlement == b.Settlement && a.Holder == b.Holder;
  };
  if (h.BlockFirst != fresh->BlockFirst || h.SettlementBlocks != fresh->SettlementBlocks ||
      !std::equal(h.Cells.begin(), h.Cells.begin() + h.BlockFirst.back(), fresh->Cells.begin(),
                  same)) {
    return Status::Error("holdings: the settlement cells or their holders differ from the map's");
  }
  for (int b = 0; b < kHoldingsBlocks; ++b) {
    if (h.BlockHolders[b] != fresh->BlockHolders[b]) {
      return Status::Error("holdings: block " + Num(b) + " has holders " + Num(h.BlockHolders[b]) +
                           ", the records say " + Num(fresh->BlockHolders[b]));
    }
  }
  return Status::Ok();
}

}  // namespace gm
