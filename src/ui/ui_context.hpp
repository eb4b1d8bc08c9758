// Everything a screen needs to draw a frame or answer a click: the world, the window's own
// state, the back buffer, the two image lists and where their images stand, the flow's services
// and the machine. The main window builds one and hands it to the frame loop, the pointer
// handlers and the click handler.
#pragma once

#include "flow/flow_services.hpp"
#include "media/display_device.hpp"
#include "media/frame_timer.hpp"
#include "media/input_devices.hpp"
#include "media/picture_collection.hpp"
#include "platform/file_system.hpp"
#include "platform/platform.hpp"
#include "ui/image_lookup.hpp"
#include "ui/ui_state.hpp"
#include "world/world.hpp"

namespace gm {

// The pictures that Start draws once: the terrain atlas of the Map1 view and the overview of
// the Map2 view, and the two surfaces the views copy from (they end up pointing at the first two).
struct OffscreenPictures {
  TDirectDrawSurface* TerrainAtlas = nullptr;     // 500 x 540
  TDirectDrawSurface* OverviewPicture = nullptr;  // 720 x 600
  TDirectDrawSurface* Map1Surface = nullptr;
  TDirectDrawSurface* TheatreSurface = nullptr;
};

struct UiContext {
  World& w;
  UiState& ui;
  TCustomDXDraw& display;
  TPictureCollection& graphic;  // graphic.dxg: panels, tiles, fonts, cursors, units, terrain
  TPictureCollection& techn;    // techn.dxg: equipment pictures
  FlowServices& flow;
  TCustomDXTimer& timer;
  TCustomDXInput& input;
  Platform& platform;
  FileSystem& fs;
  OffscreenPictures& pictures;
  ImageLookup& images;  // where the images of the two lists stand

  TDirectDrawSurface& Back() const { return *display.Surface(); }
};

}  // namespace gm
