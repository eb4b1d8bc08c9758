// Display device: flips reach the platform as one frame each (checked by hash), 8-bit frames
// are shown through the palette, the restore event, option rules, modes and notifications.
#include "media/display_device.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/device_errors.hpp"
#include "platform/headless/headless_platform.hpp"

namespace gm {
namespace {

void GameSettings(TDXDraw& d, int bits) {
  d.SetOptions(doFullScreen | doWaitVBlank | doCenter | do3D | doRetainedMode | doHardware |
               doSelectDriver);
  d.Display().SetWidth(800);
  d.Display().SetHeight(600);
  d.Display().SetBitCount(bits);
  d.Display().FixedSize = true;
  d.SetSurfaceSize(800, 600);
}

FrameView ViewOf(const TDirectDrawSurface& s, const Rgb565Palette* pal) {
  FrameView v;
  v.pixels = s.Row(0);
  v.width = s.Width();
  v.height = s.Height();
  v.pitch = s.Pitch();
  v.format = s.BitCount() == 8 ? FrameFormat::kIndexed8 : FrameFormat::kRgb565;
  v.palette = pal;
  return v;
}

TEST(DisplayDevice, EachFlipPresentsTheBackBufferOnce) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  GameSettings(d, 16);
  d.Flip();  // before initialisation: nothing
  EXPECT_TRUE(p.FrameHashes().empty());
  d.FormShown();
  ASSERT_TRUE(d.Initialized());
  EXPECT_TRUE(p.WindowOpen());
  EXPECT_TRUE(p.FullScreen());
  EXPECT_EQ(p.WindowTitle(), "Gravmark");
  TDirectDrawSurface* s = d.Surface();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Width(), 800);
  EXPECT_EQ(s->Height(), 600);
  EXPECT_EQ(s->BitCount(), 16);
  d.Flip();
  s->FillRect({100, 100, 160, 160}, 0xF800);
  d.Flip();
  d.Flip();
  ASSERT_EQ(p.FrameHashes().size(), 3u);
  EXPECT_NE(p.FrameHashes()[0], p.FrameHashes()[1]);
  EXPECT_EQ(p.FrameHashes()[1], p.FrameHashes()[2]);
  EXPECT_EQ(p.FrameHashes()[2], HeadlessPlatform::HashFrame(ViewOf(*s, nullptr)));
  const auto& frame = p.KeptFrames()[0].rgb;
  const std::size_t at = (120 * 800 + 120) * 3;
  EXPECT_EQ(frame[at], 255);
  EXPECT_EQ(frame[at + 1], 0);
  EXPECT_EQ(frame[(10 * 800 + 10) * 3], 0);
}

// Each flip tells the window what changed since the flip before: nothing for the same picture,
// the blocks of a change, and the whole frame when there is no frame before it to count from
// (the first, after a restore, on a new surface).
TEST(DisplayDevice, FlipsTellTheWindowWhatChanged) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  GameSettings(d, 16);
  d.Initialize();
  const auto& last = p.LastFrameHistory();
  const auto whole = [&](const char* what) {
    EXPECT_EQ(last.since, 0u) << what;
    EXPECT_EQ(last.changed, (std::vector<PixelRect>{{0, 0, 800, 600}})) << what;
  };
  d.Flip();
  whole("first");
  std::uint64_t before = last.serial;
  d.Flip();
  EXPECT_EQ(last.since, before);
  EXPECT_TRUE(last.changed.empty());
  d.Surface()->FillRect({100, 100, 160, 160}, 0xF800);
  before = last.serial;
  d.Flip();
  EXPECT_EQ(last.since, before);
  EXPECT_EQ(last.changed, (std::vector<PixelRect>{{100, 100, 160, 160}}));
  p.LoseFrame();
  d.Flip();
  whole("restored");
  d.SetSurfaceSize(800, 601);
  d.SetSurfaceSize(800, 600);
  d.Flip();
  whole("a new surface");
}

TEST(DisplayDevice, EightBitModeIsConvertedThroughThePalette) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  GameSettings(d, 8);
  d.Initialize();
  TDirectDrawSurface* s = d.Surface();
  ASSERT_EQ(s->BitCount(), 8);
  // Every palette entry once along the first row.
  for (int i = 0; i < 256; ++i) s->SetPixel(i, 0, static_cast<std::uint32_t>(i));
  d.Flip();
  const auto& rgb = p.KeptFrames()[0].rgb;
  const auto& pal = s->Palette();
  for (int i = 0; i < 256; ++i) {
    const std::uint8_t* px = &rgb[static_cast<std::size_t>(i) * 3];
    // RGB565 keeps the top 5/6/5 bits of each channel.
    EXPECT_EQ(px[0] >> 3, pal[i].red >> 3) << i;
    EXPECT_EQ(px[1] >> 2, pal[i].green >> 2) << i;
    EXPECT_EQ(px[2] >> 3, pal[i].blue >> 3) << i;
  }
}

