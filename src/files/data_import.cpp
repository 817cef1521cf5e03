#include "files/data_import.h"

#include <array>

#include "files/cp932_text.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/safe_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"

namespace zunpa {
namespace {

struct DataFile {
  std::string_view name;
  bool (*readable)(std::string_view bytes);
  void (*reportFault)(Game& g);
  void (*reportWriteFault)(Game& g);
  void (*takeIn)(Game& g);
};

const std::array<DataFile, 4> kDataFiles = {{
    {kSettingsFile, [](std::string_view b) { return !ParseSettings(b, Settings{}).fault; }, ReportSettingsFault,
     ReportSaveFault, LoadSettings},
    {kRecordsFile, [](std::string_view b) { return !ParseRecords(b).fault; }, ReportRecordsFault, ReportSaveFault,
     [](Game& g) {
       LoadRecords(g);
       // The file now holds what the game holds.
       g.files.recordsBehind = false;
     }},
    {kHighScoreFile, [](std::string_view b) { return !ParseHighScores(b).fault; }, ReportHighScoreFault,
     ReportHighScoreWriteFault, LoadHighScores},
    {kSavedGameFile, [](std::string_view b) { return ParseSavedGame(b).has_value(); }, ReportNoSavedGame,
     ReportSaveFault, [](Game& g) { g.display.continueEnabled = true; }},
}};

}  // namespace

ImportOutcome ImportDataFile(Game& g, std::string_view name, const std::optional<std::string>& bytes) {
  const DataFile* file = nullptr;
  for (const DataFile& f : kDataFiles)
    if (f.name == name) file = &f;
  if (!file) return ImportOutcome::NotOurs;
  // Too large is what the folder's reader would make of it too.
  if (!bytes || bytes->size() > kMaxDataFileBytes || !file->readable(*bytes)) {
    file->reportFault(g);
    return ImportOutcome::Bad;
  }
  if (!WriteFileAtomically(PathInFolder(g.files.DataFolder(), file->name), *bytes)) {
    file->reportWriteFault(g);
    return ImportOutcome::NotWritten;
  }
  file->takeIn(g);
  return ImportOutcome::Taken;
}

}  // namespace zunpa
