#include "flow/game_end.h"

#include <algorithm>
#include <numeric>

#include "rules/deal.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/program_folder.h"
#include "rules/table_display.h"
#include "scoring/round_records.h"

namespace zunpa {
namespace {

constexpr std::array<std::string_view, 4> kPlaceLabels = {"１位", "２位", "３位", "４位"};

void ResetGame(Game& g) {
  Scores& s = g.scores;
  s.RoundPoints = s.TotalPoints = s.ZunpaWinCount = s.ZunpaLossCount = s.WinCount = {};
  RoundState& r = g.round;
  r.RoundNo = 0;
  r.NextStarter = 0;
  r.CurrentSeat = r.OutSeat = 0;
  r.ZunpaSeat1 = r.ZunpaSeat2 = r.ZunpaSeat3 = 0;
  r.CounteredSeat1 = r.CounteredSeat2 = 0;
  r.ZunpaKind = 0;
  g.display.saveEnabled = false;
  if (!g.watching) return;
  g.display.barVisible = false;
  g.display.handTotalVisible = false;
  DisplayChanged(g);
}

}  // namespace

FinalResult FinalResultOf(const Game& g) {
  std::array<int, kSeats> seats;
  std::iota(seats.begin(), seats.end(), 1);
  std::stable_sort(seats.begin(), seats.end(),
                   [&](int a, int b) { return StandingOf(g.scores, a) < StandingOf(g.scores, b); });
  FinalResult result;
  for (int row = 0; row < kSeats; ++row) {
    const int seat = seats[row];
    FinalResultRow& out = result.rows[row];
    out.place = kPlaceLabels[StandingOf(g.scores, seat) - 1];
    out.name = g.seats.playing[seat - 1];
    out.points = std::to_string(g.scores.TotalPoints[seat - 1]);
    const auto& character = g.seats.character[seat - 1];
    out.colour = character ? ColourOf(*character) : kYellow;
  }
  return result;
}

void EndGame(Game& g) {
  Inform(g, "20ラウンド終了しました。ゲーム終了です。");
  if (g.watching) {
    g.host->ShowFinalResult(FinalResultOf(g));
    ResetTable(g);
  }
  if (g.files.folder && g.seats.HumanPlays()) g.files.folder->OfferHighScore(g);
  if (g.observer) g.observer->OnGameEnd(g);
  UpdateGameRecords(g);
  if (g.files.folder) g.files.folder->KeepRecords(g);
  ResetGame(g);
}

}  // namespace zunpa
