// The streamed component format of the image and sound archives: resource header, "TPF0",
// root names, and property values by tag; a bounded reader and the matching writer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "media/byte_stream.hpp"
#include "media/color.hpp"

namespace gm {

enum class ValueTag : uint8_t {
  kNull = 0,
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kString = 6,
  kIdent = 7,
  kFalse = 8,
  kTrue = 9,
  kBinary = 10,
  kLString = 12,
  kCollection = 14,
  kWString = 18,
  kUtf8String = 20,
};

class ComponentReader {
 public:
  explicit ComponentReader(ByteReader& in) : in_(in) {}

  // Resource header, "TPF0", the optional prefix, class name (ignored) and component name.
  void ReadRootStart();
  // Consumes a 0 byte and answers true when the list ends here.
  bool EndOfList();
  // Short string: a length byte and that many bytes.
  std::string ReadStr();
  ValueTag PeekTag() const;

  // Values of the properties; a tag that does not fit raises "Invalid property value".
  int32_t ReadInteger();
  bool ReadBoolean();
  std::string ReadString();
  TColor ReadColor();
  std::span<const uint8_t> ReadBinary();
  void ReadCollectionBegin();
  // One item of a collection: an optional (ignored) integer, then the list-begin tag.
  void ReadItemBegin();

  ByteReader& Stream() { return in_; }

 private:
  ValueTag ReadTag();
  ByteReader& in_;
};

class ComponentWriter {
 public:
  explicit ComponentWriter(ByteWriter& out) : out_(out) {}

  // Resource header (named after the class, upper-cased), "TPF0", class and component names.
  void WriteRootStart(std::string_view className);
  // Fills in the stream size of the resource header; call once at the very end.
  void Finish();
  void WriteStr(std::string_view s);
  void WriteListEnd() { out_.U8(0); }
  void WriteInteger(int32_t v);
  void WriteBoolean(bool v);
  void WriteString(std::string_view s);
  void WriteBinary(std::span<const uint8_t> bytes);
  void WriteCollectionBegin() { out_.U8(uint8_t(ValueTag::kCollection)); }
  void WriteItemBegin() { out_.U8(uint8_t(ValueTag::kList)); }
  ByteWriter& Stream() { return out_; }

 private:
  ByteWriter& out_;
  size_t sizeAt_ = 0;
};

// TColor constant of a colour identifier ("clBlack", "clFuchsia", "clBtnFace" ...), ASCII case
// ignored.
std::optional<TColor> ColorFromIdent(std::string_view ident);

// Raises "Property %s does not exist" with the name.
[[noreturn]] void NoSuchProperty(std::string_view name);

}  // namespace gm
