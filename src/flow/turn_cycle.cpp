#include "flow/turn_cycle.h"

#include "flow/computer_turn.h"
#include "flow/draw_two.h"
#include "flow/game_end.h"
#include "flow/play_card.h"
#include "flow/settlement.h"
#include "rules/deal.h"
#include "rules/draw.h"
#include "rules/invariants.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/table_display.h"

namespace zunpa {
namespace {

void ChooseRandomStarter(Game& g) {
  g.random.Reseed(ReseedPoint::Starter, g.round.RoundNo);
  g.round.NextStarter = g.random.Below(kSeats) + 1;
}

// Step 1 of the driver: who begins and which round is dealt. False when the
// user declines to deal again.
bool ResolveStarter(Game& g) {
  RoundState& r = g.round;
  switch (r.NextStarter) {
    case 0:
      if (Ask(g, {.text = "リセットしますか？", .buttons = Buttons::YesNo, .asked = Asked::Reset}) != Answer::Yes)
        return false;
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

// Deals one round and hands the first move over.
void DealRound(Game& g) {
  RoundState& r = g.round;
  if (g.watching) g.display.roundCaption = "第" + std::to_string(r.RoundNo) + "ラウンド";
  ResetTable(g);
  ShuffleAndDeal(g);
  TurnUpOpeningCard(g);
  if (g.watching) g.display.drawButtonVisible = g.display.stockCounterVisible = true;
  g.flow.movesThisRound = 0;
  r.CurrentSeat = SeatBeforeFirstMover(g, r.NextStarter);
  PassTurn(g);
  // A round under way is begun again only after the reset question.
  if (!r.RoundOver()) r.NextStarter = 0;
}

// The round just decided (or abandoned) is followed by the next one, or by
// the end of the game.
void OpenRound(Game& g) {
  MoveBar(g, g.round.NextStarter);
  AnnounceStarter(g);
  if (g.round.RoundNo >= kGameOverRound) {
    EndGame(g);
    return;
  }
  DealRound(g);
}

bool MoveCapReached(const FlowState& f) {
  return f.maxMovesPerRound != 0 && f.movesThisRound >= f.maxMovesPerRound;
}

bool RoundStalled(const Game& g) {
  return MoveCapReached(g.flow) && !g.round.RoundOver();
}

// The round reached the move cap: it is abandoned and dealt again.
void AbandonStalledRound(Game& g) {
  ++g.flow.stalledRounds;
  g.flow.pendingSeat = 0;
  if (g.observer) g.observer->OnRoundStalled(g);
  ChooseRandomStarter(g);
}

// The user's turn needs no step of its own: the controls open at once.
void OpenUserTurnIfDue(Game& g) {
  const int seat = g.flow.pendingSeat;
  if (seat == 0 || !g.seats.IsHuman(seat) || g.round.RoundOver() || RoundStalled(g)) return;
  if (!g.flow.pendingBySkip && g.round.DrawPenalty != 0) return;  // the draw-two question comes first
  g.flow.pendingSeat = 0;
  UnlockHumanInput(g);
}

[[gnu::always_inline]] inline Step StepAt(const Game& g) {
  const RoundState& r = g.round;
  if (r.RoundNo < 1 || r.RoundNo >= kGameOverRound) return {};
  if (r.RoundOver()) return {r.RoundNo + 1 >= kGameOverRound ? StepKind::GameEnd : StepKind::Deal};
  if (MoveCapReached(g.flow)) return {StepKind::Deal};
  const int seat = g.flow.pendingSeat;
  if (seat == 0) return {};
  if (g.seats.IsHuman(seat))
    return !g.flow.pendingBySkip && r.DrawPenalty != 0 ? Step{StepKind::DrawTwoQuestion, seat} : Step{};
  return {StepKind::ComputerMove, seat, g.watching ? ComputerPauseSeconds(g.options.SpeedIndex) : 0.0};
}

void MakeStep(Game& g, const Step& step) {
  switch (step.kind) {
    case StepKind::None:
      return;
    case StepKind::ComputerMove:
      g.flow.pendingSeat = 0;
      ComputerTurn(g, step.seat - 1);
      break;
    case StepKind::DrawTwoQuestion:
      g.flow.pendingSeat = 0;
      AnswerDrawTwo(g, step.seat - 1);
      break;
    case StepKind::Deal:
    case StepKind::GameEnd:
      if (RoundStalled(g)) {
        AbandonStalledRound(g);
      } else {
        ResolveStarter(g);
      }
      OpenRound(g);
      break;
  }
  OpenUserTurnIfDue(g);
  if (g.flow.checkInvariants) CheckInvariants(g);
}

// One step, or every step up to the user's move, in one body: the moves
// are inlined here once, so a long run of them pays no call per step
// whoever else makes single steps.
void MakeSteps(Game& g, bool untilUserActs) {
  if (untilUserActs) OpenUserTurnIfDue(g);
  for (Step step = StepAt(g); step.kind != StepKind::None; step = StepAt(g)) {
    if (untilUserActs && step.pauseSeconds > 0) {
      g.host->Pause(step.pauseSeconds);
      step = StepAt(g);  // a command during the pause may have moved the game on
    }
    MakeStep(g, step);
    if (!untilUserActs) return;
  }
}

}  // namespace

int NextSeat(int seat, bool reversed, bool skip) {
  const int next = SeatAfter(seat, reversed);
  return skip ? SeatAfter(next, reversed) : next;
}

bool StartRound(Game& g) {
  if (!ResolveStarter(g)) return false;
  OpenRound(g);
  OpenUserTurnIfDue(g);
  return true;
}

void RunRoundDriver(Game& g) {
  if (StartRound(g)) RunSteps(g);
}

Step NextStep(const Game& g) {
  return StepAt(g);
}

void RunStep(Game& g) {
  MakeSteps(g, false);
}

void RunSteps(Game& g) {
  MakeSteps(g, true);
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
  g.flow.pendingSeat = next;
  g.flow.pendingBySkip = skip;
}

bool UserMayMove(const Game& g) {
  return g.flow.humanInputOpen && g.seats.HumanPlays();
}

void ClickCard(Game& g, int suit, int rank) {
  if (!UserMayMove(g) || !g.round.HandOf(4).Contains(CodeOf(suit, rank))) return;
  RoundState& r = g.round;
  r.SelSuit = suit;
  r.CurrentSeat = 4;
  r.SelRank = rank;
  PlayCard(g);
  OpenUserTurnIfDue(g);
}

void PressDraw(Game& g) {
  if (!UserMayMove(g)) return;
  DrawCard(g, 3);
  if (!g.round.RoundOver() && g.round.DrawPenalty == 0) PassTurn(g);
  OpenUserTurnIfDue(g);
}

}  // namespace zunpa
