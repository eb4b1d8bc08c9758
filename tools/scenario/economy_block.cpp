// The economy block of 22 June 1941 from data/economy_1941.txt: national stocks of equipment
// and aircraft, the men, car and horse pools, and the daily production of each nation's own
// models, checked against what the nation's held settlements pay for.
#include <array>

#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/text_lines.hpp"
#include "world/tables/tables.hpp"

namespace gm::scenario {
namespace {

// The maker nation and service date of economy model m (1..800 equipment, 801..1200 aircraft);
// false for an empty row.
bool ModelFacts(int m, int& nation, int& month, int& year, int& cost) {
  if (m <= kEquipmentModelRows) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category == 0) return false;
    nation = e.Nation;
    month = e.IntroMonth;
    year = e.IntroYear;
    cost = e.Cost;
    return true;
  }
  const TAircraftModel& a = AircraftModels[m - kAircraftModelBase];
  if (a.Class == 0) return false;
  nation = a.Nation;
  month = a.IntroMonth;
  year = a.IntroYear;
  cost = a.Cost;
  return true;
}

bool InService(int month, int year) {
  return year < 1941 || (year == 1941 && month < 7);
}

}  // namespace

Status BuildEconomy(const std::string& path, World& w) {
  TEconomy& e = w.Economy;
  // Each nation may produce its own models in service by the start, as a new game allows.
  for (int n = 1; n <= 8; ++n)
    for (int m = 1; m <= kModelColumns; ++m) {
      int nation = 0, month = 0, year = 0, cost = 0;
      const bool own = ModelFacts(m, nation, month, year, cost) && nation == n;
      ProductionStatusOf(e, n, m) = own && InService(month, year) ? 2 : 0;
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
    int nation = 0, month = 0, year = 0, cost = 0;
    if (!ModelFacts(m, nation, month, year, cost)) return bad("empty model row " + words[2]);
    if (!InService(month, year)) return bad("model " + words[2] + " not in service by June 1941");
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
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const int c = EquipmentModels[m].Cost;
      cost += static_cast<long>(c) * ProductionRateOf(e, n, m);
    }
    if (cost > held[n])
      return Status::Error(path + ": nation " + std::to_string(n) + " produces " +
                           std::to_string(cost) + " a day but its settlements pay only " +
                           std::to_string(held[n]));
    e.DailyCars[NationIndex(n)] = static_cast<std::int32_t>(held[n] / 20);
  }
  return Status::Ok();
}

}  // namespace gm::scenario
