// The economy block of 22 June 1941 from data/economy_1941.txt: national stocks of equipment
// and aircraft, the men, car and horse pools, and the daily production of each nation's own
// models, checked against what the nation's held settlements pay for.
#include <array>
#include <optional>

#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/text_lines.hpp"
#include "world/tables/tables.hpp"

namespace gm::scenario {
namespace {

struct Maker {
  int nation = 0;
  bool inService = false;  // by 22 June 1941
};

// The maker of economy model m (1..800 equipment, 801..1200 aircraft); none for an empty row.
std::optional<Maker> MakerOf(int m) {
  if (m <= kEquipmentModelRows) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category == 0) return std::nullopt;
    return Maker{e.Nation, InServiceByJune1941(e.IntroMonth, e.IntroYear)};
  }
  const TAircraftModel& a = AircraftModels[m - kAircraftModelBase];
  if (a.Class == 0) return std::nullopt;
  return Maker{a.Nation, InServiceByJune1941(a.IntroMonth, a.IntroYear)};
}

}  // namespace

Status BuildEconomy(const std::string& path, World& w) {
  TEconomy& e = w.Economy;
  // Each nation may produce its own models in service by the start, as a new game allows.
  for (int m = 1; m <= kModelColumns; ++m) {
    const std::optional<Maker> maker = MakerOf(m);
    for (int n = 1; n <= 8; ++n)
      ProductionStatusOf(e, n, m) = maker && maker->nation == n && maker->inService ? 2 : 0;
  }
  Status lines = ForEachLine(path, [&](const std::string& text, int line) {
    auto bad = [&](const std::string& what) { return Status::Error(Where(path, line) + what); };
    const std::vector<std::string> words = WordsBeforeComment(text);
    if (words.empty()) return Status::Ok();
    std::vector<long> v;
    for (std::size_t k = 1; k < words.size(); ++k) {
      long x = 0;
      if (!ToLong(words[k], x) || x < 0) return bad("a count expected, not " + words[k]);
      v.push_back(x);
    }
    if (v.empty() || v[0] < 1 || v[0] > 8) return bad("a nation 1..8 expected");
    const int n = static_cast<int>(v[0]);
    if (words[0] == "pools") {
      if (v.size() != 5) return bad("\"pools <nation> <recruits> <veterans> <cars> <horses>\"");
      for (long x : v)
        if (x > 2'000'000'000) return bad("pool too large");
      e.RecruitPool[NationIndex(n)] = static_cast<std::int32_t>(v[1]);
      e.VeteranPool[NationIndex(n)] = static_cast<std::int32_t>(v[2]);
      e.CarPool[NationIndex(n)] = static_cast<std::int32_t>(v[3]);
      e.HorsePool[NationIndex(n)] = static_cast<std::int32_t>(v[4]);
      return Status::Ok();
    }
    if (words[0] != "stock" && words[0] != "rate") return bad("unknown keyword " + words[0]);
    if (v.size() != 3 || v[1] < 1 || v[1] > kModelColumns)
      return bad("\"" + words[0] + " <nation> <model 1..1200> <count>\" expected");
    const int m = static_cast<int>(v[1]);
    const std::optional<Maker> maker = MakerOf(m);
    if (!maker) return bad("empty model row " + words[2]);
    if (!maker->inService) return bad("model " + words[2] + " not in service by June 1941");
    if (words[0] == "stock") {
      if (v[2] > 60'000) return bad("a stock holds at most 60,000");
      EquipmentStockOf(e, n, m) = static_cast<std::uint16_t>(v[2]);
      return Status::Ok();
    }
    if (m > kEquipmentModelRows) return bad("aircraft are never produced");
    if (ProductionStatusOf(e, n, m) != 2) return bad("nation cannot produce model " + words[2]);
    if (v[2] > 255) return bad("a rate is at most 255 a day");
    ProductionRateOf(e, n, m) = static_cast<std::uint8_t>(v[2]);
    return Status::Ok();
  });
  if (!lines) return lines;
  // What each nation's held settlements pay for each day; the daily economy cuts production
  // above it, so the start must stay within it.
  std::array<long, 11> held{};
  for (int s = 0; s < w.GameHeader.SettlementCount; ++s) {
    const int holder = w.Settlements[s].HolderNation, value = w.Settlements[s].Value;
    if (holder >= 1 && holder <= 8 && value > 0) held[holder] += value;
  }
  for (int n = 1; n <= 8; ++n) {
    long cost = 0;
    for (int m = 1; m <= kEquipmentModelRows; ++m)
      cost += static_cast<long>(EquipmentModels[m].Cost) * ProductionRateOf(e, n, m);
    if (cost > held[n])
      return Status::Error(path + ": nation " + std::to_string(n) + " produces " +
                           std::to_string(cost) + " a day but its settlements pay only " +
                           std::to_string(held[n]));
    e.DailyCars[NationIndex(n)] = static_cast<std::int32_t>(held[n] / 20);
  }
  return Status::Ok();
}

}  // namespace gm::scenario
