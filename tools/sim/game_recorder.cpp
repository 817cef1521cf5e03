#include "game_recorder.h"

#include "rules/game.h"

namespace zunpa::sim {
namespace {

std::string Bool(bool b) {
  return b ? "true" : "false";
}

template <typename Range>
std::string Array(const Range& values) {
  std::string out = "[";
  bool first = true;
  for (int v : values) {
    if (!first) out += ',';
    out += std::to_string(v);
    first = false;
  }
  return out + "]";
}

std::string Seats(const std::array<int, 3>& seats) {
  std::string out = "[";
  for (int s : seats) {
    if (s == 0) continue;
    if (out.size() > 1) out += ',';
    out += std::to_string(s);
  }
  return out + "]";
}

std::string StockArray(const Stock& stock) {
  std::string out = "[";
  for (int p = 0; p < stock.StockCount; ++p) {
    if (p) out += ',';
    out += std::to_string(CodeOf(stock.Deck[p]));
  }
  return out + "]";
}

}  // namespace

void GameRecorder::Line(const std::string& text) {
  *log_ += text;
  *log_ += '\n';
}

void GameRecorder::StartGame(const Game& g, long gameIndex, std::string* log) {
  log_ = log;
  game_ = gameIndex;
  ++stats_.games;
  if (!log_) return;
  std::string players = "[";
  for (int i = 0; i < kSeats; ++i)
    players += (i ? ",\"" : "\"") + g.seats.SeatName[i] + "\"";
  Line("{\"ev\":\"game\",\"game\":" + std::to_string(game_) + ",\"players\":" + players + "],\"roles\":[" +
       std::to_string(g.roles.SuitChangeRank) + "," + std::to_string(g.roles.ReverseRank) + "," +
       std::to_string(g.roles.SkipRank) + "]}");
}

void GameRecorder::OnDeal(const Game& g) {
  if (!log_) return;
  const RoundState& r = g.round;
  std::string hands = "[";
  for (int i = 0; i < kSeats; ++i)
    hands += (i ? "," : "") + Array(r.hands[i]);
  Line("{\"ev\":\"deal\",\"game\":" + std::to_string(game_) + ",\"round\":" + std::to_string(r.RoundNo) +
       ",\"starter\":" + std::to_string(r.NextStarter) + ",\"hands\":" + hands + "],\"stock\":" + StockArray(r.stock) +
       "}");
}

void GameRecorder::OnOpen(const Game&, int code) {
  if (log_) Line("{\"ev\":\"open\",\"card\":" + std::to_string(code) + "}");
}

void GameRecorder::OnPlay(const Game&, int seat, int code) {
  ++stats_.moves;
  if (log_) Line("{\"ev\":\"play\",\"seat\":" + std::to_string(seat) + ",\"card\":" + std::to_string(code) + "}");
}

void GameRecorder::OnDraw(const Game&, int seat, int code, bool penalty, bool afterRound) {
  ++stats_.moves;
  if (log_)
    Line("{\"ev\":\"draw\",\"seat\":" + std::to_string(seat) + ",\"card\":" + std::to_string(code) +
         ",\"penalty\":" + Bool(penalty) + ",\"after_round\":" + Bool(afterRound) + "}");
}

void GameRecorder::OnReshuffle(const Game& g) {
  if (log_) Line("{\"ev\":\"reshuffle\",\"stock\":" + StockArray(g.round.stock) + "}");
}

void GameRecorder::OnDeclare(const Game&, int seat, int suit) {
  if (log_) Line("{\"ev\":\"declare\",\"seat\":" + std::to_string(seat) + ",\"suit\":" + std::to_string(suit) + "}");
}

void GameRecorder::OnZunpa(const Game&, const ZunpaCall& call) {
  for (int caller : call.callers)
    if (caller != 0) ++stats_.seats[caller - 1].zunpaCalls;
  if (!call.passed)
    for (int loser : call.losers)
      if (loser != 0) ++stats_.seats[loser - 1].calledOn;
  if (!log_) return;
  Line("{\"ev\":\"zunpa\",\"callers\":" + Seats(call.callers) + ",\"passed\":" + Bool(call.passed) + ",\"countered\":" +
       Bool(call.countered) + ",\"winner\":" + (call.passed ? std::string("null") : std::to_string(call.winner)) +
       ",\"losers\":" + Seats(call.losers) + "}");
}

void GameRecorder::OnRoundEnd(const Game& g) {
  const RoundState& r = g.round;
  ++stats_.rounds;
  for (int i = 0; i < kSeats; ++i) {
    SeatStats& s = stats_.seats[i];
    ++s.rounds;
    s.roundPoints += g.scores.lastRoundPoints[i];
  }
  if (r.OutSeat != 0) ++stats_.seats[r.OutSeat - 1].outWins;
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
    if (r.ZunpaKind != 0 && seat != 0) ++stats_.seats[seat - 1].zunpaWins;
  if (!log_) return;
  Line("{\"ev\":\"round\",\"game\":" + std::to_string(game_) + ",\"round\":" + std::to_string(r.RoundNo) +
       ",\"end\":\"" + (r.OutSeat != 0 ? "out" : "zunpa") + "\",\"points\":" + Array(g.scores.lastRoundPoints) +
       ",\"totals\":" + Array(g.scores.TotalPoints) + ",\"next\":" + std::to_string(r.NextStarter) + "}");
}

void GameRecorder::OnRoundStalled(const Game& g) {
  ++stats_.stalledRounds;
  if (log_)
    Line("{\"ev\":\"stalled\",\"game\":" + std::to_string(game_) + ",\"round\":" + std::to_string(g.round.RoundNo) +
         "}");
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
    Line("{\"ev\":\"end\",\"game\":" + std::to_string(game_) + ",\"totals\":" + Array(g.scores.TotalPoints) +
         ",\"standings\":" + Array(standings) + "}");
}

void GameRecorder::OnAsk(int seat, std::string_view question, std::string_view answer) {
  if (log_)
    Line("{\"ev\":\"ask\",\"seat\":" + std::to_string(seat) + ",\"q\":\"" + std::string(question) + "\",\"answer\":\"" +
         std::string(answer) + "\"}");
}

void GameRecorder::OnRefusedClick(int seat, int code) {
  if (log_)
    Line("{\"ev\":\"click\",\"seat\":" + std::to_string(seat) + ",\"card\":" + std::to_string(code) +
         ",\"taken\":false}");
}

}  // namespace zunpa::sim
