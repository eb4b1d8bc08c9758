// The error box under SDL's dummy video driver: what closes it and what does not, a termination
// signal ending its wait, its place and size on the display, and text a font cannot draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/sdl_message_box.hpp"
#include "platform/sdl/sdl_message_lines.hpp"
#include "platform/sdl/sdl_platform.hpp"

namespace gm {
namespace {

constexpr const char* kMessage =
    "/home/ann/gravmark/data/evrasia.scn: cannot open: No such file or directory";

class MessageBox : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platform_ = MakeSdlPlatform();  // SDL started, the termination signals caught
    ASSERT_NE(platform_, nullptr);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  void TearDown() override { platform_.reset(); }

  std::unique_ptr<Platform> platform_;
};

SDL_Event Key(SDL_Keycode key) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = key;
  return e;
}

SDL_Event Button(Uint32 type, Uint8 button, Uint32 window, SDL_Point at) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.windowID = window;
  e.button.x = at.x;
  e.button.y = at.y;
  return e;
}

TEST_F(MessageBox, ClosesByItsKeysItsButtonAndEitherWindowsClose) {
  using End = MessageBoxEnd;
  SdlMessageBox probe(nullptr, "Gravmark cannot start", kMessage);
  ASSERT_TRUE(probe.Shown());
  const SDL_Rect ok = probe.Picture().ok;
  const SDL_Point onOk{ok.x + ok.w / 2, ok.y + ok.h / 2};
  const SDL_Point offOk{ok.x - 1, ok.y};
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = 0;  // the game's window, or any other
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  // A pointer event goes to the box's own window unless it says another.
  struct Step {
    SDL_Event event;
    End end;
    bool otherWindow = false;
  };
  const auto press = [](Uint8 b, SDL_Point at) { return Button(SDL_MOUSEBUTTONDOWN, b, 0, at); };
  const auto release = [](Uint8 b, SDL_Point at) { return Button(SDL_MOUSEBUTTONUP, b, 0, at); };
  const struct {
    const char* what;
    std::vector<Step> steps;
  } cases[] = {
      {"Return", {{Key(SDLK_RETURN), End::kClosed}}},
      {"Enter", {{Key(SDLK_KP_ENTER), End::kClosed}}},
      {"Escape", {{Key(SDLK_ESCAPE), End::kClosed}}},
      {"Space", {{Key(SDLK_SPACE), End::kClosed}}},
      {"another key", {{Key(SDLK_a), End::kOpen}, {Key(SDLK_TAB), End::kOpen}}},
      {"a click on OK",
       {{press(SDL_BUTTON_LEFT, onOk), End::kOpen},
        {release(SDL_BUTTON_LEFT, onOk), End::kClosed}}},
      {"a press on OK let go beside it",
       {{press(SDL_BUTTON_LEFT, onOk), End::kOpen}, {release(SDL_BUTTON_LEFT, offOk), End::kOpen}}},
      {"a press beside OK let go on it",
       {{press(SDL_BUTTON_LEFT, offOk), End::kOpen}, {release(SDL_BUTTON_LEFT, onOk), End::kOpen}}},
      {"the right button on OK",
       {{press(SDL_BUTTON_RIGHT, onOk), End::kOpen},
        {release(SDL_BUTTON_RIGHT, onOk), End::kOpen}}},
      {"a click in the game's window where OK is",
       {{press(SDL_BUTTON_LEFT, onOk), End::kOpen, true},
        {release(SDL_BUTTON_LEFT, onOk), End::kOpen, true}}},
      {"a window's close", {{close, End::kClosed}}},
      {"SDL's quit", {{quit, End::kTerminated}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SdlMessageBox box(nullptr, "Gravmark cannot start", kMessage);
    ASSERT_TRUE(box.Shown());
    const Uint32 id = SDL_GetWindowID(box.Window());
    for (Step s : c.steps) {
      if (s.event.type == SDL_MOUSEBUTTONDOWN || s.event.type == SDL_MOUSEBUTTONUP) {
        s.event.button.windowID = s.otherWindow ? id + 100 : id;
      }
      EXPECT_EQ(box.Handle(s.event), s.end);
    }
  }
}

// The wait ends by itself on a termination signal, which wakes nothing: the game is not left
// waiting for a player who may not be there.
TEST_F(MessageBox, ItsWaitEndsOnAKeyOrATerminationSignal) {
  for (const bool signal : {false, true}) {
    SCOPED_TRACE(signal ? "SIGTERM" : "Return");
    SdlMessageBox box(nullptr, "Gravmark cannot start", kMessage);
    ASSERT_TRUE(box.Shown());
    if (signal) {
      std::raise(SIGTERM);
    } else {
      SDL_Event e = Key(SDLK_RETURN);
      SDL_PushEvent(&e);
    }
    EXPECT_EQ(box.Run(), signal ? MessageBoxEnd::kTerminated : MessageBoxEnd::kClosed);
  }
}

// Only a press made while the box stands closes it: not one made before it appeared, nor a repeat.
TEST_F(MessageBox, OnlyAFreshPressClosesIt) {
  SDL_Event down = Key(SDLK_RETURN), repeat = down, quit{};
  repeat.key.repeat = 1;
  quit.type = SDL_QUIT;
  // Events queued before the box appears, and after it: none closes it, the quit ends its wait.
  const std::vector<SDL_Event> cases[][2] = {{{down}, {}}, {{}, {repeat}}};
  for (const auto& [before, after] : cases) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // what the case before left
    for (SDL_Event e : before) SDL_PushEvent(&e);
    SdlMessageBox box(nullptr, "Gravmark cannot start", kMessage);
    for (SDL_Event e : after) SDL_PushEvent(&e);
    SDL_PushEvent(&quit);
    EXPECT_EQ(box.Run(), MessageBoxEnd::kTerminated) << (before.empty() ? "repeat" : "before");
  }
}

TEST_F(MessageBox, StandsInTheMiddleOfTheDisplayAndFitsIt) {
  SDL_Rect display{};
  ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
  const std::string deep = "/" + std::string(300, 'a') + "/evrasia.scn: cannot open: denied";
  for (const std::string& message : {std::string(kMessage), deep}) {
    SCOPED_TRACE(message);
    SdlMessageBox box(nullptr, "Gravmark cannot start", message);
    ASSERT_TRUE(box.Shown());
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(box.Window(), &x, &y);
    SDL_GetWindowSize(box.Window(), &w, &h);
    EXPECT_LE(w, display.w);
    EXPECT_NEAR(x + w / 2, display.x + display.w / 2, 1);
    EXPECT_NEAR(y + h / 2, display.y + display.h / 2, 1);
    const SDL_Rect ok = box.Picture().ok;
    EXPECT_LE(ok.x + ok.w, w);
    EXPECT_LE(ok.y + ok.h, h);
  }
}

// The picture's pixels, row by row.
std::vector<Uint32> Pixels(const MessagePicture& p) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, p.width, p.height, 32, SDL_PIXELFORMAT_RGB888);
  DrawMessage(p, false, *s);
  const auto* first = static_cast<const Uint32*>(s->pixels);
  std::vector<Uint32> pixels(first, first + p.width * p.height);
  SDL_FreeSurface(s);
  return pixels;
}

