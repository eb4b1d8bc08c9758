// Bounded reading and writing of the streamed component format.
#include "media/component_stream.hpp"

#include <algorithm>

#include "media/hash_collection.hpp"
#include "media/media_error.hpp"

namespace gm {

namespace {

[[noreturn]] void InvalidFormat() {
  throw EReadError(std::string(kInvalidStreamFormat));
}
[[noreturn]] void InvalidValue() {
  throw EReadError(std::string(kInvalidPropertyValue));
}

// The resource header is read through a window of this many bytes.
constexpr size_t kHeaderWindow = 79;

}  // namespace

void NoSuchProperty(std::string_view name) {
  throw EReadError(FormatMessage("Property %s does not exist", name));
}

void ReadPropertyList(ComponentReader& r,
                      const std::function<bool(const std::string&)>& readProperty) {
  while (!r.EndOfList()) {
    const std::string prop = r.ReadStr();
    if (!readProperty(prop)) NoSuchProperty(prop);
  }
}

void ReadRootComponent(ComponentReader& r,
                       const std::function<bool(const std::string&)>& readProperty) {
  r.ReadRootStart();
  ReadPropertyList(r, [&](const std::string& prop) {
    if (readProperty(prop)) return true;
    if (!SameName(prop, "Tag") && !SameName(prop, "Left") && !SameName(prop, "Top")) return false;
    r.ReadInteger();
    return true;
  });
  if (!r.EndOfList()) InvalidFormat();
}

void ComponentReader::ReadRootStart() {
  auto window = in_.Rest().first(std::min(in_.Remaining(), kHeaderWindow));
  if (window.size() < 3 || window[0] != 0xFF || window[1] != 0x0A || window[2] != 0x00) {
    InvalidFormat();
  }
  auto term = std::find(window.begin() + 3, window.end(), uint8_t(0));
  if (term == window.end()) InvalidFormat();  // a name with no end inside the header
  const size_t headerLength = size_t(term - window.begin()) + 1 + 2 + 4;
  if (headerLength > window.size()) InvalidFormat();
  in_.Skip(headerLength);
  if (in_.Remaining() < 4) InvalidFormat();
  auto sig = in_.Bytes(4);
  if (sig[0] != 'T' || sig[1] != 'P' || sig[2] != 'F' || sig[3] != '0') InvalidFormat();
  if (!in_.AtEnd() && (in_.Rest()[0] & 0xF0) == 0xF0) {
    const uint8_t flags = in_.U8() & 0x0F;
    if (flags & 2) ReadInteger();  // child position: not used
  }
  ReadStr();  // class name
  ReadStr();  // component name
}

bool ComponentReader::EndOfList() {
  in_.Need(1);
  if (in_.Rest()[0] != 0) return false;
  in_.U8();
  return true;
}

std::string ComponentReader::ReadStr() {
  const uint8_t n = in_.U8();
  auto b = in_.Bytes(n);
  return std::string(b.begin(), b.end());
}

ValueTag ComponentReader::PeekTag() const {
  in_.Need(1);
  return ValueTag(in_.Rest()[0]);
}

ValueTag ComponentReader::ReadTag() {
  return ValueTag(in_.U8());
}

int32_t ComponentReader::ReadInteger() {
  switch (ReadTag()) {
    case ValueTag::kInt8:
      return in_.I8();
    case ValueTag::kInt16:
      return in_.I16();
    case ValueTag::kInt32:
      return in_.I32();
    default:
      InvalidValue();
  }
}

bool ComponentReader::ReadBoolean() {
  switch (ReadTag()) {
    case ValueTag::kFalse:
      return false;
    case ValueTag::kTrue:
      return true;
    case ValueTag::kIdent: {
      std::string id = ReadStr();
      if (SameName(id, "False")) return false;
      if (SameName(id, "True")) return true;
      InvalidValue();
    }
    default:
      InvalidValue();
  }
}

std::string ComponentReader::ReadString() {
  switch (ReadTag()) {
    case ValueTag::kString:
      return ReadStr();
    case ValueTag::kLString:
    case ValueTag::kUtf8String: {
      auto b = in_.Bytes(in_.U32());
      return std::string(b.begin(), b.end());
    }
    case ValueTag::kWString: {
      const uint64_t count = in_.U32();
      auto b = in_.Bytes(count * 2);
      std::string s;
      s.reserve(size_t(count));
      for (size_t i = 0; i < count; ++i) {
        unsigned c = b[2 * i] | (unsigned(b[2 * i + 1]) << 8);
        s.push_back(c < 256 ? char(c) : '?');
      }
      return s;
    }
    default:
      InvalidValue();
  }
}

TColor ComponentReader::ReadColor() {
  if (PeekTag() == ValueTag::kIdent) {
    in_.U8();
    auto c = ColorFromIdent(ReadStr());
    if (!c) InvalidValue();
    return *c;
  }
  return TColor(ReadInteger());
}

std::span<const uint8_t> ComponentReader::ReadBinary() {
  if (ReadTag() != ValueTag::kBinary) InvalidValue();
  return in_.Bytes(in_.U32());
}

void ComponentReader::ReadCollectionBegin() {
  if (ReadTag() != ValueTag::kCollection) InvalidValue();
}

void ComponentReader::ReadItemBegin() {
  ValueTag t = PeekTag();
  if (t == ValueTag::kInt8 || t == ValueTag::kInt16 || t == ValueTag::kInt32) ReadInteger();
  if (ReadTag() != ValueTag::kList) InvalidValue();
}

void ComponentWriter::WriteRootStart(std::string_view className) {
  std::string upper(className);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = char(c - 32);
  }
  out_.U8(0xFF);
  out_.U16(0x000A);
  out_.Text(upper);
  out_.U8(0);
  out_.U16(0x1030);
  sizeAt_ = out_.Size();
  out_.U32(0);
  out_.Text("TPF0");
  WriteStr(className);
  WriteStr("");
}

