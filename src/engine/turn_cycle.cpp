#include "engine/turn_cycle.h"

#include "engine/deal.h"
#include "engine/draw.h"
#include "engine/notices.h"
#include "engine/play.h"
#include "engine/play_observer.h"
#include "engine/table_display.h"
#include "players/computer_turn.h"
#include "scoring/game_end.h"
#include "scoring/settlement.h"

namespace zunpa {
namespace {

void ChooseRandomStarter(Game& g) {
  g.random.ReseedFromClock();
  g.round.NextStarter = g.random.Below(kSeats) + 1;
}

// Step 1 of the driver: who begins and which round is dealt. False when the
// user declines to deal again.
bool ResolveStarter(Game& g) {
  RoundState& r = g.round;
  switch (r.NextStarter) {
    case 0:
      if (Ask(g, "リセットしますか？", Buttons::YesNo) != Answer::Yes) return false;
      if (r.RoundNo < 1) r.RoundNo = 1;
      ChooseRandomStarter(g);
      return true;
    case kNewGame:
      r.RoundNo = 1;
      ChooseRandomStarter(g);
      return true;
    case kDecideFromResult:
      if (r.OutSeat != 0) r.NextStarter = r.OutSeat, r.OutSeat = 0;
      if (r.ZunpaSeat1 != 0) r.NextStarter = r.ZunpaSeat1;
      break;
    default:
      break;
  }
  g.display.saveEnabled = true;
  ++r.RoundNo;
  if (r.NextStarter < 1 || r.NextStarter > kSeats) ChooseRandomStarter(g);
  return true;
}

void AnnounceStarter(Game& g) {
  const RoundState& r = g.round;
  if (!g.watching) return;
  const std::string& name = g.seats.playing[r.NextStarter - 1];
  if (r.RoundNo == 1) {
    Inform(g, name + "から始めます", "ｽﾀｰﾄﾌﾟﾚｰﾔｰ（ﾗﾝﾀﾞﾑに決定）");
    g.display.barVisible = true;
    if (g.options.AutoDetect && g.seats.HumanPlays()) g.display.handTotalVisible = true;
  } else if (r.RoundNo == kRoundsInGame) {
    Inform(g, "最終ラウンド（第" + std::to_string(kRoundsInGame) + "ラウンド）：" + name + "から始めます", "オーラス");
  }
}

// Deals one round and plays it until the user is to move or it has ended.
void PlayRound(Game& g) {
  RoundState& r = g.round;
  if (g.watching) g.display.roundCaption = "第" + std::to_string(r.RoundNo) + "ラウンド";
  ResetTable(g);
  ShuffleAndDeal(g);
  TurnUpOpeningCard(g);
  if (g.watching) g.display.drawButtonVisible = g.display.stockCounterVisible = true;
  g.movesThisRound = 0;
  r.CurrentSeat = SeatBeforeFirstMover(g, r.NextStarter);
  PassTurn(g);
  RunPendingTurns(g);
}

// The round reached the turn cap: it is abandoned and dealt again.
bool AbandonStalledRound(Game& g) {
  if (g.maxMovesPerRound == 0 || g.movesThisRound < g.maxMovesPerRound || g.round.RoundOver()) return false;
  ++g.stalledRounds;
  g.pendingSeat = 0;
  if (g.observer) g.observer->OnRoundStalled(g);
  ChooseRandomStarter(g);
  return true;
}

}  // namespace

int NextSeat(int seat, bool reversed, bool skip) {
  const int next = SeatAfter(seat, reversed);
  return skip ? SeatAfter(next, reversed) : next;
}

void RunRoundDriver(Game& g) {
  RoundState& r = g.round;
  if (!ResolveStarter(g)) return;
  for (;;) {
    MoveBar(g, r.NextStarter);
    AnnounceStarter(g);
    if (r.RoundNo >= kGameOverRound) {
      EndGame(g);
      return;
    }
    PlayRound(g);
    if (AbandonStalledRound(g)) continue;
    if (!r.RoundOver()) break;
    ResolveStarter(g);
  }
  r.NextStarter = 0;
}

void PassTurn(Game& g) {
  RoundState& r = g.round;
  SetStockCounter(g, r.stock.StockCount);
  const int justMoved = r.CurrentSeat;
  if (justMoved < 1 || justMoved > kSeats) return;
  if (g.seats.IsHuman(justMoved) && r.HandOf(justMoved).empty() && !r.RoundOver()) {
    r.OutSeat = justMoved;
    SettleRound(g);
    return;
  }
  if (r.OutSeat != 0) return;
  const bool skip = r.SkipPending;
  const int next = NextSeat(justMoved, r.Reversed, skip);
  if (skip) {
    r.SkipPending = false;
    r.CurrentSeat = 0;
  }
  MoveBar(g, next);
  g.pendingSeat = next;
  g.pendingBySkip = skip;
}

void RunPendingTurns(Game& g) {
  RoundState& r = g.round;
  while (g.pendingSeat != 0 && !r.RoundOver()) {
    if (g.maxMovesPerRound != 0 && g.movesThisRound >= g.maxMovesPerRound) return;
    const int seat = g.pendingSeat;
    const bool bySkip = g.pendingBySkip;
    g.pendingSeat = 0;
    if (!g.seats.IsHuman(seat)) {
      ComputerTurn(g, seat - 1);
    } else if (!bySkip && r.DrawPenalty != 0) {
      AnswerDrawTwo(g, seat - 1);
    } else {
      UnlockHumanInput(g);
    }
  }
}

void LockHumanInput(Game& g) {
  g.humanInputOpen = false;
  if (!g.watching) return;
  DisplayModel& d = g.display;
  d.drawButtonEnabled = false;
  for (int code : g.round.HandOf(4))
    d.CardOfCode(code).enabled = false;
  d.playableMarks = 0;
  DisplayChanged(g);
}

void UnlockHumanInput(Game& g) {
  g.humanInputOpen = true;
  if (!g.watching) return;
  const RoundState& r = g.round;
  DisplayModel& d = g.display;
  d.drawButtonEnabled = true;
  d.playableMarks = 0;
  const Hand& hand = r.HandOf(4);
  for (int k = 0; k < hand.size(); ++k) {
    const int code = hand[k];
    d.CardOfCode(code).enabled = true;
    const bool playable = SuitOfCode(code) == r.PileSuit || RankOfCode(code) == r.PileRank;
    if (g.options.AutoDetect && r.SelRank != kDrawTwoRank && playable)
      d.playableMarkLefts[d.playableMarks++] = kMarkLeft + kHandStep * k;
  }
  DisplayChanged(g);
}

void ShowHandTotal(Game& g) {
  if (!g.watching || !g.options.AutoDetect || !g.seats.HumanPlays()) return;
  const int total = g.round.HandTotal(4);
  g.display.handTotal = std::to_string(total);
  g.display.handTotalFontSize = total < 14 ? 18 : 10;
  DisplayChanged(g);
}

namespace {

// Runs one action of the user and whatever it sets going.
template <typename Action>
void RunUserAction(Game& g, Action action) {
  g.busy = true;
  action();
  RunPendingTurns(g);
  if (g.round.RoundOver()) RunRoundDriver(g);
  g.busy = false;
}

}  // namespace

void ClickCard(Game& g, int suit, int rank) {
  if (!g.humanInputOpen || !g.seats.HumanPlays() || g.busy) return;
  if (!g.round.HandOf(4).Contains(CodeOf(suit, rank))) return;
  RunUserAction(g, [&] {
    RoundState& r = g.round;
    r.SelSuit = suit;
    r.CurrentSeat = 4;
    r.SelRank = rank;
    PlayCard(g);
  });
}

void PressDraw(Game& g) {
  if (!g.humanInputOpen || !g.seats.HumanPlays() || g.busy) return;
  RunUserAction(g, [&] { DrawCard(g, 3); });
}

}  // namespace zunpa
