#pragma once
// Everything the game needs from a person or the machine goes through Host:
// the app answers with Qt windows, tests with a script, tools with silence.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zunpa {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Answer { Ok, Cancel, Yes, No };

inline constexpr std::string_view kProgramTitle = "ズンパＳ";

// Which of the game's questions a message asks, so nobody has to read its
// words back; a notice or a question of the menus asks None.
enum class Asked { None, Zunpa, Counter, Reset, PlayTwo, TwoOfSuit };

struct Message {
  std::string text;
  std::string title{kProgramTitle};
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  Asked asked = Asked::None;
  int suit = 0;  // the 2 a TwoOfSuit question offers: 1 spade .. 4 diamond
};

// One call-out of a move: spoken from voiceFile when it is set, otherwise
// shown as a balloon over the speaker's row for balloonSeconds.
struct Announcement {
  int code = 0;
  int speaker = 0;
  std::string_view text;
  std::string voiceFile;
  double balloonSeconds = 0;
};

// Who sits where, as the player-selection dialog edits it.
struct SeatSetup {
  std::array<std::string, 4> names;
  int humanSex = 1;  // 0 male, 1 neutral, 2 female
};

struct SuitChoice {
  int suit = 0;  // 0 spade .. 3 diamond
  bool autoDetect = true;
};

struct RoundResultRow {
  std::string twos, suitChanges, cardPoints, multiplier, points;
};

struct RoundResult {
  int roundNo = 0;
  std::array<std::string, 4> names;
  std::array<RoundResultRow, 4> rows;
};

struct FinalResultRow {
  std::string place;  // "１位" .. "４位"
  std::string name;
  std::string points;
  unsigned colour = 0;  // 0xRRGGBB
};

struct FinalResult {
  std::array<FinalResultRow, 4> rows;
};

// The cells of one row of the high-score table; blank for a row that is
// not of the table's form.
struct HighScoreCells {
  std::string points, name, gamePlace, date;
};

// The high-score window's contents and its clear button.
class HighScoreBoard {
 public:
  virtual ~HighScoreBoard() = default;
  virtual std::array<HighScoreCells, 10> Cells() const = 0;
  // Asks "クリアしますか？" and, on OK, clears the table and its file.
  virtual void Clear() = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box; returns the button pressed.
  virtual Answer ShowMessage(const Message& message) = 0;
  // A pause that keeps the window responsive.
  virtual void Pause(double seconds) = 0;
  // Let pending window events run once.
  virtual void ProcessEvents() = 0;
  // Plays a sound file synchronously.
  virtual void PlaySound(const std::string& path) = 0;
  virtual void Announce(const Announcement& announcement) = 0;
  virtual void DisplayChanged() = 0;
  // Brings up the score sheet without blocking.
  virtual void ShowScoreSheet() = 0;

  // Returns true on OK. The dialog may change the computer seats even when
  // it ends with Cancel, as the player-selection rules allow.
  virtual bool SelectPlayers(SeatSetup& setup) = 0;
  virtual SuitChoice ChooseSuit(const SuitChoice& suggestion) = 0;
  virtual void ShowRoundResult(const RoundResult& result) = 0;
  virtual void ShowFinalResult(const FinalResult& result) = 0;
  // The name entry for a new high score: the typed name on OK, nothing when
  // the window was closed otherwise.
  virtual std::optional<std::string> EnterName(const std::string& message, const std::string& preset) = 0;
  virtual void ShowHighScores(HighScoreBoard& board) = 0;
};

}  // namespace zunpa
