// Drawing on a nation's pools and blending the men who join a formation.
#include "world/reserve_draws.hpp"

#include <algorithm>

namespace gm {

std::uint32_t TakeFromPool(std::int32_t& pool, std::uint32_t need) {
  const std::uint32_t held = PoolCount(pool);
  const std::uint32_t taken = std::min(held, need);
  pool = static_cast<std::int32_t>(held - taken);
  return taken;
}

void BlendMen(TFormation& f, std::uint32_t added, std::uint32_t e, std::uint32_t m) {
  // 64-bit sums: a head count times a quality word may pass 32 bits.
  const std::uint64_t men = f.Men;
  const std::uint64_t total = men + added;
  if (total == 0) return;
  const std::uint64_t exp = (men * f.Experience + std::uint64_t{added} * e) / total;
  const std::uint64_t mor = (men * f.Morale + std::uint64_t{added} * m) / total;
  f.Experience = static_cast<std::uint16_t>(std::clamp<std::uint64_t>(exp, 1, 65535));
  f.Morale = static_cast<std::uint16_t>(std::clamp<std::uint64_t>(mor, 1, 65535));
  f.Men = static_cast<std::uint16_t>(std::min<std::uint64_t>(total, 65535));
}

std::uint32_t DrawMenFrom(TFormation& f, std::uint16_t staff, std::int32_t& pool, std::uint32_t e,
                          std::uint32_t m) {
  if (f.Men >= staff) return 0;
  const std::uint32_t taken = TakeFromPool(pool, std::uint32_t{staff} - f.Men);
  if (taken > 0) BlendMen(f, taken, e, m);
  return taken;
}

std::uint32_t DrawCountFrom(std::uint16_t& count, std::uint16_t staff, std::int32_t& pool) {
  if (count >= staff) return 0;
  const std::uint32_t taken = TakeFromPool(pool, std::uint32_t{staff} - count);
  count = static_cast<std::uint16_t>(count + taken);
  return taken;
}

}  // namespace gm
