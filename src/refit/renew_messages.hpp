// The status lines of the unit staff page and the numbers the page logic sets MessageNo to.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "world/text_rows.hpp"

namespace gm {

enum RenewMessage : std::int32_t {
  kRenewAvailable = 1,
  kRenewOtherModelBooked = 2,
  kRenewNeedsBothOrders = 3,
  kRenewModelNotOnStaff = 4,  // no rule shows it
  kRenewStaffFull = 5,
  kRenewReserveExhausted = 6,
  kRenewBlocked = 7,
  kRenewCityOnly = 8,
  kRenewEnemyContact = 9,
  kRenewTooFewMen = 10,
  kRenewNotAirTransportable = 11,
};

inline constexpr int kRenewMessageCount = 11;
inline constexpr std::size_t kRenewMessageLength = 48;
using RenewMessageRow = TextRow<kRenewMessageLength>;

// Row r (1..11) at r; row 0 is empty. Every row is checked as the table compiles.
extern const std::array<RenewMessageRow, kRenewMessageCount + 1> RenewMessages;

}  // namespace gm
