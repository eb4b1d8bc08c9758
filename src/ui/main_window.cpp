// Start-up, events, frames and leaving the game.
#include "ui/main_window.hpp"

#include <exception>

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "flow/start_up.hpp"
#include "media/surface_canvas.hpp"
#include "platform/log.hpp"
#include "ui/click_handler.hpp"
#include "ui/close_request.hpp"
#include "ui/frame_loop.hpp"
#include "ui/pointer_input.hpp"
#include "ui/required_media.hpp"
#include "ui/screens/parade.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

constexpr std::uint32_t kDefaultInterval = 20;  // ms
constexpr const char* kCaption = "Gvm";
constexpr const char* kCaptionMinimized = "Gvm [minimized]";

// The merge keys Q W E A S D Z X C, bound to the input states 3 .. 11.
constexpr std::array<std::int32_t, 9> kMergeKeyCodes = {81, 87, 69, 65, 83, 68, 90, 88, 67};

std::string DataPath(const FileSystem& fs, const char* name) {
  return fs.ProgramFolder() + "data/" + name;
}

// Runs a media step that reports failure by throwing, as the archive readers do.
template <class Step>
Status Guarded(const std::string& file, Step&& step) {
  try {
    step();
    return Status::Ok();
  } catch (const std::exception& e) {
    return Status::Error(file + ": " + e.what());
  }
}

}  // namespace

MainWindow::MainWindow(Platform& platform, FileSystem& fs)
    : platform_(platform),
      fs_(fs),
      display_(&platform),
      input_(&platform),
      timer_(app_, platform.GetClock()),
      sound_(&platform),
      soundSink_(waves_.Items),
      music_(platform),
      flow_{soundSink_, music_, platform.GetClock()},
      world_(std::make_unique<World>()),
      ctx_{*world_, ui_,      display_, graphic_.Items, techn_.Items, flow_, timer_,
           input_,  platform, fs,       pictures_,      images_} {
  graphic_.SetDXDraw(&display_);
  techn_.SetDXDraw(&display_);
  waves_.SetDXSound(&sound_);
  timer_.SetEnabled(false);
  timer_.SetInterval(kDefaultInterval);
  timer_.OnTimer = [this](TCustomDXTimer&, std::int32_t lag) { DXTimerTimer(ctx_, lag); };
  timer_.OnActivate = [this](TCustomDXTimer&) { platform_.SetWindowTitle(kCaption); };
  timer_.OnDeactivate = [this](TCustomDXTimer&) { platform_.SetWindowTitle(kCaptionMinimized); };
  display_.OnRestoreSurface = [this](TCustomDXDraw&) { DXDraw1RestoreSurface(); };
  // The sound device opens with the game's resources (DXDrawInitialize), and only when the
  // game's sound is on: a silent game keeps no sound thread waking beside it.
}

MainWindow::~MainWindow() {
  timer_.OnTimer = nullptr;
  timer_.OnActivate = nullptr;
  timer_.OnDeactivate = nullptr;
  display_.OnRestoreSurface = nullptr;
  waves_.SetDXSound(nullptr);
  graphic_.SetDXDraw(nullptr);
  techn_.SetDXDraw(nullptr);
}

void MainWindow::FormCreate(const LaunchOptions& options) {
  settings_ = options.settings;
  ui_.ResourcesLoaded = 0;
  ShowTitleScreen(*world_);
  SaveScreenFlags(*world_);
  ui_.MapClicked = ui_.ShowGrid = ui_.ShowFps = ui_.ShowClock = 0;
  ui_.AttackerScreenCell = {0, 0};
  ui_.TargetScreenPos = {0, 0};
  ui_.BlinkPhase = 0;
  ui_.CursorShape = kCursorArrow;
  ui_.FrameCount = 0;
  for (std::size_t i = 0; i < kMergeKeyCodes.size(); ++i) {
    input_.Keyboard().SetKeyAssign(static_cast<TDXInputState>(isButton3 + i), {kMergeKeyCodes[i]});
  }
}

