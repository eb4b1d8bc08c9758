// Keyboard, mouse and joystick reading and the merge into edge-triggered input states.
#include "media/input_devices.hpp"

#include <algorithm>
#include <cstdlib>

#include "media/device_errors.hpp"

namespace gm {

namespace {

// a * b / c rounded to the nearest, halves away from zero.
std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return -1;
  const std::int64_t n = a * b;
  const std::int64_t q = (std::llabs(n) * 2 + std::llabs(c)) / (std::llabs(c) * 2);
  return static_cast<std::int32_t>((n < 0) != (c < 0) ? -q : q);
}

}  // namespace

// ---- TCustomInput

void TCustomInput::Finalize() {
  initialized_ = false;
  buttonCount_ = 0;
  States = {};
}

void TCustomInput::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Initialize();
}

bool TCustomInput::MayRead() const {
  if (!initialized_) return false;
  return !owner_.ActiveOnly || owner_.GetPlatform().HasFocus();
}

// ---- TKeyboard

TKeyboard::TKeyboard(TCustomDXInput& owner) : TCustomInput(owner) {
  SetDefaultKeyAssigns();
}

void TKeyboard::SetDefaultKeyAssigns() {
  for (auto& row : KeyAssigns) row = {0, 0, 0};
  SetKeyAssign(isUp, {75, 38, 104});     // K, up arrow, numeric pad 8
  SetKeyAssign(isDown, {74, 40, 98});    // J, down arrow, numeric pad 2
  SetKeyAssign(isLeft, {72, 37, 100});   // H, left arrow, numeric pad 4
  SetKeyAssign(isRight, {76, 39, 102});  // L, right arrow, numeric pad 6
  SetKeyAssign(isButton1, {90, 32});     // Z, space
  SetKeyAssign(isButton2, {88, 13});     // X, return
  SetKeyAssign(isButton9, {113});        // F2
}

void TKeyboard::SetKeyAssign(TDXInputState state, std::initializer_list<std::int32_t> keys) {
  auto& row = KeyAssigns[state];
  row = {0, 0, 0};
  std::size_t i = 0;
  for (auto k : keys) {
    if (i == row.size()) break;
    row[i++] = k;
  }
}

void TKeyboard::Initialize() {
  Finalize();
  if (!enabled_) return;
  buttonCount_ = 32;
  TCustomInput::Initialize();
}

void TKeyboard::Finalize() {
  TCustomInput::Finalize();
  KeyStates.fill(0);
}

bool TKeyboard::Keys(std::int32_t key) const {
  if (key < 1 || key > 255) return false;
  return (KeyStates[static_cast<std::size_t>(key)] & 0x80) != 0;
}

void TKeyboard::Update() {
  KeyStates.fill(0);
  States = {};
  if (!MayRead()) return;
  owner_.GetPlatform().ReadKeyboard(KeyStates);
  for (int s = 0; s < kInputStateCount; ++s) {
    for (auto key : KeyAssigns[static_cast<std::size_t>(s)]) {
      if (Keys(key)) {
        States.Include(static_cast<TDXInputState>(s));
        break;
      }
    }
  }
}

// ---- TMouse

TMouse::TMouse(TCustomDXInput& owner) : TCustomInput(owner) {
  BindInputStates = false;
  enabled_ = false;
}

void TMouse::Initialize() {
  Finalize();
  if (!enabled_) return;
  buttonCount_ = 3;
  TCustomInput::Initialize();
}

void TMouse::Finalize() {
  TCustomInput::Finalize();
  X = Y = Z = 0;
  Buttons = 0;
}

void TMouse::Update() {
  X = Y = Z = 0;
  Buttons = 0;
  States = {};
  if (!MayRead()) return;
  const MouseMotion m = owner_.GetPlatform().ReadMouse();
  X = m.dx;
  Y = m.dy;
  Z = m.wheel;
  Buttons = m.buttons;
  if (X < 0) States.Include(isLeft);
  if (X > 0) States.Include(isRight);
  if (Y < 0) States.Include(isUp);
  if (Y > 0) States.Include(isDown);
  if (Buttons & kMouseLeft) States.Include(isButton1);
  if (Buttons & kMouseRight) States.Include(isButton2);
  if (Buttons & kMouseMiddle) States.Include(isButton3);
}

