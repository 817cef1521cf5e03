#pragma once
// One table for playouts: the rule state 読み's input holds, with the unseen
// cards dealt anew, a choice of the user's seat made on it, and the round
// played on to its end by the characters, seat 4 included. Nothing here
// allocates once the table is made, and each thread makes one table only.

#include "analysis/seat_knowledge.h"
#include "analysis/yomi.h"
#include "analysis/yomi_input.h"
#include "rules/game.h"
#include "rules/random_source.h"
#include "rules/silent_host.h"

namespace zunpa {

// Answers the questions the user's seat meets while its own choice is made:
// the one being weighed as the choice says, any other as the user's policy
// would.
class PlayoutHost : public SilentHost {
 public:
  Choice choice;
  Answer ShowMessage(const Message& m) override;
};

// The unseen cards of one sample: the other hands and the stock, top last.
struct UnseenDeal {
  std::array<CardSet, 3> hands{};
  std::array<Card, kCardsInPack> stock{};
  int stockCount = 0;
};

// Deals the unseen cards at random, as often as it takes (within a bound)
// to find a deal every reading fits. False when none fitted; the deal is
// then the last one tried.
bool DealUnseen(const SeatKnowledge& k, RandomSource& random, UnseenDeal& deal);

class PlayoutTable {
 public:
  explicit PlayoutTable(const YomiSettings& settings);
  // This thread's table, made on its first call (a Game's default seat
  // names are strings) and kept for every analysis after it.
  static PlayoutTable& OfThisThread(const YomiSettings& settings);
  // The worth of `choice` at question `q` of `in`, with the unseen cards
  // as `deal` has them and the playout's own randomness from `seed`.
  double Worth(const YomiInput& in, const UnseenDeal& deal, Question q, const Choice& choice, std::uint64_t seed);

 private:
  void CopyRuleState(const YomiInput& in, const UnseenDeal& deal);
  void MakeChoice(Question q, const Choice& choice);
  void PlayToRoundEnd();
  double Score(const Scores& before) const;

  YomiSettings settings_;
  PlayoutHost host_;
  Game table_;
};

}  // namespace zunpa
