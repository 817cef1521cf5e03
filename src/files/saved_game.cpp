#include "files/saved_game.h"

#include <cmath>
#include <limits>

#include "files/cp932_text.h"
#include "files/data_items.h"
#include "files/safe_file.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "rules/notices.h"
#include "rules/play_observer.h"

namespace zunpa {
namespace {

constexpr long kInt16Min = -32768, kInt16Max = 32767;
constexpr long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long kInt32Max = std::numeric_limits<std::int32_t>::max();

template <typename Read>
bool FourItems(DataCursor& c, Read read) {
  if (!c.Line(kSeats)) return false;
  for (int i = 0; i < kSeats; ++i)
    if (!read(i)) return false;
  return c.EndOfLine();
}

bool ReadCells(DataCursor& c, std::array<SheetCell, kSeats>& cells) {
  int colour = 0;
  return FourItems(c, [&](int i) { return c.Bool(cells[i].italic); }) &&
         FourItems(c, [&](int i) { return c.Decimal(cells[i].size) && cells[i].size >= 1 && cells[i].size <= 72; }) &&
         FourItems(c, [&](int i) { return c.Bool(cells[i].underline); }) &&
         FourItems(c,
                   [&](int i) {
                     if (!c.Int(colour, kInt32Min, kInt32Max) || colour > 0xFFFFFF) return false;
                     SetFileColour(cells[i], colour);
                     return true;
                   }) &&
         FourItems(c, [&](int i) { return c.Text(cells[i].caption); });
}

void Apply(Game& g, const SavedGame& saved) {
  RoundState& r = g.round;
  Scores& s = g.scores;
  r.RoundNo = saved.roundNo - 1;
  g.seats.HumanSex = saved.humanSex;
  g.seats.SeatName = saved.names;
  for (int i = 0; i < kSeats; ++i) {
    s.RoundPoints[i] = 0;
    s.lastRoundPoints[i] = ClampPoints(std::llround(saved.lastPoints[i]));
    s.TotalPoints[i] = saved.totals[i];
    s.WinCount[i] = saved.wins[i];
    s.ZunpaWinCount[i] = saved.zunpaWins[i];
    s.ZunpaLossCount[i] = saved.zunpaLosses[i];
  }
  // The leader begins; of seats tied for first, the highest-numbered.
  for (int seat = 1; seat <= kSeats; ++seat) {
    s.standing[seat - 1] = StandingOf(s, seat);
    if (s.standing[seat - 1] == 1) r.NextStarter = seat;
  }
  DisplayModel& d = g.display;
  for (int i = 0; i < kSeats; ++i) {
    SeatPanel& p = d.seats[i];
    p.standing = std::to_string(s.standing[i]) + "位";
    p.lastPoints = std::to_string(s.lastRoundPoints[i]);
    p.total = std::to_string(s.TotalPoints[i]);
    p.zunpaRecord = std::to_string(s.ZunpaWinCount[i]) + "ズンパ" + std::to_string(s.ZunpaLossCount[i]);
    p.wins = std::to_string(s.WinCount[i]) + "勝";
    for (int round = 1; round <= kRoundsInGame; ++round)
      d.sheet.Cell(i + 1, round) = saved.cells[round - 1][i];
  }
  d.barVisible = true;
  ShowSeatNames(g);
}

}  // namespace

std::int32_t FileColourOf(const SheetCell& cell) {
  if (cell.systemColour < 0) return cell.systemColour;
  const unsigned c = cell.colour;
  return static_cast<std::int32_t>(((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16));
}

void SetFileColour(SheetCell& cell, std::int32_t value) {
  if (value < 0) {
    cell.systemColour = value;
    cell.colour = kBlack;
    return;
  }
  const auto v = static_cast<unsigned>(value);
  cell.systemColour = 0;
  cell.colour = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::optional<SavedGame> ParseSavedGame(std::string_view bytes) {
  SavedGame g;
  const DecodedLines decoded = DecodeCp932Lines(bytes);
  DataCursor c(decoded.lines, decoded.fault);
  bool ok =
      c.Line(2) && c.Int(g.roundNo, 1, kRoundsInGame) && c.Int(g.humanSex, 0, 2) && c.EndOfLine() &&
      FourItems(c, [&](int i) { return c.Text(g.names[i]); }) &&
      FourItems(c, [&](int i) { return c.Decimal(g.lastPoints[i]) && std::abs(g.lastPoints[i]) <= kInt16Max + 1; }) &&
      FourItems(c, [&](int i) { return c.Int(g.totals[i], kInt16Min, kInt16Max); }) &&
      FourItems(c, [&](int i) { return c.Int(g.wins[i], 0, kInt16Max); }) &&
      FourItems(c, [&](int i) { return c.Int(g.zunpaWins[i], 0, kInt16Max); }) &&
      FourItems(c, [&](int i) { return c.Int(g.zunpaLosses[i], 0, kInt16Max); });
  for (auto& round : g.cells)
    ok = ok && ReadCells(c, round);
  ok = ok && c.EndOfFile() && ComputerSeatsAreThreeCharacters(g.names);
  if (!ok) return std::nullopt;
  return g;
}

std::vector<std::string> SavedGameLines(const SavedGame& saved) {
  auto four = [](auto item) {
    std::vector<std::string> items;
    for (int i = 0; i < kSeats; ++i)
      items.push_back(item(i));
    return JoinItems(items);
  };
  auto n = [](long v) { return std::to_string(v); };
  std::vector<std::string> lines = {
      JoinItems({n(saved.roundNo), n(saved.humanSex)}),
      four([&](int i) { return QuotedText(saved.names[i]); }),
      four([&](int i) { return DecimalText(saved.lastPoints[i]); }),
      four([&](int i) { return n(saved.totals[i]); }),
      four([&](int i) { return n(saved.wins[i]); }),
      four([&](int i) { return n(saved.zunpaWins[i]); }),
      four([&](int i) { return n(saved.zunpaLosses[i]); }),
  };
  for (const auto& round : saved.cells) {
    lines.push_back(four([&](int i) { return BooleanText(round[i].italic); }));
    lines.push_back(four([&](int i) { return DecimalText(round[i].size); }));
    lines.push_back(four([&](int i) { return BooleanText(round[i].underline); }));
    lines.push_back(four([&](int i) { return n(FileColourOf(round[i])); }));
    lines.push_back(four([&](int i) { return QuotedText(round[i].caption); }));
  }
  return lines;
}

SavedGame SavedGameOf(const Game& g) {
  SavedGame saved;
  saved.roundNo = g.round.RoundNo;
  saved.humanSex = g.seats.HumanSex;
  saved.names = g.seats.playing;
  for (int i = 0; i < kSeats; ++i) {
    saved.lastPoints[i] = g.scores.lastRoundPoints[i];
    saved.totals[i] = g.scores.TotalPoints[i];
    saved.wins[i] = g.scores.WinCount[i];
    saved.zunpaWins[i] = g.scores.ZunpaWinCount[i];
    saved.zunpaLosses[i] = g.scores.ZunpaLossCount[i];
    for (int round = 1; round <= kRoundsInGame; ++round)
      saved.cells[round - 1][i] = g.display.sheet.Cell(i + 1, round);
  }
  return saved;
}

bool WriteSavedGame(const Game& g) {
  const auto bytes = EncodeCp932Lines(SavedGameLines(SavedGameOf(g)));
  return bytes && WriteFileAtomically(PathInFolder(g.files.DataFolder(), kSavedGameFile), *bytes);
}

void ReportSaveFault(Game& g) {
  Inform(g, "ファイルに保存できませんでした。", kProgramTitle, Icon::Exclamation);
}

void ReportNoSavedGame(Game& g) {
  Inform(g, "ファイルがありません！");
}

bool SaveGame(Game& g) {
  if (!g.display.saveEnabled) return false;
  if (Ask(g, "現在までのポイントとラウンドを保存します。", Buttons::OkCancel) != Answer::Ok) return false;
  if (!WriteSavedGame(g)) {
    ReportSaveFault(g);
    return false;
  }
  g.display.continueEnabled = true;
  return true;
}

void ContinueGame(Game& g, std::optional<std::uint64_t> number) {
  if (Ask(g, "前回保存時のつづきからはじめます。", Buttons::OkCancel) != Answer::Ok) return;
  std::optional<SavedGame> saved;
  if (FileExistsExactly(g.files.DataFolder(), std::string(kSavedGameFile)))
    if (const auto bytes = ReadBoundedFile(PathInFolder(g.files.DataFolder(), kSavedGameFile)))
      saved = ParseSavedGame(*bytes);
  if (!saved) {
    ReportNoSavedGame(g);
    return;
  }
  Apply(g, *saved);
  if (number) g.random.UseGameNumber(*number);
  if (g.observer) g.observer->OnGameStart(g, true);
  StartRound(g);
}

}  // namespace zunpa
