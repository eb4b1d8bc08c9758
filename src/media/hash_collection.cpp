// Name index of the named item collections: bucket chains kept in step with every change.
#include "media/hash_collection.hpp"

#include <atomic>

namespace gm {

namespace {

constexpr unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

}  // namespace

int32_t NameHash(std::string_view name) {
  const size_t n = name.size();
  size_t h = n * 16;
  if (n >= 2) {
    h += FoldCase(static_cast<unsigned char>(name[0]));
    h += FoldCase(static_cast<unsigned char>(name[n - 2]));
  }
  return int32_t(h & 255);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

void THashCollectionItem::SetName(std::string_view name) {
  if (name == name_) return;
  Unlink();
  name_ = std::string(name);
  Link();
  if (collection_ != nullptr) collection_->Changed();
}

void THashCollectionItem::Link() {
  if (collection_ == nullptr) return;
  HashCode = NameHash(name_);
  THashCollectionItem*& head = collection_->Hash[size_t(HashCode)];
  NextInBucket = head;
  PrevInBucket = nullptr;
  if (head != nullptr) head->PrevInBucket = this;
  head = this;
}

void THashCollectionItem::Unlink() {
  if (PrevInBucket != nullptr) {
    PrevInBucket->NextInBucket = NextInBucket;
    if (NextInBucket != nullptr) NextInBucket->PrevInBucket = PrevInBucket;
  } else if (HashCode != -1 && collection_ != nullptr) {
    collection_->Hash[size_t(HashCode)] = NextInBucket;
    if (NextInBucket != nullptr) NextInBucket->PrevInBucket = nullptr;
  }
  PrevInBucket = nullptr;
  NextInBucket = nullptr;
  HashCode = -1;
}

THashCollection::~THashCollection() {
  Clear();
}

void THashCollection::Changed() {
  // One count for all collections: a version is never seen twice, even on another collection
  // made where one was.
  static std::atomic<uint64_t> last{0};
  version_ = ++last;
}

THashCollectionItem& THashCollection::AddItem(std::unique_ptr<THashCollectionItem> item) {
  item->collection_ = this;
  item->CachedIndex = Count();
  item->Link();
  items_.push_back(std::move(item));
  Changed();
  return *items_.back();
}

int32_t THashCollection::IndexOf(std::string_view name) const {
  for (const THashCollectionItem* it = Hash[size_t(NameHash(name))]; it != nullptr;
       it = it->NextInBucket) {
    if (SameName(it->name_, name)) return it->CachedIndex;
  }
  return -1;
}

void THashCollection::Delete(int32_t index) {
  if (index < 0 || index >= Count()) return;
  items_[size_t(index)]->Unlink();
  items_.erase(items_.begin() + index);
  Reindex(size_t(index));
  Changed();
}

void THashCollection::Clear() {
  // Last first, so that each removal leaves the earlier positions as they are.
  while (!items_.empty()) Delete(Count() - 1);
}

void THashCollection::Move(int32_t from, int32_t to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  auto item = std::move(items_[size_t(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Reindex(0);
  Changed();
}

void THashCollection::Reindex(size_t from) {
  for (size_t i = from; i < items_.size(); ++i) items_[i]->CachedIndex = int32_t(i);
}

}  // namespace gm
