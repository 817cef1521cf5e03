#include "files/data_files.h"

#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/saved_game.h"
#include "files/start_up.h"

namespace zunpa {
namespace {

class Files final : public ProgramFolder {
 public:
  void StartUp(Game& g) override { zunpa::StartUp(g); }
  void KeepRecords(Game& g) override { g.files.recordsBehind = !WriteRecords(g); }
  void OfferHighScore(Game& g) override { CheckHighScore(g); }
  void ShowHighScores(Game& g) override { zunpa::ShowHighScores(g); }
  bool SaveGame(Game& g) override { return zunpa::SaveGame(g); }
  void ContinueGame(Game& g, std::optional<std::uint64_t> number) override { zunpa::ContinueGame(g, number); }
  bool SaveSettingsAndRecords(Game& g) override { return zunpa::SaveSettingsAndRecords(g); }
};

}  // namespace

ProgramFolder& DataFiles() {
  static Files files;
  return files;
}

}  // namespace zunpa