Status MainWindow::OpenDisplay(const LaunchOptions& options) {
  display_.SetOptions(static_cast<TDXDrawOptions>((options.window ? 0 : doFullScreen) |
                                                  doWaitVBlank | doCenter | doHardware));
  display_.Display().SetWidth(kFrameWidth);
  display_.Display().SetHeight(kFrameHeight);
  display_.Display().SetBitCount(options.bits);
  display_.SetSurfaceSize(kFrameWidth, kFrameHeight);
  Status opened = Guarded("the display", [this] { display_.Initialize(); });
  if (opened) platform_.SetFullScreen(!options.window);
  return opened;
}

Status MainWindow::LoadGraphics() {
  if (graphicsLoaded_) return Status::Ok();
  const std::string file = DataPath(fs_, "graphic.dxg");
  Status loaded = Guarded(file, [&] { graphic_.Items.LoadFromFile(fs_, file); });
  if (loaded) loaded = CheckGraphicArchive(graphic_.Items, file);
  graphicsLoaded_ = loaded.IsOk();
  return loaded;
}

void MainWindow::ShowLoadingLine(std::string_view text, std::int32_t y) {
  TDirectDrawSurfaceCanvas& canvas = ctx_.Back().Canvas();
  canvas.BrushColor = RgbColor(0, 0, 0);
  canvas.FontColor = RgbColor(255, 255, 255);
  canvas.FontSize = 12;
  canvas.TextOut(0, y, text);
  canvas.Release();
  display_.Flip();
}

Status MainWindow::DXDrawInitialize() {
  ShowLoadingLine(HintTexts.loadingGraphics, 40);
  if (Status s = LoadGraphics(); !s) return s;
  ShowLoadingLine(HintTexts.loadingTechnics, 60);
  const std::string techn = DataPath(fs_, "techn.dxg");
  if (Status s = Guarded(techn, [&] { techn_.Items.LoadFromFile(fs_, techn); }); !s) return s;
  if (Status s = CheckTechnArchive(techn_.Items, techn); !s) return s;
  ShowLoadingLine(HintTexts.loadingWarInfo, 80);
  ShowLoadingLine(HintTexts.loadingScenario, 100);
  // The world's own start-up: settings, generator, scenario, record check, orders.
  if (Status s = gm::StartUp(*world_, fs_, platform_.GetClock(), settings_); !s) return s;
  ui_.ResourcesLoaded = 1;
  if (world_->SoundOn == 1) {
    const std::string file = DataPath(fs_, "snd_eng.dxw");
    if (!sound_.Initialized()) {
      (void)Guarded("the sound device", [this] { sound_.Initialize(); });
    }
    if (Status s = Guarded(file, [&] { waves_.Items.LoadFromFile(fs_, file); }); !s) return s;
    if (Status s = CheckSoundArchive(waves_.Items, file); !s) return s;
  }
  timer_.SetEnabled(true);
  MakeOffscreenSurfaces();
  ResetParade(ui_);
  return Status::Ok();
}

void MainWindow::MakeOffscreenSurfaces() {
  const SurfaceFormat format = ctx_.Back().Format();
  const auto make = [&format](std::int32_t w, std::int32_t h) {
    auto s = std::make_unique<TDirectDrawSurface>(format);
    s->SetSize(w, h);
    return s;
  };
  terrainAtlas_ = make(500, 540);
  terrainAtlas_->SystemMemory = true;
  map1Twin_ = make(500, 540);
  overviewPicture_ = make(720, 600);
  overviewPicture_->SystemMemory = true;
  theatreTwin_ = make(720, 600);
  pictures_.TerrainAtlas = terrainAtlas_.get();
  pictures_.Map1Surface = map1Twin_.get();
  pictures_.OverviewPicture = overviewPicture_.get();
  pictures_.TheatreSurface = theatreTwin_.get();
}

void MainWindow::DXDraw1RestoreSurface() {
  if (ui_.ResourcesLoaded == 0) return;
  if (pictures_.Map1Surface != nullptr) (void)pictures_.Map1Surface->Restore();
  pictures_.Map1Surface = pictures_.TerrainAtlas;
  if (pictures_.TheatreSurface != nullptr) (void)pictures_.TheatreSurface->Restore();
  pictures_.TheatreSurface = pictures_.OverviewPicture;
}

