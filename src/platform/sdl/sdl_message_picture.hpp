// The error box's picture, drawn with cairo in the DejaVu fonts the game's art uses: a caption
// bar with the title (there may be no window manager to show one), the message in lines that fit
// the box, and the OK button, which has the keyboard.
#pragma once

#include <SDL.h>

#include <string>
#include <string_view>
#include <vector>

namespace gm {

struct MessagePicture {
  int width = 0;
  int height = 0;
  SDL_Rect ok{};  // the OK button, in the picture's pixels
  std::string title;
  std::vector<std::string> lines;
};

// The picture for `title` and `message`, within `maxWidth` x `maxHeight` (the display's usable
// area): its text wrapped narrower where the width is capped, a long path shortened in its middle
// where the lines would not fit, the reason and OK always in it.
MessagePicture LayOutMessage(std::string_view title, std::string_view message, int maxWidth,
                             int maxHeight);

// Draws the picture into a 32-bit XRGB surface of its size; `pressed` while OK is held down.
void DrawMessage(const MessagePicture& picture, bool pressed, SDL_Surface& into);

}  // namespace gm
