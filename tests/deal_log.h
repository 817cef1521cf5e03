#pragma once
// Writes down what a game dealt, reshuffled and played, for comparing the
// games one number gives.

#include <vector>

#include "rules/game.h"
#include "rules/play_observer.h"

namespace zunpa::testing {

struct DealtRound {
  int round = 0;
  int starter = 0;
  // The four hands in seat order, then the stock from place 0 up.
  std::vector<int> cards;
  bool operator==(const DealtRound&) const = default;
};

inline std::vector<int> StockCodes(const Stock& stock) {
  std::vector<int> codes;
  for (int i = 0; i < stock.StockCount; ++i)
    codes.push_back(CodeOf(stock.Deck[i]));
  return codes;
}

class DealLog : public PlayObserver {
 public:
  void OnDeal(const Game& g) override {
    DealtRound deal{g.round.RoundNo, g.round.NextStarter, {}};
    for (const Hand& hand : g.round.hands)
      deal.cards.insert(deal.cards.end(), hand.begin(), hand.end());
    const std::vector<int> stock = StockCodes(g.round.stock);
    deal.cards.insert(deal.cards.end(), stock.begin(), stock.end());
    deals.push_back(deal);
  }
  void OnReshuffle(const Game& g) override { reshuffles.push_back(StockCodes(g.round.stock)); }
  void OnPlay(const Game&, int seat, int code) override { plays.push_back(seat * 1000 + code); }

  std::vector<DealtRound> deals;
  std::vector<std::vector<int>> reshuffles;
  std::vector<int> plays;
};

// The cards of each deal, without who began.
inline std::vector<std::vector<int>> CardsOf(const std::vector<DealtRound>& deals) {
  std::vector<std::vector<int>> cards;
  for (const DealtRound& deal : deals)
    cards.push_back(deal.cards);
  return cards;
}

}  // namespace zunpa::testing
