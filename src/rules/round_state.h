#pragma once
// The table during a round: hands, pile, stock and the round's variables,
// under the names the rules use.

#include <array>

#include "rules/cards.h"
#include "rules/hand.h"

namespace zunpa {

// Codes of the pile since the round started or the stock was last rebuilt,
// oldest first. Every entry is a card lying on the pile, so 52 places hold it.
// How often each rank lies there is kept as it grows, for the characters
// that count cards.
class PileLog {
 public:
  void Clear() {
    count_ = 0;
    ofRank_ = {};
  }
  void Add(int code) { Add(CardOfCode(code)); }
  void Add(Card c) {
    if (count_ >= kCardsInPack) return;
    codes_[count_++] = static_cast<short>(CodeOf(c));
    if (c.rank >= 1 && c.rank <= 13) ++ofRank_[c.rank];
  }
  int size() const { return count_; }
  int CountOfRank(int rank) const { return rank >= 1 && rank <= 13 ? ofRank_[rank] : 0; }
  int operator[](int k) const { return codes_[k]; }
  const short* begin() const { return codes_.data(); }
  const short* end() const { return codes_.data() + count_; }

 private:
  std::array<short, kCardsInPack> codes_{};
  std::array<unsigned char, 14> ofRank_{};
  int count_ = 0;
};

// Places numbered from 0; the top of the stock is place StockCount - 1.
struct Stock {
  std::array<Card, kCardsInPack> Deck{};
  int StockCount = 0;
};

struct RoundState {
  std::array<Hand, kSeats> hands;  // index seat - 1
  PileLog pileLog;
  Stock stock;

  int CurrentSeat = 0;
  int PileSuit = 0;
  int PileRank = 0;
  int PilePrintedSuit = 0;
  bool SuitDeclared = false;
  int Prev1Suit = 0, Prev1Rank = 0;
  int Prev2Suit = 0, Prev2Rank = 0;
  int SelSuit = 0, SelRank = 0;
  int DrawnSuit = 0, DrawnRank = 0;
  int DrawPenalty = 0;
  bool SkipPending = false;
  bool Reversed = false;
  int OutSeat = 0;
  int ZunpaSeat1 = 0, ZunpaSeat2 = 0, ZunpaSeat3 = 0;
  int CounteredSeat1 = 0, CounteredSeat2 = 0;
  int ZunpaKind = 0;
  bool Countered = false;
  int NextStarter = 99;
  int RoundNo = 0;

  Hand& HandOf(int seat) { return hands[seat - 1]; }
  const Hand& HandOf(int seat) const { return hands[seat - 1]; }
  int HandTotal(int seat) const { return hands[seat - 1].Total(); }
  bool RoundOver() const { return OutSeat != 0 || ZunpaSeat1 != 0; }
  // The printed suit of the top pile card, whatever suit was declared on it.
  int TopPrintedSuit() const { return SuitDeclared ? PilePrintedSuit : PileSuit; }
};

constexpr int kNewGame = 99;
constexpr int kDecideFromResult = 98;
constexpr int kGameOverRound = 21;
constexpr int kRoundsInGame = 20;

// The seat after `seat` in the direction of play (4 is followed by 1, or
// reversed 1 by 4).
constexpr int SeatAfter(int seat, bool reversed) {
  return reversed ? (seat + 2) % 4 + 1 : seat % 4 + 1;
}

}  // namespace zunpa
