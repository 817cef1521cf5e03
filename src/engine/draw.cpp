#include "engine/draw.h"

#include <cstdint>

#include "engine/flag_scope.h"
#include "engine/notices.h"
#include "engine/play.h"
#include "engine/play_observer.h"
#include "engine/table_display.h"
#include "engine/turn_cycle.h"

namespace zunpa {

bool DrawCard(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  const bool human = g.seats.IsHuman(seat);
  if (human) LockHumanInput(g);
  bool took = true;
  if (r.stock.StockCount > 0) {
    --r.stock.StockCount;
  } else {
    took = Reshuffle(g);
  }
  if (took) {
    const Card drawn = r.stock.Deck[r.stock.StockCount];
    r.DrawnSuit = drawn.suit;
    r.DrawnRank = drawn.rank;
    Hand& hand = r.HandOf(seat);
    hand.Insert(CodeOf(drawn));
    ++g.movesThisRound;
    if (g.observer) g.observer->OnDraw(g, seat, CodeOf(drawn), g.penaltyDrawing, r.RoundOver());
    if (r.RoundOver()) {
      // A penalty drawn during the settlement: shown face up beside the hand.
      PutCardInFront(g, drawn.suit, drawn.rank, 3500 + kHandStep * (hand.size() - 1), kRowTop[listIndex], true);
      return true;
    }
    LayOutRow(g, seat, true);
  } else if (r.RoundOver()) {
    return false;
  }
  r.SelRank = 0;
  if (human) {
    r.CurrentSeat = seat;
    ShowHandTotal(g);
    if (r.DrawPenalty == 0) PassTurn(g);
  }
  return took;
}

void DrawPenaltyCards(Game& g, int listIndex, int count) {
  const FlagScope drawing(g.penaltyDrawing);
  for (int n = 0; n < count; ++n)
    if (!DrawCard(g, listIndex)) break;
}

namespace {

void PlayTwo(Game& g, int seat, int code) {
  RoundState& r = g.round;
  r.SelSuit = SuitOfCode(code);
  r.SelRank = kDrawTwoRank;
  r.CurrentSeat = seat;
  PlayCard(g);
}

void TakePenalty(Game& g, int listIndex) {
  RoundState& r = g.round;
  DrawPenaltyCards(g, listIndex, r.DrawPenalty);
  r.DrawPenalty = 0;
}

// The user has several 2s and wants to play one: offered one at a time
// until one is chosen.
int ChooseAmongTwos(Game& g, const std::array<int, 4>& twos, int t) {
  for (;;) {
    for (int k = 0; k < t; ++k) {
      const std::string text = std::string(kSuitNames[SuitOfCode(twos[k]) - 1]) + "の２を出しますか？";
      if (Ask(g, text, Buttons::YesNo) == Answer::Yes) return twos[k];
    }
    Inform(g, "どれか選んでください", kProgramTitle, Icon::Exclamation);
  }
}

void UserAnswersDrawTwo(Game& g, const std::array<int, 4>& twos, int t) {
  RoundState& r = g.round;
  if (t == 0) {
    if (g.options.MsgNi && g.watching)
      Inform(g, "２が手持ちの札にありません！ " + std::to_string(r.DrawPenalty) + "枚めくります。");
    TakePenalty(g, 3);
    PassTurn(g);
    return;
  }
  const std::string question =
      t == 1 ? "２が１枚あります。出しますか？" : "２が" + std::to_string(t) + "枚あります。出しますか？";
  if (Ask(g, question, Buttons::YesNo) == Answer::Yes) {
    PlayTwo(g, 4, t == 1 ? twos[0] : ChooseAmongTwos(g, twos, t));
    return;
  }
  if (g.watching) Inform(g, std::to_string(r.DrawPenalty) + "枚めくります。");
  TakePenalty(g, 3);
  r.CurrentSeat = 4;
  PassTurn(g);
}

}  // namespace

void AnswerDrawTwo(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  std::array<int, 4> twos{};
  int t = 0;
  for (int code : r.HandOf(seat))
    if (RankOfCode(code) == kDrawTwoRank && t < 4) twos[t++] = code;
  r.CurrentSeat = seat;
  if (g.seats.IsHuman(seat)) {
    UserAnswersDrawTwo(g, twos, t);
    return;
  }
  // A computer always answers with a 2 when it has one: the last it holds.
  if (t > 0) {
    PlayTwo(g, seat, twos[t - 1]);
    return;
  }
  if (g.options.MsgNi) Announce(g, kSayNoTwo);
  TakePenalty(g, listIndex);
  PassTurn(g);
}

bool Reshuffle(Game& g) {
  RoundState& r = g.round;
  // Cards in hands and the top of the pile never go back into the stock.
  std::uint64_t keptOut = 0;
  for (const Hand& hand : r.hands)
    for (int code : hand)
      keptOut |= std::uint64_t{1} << NumberOf(CardOfCode(code));
  keptOut |= std::uint64_t{1} << NumberOf({r.TopPrintedSuit(), r.PileRank});
  int free = kCardsInPack;
  for (std::uint64_t bits = keptOut; bits; bits &= bits - 1)
    --free;
  if (free == 0) return false;

  if (!r.RoundOver()) Inform(g, "山札がなくなったのでシャッフルします");
  HideSuitMarkers(g);
  g.random.ReseedFromClock();
  r.stock.StockCount = 0;
  std::uint64_t placed = keptOut;
  for (int i = 0; i < free; ++i) {
    int n;
    do
      n = g.random.Below(kCardsInPack);
    while (placed & (std::uint64_t{1} << n));
    placed |= std::uint64_t{1} << n;
    const Card card = CardOfNumber(n);
    r.stock.Deck[r.stock.StockCount++] = card;
    if (g.watching) {
      CardPicture& picture = g.display.Card(card.suit, card.rank);
      picture = {false, true, false, kStockLeft, kStockTop, g.display.BringToFront()};
    }
  }
  DisplayChanged(g);
  // The pile is its top card again: the log restarts from the card really
  // on top, whatever suit was declared on it.
  r.pileLog.Clear();
  r.pileLog.Add(CodeOf(r.TopPrintedSuit(), r.PileRank));
  if (g.observer) g.observer->OnReshuffle(g);
  --r.stock.StockCount;
  r.Prev1Suit = r.Prev1Rank = r.Prev2Suit = r.Prev2Rank = 0;
  return true;
}

}  // namespace zunpa
