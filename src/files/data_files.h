#pragma once
// The program folder as the data files keep it.

#include "rules/program_folder.h"

namespace zunpa {

// One for every game: all it keeps is in the game itself.
ProgramFolder& DataFiles();

}  // namespace zunpa
