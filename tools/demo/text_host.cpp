#include "text_host.h"

#include <array>
#include <ostream>
#include <thread>

#include "rules/game.h"
#include "rules/monotonic_pause.h"

namespace zunpa {
namespace {

std::string SeatText(const Game& g, int seat) {
  return std::to_string(seat) + ":" + g.seats.playing[seat - 1];
}

std::string HandText(const Hand& hand) {
  std::string text;
  for (int code : hand) {
    if (!text.empty()) text += ' ';
    text += CardText(code);
  }
  return text;
}

}  // namespace

std::string CardText(int code) {
  static constexpr std::array<const char*, 4> kSuits = {"♠", "♥", "♣", "♦"};
  static constexpr std::array<const char*, 14> kRanks = {"",  "A", "2", "3",  "4", "5", "6",
                                                         "7", "8", "9", "10", "J", "Q", "K"};
  return std::string(kSuits[SuitOfCode(code) - 1]) + kRanks[RankOfCode(code)];
}

void TextHost::Pause(double seconds) {
  if (!paced) return;
  out_.flush();
  PauseMonotonic(seconds, [](auto remaining) { std::this_thread::sleep_for(remaining); });
}

Answer TextHost::ShowMessage(const Message& m) {
  out_ << "  [" << m.title << "] " << m.text << '\n';
  switch (m.buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::Yes;
  }
  return Answer::Ok;
}

void TextHost::Announce(const Announcement& a) {
  out_ << "    seat " << a.speaker << " 「" << a.text << "」\n";
}

void TextHost::ShowRoundResult(const RoundResult& result) {
  out_ << "  第" << result.roundNo << "ラウンド結果:";
  for (int i = 0; i < kSeats; ++i)
    out_ << "  " << result.names[i] << " " << result.rows[i].points;
  out_ << '\n';
}

void TextHost::ShowFinalResult(const FinalResult& result) {
  out_ << "結果\n";
  for (const FinalResultRow& row : result.rows)
    out_ << "  " << row.place << "  " << row.name << "  " << row.points << '\n';
}

void TextHost::OnDeal(const Game& g) {
  out_ << "-- deal --\n";
  for (int seat = 1; seat <= kSeats; ++seat)
    out_ << "  " << SeatText(g, seat) << ": " << HandText(g.round.HandOf(seat)) << '\n';
}

void TextHost::OnOpen(const Game&, int code) {
  out_ << "  opening card " << CardText(code) << '\n';
}

void TextHost::OnPlay(const Game& g, int seat, int code) {
  out_ << "  " << SeatText(g, seat) << " plays " << CardText(code) << " (" << g.round.HandOf(seat).size() << " left)\n";
}

void TextHost::OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) {
  out_ << "  " << SeatText(g, seat) << " draws " << CardText(code) << (penalty ? " (penalty)" : "")
       << (afterRound ? " (after the round)" : "") << '\n';
}

void TextHost::OnReshuffle(const Game& g) {
  out_ << "  stock rebuilt: " << g.round.stock.StockCount << " cards\n";
}

void TextHost::OnDeclare(const Game& g, int seat, int suit) {
  static constexpr std::array<const char*, 4> kSuits = {"♠", "♥", "♣", "♦"};
  out_ << "  " << SeatText(g, seat) << " declares " << kSuits[suit - 1] << '\n';
}

}  // namespace zunpa
