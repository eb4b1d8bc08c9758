// Small builders for hand-made test worlds: formations standing in cells, settlements in cells,
// held settlement value that does not change with the daily growth.
#pragma once

#include <cstdint>
#include <memory>

#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

// The coalitions as start-up sets them.
inline void SetCoalitions(World& w) {
  w.SovietCoalition = kSovietNations;
  w.GermanCoalition = kGermanNations;
}

// The coalitions, the German coalition having opened the war, and `sideOnMove` on move.
inline void SetSides(World& w, std::uint8_t sideOnMove) {
  SetCoalitions(w);
  w.OpeningCoalition = kGermanSide;
  w.SideOnMove = sideOnMove;
}

inline void SetDate(World& w, int day, int month, int year) {
  w.GameHeader.Day = static_cast<std::uint16_t>(day);
  w.GameHeader.Month = static_cast<std::uint16_t>(month);
  w.GameHeader.Year = static_cast<std::uint16_t>(year);
}

// An empty world on 22 June 1941 with the coalitions set as start-up sets them and the second
// side on move.
inline std::unique_ptr<World> MakeEmptyWorld() {
  auto w = std::make_unique<World>();
  SetSides(*w, kSovietSide);
  SetDate(*w, 22, 6, 1941);
  return w;
}

// Puts record `index` into cell (x, y) as a formation of `type` (branch from the type).
inline TFormation& PlaceFormation(World& w, int index, int x, int y, std::uint16_t type,
                                  std::uint16_t men = 1000) {
  TFormation& f = Formation(w, index);
  f = TFormation{};
  f.X = f.xCopy = static_cast<std::uint16_t>(x);
  f.Y = f.yCopy = static_cast<std::uint16_t>(y);
  f.FormationType = type;
  f.Branch = FormationTypes[type].Branch;
  f.Men = men;
  f.Experience = 1;
  f.Morale = 100;
  f.OrdersLeft = 2;
  TMapCell& c = Cell(w, x, y);
  (f.Branch == 2 ? c.AirFormation : c.GroundFormation) = static_cast<std::uint16_t>(index);
  return f;
}

// Puts settlement `index` into cell (x, y).
inline TSettlement& PlaceSettlement(World& w, int index, int x, int y, int owner, int holder,
                                    int value) {
  TSettlement& s = Settlement(w, index);
  s.OwnerNation = static_cast<std::uint16_t>(owner);
  s.HolderNation = static_cast<std::uint16_t>(holder);
  s.Value = static_cast<std::uint16_t>(value);
  Cell(w, x, y).Settlement = static_cast<std::uint16_t>(index);
  return s;
}

// Gives `nation` settlements worth `value` in total (at least 20) from record `first` on, all
// captured ones of value 20..100, which the daily growth leaves alone. Returns the next free
// record.
inline int GiveStableHeldValue(World& w, int nation, int value, int first) {
  const int owner = nation == 5 ? 2 : 5;
  const int chunks = (value + 99) / 100;
  int index = first;
  for (int i = 0; i < chunks; ++i) {
    const int part = value / chunks + (i < value % chunks ? 1 : 0);
    TSettlement& s = Settlement(w, index++);
    s.OwnerNation = static_cast<std::uint16_t>(owner);
    s.HolderNation = static_cast<std::uint16_t>(nation);
    s.Value = static_cast<std::uint16_t>(part);
  }
  return index;
}

}  // namespace gm::testing
