// The command line of the game: presets for the settings dialog, or a start without it.
#pragma once

#include <string>

#include "flow/start_game.hpp"

namespace gm {

struct LaunchOptions {
  StartSettings settings{kGermanSide, 0, 0, 0, 1};  // the dialog's defaults: humans on both sides
  int bits = 16;                                    // 16 or 8
  bool window = false;                              // a resizable window instead of full screen
  bool run = false;                                 // start with these settings, without the dialog
  bool help = false;
};

inline constexpr const char* kLaunchUsage =
    "usage: gravmark [--run] [--first germany|ussr] [--soviet human|cpu] [--german human|cpu]\n"
    "                [--turn-length 1|4] [--bits 8|16] [--window] [--no-sound] [--help]\n"
    "  --run          start with these choices, without the settings dialog\n"
    "  --first        the coalition that moves first (germany)\n"
    "  --soviet       who plays the Soviet coalition (human)\n"
    "  --german       who plays the German coalition (human)\n"
    "  --turn-length  days a turn lasts: 1 (realistic) or 4 (fast)\n"
    "  --bits         colour depth of the display: 16 or 8\n"
    "  --window       play in a window instead of full screen\n"
    "  --no-sound     no music and no sound effects\n";

// Reads argv[1..]; false with `error` set for an unknown option or value.
bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions& out, std::string& error);

}  // namespace gm
