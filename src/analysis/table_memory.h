#pragma once
// What the user's seat saw happen in the current round, beyond what the
// table still shows: who drew with which card on top of the pile, who did
// not call on which card, which hands a Zunpa opened. A hidden card never
// comes in here: of a computer's draw only the fact is kept.

#include <array>

#include "rules/card_set.h"
#include "rules/play_observer.h"

namespace zunpa {

struct SeenMove {
  // NoTwo: the seat answered a draw-two by drawing the penalty.
  enum class Kind : unsigned char { Play, Draw, PenaltyDraw, NoTwo };
  Kind kind = Kind::Play;
  unsigned char seat = 0;
  // Play: the card. Draw: the pile's suit and rank the seat faced and its
  // hand size before the draw.
  short code = 0;
  unsigned char pileSuit = 0, pileRank = 0, handSize = 0;
  // Play: the seats whose call on this card was let pass (their total was
  // the card's rank, so no reading of their totals follows).
  unsigned char passedCallers = 0;
};

class TableMemory : public PlayObserver {
 public:
  // Enough for any round the move cap of a real table lets through; a
  // longer one keeps its first moves, and a reading from them stays true.
  static constexpr int kMoves = 1024;

  void OnGameStart(const Game&, bool) override {
    Clear();
    ++gamesStarted_;
  }
  int gamesStarted() const { return gamesStarted_; }
  void OnDeal(const Game&) override { Clear(); }
  void OnPenalty(const Game& g, int seat, int count, PenaltyReason reason, int card) override;
  void OnPlay(const Game& g, int seat, int code) override;
  void OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) override;
  void OnZunpa(const Game& g, const ZunpaCall& call) override;
  void OnRoundStalled(const Game&) override { Clear(); }

  void Clear() { count_ = 0; }
  int size() const { return count_; }
  const SeenMove& operator[](int k) const { return moves_[static_cast<std::size_t>(k)]; }

 private:
  void Add(const SeenMove& m) {
    if (count_ < kMoves) moves_[static_cast<std::size_t>(count_++)] = m;
  }
  std::array<SeenMove, kMoves> moves_{};
  int count_ = 0;
  int gamesStarted_ = 0;
};

// Follows a game for two observers (the log and the memory, say).
class ObserverPair : public PlayObserver {
 public:
  ObserverPair(PlayObserver* first, PlayObserver* second);
  void OnGameStart(const Game& g, bool continued) override;
  void OnDeal(const Game& g) override;
  void OnOpen(const Game& g, int code) override;
  void OnPlay(const Game& g, int seat, int code) override;
  void OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) override;
  void OnPenalty(const Game& g, int seat, int count, PenaltyReason reason, int card) override;
  void OnReshuffle(const Game& g) override;
  void OnRole(const Game& g, int seat, RoleEffect effect) override;
  void OnDeclare(const Game& g, int seat, int suit) override;
  void OnZunpa(const Game& g, const ZunpaCall& call) override;
  void OnRoundScored(const Game& g) override;
  void OnTotalHalved(const Game& g, int seat, int before) override;
  void OnTotalDoubled(const Game& g, int seat, int before) override;
  void OnRoundEnd(const Game& g) override;
  void OnRoundStalled(const Game& g) override;
  void OnGameEnd(const Game& g) override;

 private:
  PlayObserver* first_;
  PlayObserver* second_;
};

}  // namespace zunpa
