// The settings dialog and the command line that presets it: defaults, list stepping by click and
// by keys, focus order, Run and Exit; options parsed, and refused with a message.
#include "ui/settings_dialog.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/screen_point.hpp"
#include "ui/launch_options.hpp"

namespace gm {
namespace {

void ClickOn(SettingsDialog& d, SettingsDialog::Control control) {
  const testing::ScreenPoint p = testing::Middle(SettingsDialog::Area(control));
  d.Click(p.x, p.y);
}

KeySnapshot With(const std::vector<int>& down) {
  KeySnapshot k{};
  for (int code : down) k[static_cast<std::size_t>(code)] = 0x80;
  return k;
}

TEST(SettingsDialog, DefaultsAreTheDialogsOwn) {
  LaunchOptions presets;
  const SettingsDialog d(presets);
  EXPECT_EQ(d.ItemText(SettingsDialog::kTurnFirst), "Germany");
  EXPECT_EQ(d.ItemText(SettingsDialog::kSovietTurn), "Human");
  EXPECT_EQ(d.ItemText(SettingsDialog::kGermanTurn), "Human");
  EXPECT_EQ(d.ItemText(SettingsDialog::kDisplayModeBox), "800x600 16bit");
  EXPECT_EQ(d.ItemText(SettingsDialog::kTurnLengthBox), "Realistic ( turn=day )");
  EXPECT_TRUE(d.SoundChecked());
  EXPECT_EQ(d.Focus(), SettingsDialog::kTurnFirst);
  EXPECT_EQ(d.GetOutcome(), SettingsDialog::Outcome::kOpen);
}

TEST(SettingsDialog, ClicksStepListsAndEveryChoiceReachesTheSettings) {
  SettingsDialog d{LaunchOptions{}};
  ClickOn(d, SettingsDialog::kTurnFirst);       // USSR
  ClickOn(d, SettingsDialog::kSovietTurn);      // CPU
  ClickOn(d, SettingsDialog::kGermanTurn);      // CPU
  ClickOn(d, SettingsDialog::kDisplayModeBox);  // 8 bit
  ClickOn(d, SettingsDialog::kDisplayModeBox);  // 16 bit window
  ClickOn(d, SettingsDialog::kTurnLengthBox);   // fast
  ClickOn(d, SettingsDialog::kSoundBox);        // off
  EXPECT_EQ(d.ItemText(SettingsDialog::kDisplayModeBox), "800x600 16bit window");
  ClickOn(d, SettingsDialog::kRunButton);
  ASSERT_EQ(d.GetOutcome(), SettingsDialog::Outcome::kRun);
  const LaunchOptions r = d.Result();
  EXPECT_EQ(r.settings.firstCoalition, kSovietSide);
  EXPECT_EQ(r.settings.sovietPlayer, 1);
  EXPECT_EQ(r.settings.germanPlayer, 1);
  EXPECT_EQ(r.settings.turnLength, 1);
  EXPECT_EQ(r.settings.soundOn, 0);
  EXPECT_EQ(r.bits, 16);
  EXPECT_TRUE(r.window);
  EXPECT_TRUE(r.run);
}

TEST(SettingsDialog, KeysMoveTheFocusStepTheListAndEnd) {
  struct Case {
    std::vector<std::vector<int>> presses;
    SettingsDialog::Control focus;
    SettingsDialog::Outcome outcome;
    std::string_view first;
  };
  const Case cases[] = {
      {{{9}}, SettingsDialog::kSovietTurn, SettingsDialog::Outcome::kOpen, "Germany"},
      {{{16, 9}}, SettingsDialog::kExitButton, SettingsDialog::Outcome::kOpen, "Germany"},
      {{{39}}, SettingsDialog::kTurnFirst, SettingsDialog::Outcome::kOpen, "USSR"},
      {{{39}, {}, {37}}, SettingsDialog::kTurnFirst, SettingsDialog::Outcome::kOpen, "Germany"},
      {{{39}, {39}}, SettingsDialog::kTurnFirst, SettingsDialog::Outcome::kOpen, "USSR"},  // held
      {{{13}}, SettingsDialog::kTurnFirst, SettingsDialog::Outcome::kRun, "Germany"},
      {{{27}}, SettingsDialog::kTurnFirst, SettingsDialog::Outcome::kExit, "Germany"},
      // Enter presses the focused button, else the default "Run!".
      {{{16, 9}, {}, {13}}, SettingsDialog::kExitButton, SettingsDialog::Outcome::kExit, "Germany"},
      {{{16, 9}, {16}, {16, 9}, {}, {13}},
       SettingsDialog::kRunButton,
       SettingsDialog::Outcome::kRun,
       "Germany"},
      {{{16, 9}, {16}, {16, 9}, {16}, {16, 9}, {}, {13}},
       SettingsDialog::kSoundBox,
       SettingsDialog::Outcome::kRun,
       "Germany"},
  };
  for (const Case& c : cases) {
    SettingsDialog d{LaunchOptions{}};
    for (const auto& keys : c.presses) d.Keys(With(keys));
    EXPECT_EQ(d.Focus(), c.focus);
    EXPECT_EQ(d.GetOutcome(), c.outcome);
    EXPECT_EQ(d.ItemText(SettingsDialog::kTurnFirst), c.first);
  }
  SettingsDialog d{LaunchOptions{}};
  ClickOn(d, SettingsDialog::kExitButton);
  EXPECT_EQ(d.GetOutcome(), SettingsDialog::Outcome::kExit);
}

TEST(LaunchOptions, PresetsAndRefusals) {
  struct Case {
    std::vector<const char*> args;
    bool ok;
  };
  const Case cases[] = {
      {{"--run", "--first", "ussr", "--soviet", "cpu", "--german", "human", "--turn-length", "4",
        "--bits", "8", "--window", "--no-sound"},
       true},
      {{"--frist", "ussr"}, false},
      {{"--first", "japan"}, false},
      {{"--bits", "24"}, false},
      {{"--turn-length"}, false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = {"gravmark"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    LaunchOptions o;
    std::string error;
    EXPECT_EQ(ParseLaunchOptions(static_cast<int>(argv.size()), argv.data(), o, error), c.ok)
        << error;
    EXPECT_EQ(error.empty(), c.ok);
    if (c.ok) {
      EXPECT_TRUE(o.run && o.window);
      EXPECT_EQ(o.settings.firstCoalition, kSovietSide);
      EXPECT_EQ(o.settings.sovietPlayer, 1);
      EXPECT_EQ(o.settings.germanPlayer, 0);
      EXPECT_EQ(o.settings.turnLength, 1);
      EXPECT_EQ(o.settings.soundOn, 0);
      EXPECT_EQ(o.bits, 8);
      const SettingsDialog d(o);
      EXPECT_EQ(d.ItemText(SettingsDialog::kDisplayModeBox), "800x600 8bit window");
    }
  }
}

}  // namespace
}  // namespace gm
