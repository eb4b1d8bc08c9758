// Fuzz input for the archive readers: the first byte chooses whether the rest is a whole file or
// the part after a valid resource header (optionally inside an open "List" item), so that the
// fuzzer spends its time on the property stream instead of rediscovering the header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

namespace gm::fuzz {

inline std::vector<uint8_t> ArchiveInput(const uint8_t* data, size_t size,
                                         std::string_view rootClass) {
  if (size == 0) return {};
  const uint8_t mode = data[0] % 3;
  std::vector<uint8_t> out;
  if (mode != 0) {
    const uint8_t header[] = {0xFF, 0x0A, 0x00, 'X', 0x00, 0x30, 0x10, 0,
                              0,    0,    0,    'T', 'P',  'F',  '0'};
    out.assign(std::begin(header), std::end(header));
    out.push_back(uint8_t(rootClass.size()));
    out.insert(out.end(), rootClass.begin(), rootClass.end());
    out.push_back(0);  // component name
    if (mode == 2) {
      const uint8_t list[] = {4, 'L', 'i', 's', 't', 14, 1};
      out.insert(out.end(), std::begin(list), std::end(list));
    }
  }
  out.insert(out.end(), data + 1, data + size);
  return out;
}

}  // namespace gm::fuzz
