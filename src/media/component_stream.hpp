// The streamed component format of the image and sound archives: resource header, "TPF0",
// root names, and property values by tag; a bounded reader and the matching writer.
#pragma once

#include <cstdint>
#include <functional>
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
  // Ends the root's properties and its (empty) child list, then fills in the stream size.
  void WriteRootEnd();
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

// Reads a property list to its end, each property by name through `readProperty`, which answers
// false for a name it does not know; such a name raises "Property %s does not exist".
void ReadPropertyList(ComponentReader& r,
                      const std::function<bool(const std::string&)>& readProperty);

// Reads an archive's root component: its start, then each property by name through
// `readProperty`, which answers false for a name it does not know. Tag, Left and Top are read and
// dropped, any other name raises "Property %s does not exist", and a child component (an archive
// holds none) raises "Invalid stream format".
void ReadRootComponent(ComponentReader& r,
                       const std::function<bool(const std::string&)>& readProperty);

// The items of a collection property: the list is emptied, then each item is added and read.
template <class List, class ReadItem>
void ReadCollectionItems(ComponentReader& r, List& list, ReadItem readItem) {
  r.ReadCollectionBegin();
  if (list.Count() > 0) list.Clear();
  while (!r.EndOfList()) {
    r.ReadItemBegin();
    readItem(r, list.Add());
  }
}

// Writes a collection property's items, each as its own property list, and the collection's end.
template <class List, class WriteItem>
void WriteCollectionItems(ComponentWriter& w, const List& list, WriteItem writeItem) {
  w.WriteCollectionBegin();
  for (int32_t i = 0; i < list.Count(); ++i) {
    w.WriteItemBegin();
    writeItem(w, list.Items(i));
    w.WriteListEnd();
  }
  w.WriteListEnd();
}

// TColor constant of a colour identifier ("clBlack", "clFuchsia", "clBtnFace" ...), ASCII case
// ignored.
std::optional<TColor> ColorFromIdent(std::string_view ident);

// Raises "Property %s does not exist" with the name.
[[noreturn]] void NoSuchProperty(std::string_view name);

}  // namespace gm
