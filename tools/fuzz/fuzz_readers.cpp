// libFuzzer targets for the data-file readers, one per file, chosen by
// ZUNPA_FUZZ_READER at compile time. Each reader must survive any bytes,
// and whatever it reads cleanly must write back and read back the same.
// Run: scripts/fuzz.sh [seconds per reader]; a failing input is written to
// build-fuzz/ as crash-*.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/cp932_text.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"

namespace {

using namespace zunpa;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::string Encoded(const std::vector<std::string>& lines) {
  const auto bytes = EncodeCp932Lines(lines);
  Require(bytes.has_value());
  return *bytes;
}

void FuzzSettings(std::string_view bytes) {
  const SettingsRead read = ParseSettings(bytes, Settings{});
  if (read.fault) return;
  const SettingsRead again = ParseSettings(Encoded(SettingsLines(read.values)), Settings{});
  Require(!again.fault && again.values == read.values);
}

void FuzzRecords(std::string_view bytes) {
  const RecordsRead read = ParseRecords(bytes);
  if (read.fault) return;
  const RecordsRead again = ParseRecords(Encoded(RecordsLines(read.records)));
  Require(!again.fault && again.records.table == read.records.table);
}

void FuzzHighScores(std::string_view bytes) {
  const HighScoresRead read = ParseHighScores(bytes);
  for (const std::string& row : read.rows)
    CellsOfRow(row);
  if (read.fault) return;
  std::array<std::string, 10> rows;
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i] = read.rows[i];
  const HighScoresRead again = ParseHighScores(Encoded(HighScoreLines(rows)));
  Require(!again.fault && again.rows == read.rows);
}

void FuzzSavedGame(std::string_view bytes) {
  const auto saved = ParseSavedGame(bytes);
  if (!saved) return;
  const auto again = ParseSavedGame(Encoded(SavedGameLines(*saved)));
  Require(again && again->names == saved->names && again->totals == saved->totals && again->cells == saved->cells);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
#if ZUNPA_FUZZ_READER == 1
  FuzzSettings(bytes);
#elif ZUNPA_FUZZ_READER == 2
  FuzzRecords(bytes);
#elif ZUNPA_FUZZ_READER == 3
  FuzzHighScores(bytes);
#else
  FuzzSavedGame(bytes);
#endif
  return 0;
}
