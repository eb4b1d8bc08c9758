// The calendar: month and year rollovers, leap days, the calendar's end, and the turn of the
// opening coalition, on which neither the date nor the economy moves.
#include "world/calendar.hpp"

#include <gtest/gtest.h>

#include "synthetic_world.hpp"
#include "tests/support/world_builders.hpp"
#include "world/daily_economy.hpp"

namespace gm {
namespace {

struct Date {
  int day, month, year;
};

TEST(CalendarTest, AdvanceDateRollsOver) {
  struct Case {
    Date from, to;
  };
  const Case cases[] = {
      {{22, 6, 1941}, {23, 6, 1941}},
      {{30, 6, 1941}, {1, 7, 1941}},
      {{31, 7, 1941}, {1, 8, 1941}},
      {{31, 12, 1944}, {1, 1, 1945}},
      {{28, 2, 1942}, {1, 3, 1942}},
      {{28, 2, 1944}, {29, 2, 1944}},
      {{29, 2, 1944}, {1, 3, 1944}},
      {{28, 2, 1940}, {29, 2, 1940}},
      {{8, 5, 1945}, {9, 5, 1945}},
      {{31, 1, 1939}, {1, 2, 1939}},
      // A day past its month's end (a damaged save) rolls over like the last day; day 0 moves on.
      {{31, 6, 1941}, {1, 7, 1941}},
      {{30, 2, 1942}, {1, 3, 1942}},
      {{40, 12, 1944}, {1, 1, 1945}},
      {{0, 6, 1941}, {1, 6, 1941}},
      // The calendar ends with 1945: its last day stays, and so does a date outside it.
      {{31, 12, 1945}, {31, 12, 1945}},
      {{5, 3, 1946}, {5, 3, 1946}},
      {{5, 3, 1938}, {5, 3, 1938}},
      {{5, 13, 1941}, {5, 13, 1941}},
  };
  for (const Case& c : cases) {
    auto w = testing::MakeEmptyWorld();
    TGameHeader& h = w->GameHeader;
    h.Day = static_cast<std::uint16_t>(c.from.day);
    h.Month = static_cast<std::uint16_t>(c.from.month);
    h.Year = static_cast<std::uint16_t>(c.from.year);
    AdvanceDate(*w);
    EXPECT_EQ(h.Day, c.to.day) << c.from.day << "." << c.from.month << "." << c.from.year;
    EXPECT_EQ(h.Month, c.to.month) << c.from.day << "." << c.from.month << "." << c.from.year;
    EXPECT_EQ(h.Year, c.to.year) << c.from.day << "." << c.from.month << "." << c.from.year;
  }
}

TEST(CalendarTest, SevenYearsHaveTheirDays) {
  auto w = testing::MakeEmptyWorld();
  TGameHeader& h = w->GameHeader;
  h.Day = 1;
  h.Month = 1;
  h.Year = 1939;
  int days = 0;
  while (!(h.Day == 31 && h.Month == 12 && h.Year == 1945)) {
    AdvanceDate(*w);
    ++days;
    ASSERT_LT(days, 3000);
  }
  EXPECT_EQ(days, 7 * 365 + 2 - 1);  // two leap days, 1940 and 1944
}

TEST(CalendarTest, NothingMovesWhileTheOpeningCoalitionIsOnMove) {
  for (std::uint8_t side : {kSovietSide, kGermanSide}) {
    auto w = testing::MakeSyntheticWorld();
    testing::SetCoalitions(*w);
    w->GameHeader.Day = 1;  // a day of introductions too
    w->GameHeader.Month = 7;
    w->OpeningCoalition = side;
    w->SideOnMove = side;
    const auto before = testing::CopyWorld(*w);
    AdvanceDate(*w);
    DailyEconomy(*w);
    EXPECT_TRUE(testing::SameBytes(*before, *w)) << "side " << int{side};

    w->SideOnMove = side == kSovietSide ? kGermanSide : kSovietSide;
    AdvanceDate(*w);
    EXPECT_EQ(w->GameHeader.Day, 2);
  }
}

}  // namespace
}  // namespace gm
