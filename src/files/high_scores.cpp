#include "files/high_scores.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include "files/cp932_codec.h"
#include "files/cp932_text.h"
#include "files/data_items.h"
#include "files/safe_file.h"
#include "rules/notices.h"

namespace zunpa {

const std::array<std::string_view, 10> kDefaultHighScoreRows = {
    "100,つばめ,1位,98/01/01", "200,松吉,1位,98/01/01", "300,海野波太,1位,98/01/01", "400,,2位,98/01/01",
    "500,,2位,98/01/01",       "600,,2位,98/01/01",     "700,,3位,98/01/01",         "800,,3位,98/01/01",
    "900,,3位,98/01/01",       "1000,,4位,98/01/01"};

namespace {

constexpr std::string_view kFileFault =
    "エラーをトラップしました。zunpas.exeと同じフォルダにあるscore.datの中身がおかしい可能性があります。"
    "削除してください。";
// A file that could not be written is not a damaged one: the old file is
// intact and must not be deleted.
constexpr std::string_view kWriteFault = "ハイスコアをscore.datに保存できませんでした。";

void WriteHighScoresOrSay(Game& g) {
  if (!WriteHighScores(g)) ReportHighScoreWriteFault(g);
}

bool Digit(char32_t c) {
  return c >= '0' && c <= '9';
}

// points,name,place,date — the name may hold anything, commas and line
// breaks included. The table was once matched by a regular expression
// whose "$" also matched before a line break closing the row: such a row
// still counts. Gives the points' length.
std::optional<std::size_t> MatchRow(std::u32string_view row) {
  std::size_t end = row.size();
  if (!row.empty() && row.back() == '\n') --end;
  const std::size_t comma = row.find(',');
  if (comma == std::u32string_view::npos) return std::nullopt;
  const std::u32string_view number = row.substr(0, comma);
  const std::u32string_view digits = number.substr(!number.empty() && number[0] == '-' ? 1 : 0);
  if (number != U"0" &&
      (digits.empty() || digits.size() > 6 || digits[0] == '0' || !std::all_of(digits.begin(), digits.end(), Digit)))
    return std::nullopt;
  constexpr std::u32string_view kTail = U",1位,00/00/00";
  if (end < comma + 1 + kTail.size()) return std::nullopt;
  const std::u32string_view tail = row.substr(end - kTail.size(), kTail.size());
  for (std::size_t i = 0; i < kTail.size(); ++i) {
    const bool fits = kTail[i] == '0'   ? Digit(tail[i])
                      : kTail[i] == '1' ? tail[i] >= '1' && tail[i] <= '4'
                                        : tail[i] == kTail[i];
    if (!fits) return std::nullopt;
  }
  return comma;
}

std::string Utf8Of(std::u32string_view text) {
  std::string out;
  for (char32_t c : text)
    cp932::AppendUtf8(out, c);
  return out;
}

class Board : public HighScoreBoard {
 public:
  explicit Board(Game& g) : g_(g) {}
  std::array<HighScoreCells, 10> Cells() const override {
    std::array<HighScoreCells, 10> cells;
    for (int i = 0; i < 10; ++i)
      cells[i] = CellsOfRow(g_.files.HiScoreRows[i]);
    return cells;
  }
  void Clear() override { ClearHighScores(g_); }

