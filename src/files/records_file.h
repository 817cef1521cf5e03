#pragma once
// "Save.txt": the lifetime records, seven lines of fourteen counters.

#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace zunpa {

inline constexpr std::string_view kRecordsFile = "Save.txt";

struct RecordsRead {
  Records records;  // counters read before a fault keep their values, the rest 0
  bool fault = false;
};

RecordsRead ParseRecords(std::string_view bytes);
std::vector<std::string> RecordsLines(const Records& records);

// Start-up: reads the file into the game; all zero when there is none.
void LoadRecords(Game& g);
bool WriteRecords(const Game& g);
// The warning of a records file that cannot be read.
void ReportRecordsFault(Game& g);

}  // namespace zunpa
