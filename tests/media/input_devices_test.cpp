// Input: edge-triggered states, key assigns, focus, and the joystick's dead zone and range.
#include "media/input_devices.hpp"

#include <gtest/gtest.h>

#include "media/device_errors.hpp"
#include "platform/headless/headless_platform.hpp"

namespace gm {
namespace {

constexpr int kQ = 81, kA = 65, kK = 75, kUpArrow = 38, kSpace = 32, kF2 = 113;

struct Rig {
  HeadlessPlatform platform;
  TDXInput input{&platform};
  Rig() {
    input.Mouse().SetEnabled(true);
    input.Initialize();
    // The game's merge keys: Q W E A S D Z X C on buttons 3..11.
    const int keys[] = {81, 87, 69, 65, 83, 68, 90, 88, 67};
    for (int i = 0; i < 9; ++i) {
      input.Keyboard().SetKeyAssign(static_cast<TDXInputState>(isButton3 + i), {keys[i]});
    }
  }
  bool Frame(TDXInputState s) {
    input.Update();
    return input.States.Contains(s);
  }
};

TEST(InputStates, HeldKeyFiresOnceAndStaysClearedUntilPressedAgain) {
  Rig r;
  r.platform.SetKey(kQ, true);
  EXPECT_TRUE(r.Frame(isButton3));
  EXPECT_TRUE(r.Frame(isButton3));    // held, not consumed: still set
  r.input.States.Exclude(isButton3);  // the game consumes it
  EXPECT_FALSE(r.Frame(isButton3));
  EXPECT_FALSE(r.Frame(isButton3));
  r.platform.SetKey(kQ, false);
  EXPECT_FALSE(r.Frame(isButton3));
  r.platform.SetKey(kQ, true);
  EXPECT_TRUE(r.Frame(isButton3));
  // Releasing clears the state even when the game never did.
  r.platform.SetKey(kQ, false);
  EXPECT_FALSE(r.Frame(isButton3));
}

TEST(InputStates, TwoKeysOnOneStateGoUpOnlyWhenBothAreUp) {
  Rig r;
  r.platform.SetKey(kK, true);
  EXPECT_TRUE(r.Frame(isUp));
  r.platform.SetKey(kUpArrow, true);
  r.platform.SetKey(kK, false);
  EXPECT_TRUE(r.Frame(isUp));
  r.platform.SetKey(kUpArrow, false);
  EXPECT_FALSE(r.Frame(isUp));
}

TEST(InputStates, DefaultAssignsAndKeysOutsideTheTable) {
  Rig r;
  struct Case {
    int key;
    TDXInputState state;
  };
  const Case cases[] = {{75, isUp},          {40, isDown},    {100, isLeft},  {76, isRight},
                        {kSpace, isButton1}, {13, isButton2}, {kA, isButton6}};
  for (const auto& c : cases) {
    r.platform.SetKey(c.key, true);
    EXPECT_TRUE(r.Frame(c.state)) << c.key;
    r.platform.SetKey(c.key, false);
    r.Frame(c.state);
  }
  // F2 is bound by default, until the game's merge keys take its state.
  HeadlessPlatform bare;
  TDXInput fresh(&bare);
  EXPECT_EQ(fresh.Keyboard().KeyAssigns[isButton9], (std::array<std::int32_t, 3>{kF2, 0, 0}));
  TKeyboard& kb = r.input.Keyboard();
  kb.SetKeyAssign(isButton20, {0, 256, -1, 65});  // the fourth code is dropped
  EXPECT_EQ(kb.KeyAssigns[isButton20][2], -1);
  r.platform.SetKey(kA, true);
  r.input.Update();
  EXPECT_FALSE(r.input.States.Contains(isButton20));
  EXPECT_FALSE(kb.Keys(0));
  EXPECT_FALSE(kb.Keys(256));
  EXPECT_TRUE(kb.Keys(kA));
}

TEST(InputStates, WithoutFocusEveryDeviceReportsNothing) {
  Rig r;
  r.platform.SetKey(kQ, true);
  EXPECT_TRUE(r.Frame(isButton3));
  r.platform.SetFocus(false);
  EXPECT_FALSE(r.Frame(isButton3));
  EXPECT_FALSE(r.input.Keyboard().Keys(kQ));
  r.input.ActiveOnly = false;
  EXPECT_TRUE(r.Frame(isButton3));
}

TEST(InputStates, MouseIsReadButLightsNoGameState) {
  Rig r;
  r.platform.MoveMouse(-5, 3);
  r.platform.PressButton(kMouseLeft);
  r.input.Update();
  EXPECT_EQ(r.input.Mouse().X, -5);
  EXPECT_EQ(r.input.Mouse().Y, 3);
  EXPECT_TRUE(r.input.Mouse().States.Contains(isButton1));
  EXPECT_TRUE(r.input.Mouse().States.Contains(isLeft));
  EXPECT_TRUE(r.input.States.Empty());
}

TEST(InputStates, JoystickAxesAndButtons) {
  struct Case {
    int raw;
    std::int32_t deadZone, range, want;
  };
  const Case cases[] = {
      {0, 50, 1000, 0},          {16000, 50, 1000, 0},   {32767, 50, 1000, 1000},
      {-32768, 50, 1000, -1000}, {24576, 50, 1000, 500}, {32767, 0, 1000, 1000},
      {32767, 100, 1000, 0},     {16384, 0, 100, 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TJoystick::ScaleAxis(c.raw, c.deadZone, c.range), c.want)
        << c.raw << " dz " << c.deadZone;
  }
  Rig r;
  JoystickReading j;
  j.x = 32767;
  j.y = -32768;
  j.buttons = 0b101;
  r.platform.SetJoystick(true, j);
  r.input.Initialize();
  r.input.Update();
  const TDXInputStates want = {isRight, isUp, isButton1, isButton3};
  EXPECT_EQ(r.input.States, want);
}

TEST(InputStates, NoFormIsAnError) {
  EXPECT_THROW(TDXInput input(nullptr), EDXInputError);
}

}  // namespace
}  // namespace gm
