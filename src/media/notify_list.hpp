// The listeners a display or sound component tells of its changes (the image and wave lists),
// kept by key.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace gm {

template <class Sender, class Kind>
class NotifyList {
 public:
  using Callback = std::function<void(Sender& sender, Kind kind)>;

  void Add(const void* key, const Callback& callback) { list_.push_back({key, callback}); }

  // Takes out the listener of that key; nothing when none is registered under it.
  std::optional<Callback> Remove(const void* key) {
    for (auto it = list_.begin(); it != list_.end(); ++it) {
      if (it->key != key) continue;
      Callback callback = std::move(it->callback);
      list_.erase(it);
      return callback;
    }
    return std::nullopt;
  }

  // From the last registered to the first; a listener may unregister itself meanwhile.
  void Notify(Sender& sender, Kind kind) {
    for (std::size_t i = list_.size(); i-- > 0;) {
      if (i >= list_.size()) continue;
      Callback callback = list_[i].callback;
      callback(sender, kind);
    }
  }

 private:
  struct Registration {
    const void* key;
    Callback callback;
  };
  std::vector<Registration> list_;
};

}  // namespace gm