 private:
  Game& g_;
};

}  // namespace

HighScoresRead ParseHighScores(std::string_view bytes) {
  HighScoresRead out;
  const DecodedLines decoded = DecodeCp932Lines(bytes);
  DataCursor c(decoded.lines, decoded.fault);
  for (int i = 0; i < 10; ++i) {
    std::string row;
    if (!c.Line(1) || !c.Text(row) || !c.EndOfLine()) break;
    out.rows.push_back(row);
  }
  c.EndOfFile();
  out.fault = c.Fault();
  return out;
}

std::vector<std::string> HighScoreLines(const std::array<std::string, 10>& rows) {
  std::vector<std::string> lines;
  for (const std::string& row : rows)
    lines.push_back(QuotedText(row));
  return lines;
}

std::optional<int> PointsOfRow(std::string_view row) {
  const std::u32string text = cp932::ReadUtf8(row);
  const auto comma = MatchRow(text);
  if (!comma) return std::nullopt;
  const std::string number = Utf8Of(std::u32string_view(text).substr(0, *comma));
  int points = 0;
  std::from_chars(number.data(), number.data() + number.size(), points);
  return points;
}

HighScoreCells CellsOfRow(std::string_view row) {
  const std::u32string text = cp932::ReadUtf8(row);
  const auto comma = MatchRow(text);
  if (!comma) return {};
  // Cut by position from the row's end, a closing line break counted in.
  const std::u32string_view s = text;
  const std::size_t size = s.size();
  HighScoreCells cells;
  cells.points = Utf8Of(s.substr(0, *comma));
  cells.name = Utf8Of(s.substr(*comma + 1, size - *comma - 13));
  cells.gamePlace = Utf8Of(s.substr(size - 11, 2));
  cells.date = Utf8Of(s.substr(size - 8));
  return cells;
}

void LoadHighScores(Game& g) {
  if (!FileExistsExactly(g.files.DataFolder(), std::string(kHighScoreFile))) {
    // No file yet: the default rows. Rows already in hand (a write that
    // failed earlier) are kept rather than lost.
    const auto empty = [](const std::string& row) { return row.empty(); };
    if (std::all_of(g.files.HiScoreRows.begin(), g.files.HiScoreRows.end(), empty))
      for (int i = 0; i < 10; ++i)
        g.files.HiScoreRows[i] = std::string(kDefaultHighScoreRows[i]);
    // Only looking at the table: where the defaults cannot be kept (a
    // read-only folder) there is nothing to lose and nothing to say.
    WriteHighScores(g);
    return;
  }
  const auto bytes = ReadBoundedFile(PathInFolder(g.files.DataFolder(), kHighScoreFile));
  const HighScoresRead read = bytes ? ParseHighScores(*bytes) : HighScoresRead{{}, true};
  for (std::size_t i = 0; i < read.rows.size(); ++i)
    g.files.HiScoreRows[i] = read.rows[i];
  if (read.fault) ReportHighScoreFault(g);
}

void ReportHighScoreFault(Game& g) {
  Inform(g, kFileFault, kProgramTitle, Icon::Exclamation);
}

void ReportHighScoreWriteFault(Game& g) {
  Inform(g, kWriteFault, kProgramTitle, Icon::Exclamation);
}

bool WriteHighScores(const Game& g) {
  const auto bytes = EncodeCp932Lines(HighScoreLines(g.files.HiScoreRows));
  return bytes && WriteFileAtomically(PathInFolder(g.files.DataFolder(), kHighScoreFile), *bytes);
}

std::string TodayYyMmDd() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char text[16] = "";
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  std::strftime(text, sizeof text, "%y/%m/%d", &local);
  return text;
}

void CheckHighScore(Game& g) {
  const int total = g.scores.TotalPoints[3];
  LoadHighScores(g);
  // A new total goes above an equal one; a row not of the table's form is
  // an empty place.
  int p = 0;
  while (p < 10) {
    const auto points = PointsOfRow(g.files.HiScoreRows[p]);
    if (!points || *points >= total) break;
    ++p;
  }
  if (p == 10) return;
  const std::string& user = g.seats.SeatName[3];
  const std::string message =
      user + "の得点は、" + std::to_string(total) + "で歴代" + std::to_string(p + 1) + "位の記録です！";
  if (const auto name = g.host->EnterName(message, user)) g.files.HiScoreName = *name;
  for (int i = 9; i > p; --i)
    g.files.HiScoreRows[i] = g.files.HiScoreRows[i - 1];
  const int standing = g.scores.standing[3] != 0 ? g.scores.standing[3] : StandingOf(g.scores, 4);
  const std::string place = std::to_string(standing) + "位";
  const std::string date = g.files.today ? g.files.today() : TodayYyMmDd();
  g.files.HiScoreRows[p] =
      std::to_string(total) + "," + SanitizeForCp932(g.files.HiScoreName) + "," + place + "," + date;
  WriteHighScoresOrSay(g);
  ShowHighScores(g);
}

void ShowHighScores(Game& g) {
  LoadHighScores(g);
  Board board(g);
  g.host->ShowHighScores(board);
}

void ClearHighScores(Game& g) {
  if (Ask(g, "クリアしますか？", Buttons::OkCancel, "ハイスコアの初期化") != Answer::Ok) return;
  for (std::string& row : g.files.HiScoreRows)
    row = std::string(kClearedRow);
  WriteHighScoresOrSay(g);
}

}  // namespace zunpa