TEST(DisplayDevice, LostFrameIsRestoredBeforeTheFlipAndFiresTheEvent) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  GameSettings(d, 16);
  int restores = 0;
  d.OnRestoreSurface = [&](TCustomDXDraw&) { ++restores; };
  d.Initialize();
  EXPECT_EQ(restores, 1);  // the first restore ends initialisation
  d.Surface()->Fill(0xFFFF);
  p.LoseFrame();
  d.Flip();
  EXPECT_EQ(restores, 2);
  ASSERT_EQ(p.FrameHashes().size(), 1u);
  EXPECT_EQ(p.KeptFrames()[0].rgb[0], 0);  // restored surfaces start black
  // A restore that fails shows nothing and fires nothing, and raises nothing.
  p.LoseFrame();
  p.SetRestoreFails(true);
  d.Flip();
  EXPECT_EQ(restores, 2);
  EXPECT_EQ(p.FrameHashes().size(), 1u);
}

TEST(DisplayDevice, OptionRules) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  struct Case {
    TDXDrawOptions asked, now;
  };
  const Case cases[] = {
      {doFullScreen | doWaitVBlank | doCenter | do3D | doRetainedMode | doHardware | doSelectDriver,
       doFullScreen | doWaitVBlank | doCenter | do3D | doRetainedMode | doSelectDriver},
      {doFlip, 0},
      {doFullScreen | doFlip | doSystemMemory, doFullScreen | doSystemMemory},
      {doFullScreen | do3D | doDirectX7Mode | doRetainedMode, doFullScreen | do3D | doDirectX7Mode},
  };
  for (const auto& c : cases) {
    d.SetOptions(c.asked);
    EXPECT_EQ(d.NowOptions(), c.now) << c.asked;
  }
  // While running, only wait, stretch and centre change.
  d.SetOptions(doFullScreen | doCenter);
  d.Initialize();
  d.SetOptions(doStretch);
  EXPECT_EQ(d.NowOptions(), doFullScreen | doStretch);
  d.Finalize();
  EXPECT_EQ(d.NowOptions(), doStretch);
}

TEST(DisplayDevice, ModesAndModeErrors) {
  HeadlessPlatform p;
  TDXDraw d(&p);
  ASSERT_EQ(d.Display().Count(), 2);
  EXPECT_EQ(d.Display().Modes(0).BitCount, 8);
  EXPECT_EQ(d.Display().Modes(1).BitCount, 16);
  EXPECT_THROW(d.Display().SetBitCount(12), EDirectDrawError);
  d.Display().SetWidth(800);
  d.Display().SetHeight(600);
  d.Display().SetBitCount(24);
  try {
    d.Initialize();
    FAIL() << "24 bits with a fixed bit count must fail";
  } catch (const EDXDrawError& e) {
    EXPECT_STREQ(e.what(), "Display mode cannot be changed (800x600 24bit)");
  }
  EXPECT_FALSE(d.Initialized());
  // With a free bit count the nearest deeper mode is taken.
  d.Display().FixedBitCount = false;
  d.Initialize();
  EXPECT_EQ(d.Surface()->BitCount(), 16);
  TDXDraw noForm(nullptr);
  EXPECT_THROW(noForm.Initialize(), EDXDrawError);
}

TEST(DisplayDevice, NotificationsReachImageListsInOrder) {
  std::vector<std::string> log;  // outlives the display, which tells it of its destruction
  HeadlessPlatform p;
  TDXDraw d(&p);
  GameSettings(d, 16);
  auto recorder = [&log](const char* who) {
    return [&log, who](TCustomDXDraw&, TDXDrawNotifyType kind) {
      log.push_back(std::string(who) + std::to_string(kind));
    };
  };
  int a = 0, b = 0;
  d.RegisterNotifyEvent(&a, recorder("a"));
  EXPECT_EQ(log, (std::vector<std::string>{"a7", "a6"}));  // size, restore
  d.RegisterNotifyEvent(&b, recorder("b"));
  log.clear();
  d.Initialize();
  // Last registered first: initialising, size, initialise, surface, restore.
  EXPECT_EQ(log,
            (std::vector<std::string>{"b1", "a1", "b7", "a7", "b2", "a2", "b3", "a3", "b6", "a6"}));
  log.clear();
  d.UnRegisterNotifyEvent(&a);
  EXPECT_EQ(log, (std::vector<std::string>{"a5", "a4"}));
  log.clear();
  d.RegisterNotifyEvent(&a, recorder("a"));
  EXPECT_EQ(log, (std::vector<std::string>{"a7", "a2", "a3", "a6"}));
  log.clear();
  d.Finalize();
  EXPECT_EQ(log, (std::vector<std::string>{"a5", "b5", "a4", "b4"}));
}

}  // namespace
}  // namespace gm
