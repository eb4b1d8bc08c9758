// The image archive (.dxg): reading and writing a picture collection as a streamed component.
#include <cstring>

#include "media/archive_file.hpp"
#include "media/component_stream.hpp"
#include "media/media_error.hpp"
#include "media/picture_collection.hpp"

namespace gm {

namespace {

constexpr std::string_view kRootClass = "TPictureCollectionComponent";
constexpr int64_t kMaxPatterns = int64_t(1) << 20;

// "Picture.Data": a class name, then that class's data to the end of the block.
void ReadPictureBlock(std::span<const uint8_t> block, TDIB& picture) {
  ByteReader in(block);
  ComponentReader names(in);
  const std::string className = names.ReadStr();
  TDIB read;
  if (className == "TDIB") {
    if (!in.AtEnd()) read.ReadData(in);
  } else if (className == "TBitmap") {
    ByteReader file = in.Sub(in.U32());
    read.LoadFromStream(file);
  }
  // Any other class is not one of ours: the item stays without a picture.
  picture = read;
}

int32_t ReadSkip(ComponentReader& r) {
  const int32_t v = r.ReadInteger();
  if (v < 0) throw EReadError(std::string(kInvalidPropertyValue));
  return v;
}

void ReadItem(ComponentReader& r, TPictureCollectionItem& item) {
  ReadPropertyList(r, [&](const std::string& prop) {
    if (SameName(prop, "Name")) {
      item.SetName(r.ReadString());
    } else if (SameName(prop, "PatternHeight")) {
      item.PatternHeight = r.ReadInteger();
    } else if (SameName(prop, "PatternWidth")) {
      item.PatternWidth = r.ReadInteger();
    } else if (SameName(prop, "Picture.Data")) {
      ReadPictureBlock(r.ReadBinary(), item.Picture);
    } else if (SameName(prop, "SkipHeight")) {
      item.SkipHeight = ReadSkip(r);
    } else if (SameName(prop, "SkipWidth")) {
      item.SkipWidth = ReadSkip(r);
    } else if (SameName(prop, "SystemMemory")) {
      item.SystemMemory = r.ReadBoolean();
    } else if (SameName(prop, "Transparent")) {
      item.Transparent = r.ReadBoolean();
    } else if (SameName(prop, "TransparentColor")) {
      item.SetTransparentColor(r.ReadColor());
    } else {
      return false;
    }
    return true;
  });
  // A picture cut into more cells than anyone draws is a damaged archive.
  if (!item.Picture.Empty()) {
    const int64_t w = item.Picture.Width(), h = item.Picture.Height();
    const int64_t pw = item.PatternWidth > 0 ? item.PatternWidth : w;
    const int64_t ph = item.PatternHeight > 0 ? item.PatternHeight : h;
    const int64_t cols = (w + item.SkipWidth) / (pw + item.SkipWidth);
    const int64_t rows = (h + item.SkipHeight) / (ph + item.SkipHeight);
    if (cols * rows > kMaxPatterns) throw EReadError(std::string(kInvalidPropertyValue));
  }
}

void WriteItem(ComponentWriter& w, const TPictureCollectionItem& item) {
  w.WriteStr("Name");
  w.WriteString(item.Name());
  w.WriteStr("PatternHeight");
  w.WriteInteger(item.PatternHeight);
  w.WriteStr("PatternWidth");
  w.WriteInteger(item.PatternWidth);
  ByteWriter block;
  ComponentWriter names(block);
  names.WriteStr("TDIB");
  item.Picture.WriteData(block);
  w.WriteStr("Picture.Data");
  w.WriteBinary(block.Data());
  if (item.SkipHeight != 0) {
    w.WriteStr("SkipHeight");
    w.WriteInteger(item.SkipHeight);
  }
  if (item.SkipWidth != 0) {
    w.WriteStr("SkipWidth");
    w.WriteInteger(item.SkipWidth);
  }
  w.WriteStr("SystemMemory");
  w.WriteBoolean(item.SystemMemory);
  w.WriteStr("Transparent");
  w.WriteBoolean(item.Transparent);
  w.WriteStr("TransparentColor");
  w.WriteInteger(int32_t(item.TransparentColor()));
}

}  // namespace

void TPictureCollection::LoadFromStream(ByteReader& in) {
  Clear();
  ComponentReader r(in);
  ReadRootComponent(r, [&](const std::string& prop) {
    if (SameName(prop, "List.ColorTable")) {
      auto bytes = r.ReadBinary();
      if (bytes.size() < 1024) throw EReadError(std::string(kStreamReadError));
      for (size_t i = 0; i < 256; ++i) {
        ColorTable[i] = RgbQuad{bytes[4 * i], bytes[4 * i + 1], bytes[4 * i + 2], bytes[4 * i + 3]};
      }
    } else if (SameName(prop, "List")) {
      ReadCollectionItems(r, *this, ReadItem);
    } else {
      return false;
    }
    return true;
  });
  if (Initialized()) {
    SurfaceFormat device = Device();
    InitializeImages(&device);
    Restore();
  }
}

void TPictureCollection::LoadFromFile(const FileSystem& fs, const std::string& path) {
  const std::vector<uint8_t> bytes = ReadArchiveFile(fs, path);
  ByteReader in(bytes);
  LoadFromStream(in);
}

void TPictureCollection::SaveToStream(ByteWriter& out) const {
  ComponentWriter w(out);
  w.WriteRootStart(kRootClass);
  w.WriteStr("List.ColorTable");
  std::vector<uint8_t> table(1024);
  for (size_t i = 0; i < 256; ++i) {
    std::memcpy(&table[4 * i], &ColorTable[i], 4);
  }
  w.WriteBinary(table);
  w.WriteStr("List");
  WriteCollectionItems(w, *this, WriteItem);
  w.WriteRootEnd();
}

void TPictureCollection::SaveToFile(FileSystem& fs, const std::string& path) const {
  ByteWriter out;
  SaveToStream(out);
  WriteArchiveFile(fs, path, out.Data());
}

}  // namespace gm