Status MainWindow::StartUp(const LaunchOptions& options) {
  FormCreate(options);
  if (Status s = OpenDisplay(options); !s) return s;
  platform_.SetWindowTitle(kCaption);
  input_.Initialize();
  return DXDrawInitialize();
}

Status MainWindow::OpenSettingsDialog(const LaunchOptions& presets) {
  LaunchOptions dialogDisplay = presets;
  dialogDisplay.window = true;
  dialogDisplay.bits = 16;
  if (Status s = OpenDisplay(dialogDisplay); !s) return s;
  input_.Initialize();
  return LoadGraphics();
}

bool MainWindow::SettingsDialogFrame(SettingsDialog& dialog) {
  return gm::SettingsDialogFrame(ctx_, app_, dialog);
}

void MainWindow::HandleEvent(const PlatformEvent& event) {
  switch (event.kind) {
    case PlatformEvent::Kind::kMouseMove:
      DXDraw1MouseMove(ctx_, event.x, event.y);
      break;
    case PlatformEvent::Kind::kMouseDown:
      DXDraw1MouseDown(ctx_, event.buttons);
      break;
    case PlatformEvent::Kind::kMouseUp:
      DXDraw1MouseUp(ctx_);
      break;
    case PlatformEvent::Kind::kClick:
      DXDraw1Click(ctx_);
      break;
    case PlatformEvent::Kind::kFocusGained:
      app_.SetActive(true);
      break;
    case PlatformEvent::Kind::kFocusLost:
      app_.SetActive(false);
      break;
    case PlatformEvent::Kind::kMusicEnded:
      music_.Notify(event.musicEnd);
      break;
    case PlatformEvent::Kind::kCloseRequest:
      AnswerCloseRequest(ctx_);
      break;
    case PlatformEvent::Kind::kTerminate:
      ui_.QuitRequested = true;
      break;
    default:
      break;
  }
}

void MainWindow::PumpEvents() {
  PlatformEvent event;
  while (!ui_.QuitRequested && platform_.PollEvent(event)) HandleEvent(event);
  if (!ui_.QuitRequested) AnswerWaitingCloseRequest(ctx_);
  // The frames stop while another program is the active one; asked to close, the window draws
  // on, so that its Quit page stands (after the animation) where the player can see it.
  timer_.SetActiveOnly(!AskingToQuit(*world_, ui_));
}

void MainWindow::Frame() {
  timer_.IdleTick();
}

void MainWindow::Leave() {
  if (left_) return;
  left_ = true;
  timer_.SetEnabled(false);
  music_.Close();
  sound_.Finalize();
  pictures_ = {};
  terrainAtlas_.reset();
  map1Twin_.reset();
  overviewPicture_.reset();
  theatreTwin_.reset();
  display_.Finalize();
  platform_.CloseWindow();
}

int MainWindow::CannotStart(const Status& why) {
  LogLine(why.Message());
  // A game started from a desktop menu has nobody reading its log: the message also goes in a
  // box, over the window while it is still there to hold it.
  platform_.ShowStartUpError(why.Message());
  Leave();
  return 1;
}

int MainWindow::Run(const LaunchOptions& options) {
  LaunchOptions chosen = options;
  if (!options.run) {
    if (Status s = OpenSettingsDialog(options); !s) return CannotStart(s);
    if (!RunSettingsDialog(ctx_, app_, chosen)) {
      Leave();
      return 0;
    }
  }
  if (Status s = StartUp(chosen); !s) return CannotStart(s);
  while (!ui_.QuitRequested) {
    PumpEvents();
    if (ui_.QuitRequested) break;
    // The timer ticks from the idle processing; between ticks the loop sleeps until the next
    // one is due or an event arrives. Not the active program, it waits for events alone.
    if (app_.Idle()) {
      platform_.WaitForEvent(static_cast<int>(timer_.MillisecondsUntilDue()));
    } else {
      platform_.WaitForEvent(100);
    }
  }
  Leave();
  return 0;
}

}  // namespace gm
