#pragma once
// A data file brought in from elsewhere (the page's 読み込み): checked by
// its own reader before it replaces the folder's, so a bad one costs
// nothing.

#include <optional>
#include <string>
#include <string_view>

#include "rules/game.h"

namespace zunpa {

enum class ImportOutcome {
  Taken,       // written, and the game holds what it says
  Bad,         // the file's reader refused it: warned as at start-up
  NotWritten,  // good, but the folder kept the previous file: warned
  NotOurs,     // not the name of one of the four files
};

// `bytes` is nothing for a file that could not be read whole. A good file
// is written in place of the folder's and taken in as a start-up takes it:
// the records, the settings, the high-score table, or "つづき".
ImportOutcome ImportDataFile(Game& g, std::string_view name, const std::optional<std::string>& bytes);

}  // namespace zunpa
