#include "scoring/start_up.h"

#include "engine/deal.h"
#include "engine/notices.h"
#include "platform/cp932_text.h"
#include "platform/safe_file.h"
#include "scoring/high_scores.h"
#include "scoring/records_file.h"
#include "scoring/saved_game.h"
#include "scoring/settings_file.h"

namespace zunpa {

void CheckSoundFiles(Game& g) {
  g.SoundFilesPresent = true;
  for (std::string_view name : kSoundFiles) {
    if (!FileExistsExactly(g.AppDir, std::string(name))) {
      g.SoundFilesPresent = false;
      return;
    }
  }
}

void StartUp(Game& g) {
  g.keepsFiles = true;
  g.options = Options{};  // the option menus' start-up states
  ResetTable(g);

  RemoveInterruptedWrites(g.AppDir, {kSettingsFile, kRecordsFile, kHighScoreFile, kSavedGameFile});
  LoadRecords(g);
  CheckSoundFiles(g);
  LoadSettings(g);
  g.display.continueEnabled = FileExistsExactly(g.AppDir, std::string(kSavedGameFile));
  g.round.NextStarter = kNewGame;
}

bool SaveSettingsAndRecords(Game& g) {
  const bool settingsWritten = WriteSettings(g);
  // The records are whole in memory: written now, nothing of an earlier
  // failed write is lost; not written, the question comes as for any fault.
  const bool recordsWritten = WriteRecords(g);
  g.recordsBehind = !recordsWritten;
  if (settingsWritten && recordsWritten) return true;
  return Ask(g, "ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？", Buttons::YesNo, kProgramTitle,
             Icon::Information) == Answer::Yes;
}

}  // namespace zunpa
