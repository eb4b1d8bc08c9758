// The keyboard through SDL. Scancode to virtual-key table: letters and digits by their character,
// the rest by the conventional key codes the key assigns use (arrows 37..40, numeric pad 96..105,
// F1 112 ...).
#include "platform/sdl/sdl_keymap.hpp"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_scancode.h>

#include <array>

namespace gm {

namespace {

std::array<std::uint8_t, SDL_NUM_SCANCODES> MakeTable() {
  std::array<std::uint8_t, SDL_NUM_SCANCODES> t{};
  for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = static_cast<std::uint8_t>('A' + i);
  for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_1 + i] = static_cast<std::uint8_t>('1' + i);
  t[SDL_SCANCODE_0] = '0';
  for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F1 + i] = static_cast<std::uint8_t>(112 + i);
  for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_KP_1 + i] = static_cast<std::uint8_t>(97 + i);
  t[SDL_SCANCODE_KP_0] = 96;
  // Punctuation gets its own codes, so that no punctuation key lights an arrow state.
  const std::pair<int, int> others[] = {
      {SDL_SCANCODE_RETURN, 13},        {SDL_SCANCODE_ESCAPE, 27},
      {SDL_SCANCODE_BACKSPACE, 8},      {SDL_SCANCODE_TAB, 9},
      {SDL_SCANCODE_SPACE, 32},         {SDL_SCANCODE_MINUS, 189},
      {SDL_SCANCODE_EQUALS, 187},       {SDL_SCANCODE_LEFTBRACKET, 219},
      {SDL_SCANCODE_RIGHTBRACKET, 221}, {SDL_SCANCODE_BACKSLASH, 220},
      {SDL_SCANCODE_SEMICOLON, 186},    {SDL_SCANCODE_APOSTROPHE, 222},
      {SDL_SCANCODE_GRAVE, 192},        {SDL_SCANCODE_COMMA, 188},
      {SDL_SCANCODE_PERIOD, 190},       {SDL_SCANCODE_SLASH, 191},
      {SDL_SCANCODE_CAPSLOCK, 20},      {SDL_SCANCODE_PRINTSCREEN, 44},
      {SDL_SCANCODE_SCROLLLOCK, 145},   {SDL_SCANCODE_PAUSE, 19},
      {SDL_SCANCODE_INSERT, 45},        {SDL_SCANCODE_HOME, 36},
      {SDL_SCANCODE_PAGEUP, 33},        {SDL_SCANCODE_DELETE, 46},
      {SDL_SCANCODE_END, 35},           {SDL_SCANCODE_PAGEDOWN, 34},
      {SDL_SCANCODE_RIGHT, 39},         {SDL_SCANCODE_LEFT, 37},
      {SDL_SCANCODE_DOWN, 40},          {SDL_SCANCODE_UP, 38},
      {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_KP_DIVIDE, 111},
      {SDL_SCANCODE_KP_MULTIPLY, 106},  {SDL_SCANCODE_KP_MINUS, 109},
      {SDL_SCANCODE_KP_PLUS, 107},      {SDL_SCANCODE_KP_ENTER, 13},
      {SDL_SCANCODE_KP_PERIOD, 110},    {SDL_SCANCODE_APPLICATION, 93},
      {SDL_SCANCODE_LCTRL, 17},         {SDL_SCANCODE_RCTRL, 17},
      {SDL_SCANCODE_LSHIFT, 16},        {SDL_SCANCODE_RSHIFT, 16},
      {SDL_SCANCODE_LALT, 18},          {SDL_SCANCODE_RALT, 18},
      {SDL_SCANCODE_LGUI, 91},          {SDL_SCANCODE_RGUI, 92},
  };
  for (auto [scancode, key] : others) t[scancode] = static_cast<std::uint8_t>(key);
  return t;
}

}  // namespace

std::uint8_t VirtualKeyOfScancode(int scancode) {
  static const auto table = MakeTable();
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return table[static_cast<std::size_t>(scancode)];
}

void ReadSdlKeyboard(KeySnapshot& keys) {
  keys.fill(0);
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  for (int sc = 0; sc < count; ++sc) {
    if (state[sc] == 0) continue;
    const std::uint8_t vk = VirtualKeyOfScancode(sc);
    if (vk != 0) keys[vk] = 0x80;
  }
}

}  // namespace gm
