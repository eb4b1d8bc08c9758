// The sound archive (.dxw): reading and writing a wave collection as a streamed component.
#include "media/component_stream.hpp"
#include "media/media_error.hpp"
#include "media/wave_collection.hpp"
#include "platform/file_system.hpp"

namespace gm {

namespace {

constexpr std::string_view kRootClass = "TWaveCollectionComponent";

void ReadItem(ComponentReader& r, TWaveCollectionItem& item) {
  while (!r.EndOfList()) {
    const std::string prop = r.ReadStr();
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
      NoSuchProperty(prop);
    }
  }
}

}  // namespace

void TWaveCollection::LoadFromStream(ByteReader& in) {
  Clear();
  ComponentReader r(in);
  r.ReadRootStart();
  while (!r.EndOfList()) {
    const std::string prop = r.ReadStr();
    if (SameName(prop, "List")) {
      r.ReadCollectionBegin();
      if (Count() > 0) Clear();
      while (!r.EndOfList()) {
        r.ReadItemBegin();
        ReadItem(r, Add());
      }
    } else if (SameName(prop, "Tag") || SameName(prop, "Left") || SameName(prop, "Top")) {
      r.ReadInteger();
    } else {
      NoSuchProperty(prop);
    }
  }
  if (!r.EndOfList()) throw EReadError(std::string(kInvalidStreamFormat));
  if (Initialized()) {
    Initialize(dxSound_);
    Restore();
  }
}

void TWaveCollection::LoadFromFile(const FileSystem& fs, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!fs.ReadWholeFile(path, bytes)) {
    throw EReadError(FormatMessage("Cannot open file %s", path));
  }
  ByteReader in(bytes);
  LoadFromStream(in);
}

void TWaveCollection::SaveToStream(ByteWriter& out) const {
  ComponentWriter w(out);
  w.WriteRootStart(kRootClass);
  w.WriteStr("List");
  w.WriteCollectionBegin();
  for (int32_t i = 0; i < Count(); ++i) {
    const TWaveCollectionItem& item = Items(i);
    w.WriteItemBegin();
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
    w.WriteListEnd();
  }
  w.WriteListEnd();  // items
  w.WriteListEnd();  // properties
  w.WriteListEnd();  // children
  w.Finish();
}

void TWaveCollection::SaveToFile(FileSystem& fs, const std::string& path) const {
  ByteWriter out;
  SaveToStream(out);
  Status s = fs.WriteFileAtomic(path, out.Data());
  if (!s) throw EReadError(s.Message());
}

}  // namespace gm
