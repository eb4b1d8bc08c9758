// Input devices: keyboard, mouse and joystick turned into one set of 36 abstract states
// (up, down, left, right, buttons 1..32) polled once per frame, edge-triggered so the game can
// clear a state it has used and it stays clear until the key is pressed again.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

class TCustomDXInput;

enum TDXInputState : std::uint8_t {
  isUp = 0,
  isDown,
  isLeft,
  isRight,
  isButton1,
  isButton2,
  isButton3,
  isButton4,
  isButton5,
  isButton6,
  isButton7,
  isButton8,
  isButton9,
  isButton10,
  isButton11,
  isButton12,
  isButton13,
  isButton14,
  isButton15,
  isButton16,
  isButton17,
  isButton18,
  isButton19,
  isButton20,
  isButton21,
  isButton22,
  isButton23,
  isButton24,
  isButton25,
  isButton26,
  isButton27,
  isButton28,
  isButton29,
  isButton30,
  isButton31,
  isButton32,
};
inline constexpr int kInputStateCount = 36;

// A set of input states: bit i of a 40-bit value stands for state i.
class TDXInputStates {
 public:
  constexpr TDXInputStates() = default;
  constexpr TDXInputStates(std::initializer_list<TDXInputState> states) {
    for (auto s : states) Include(s);
  }
  constexpr bool Contains(TDXInputState s) const { return (bits_ >> s) & 1; }
  constexpr void Include(TDXInputState s) { bits_ |= std::uint64_t{1} << s; }
  constexpr void Exclude(TDXInputState s) { bits_ &= ~(std::uint64_t{1} << s); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint64_t Bits() const { return bits_; }
  constexpr TDXInputStates& operator+=(TDXInputStates o) {
    bits_ |= o.bits_;
    return *this;
  }
  friend constexpr bool operator==(TDXInputStates, TDXInputStates) = default;

 private:
  std::uint64_t bits_ = 0;
};

// Base of the three devices.
class TCustomInput {
 public:
  explicit TCustomInput(TCustomDXInput& owner) : owner_(owner) {}
  virtual ~TCustomInput() = default;

  virtual void Initialize() { initialized_ = true; }
  virtual void Finalize();
  virtual void Update() = 0;

  bool BindInputStates = true;
  std::int32_t ButtonCount() const { return buttonCount_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Initialized() const { return initialized_; }
  TDXInputStates States;

 protected:
  // True when the device may be read now (initialised, and the window active when asked).
  bool MayRead() const;

  TCustomDXInput& owner_;
  std::int32_t buttonCount_ = 0;
  bool enabled_ = true;
  bool initialized_ = false;
};

class TKeyboard final : public TCustomInput {
 public:
  explicit TKeyboard(TCustomDXInput& owner);

  void Initialize() override;
  void Finalize() override;
  void Update() override;

  // True when Key is 1..255 and down in the last snapshot.
  bool Keys(std::int32_t key) const;
  // Clears the state's three keys and stores up to three codes.
  void SetKeyAssign(TDXInputState state, std::initializer_list<std::int32_t> keys);
  void SetDefaultKeyAssigns();

  KeySnapshot KeyStates{};
  std::array<std::array<std::int32_t, 3>, kInputStateCount> KeyAssigns{};
};

class TMouse final : public TCustomInput {
 public:
  explicit TMouse(TCustomDXInput& owner);
  void Initialize() override;
  void Finalize() override;
  void Update() override;

  std::int32_t X = 0;  // movement since the last update
  std::int32_t Y = 0;
  std::int32_t Z = 0;  // wheel
  std::uint8_t Buttons = 0;
};

class TJoystick final : public TCustomInput {
 public:
  explicit TJoystick(TCustomDXInput& owner) : TCustomInput(owner) {}
  void Initialize() override;
  void Finalize() override;
  void Update() override;

  bool AutoCenter = true;
  std::int32_t ID = 0;
  void SetDeadZone(std::int32_t x, std::int32_t y, std::int32_t z);
  void SetRange(std::int32_t x, std::int32_t y, std::int32_t z);
  std::int32_t DeadZoneX() const { return deadZone_[0]; }
  std::int32_t RangeX() const { return range_[0]; }

  // Scaled axes of the last update: -Range..Range, 0 inside the dead zone.
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t Z = 0;
  std::uint32_t Buttons = 0;

  // Scales a raw axis (-32768..32767) by the dead zone (percent) and range.
  static std::int32_t ScaleAxis(int raw, std::int32_t deadZone, std::int32_t range);

 private:
  std::array<std::int32_t, 3> deadZone_{50, 50, 50};
  std::array<std::int32_t, 3> range_{1000, 1000, 1000};
};

class TCustomDXInput {
 public:
  // The platform stands for the form the input belongs to; without one: "Form not found".
  explicit TCustomDXInput(Platform* platform);
  virtual ~TCustomDXInput();
  TCustomDXInput(const TCustomDXInput&) = delete;
  TCustomDXInput& operator=(const TCustomDXInput&) = delete;

  void Initialize();
  void Finalize();
  // Once per frame: reads the devices and updates the edge-triggered States.
  void Update();

  bool ActiveOnly = true;
  TDXInputStates States;
  TDXInputStates PreviousStates() const { return previousStates_; }

  TJoystick& Joystick() { return *joystick_; }
  TKeyboard& Keyboard() { return *keyboard_; }
  TMouse& Mouse() { return *mouse_; }
  Platform& GetPlatform() const { return *platform_; }
  // Devices in their order: joystick, keyboard, mouse.
  const std::vector<TCustomInput*>& Devices() const { return devices_; }

 private:
  Platform* platform_;
  std::unique_ptr<TJoystick> joystick_;
  std::unique_ptr<TKeyboard> keyboard_;
  std::unique_ptr<TMouse> mouse_;
  std::vector<TCustomInput*> devices_;
  TDXInputStates previousStates_;
};

class TDXInput final : public TCustomDXInput {
 public:
  using TCustomDXInput::TCustomDXInput;
};

}  // namespace gm
