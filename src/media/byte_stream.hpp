// Bounded little-endian reading and writing of archive and picture bytes. A reader never looks
// past its block: a read that does not fit raises "Stream read error" before touching anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "media/media_error.hpp"

namespace gm {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }

  // Raises "Stream read error" unless n more bytes are there.
  void Need(uint64_t n) const {
    if (n > Remaining()) throw EReadError(std::string(kStreamReadError));
  }
  uint8_t U8() {
    Need(1);
    return data_[pos_++];
  }
  uint16_t U16() {
    Need(2);
    uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32() {
    Need(4);
    uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
                 (uint32_t(data_[pos_ + 2]) << 16) | (uint32_t(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  int8_t I8() { return int8_t(U8()); }
  int16_t I16() { return int16_t(U16()); }
  int32_t I32() { return int32_t(U32()); }
  std::span<const uint8_t> Bytes(uint64_t n) {
    Need(n);
    auto s = data_.subspan(pos_, size_t(n));
    pos_ += size_t(n);
    return s;
  }
  void Skip(uint64_t n) {
    Need(n);
    pos_ += size_t(n);
  }
  // A reader over the next n bytes; this one moves past them.
  ByteReader Sub(uint64_t n) { return ByteReader(Bytes(n)); }
  std::span<const uint8_t> Rest() const { return data_.subspan(pos_); }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  std::vector<uint8_t>& Data() { return data_; }
  size_t Size() const { return data_.size(); }
  void U8(uint8_t v) { data_.push_back(v); }
  void U16(uint16_t v) {
    U8(uint8_t(v));
    U8(uint8_t(v >> 8));
  }
  void U32(uint32_t v) {
    U16(uint16_t(v));
    U16(uint16_t(v >> 16));
  }
  void I32(int32_t v) { U32(uint32_t(v)); }
  void Bytes(std::span<const uint8_t> b) { data_.insert(data_.end(), b.begin(), b.end()); }
  void Text(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }
  void PatchU32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) data_[at + size_t(i)] = uint8_t(v >> (8 * i));
  }

 private:
  std::vector<uint8_t> data_;
};

}  // namespace gm