// However long the path and small the display, the box stays within it, its text within its
// margins, a long path shortened in its middle, the reason and OK in view.
TEST(MessageBoxText, TheBoxFitsTheDisplayWithItsReasonAndOk) {
  std::string deep = "/home/ann", cyrillic = "/home/a", broken = "/home/b";
  while (deep.size() < 3400) deep += "/folder_of_the_player";
  for (int i = 0; i < 50; ++i) cyrillic += "\xD0\xB4", broken += "\n/b";  // line breaks in names
  // One long name, then more short lines than its own run holds.
  std::string mixed = "/home/" + std::string(200, 'q') + "/";
  for (int i = 0; i < 60; ++i) mixed += "n\n";
  for (const SDL_Point area : {SDL_Point{1024, 768}, SDL_Point{640, 480}, SDL_Point{400, 300}}) {
    for (const std::string& path : {cyrillic, deep, broken, mixed}) {
      SCOPED_TRACE(std::to_string(area.x) + " " + path.substr(0, 12));
      const MessagePicture p = LayOutMessage(
          "Gravmark cannot start", path + "/evrasia.scn: cannot open: denied", area.x, area.y);
      EXPECT_LE(p.width, area.x);
      EXPECT_LE(p.height, area.y);
      EXPECT_TRUE(p.lines.front().starts_with("/home/") && p.lines.back().ends_with("denied"));
      const auto gap = [](const std::string& l) { return l.ends_with("..."); };
      EXPECT_EQ(std::ranges::any_of(p.lines, gap), path != cyrillic);
      // The right margin, from the caption to OK, holds nothing but the field.
      const std::vector<Uint32> pixels = Pixels(p);
      int inked = 0;
      for (int y = 27; y < p.ok.y; ++y) {
        for (int x = p.width - 10; x < p.width - 1; ++x)
          inked += (pixels[y * p.width + x] & 0xFFFFFF) != 0x22261C;
      }
      EXPECT_EQ(inked, 0);
    }
  }
}

TEST(MessageBoxText, WhatAFontCannotDrawBecomesAQuestionMark) {
  const struct {
    const char* text;
    const char* drawn;
  } cases[] = {
      {"/home/ann/data: cannot open", "/home/ann/data: cannot open"},
      {"two\tparts\nand a line", "two parts\nand a line"},
      {"bell\a delete\x7f", "bell? delete?"},
      {"Gro\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80", "Gro\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"cut \xC3", "cut ?"},         // a sequence missing its end
      {"\xC3 x", "? x"},             // ... and its continuation
      {"\xC0\xAF", "??"},            // an overlong '/'
      {"\xE0\x80\xAF", "???"},       // ... in three bytes
      {"\xED\xA0\x80", "???"},       // a surrogate
      {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
      {"\xFF\xFE latin-1 \xE9t\xE9", "?? latin-1 ?t?"},
  };
  // A line of them is drawn as its '?'s, and what follows it too.
  MessagePicture broken = LayOutMessage("Gravmark cannot start", "x\nOK follows", 800, 600);
  MessagePicture drawable = broken;
  for (const auto& c : cases) {
    EXPECT_EQ(DrawableText(c.text), c.drawn) << c.text;
    broken.lines[0] = c.text;
    drawable.lines[0] = c.drawn;
    EXPECT_EQ(Pixels(broken), Pixels(drawable)) << c.text;
  }
}

}  // namespace
}  // namespace gm
