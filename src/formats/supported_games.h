// The games whose levels the program reads and exports into, as the menus,
// the help texts and the author box name them.
#pragma once
#include <string>

namespace tilesmith {

// "Tomb Raider 1-5": the games of whose levels some format of the registry both
// reads and exports into, a run of consecutive numbers written as a range.
std::string supported_games();

}  // namespace tilesmith
