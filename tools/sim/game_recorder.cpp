#include "game_recorder.h"

#include "json_line.h"
#include "rules/game.h"

namespace zunpa::sim {
namespace {

// Seats of a call, in seat order; the unused places (0) are left out.
template <std::size_t N>
void Seats(JsonLine& line, const JsonLine::Literal<N>& key, const std::array<int, 3>& seats) {
  line.Open(key);
  for (int s : seats)
    if (s != 0) line.Item(s);
  line.Close();
}

// The stock's codes from place 0 up to its top.
void StockArray(JsonLine& line, const Stock& stock) {
  line.Open("stock");
  for (int p = 0; p < stock.StockCount; ++p)
    line.Item(CodeOf(stock.Deck[p]));
  line.Close();
}

}  // namespace

void GameRecorder::StartGame(const Game& g, long gameIndex, std::string* log) {
  log_ = log;
  game_ = gameIndex;
  ++stats_.games;
  // Moves are counted from the round's own count; only the log needs a
  // call per move.
  followsMoves = log_ != nullptr;
  if (!log_) return;
  JsonLine line(*log_, "game");
  line.Int("game", game_).Open("players");
  for (const std::string& name : g.seats.SeatName)
    line.TextItem(name);
  line.Close().Open("roles").Item(g.roles.SuitChangeRank).Item(g.roles.ReverseRank).Item(g.roles.SkipRank).Close();
  line.End();
}

void GameRecorder::OnDeal(const Game& g) {
  if (!log_) return;
  const RoundState& r = g.round;
  JsonLine line(*log_, "deal");
  line.Int("game", game_).Int("round", r.RoundNo).Int("starter", r.NextStarter).Open("hands");
  for (const Hand& hand : r.hands)
    line.Ints(hand);
  line.Close();
  StockArray(line, r.stock);
  line.End();
}

void GameRecorder::OnOpen(const Game&, int code) {
  if (log_) JsonLine(*log_, "open").Int("card", code).End();
}

void GameRecorder::OnPlay(const Game&, int seat, int code) {
  if (log_) JsonLine(*log_, "play").Int("seat", seat).Int("card", code).End();
}

void GameRecorder::OnDraw(const Game&, int seat, int code, bool penalty, bool afterRound) {
  if (log_)
    JsonLine(*log_, "draw")
        .Int("seat", seat)
        .Int("card", code)
        .Bool("penalty", penalty)
        .Bool("after_round", afterRound)
        .End();
}

void GameRecorder::OnReshuffle(const Game& g) {
  if (!log_) return;
  JsonLine line(*log_, "reshuffle");
  StockArray(line, g.round.stock);
  line.End();
}

void GameRecorder::OnDeclare(const Game&, int seat, int suit) {
  if (log_) JsonLine(*log_, "declare").Int("seat", seat).Int("suit", suit).End();
}

void GameRecorder::OnZunpa(const Game&, const ZunpaCall& call) {
  for (int caller : call.callers)
    if (caller != 0) ++stats_.seats[caller - 1].zunpaCalls;
  if (!call.passed)
    for (int loser : call.losers)
      if (loser != 0) ++stats_.seats[loser - 1].calledOn;
  if (!log_) return;
  JsonLine line(*log_, "zunpa");
  Seats(line, "callers", call.callers);
  line.Bool("passed", call.passed).Bool("countered", call.countered);
  // A call let pass has no winner.
  if (call.passed)
    line.Null("winner");
  else
    line.Int("winner", call.winner);
  Seats(line, "losers", call.losers);
  line.End();
}

void GameRecorder::OnRoundEnd(const Game& g) {
  const RoundState& r = g.round;
  ++stats_.rounds;
  stats_.moves += g.flow.movesThisRound;
  for (int i = 0; i < kSeats; ++i) {
    SeatStats& s = stats_.seats[i];
    ++s.rounds;
    s.roundPoints += g.scores.lastRoundPoints[i];
  }
  if (r.OutSeat != 0) ++stats_.seats[r.OutSeat - 1].outWins;
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
    if (r.ZunpaKind != 0 && seat != 0) ++stats_.seats[seat - 1].zunpaWins;
  if (!log_) return;
  JsonLine(*log_, "round")
      .Int("game", game_)
      .Int("round", r.RoundNo)
      .Text("end", r.OutSeat != 0 ? "out" : "zunpa")
      .Ints("points", g.scores.lastRoundPoints)
      .Ints("totals", g.scores.TotalPoints)
      .Int("next", r.NextStarter)
      .End();
}

void GameRecorder::OnRoundStalled(const Game& g) {
  ++stats_.stalledRounds;
  stats_.moves += g.flow.movesThisRound;
  if (log_) JsonLine(*log_, "stalled").Int("game", game_).Int("round", g.round.RoundNo).End();
}

void GameRecorder::OnGameEnd(const Game& g) {
  std::array<int, kSeats> standings{};
  for (int seat = 1; seat <= kSeats; ++seat) {
    standings[seat - 1] = StandingOf(g.scores, seat);
    SeatStats& s = stats_.seats[seat - 1];
    s.finalTotals += g.scores.TotalPoints[seat - 1];
    ++s.places[standings[seat - 1] - 1];
  }
  if (log_)
    JsonLine(*log_, "end").Int("game", game_).Ints("totals", g.scores.TotalPoints).Ints("standings", standings).End();
}

void GameRecorder::OnAsk(int seat, std::string_view question, std::string_view answer) {
  if (log_) JsonLine(*log_, "ask").Int("seat", seat).Text("q", question).Text("answer", answer).End();
}

void GameRecorder::OnRefusedClick(int seat, int code) {
  if (log_) JsonLine(*log_, "click").Int("seat", seat).Int("card", code).Bool("taken", false).End();
}

}  // namespace zunpa::sim