// ---- TJoystick

void TJoystick::SetDeadZone(std::int32_t x, std::int32_t y, std::int32_t z) {
  deadZone_ = {std::clamp(x, 0, 100), std::clamp(y, 0, 100), std::clamp(z, 0, 100)};
}

void TJoystick::SetRange(std::int32_t x, std::int32_t y, std::int32_t z) {
  range_ = {std::max(x, 0), std::max(y, 0), std::max(z, 0)};
}

std::int32_t TJoystick::ScaleAxis(int raw, std::int32_t deadZone, std::int32_t range) {
  // The axis as an unsigned reading 0..65535 around its middle.
  const std::int64_t half = 65535 / 2;
  const std::int64_t pos = static_cast<std::int64_t>(raw) + 32768 - half;
  const std::int64_t dz = half * deadZone / 100;
  if (dz == half || std::llabs(pos) <= dz) return 0;
  const std::int32_t v =
      pos > 0 ? MulDiv(pos - dz, range, half - dz) : MulDiv(pos + dz, range, half - dz);
  return std::clamp(v, -range, range);
}

void TJoystick::Initialize() {
  Finalize();
  if (!enabled_) return;
  JoystickReading probe;
  if (!owner_.GetPlatform().ReadJoystick(ID, probe)) return;  // none attached: no states
  buttonCount_ = 32;
  TCustomInput::Initialize();
}

void TJoystick::Finalize() {
  TCustomInput::Finalize();
  X = Y = Z = 0;
  Buttons = 0;
}

void TJoystick::Update() {
  X = Y = Z = 0;
  Buttons = 0;
  States = {};
  if (!MayRead()) return;
  JoystickReading r;
  if (!owner_.GetPlatform().ReadJoystick(ID, r)) return;
  X = ScaleAxis(r.x, deadZone_[0], range_[0]);
  Y = ScaleAxis(r.y, deadZone_[1], range_[1]);
  Z = ScaleAxis(r.z, deadZone_[2], range_[2]);
  Buttons = r.buttons;
  for (int b = 0; b < 32; ++b) {
    if (Buttons & (1u << b)) States.Include(static_cast<TDXInputState>(isButton1 + b));
  }
  if (X < 0) States.Include(isLeft);
  if (X > 0) States.Include(isRight);
  if (Y < 0) States.Include(isUp);
  if (Y > 0) States.Include(isDown);
}

// ---- TCustomDXInput

TCustomDXInput::TCustomDXInput(Platform* platform) : platform_(platform) {
  joystick_ = std::make_unique<TJoystick>(*this);
  keyboard_ = std::make_unique<TKeyboard>(*this);
  mouse_ = std::make_unique<TMouse>(*this);
  devices_ = {joystick_.get(), keyboard_.get(), mouse_.get()};
  if (platform_ == nullptr) throw EDXInputError("Form not found");
}

TCustomDXInput::~TCustomDXInput() {
  Finalize();
}

void TCustomDXInput::Initialize() {
  Finalize();
  for (auto* d : devices_) d->Initialize();
  Update();
}

void TCustomDXInput::Finalize() {
  for (auto* d : devices_) d->Finalize();
}

void TCustomDXInput::Update() {
  TDXInputStates merged;
  for (auto* d : devices_) {
    d->Update();
    if (d->BindInputStates) merged += d->States;
  }
  for (int i = 0; i < kInputStateCount; ++i) {
    const auto s = static_cast<TDXInputState>(i);
    if (merged.Contains(s) && !previousStates_.Contains(s)) {
      States.Include(s);
    } else if (!merged.Contains(s) && previousStates_.Contains(s)) {
      States.Exclude(s);
    }
  }
  previousStates_ = merged;
}

}  // namespace gm
