// The sound archive (.dxw): reading and writing a wave collection as a streamed component.
#include "media/archive_file.hpp"
#include "media/component_stream.hpp"
#include "media/media_error.hpp"
#include "media/wave_collection.hpp"

namespace gm {

namespace {

constexpr std::string_view kRootClass = "TWaveCollectionComponent";

void ReadItem(ComponentReader& r, TWaveCollectionItem& item) {
  ReadPropertyList(r, [&](const std::string& prop) {
    if (SameName(prop, "Name")) {
      item.SetName(r.ReadString());
    } else if (SameName(prop, "Looped")) {
      item.SetLooped(r.ReadBoolean());
    } else if (SameName(prop, "MaxPlayingCount")) {
      item.SetMaxPlayingCount(r.ReadInteger());
    } else if (SameName(prop, "Wave.WAVE")) {
      auto block = r.ReadBinary();
      TWave wave;
      if (!block.empty()) {
        ByteReader in(block);
        wave.ReadRiff(in);
      }
      item.Wave = std::move(wave);
    } else {
      return false;
    }
    return true;
  });
}

void WriteItem(ComponentWriter& w, const TWaveCollectionItem& item) {
  w.WriteStr("Name");
  w.WriteString(item.Name());
  w.WriteStr("Looped");
  w.WriteBoolean(item.Looped());
  w.WriteStr("MaxPlayingCount");
  w.WriteInteger(item.MaxPlayingCount());
  ByteWriter riff;
  if (!item.Wave.Empty() || !item.Wave.Format.empty()) item.Wave.WriteRiff(riff);
  w.WriteStr("Wave.WAVE");
  w.WriteBinary(riff.Data());
}

}  // namespace

void TWaveCollection::LoadFromStream(ByteReader& in) {
  Clear();
  ComponentReader r(in);
  ReadRootComponent(r, [&](const std::string& prop) {
    if (!SameName(prop, "List")) return false;
    ReadCollectionItems(r, *this, ReadItem);
    return true;
  });
  if (Initialized()) {
    Initialize(dxSound_);
    Restore();
  }
}

void TWaveCollection::LoadFromFile(const FileSystem& fs, const std::string& path) {
  const std::vector<uint8_t> bytes = ReadArchiveFile(fs, path);
  ByteReader in(bytes);
  LoadFromStream(in);
}

void TWaveCollection::SaveToStream(ByteWriter& out) const {
  ComponentWriter w(out);
  w.WriteRootStart(kRootClass);
  w.WriteStr("List");
  WriteCollectionItems(w, *this, WriteItem);
  w.WriteRootEnd();
}

void TWaveCollection::SaveToFile(FileSystem& fs, const std::string& path) const {
  ByteWriter out;
  SaveToStream(out);
  WriteArchiveFile(fs, path, out.Data());
}

}  // namespace gm
