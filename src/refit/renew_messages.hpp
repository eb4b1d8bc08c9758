// The status lines of the unit staff page and the numbers the page logic sets MessageNo to.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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

// Row r (1..11) at r; row 0 is empty.
extern const std::array<std::string_view, kRenewMessageCount + 1> RenewMessages;

}  // namespace gm
