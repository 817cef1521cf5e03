#pragma once
// What the program keeps in its folder between runs: settings, records, the
// high-score table and the saved game. The table reaches its data files
// only through this, so a table without files (the simulator, most tests)
// runs the same rules with none in sight.

#include <cstdint>
#include <optional>

namespace zunpa {

struct Game;

class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  // Records, sound files, settings and "つづき", once the folder is set.
  virtual void StartUp(Game& g) = 0;
  // The records, after a settled round and after a counted game.
  virtual void KeepRecords(Game& g) = 0;
  // The user's final total, offered to the high-score table.
  virtual void OfferHighScore(Game& g) = 0;
  virtual void ShowHighScores(Game& g) = 0;
  // True when the game was written.
  virtual bool SaveGame(Game& g) = 0;
  // With a number, the continued game goes on as that numbered game.
  virtual void ContinueGame(Game& g, std::optional<std::uint64_t> number) = 0;
  // Exit: false when a write failed and the user chose to stay.
  virtual bool SaveSettingsAndRecords(Game& g) = 0;
};

}  // namespace zunpa
