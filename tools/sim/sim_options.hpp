// The sim's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gm {

struct SimOptions {
  std::optional<long> days;  // none: to the end of the war
  int turnLength = 1;        // days a turn lasts: 1 or 4
  bool turnLengthGiven = false;
  std::uint32_t seed = 1;
  std::string load;  // a slot-format file to continue instead of the scenario
  std::string save;  // where to write the world at the end
  bool check = false;
  bool help = false;
};

inline constexpr const char* kSimUsage =
    "usage: gravmark-sim [--days N] [--turn-length 1|4] [--seed S] [--load FILE] [--save FILE]\n"
    "                    [--check] [--help]\n"
    "Plays a new game from data/evrasia.scn with both coalitions played by the computer, frame\n"
    "by frame without drawing, for N days or to the end of the war.\n"
    "  --days N          stop once N days have passed (default: play the war to its end)\n"
    "  --turn-length L   1: a turn is one day (default); 4: a turn is four days\n"
    "  --seed S          the fixed clock's time of day in milliseconds: the same seed plays the\n"
    "                    same game (default 1)\n"
    "  --load FILE       continue a saved game (slot format) instead of starting a new one\n"
    "  --save FILE       write the world at the end (slot format)\n"
    "  --check           validate the whole world after every turn; stop at the first fault\n"
    "  --help            show this text\n";

// Parses argv; on a bad option returns false with `error` set.
bool ParseSimOptions(int argc, char** argv, SimOptions& out, std::string& error);

}  // namespace gm
