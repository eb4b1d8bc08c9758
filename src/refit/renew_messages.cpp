// The texts of the unit staff page's status line.
#include "refit/renew_messages.hpp"

namespace gm {

const std::array<RenewMessageRow, kRenewMessageCount + 1> RenewMessages = {
    "",
    "Renewing is available",
    "Prescribed other type of combat vehicle",
    "Unit must have spare of actions = 2",
    "Current type of vehicle not present on staff",
    "Staff on full",
    "Reserve is exhausted",
    "Blocked ways of renewing",
    "Renewing possible in city only",
    "Renewing impossible - contact with enemy!",
    "This adding available if humans > 75% from staff",
    "Air transport features must be = YES",
};

}  // namespace gm
