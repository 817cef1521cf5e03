#include "files/start_up.h"

#include "files/cp932_text.h"
#include "files/data_files.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/safe_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"
#include "rules/deal.h"
#include "rules/notices.h"

namespace zunpa {

void CheckSoundFiles(Game& g) {
  g.files.SoundFilesPresent = true;
  for (std::string_view name : kSoundFiles) {
    if (!FileExistsExactly(g.files.AppDir, std::string(name))) {
      g.files.SoundFilesPresent = false;
      return;
    }
  }
}

void StartUp(Game& g) {
  g.files.folder = &DataFiles();
  g.options = Options{};  // the option menus' start-up states
  ResetTable(g);

  RemoveInterruptedWrites(g.files.DataFolder(), {kSettingsFile, kRecordsFile, kHighScoreFile, kSavedGameFile});
  LoadRecords(g);
  CheckSoundFiles(g);
  LoadSettings(g);
  g.display.continueEnabled = FileExistsExactly(g.files.DataFolder(), std::string(kSavedGameFile));
  g.round.NextStarter = kNewGame;
}

bool SaveSettingsAndRecords(Game& g) {
  const bool settingsWritten = WriteSettings(g);
  // The records are whole in memory: written now, nothing of an earlier
  // failed write is lost; not written, the question comes as for any fault.
  const bool recordsWritten = WriteRecords(g);
  g.files.recordsBehind = !recordsWritten;
  if (settingsWritten && recordsWritten) return true;
  return Ask(g, "ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？", Buttons::YesNo, kProgramTitle,
             Icon::Information) == Answer::Yes;
}

}  // namespace zunpa
