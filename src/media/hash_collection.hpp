// Named item collections with a 256-bucket name index: the base of the image and wave lists,
// whose look-ups by name run several hundred times a frame.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gm {

// Bucket of a name: (length * 16 + first byte + second-to-last byte) and 255, over the name
// with ASCII letters folded to lower case; names shorter than 2 count no bytes.
int32_t NameHash(std::string_view name);

// Equality of two names with ASCII letters compared without regard to case.
bool SameName(std::string_view a, std::string_view b);

class THashCollection;

class THashCollectionItem {
 public:
  virtual ~THashCollectionItem() = default;
  THashCollectionItem(const THashCollectionItem&) = delete;
  THashCollectionItem& operator=(const THashCollectionItem&) = delete;

  const std::string& Name() const { return name_; }
  // Renames and moves the item to the new name's bucket (no change for an identical name).
  void SetName(std::string_view name);
  // The item's position in its collection.
  int32_t Index() const { return CachedIndex; }
  int32_t HashCode = -1;
  int32_t CachedIndex = 0;

 protected:
  THashCollectionItem() = default;
  THashCollection* Collection() const { return collection_; }

 private:
  friend class THashCollection;
  void Link();
  void Unlink();

  THashCollection* collection_ = nullptr;
  std::string name_;
  THashCollectionItem* PrevInBucket = nullptr;
  THashCollectionItem* NextInBucket = nullptr;
};

class THashCollection {
 public:
  THashCollection() { Changed(); }
  virtual ~THashCollection();
  THashCollection(const THashCollection&) = delete;
  THashCollection& operator=(const THashCollection&) = delete;

  int32_t Count() const { return int32_t(items_.size()); }
  // Position of the item named so (ASCII case ignored); -1 when absent. Of two items with the
  // same name the one added or renamed last is found.
  int32_t IndexOf(std::string_view name) const;
  // Removes item `index` (later items move up one place).
  void Delete(int32_t index);
  void Clear();
  // Moves item `from` to position `to`.
  void Move(int32_t from, int32_t to);
  // Changes, to a number no collection had before, whenever a look-up by name could answer
  // otherwise (an item added, removed, moved or renamed): an answer kept with it stays good
  // while it does not change.
  uint64_t Version() const { return version_; }

 protected:
  THashCollectionItem& AddItem(std::unique_ptr<THashCollectionItem> item);
  THashCollectionItem& ItemAt(int32_t index) const { return *items_[size_t(index)]; }

 private:
  friend class THashCollectionItem;
  void Reindex(size_t from);
  void Changed();

  std::vector<std::unique_ptr<THashCollectionItem>> items_;
  uint64_t version_ = 0;
  std::array<THashCollectionItem*, 256> Hash{};
};

// A hash collection of one item type: adds and hands out items as that type.
template <class Item>
class TItemCollection : public THashCollection {
 public:
  Item& Add() {
    return static_cast<Item&>(AddItem(std::unique_ptr<THashCollectionItem>(new Item())));
  }
  Item& Items(int32_t index) const { return static_cast<Item&>(ItemAt(index)); }
};

}  // namespace gm
