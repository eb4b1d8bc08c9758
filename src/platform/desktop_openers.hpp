// The desktop's openers: which programs are tried to open an address, where each lies on PATH,
// and what a player can open by hand when none of them did.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gm {

// The programs tried in turn to open `address`, each as an argument vector: xdg-open,
// sensible-browser, x-www-browser, then each command of $BROWSER (commands separated by ':',
// "%s" in one standing for the address, which is added last otherwise).
std::vector<std::vector<std::string>> DesktopOpeners(std::string_view address);

// The program `name` as found on PATH (a name with a '/' as it is), or "" where none is there.
std::string ResolveProgram(const std::string& name);

// What the player can open by hand: a file address as its file's path, any other as it is.
std::string ByHand(std::string_view address);

}  // namespace gm
