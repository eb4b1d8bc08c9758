// The application's idle processing and activation, as the frame timer needs them: the main
// loop calls Idle whenever the platform has no event waiting, and SetActive on focus changes.
#pragma once

#include <functional>
#include <vector>

namespace gm {

class AppEvents {
 public:
  using ActivationHook = std::function<void(bool active)>;

  // One idle handler at a time: installing one replaces the other's.
  void SetIdleHandler(const void* owner, std::function<void()> handler) {
    idleOwner_ = owner;
    idle_ = std::move(handler);
  }
  // Clears the idle handler, but only the owner's own.
  void ClearIdleHandler(const void* owner) {
    if (idleOwner_ != owner) return;
    idleOwner_ = nullptr;
    idle_ = nullptr;
  }
  bool HasIdleHandler() const { return static_cast<bool>(idle_); }
  const void* IdleOwner() const { return idleOwner_; }
  // Runs the idle handler once; false when none is installed (the loop may then wait).
  bool Idle() {
    if (!idle_) return false;
    auto handler = idle_;
    handler();
    return true;
  }

  bool Active() const { return active_; }
  // Tells every hook when the application becomes active or inactive.
  void SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    const auto hooks = hooks_;
    for (const auto& h : hooks) h.hook(active);
  }
  void AddHook(const void* owner, ActivationHook hook) {
    hooks_.push_back({owner, std::move(hook)});
  }
  void RemoveHook(const void* owner) {
    std::erase_if(hooks_, [owner](const auto& h) { return h.owner == owner; });
  }

 private:
  struct Hook {
    const void* owner;
    ActivationHook hook;
  };
  const void* idleOwner_ = nullptr;
  std::function<void()> idle_;
  bool active_ = true;
  std::vector<Hook> hooks_;
};

}  // namespace gm
