// The headless game window for the screen tests, the play-throughs and the review pictures.
#include "game_harness.hpp"

#include <cstdlib>
#include <random>

#include "platform/program_folder.hpp"
#include "tests/support/world_builders.hpp"
#include "ui/screens/title_screen.hpp"
#include "world/formation_lists.hpp"
#include "world/holdings.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

namespace {

std::filesystem::path FreshFolder() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto dir = base / ("gravmark-ui-" + std::to_string(rd()));
    if (std::filesystem::create_directory(dir)) return dir;
  }
}

}  // namespace

std::filesystem::path BuildFolder() {
  const char* dir = std::getenv("GM_BUILD_DIR");
  if (dir != nullptr) return dir;
  // Test and benchmark programs live in the build folder's tests-bin/, tools in the folder itself.
  const std::filesystem::path here = RunningProgramFolder();
  return here.filename() == "tests-bin" ? here.parent_path() : here;
}

LaunchOptions ScriptedOptions() {
  LaunchOptions o;
  o.run = true;
  o.window = true;
  o.settings.firstCoalition = kGermanSide;
  o.settings.germanPlayer = 0;
  o.settings.sovietPlayer = 1;
  o.settings.soundOn = 1;
  return o;
}

GameHarness::GameHarness(const LaunchOptions& options) : GameHarness(options, {}) {}

GameHarness::GameHarness(const LaunchOptions& options,
                         const std::function<void(HeadlessPlatform&)>& prepare)
    : folder_(FreshFolder()) {
  MakeWindow(prepare);
  started_ = window_->StartUp(options);
}

GameHarness::GameHarness(ThroughSettingsDialog) : folder_(FreshFolder()) {
  MakeWindow();
  const LaunchOptions presets;
  started_ = window_->OpenSettingsDialog(presets);
  if (started_) {
    dialog_ = std::make_unique<SettingsDialog>(presets);
    started_ = Status::Error("the settings dialog is still open");
    DialogFrame();
  }
}

void GameHarness::MakeWindow(const std::function<void(HeadlessPlatform&)>& prepare) {
  const std::filesystem::path build = BuildFolder();
  std::filesystem::create_directory_symlink(build / "data", folder_ / "data");
  std::filesystem::create_directory_symlink(build / "help", folder_ / "help");
  platform_.SetProgramFolder(folder_);
  platform_.SetKeptFrames(1);
  fs_ = std::make_unique<PosixFileSystem>(folder_.string() + "/");
  if (prepare) prepare(platform_);
  window_ = std::make_unique<MainWindow>(platform_, *fs_);
}

void GameHarness::DialogFrame() {
  if (dialog_ != nullptr) (void)window_->SettingsDialogFrame(*dialog_);
}

Status GameHarness::StartFromDialog() {
  if (dialog_ == nullptr || dialog_->GetOutcome() != SettingsDialog::Outcome::kRun) {
    return Status::Error("the settings dialog did not end with Run!");
  }
  const LaunchOptions chosen = dialog_->Result();
  dialog_.reset();
  started_ = window_->StartUp(chosen);
  return started_;
}

GameHarness::~GameHarness() {
  window_.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void GameHarness::Frames(int n) {
  for (int i = 0; i < n; ++i) {
    window_->PumpEvents();
    platform_.AdvanceTime(window_->Timer().Interval());
    window_->Frame();
  }
}

void GameHarness::MoveTo(int x, int y) {
  platform_.MoveMouse(x, y);
  Pump();
}

void GameHarness::Click(int x, int y) {
  platform_.Click(x, y);
  Pump();
}

void GameHarness::Press(std::uint8_t button) {
  platform_.PressButton(button);
  Pump();
}

void GameHarness::Release(std::uint8_t button) {
  platform_.ReleaseButton(button);
  Pump();
}

void GameHarness::Pump() {
  // The open dialog takes its events in its own loop.
  if (dialog_ == nullptr) window_->PumpEvents();
}

void GameHarness::Key(int virtualKey, bool down) {
  platform_.SetKey(virtualKey, down);
}

void GameHarness::StartGame() {
  Click(Middle(kStartButton));
  Frames(1);
}

void GameHarness::ClearView() {
  World& w = W();
  for (int y = w.ViewY; y < w.ViewY + 9; ++y) {
    for (int x = w.ViewX; x < w.ViewX + 12; ++x) {
      TMapCell& c = Cell(w, x, y);
      for (std::uint16_t n : {c.GroundFormation, c.AirFormation}) {
        if (n > 0) WipeFormationRecord(Formation(w, n));
      }
      c = TMapCell{};
      c.Terrain = 50;  // plain
    }
  }
  RebuildHoldings(w);  // the view's settlements are gone from the map
}

int GameHarness::Place(int x, int y, std::uint16_t type) {
  World& w = W();
  int n = kMaxFormations;
  while (n > 0 && Formation(w, n).Branch != 0) --n;
  TFormation& f = PlaceFormation(w, n, x, y, type);
  f.Experience = 50;
  f.Morale = 50;
  f.Ammo = 10;
  return n;
}

TColor GameHarness::PixelAt(int x, int y) {
  const TDirectDrawSurface& back = *window_->Display().Surface();
  return back.PixelColor(back.Pixel(x, y));
}

void GameHarness::Dump(const std::string& name) {
  const std::filesystem::path dir = BuildFolder() / "review" / "screens";
  std::filesystem::create_directories(dir);
  (void)platform_.WriteFramePng(dir / (name + ".png"));
}

}  // namespace gm::testing