void ComponentWriter::Finish() {
  out_.PatchU32(sizeAt_, uint32_t(out_.Size() - sizeAt_ - 4));
}

void ComponentWriter::WriteRootEnd() {
  WriteListEnd();  // properties
  WriteListEnd();  // children
  Finish();
}

void ComponentWriter::WriteStr(std::string_view s) {
  if (s.size() > 255) throw EReadError("Name too long for the archive: " + std::string(s));
  out_.U8(uint8_t(s.size()));
  out_.Text(s);
}

void ComponentWriter::WriteInteger(int32_t v) {
  if (v >= -128 && v <= 127) {
    out_.U8(uint8_t(ValueTag::kInt8));
    out_.U8(uint8_t(int8_t(v)));
  } else if (v >= -32768 && v <= 32767) {
    out_.U8(uint8_t(ValueTag::kInt16));
    out_.U16(uint16_t(int16_t(v)));
  } else {
    out_.U8(uint8_t(ValueTag::kInt32));
    out_.I32(v);
  }
}

void ComponentWriter::WriteBoolean(bool v) {
  out_.U8(uint8_t(v ? ValueTag::kTrue : ValueTag::kFalse));
}

void ComponentWriter::WriteString(std::string_view s) {
  if (s.size() <= 255) {
    out_.U8(uint8_t(ValueTag::kString));
    WriteStr(s);
  } else {
    out_.U8(uint8_t(ValueTag::kLString));
    out_.U32(uint32_t(s.size()));
    out_.Text(s);
  }
}

void ComponentWriter::WriteBinary(std::span<const uint8_t> bytes) {
  out_.U8(uint8_t(ValueTag::kBinary));
  out_.U32(uint32_t(bytes.size()));
  out_.Bytes(bytes);
}

}  // namespace gm
