#pragma once
// "score.dat": the ten best final totals of the user, and the high-score
// entry at the end of a game.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace zunpa {

inline constexpr std::string_view kHighScoreFile = "score.dat";
inline constexpr std::string_view kClearedRow = "10000,,4位,98/01/01";
extern const std::array<std::string_view, 10> kDefaultHighScoreRows;

struct HighScoresRead {
  std::vector<std::string> rows;  // the rows read before a fault
  bool fault = false;
};
HighScoresRead ParseHighScores(std::string_view bytes);
std::vector<std::string> HighScoreLines(const std::array<std::string, 10>& rows);

// A row's cells, cut by position: points, name (commas and all), the place
// taken in that game and the date. Blank for a row not of that form.
HighScoreCells CellsOfRow(std::string_view row);
// The points of a row, or nothing when the row is not of the table's form.
std::optional<int> PointsOfRow(std::string_view row);

void LoadHighScores(Game& g);
// False when the file could not be written; the previous one is then kept.
bool WriteHighScores(const Game& g);
// The warnings of a table file that cannot be read, and of one that could
// not be written.
void ReportHighScoreFault(Game& g);
void ReportHighScoreWriteFault(Game& g);
// Offers the user's final total to the table (end of a game).
void CheckHighScore(Game& g);
void ShowHighScores(Game& g);
// The clear button: asks, then clears the table and its file.
void ClearHighScores(Game& g);
// Today's date as yy/mm/dd on the local calendar.
std::string TodayYyMmDd();

}  // namespace zunpa
