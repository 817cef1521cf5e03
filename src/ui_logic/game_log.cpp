#include "ui_logic/game_log.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <numeric>

#include "rules/game.h"
#include "ui_logic/log_texts.h"

namespace zunpa::ui {
namespace {

std::string Name(const Game& g, int seat) {
  if (seat < 1 || seat > kSeats) return {};
  const std::string& playing = g.seats.playing[seat - 1];
  return playing.empty() ? g.seats.SeatName[seat - 1] : playing;
}

std::string Said(const Game& g, int seat, std::string_view what) {
  return Name(g, seat) + ": " + std::string(what);
}

// The user sees their own cards; once the round is over every hand lies
// open on the table.
bool CardsShown(const Game& g, int seat) {
  return g.seats.IsHuman(seat) || g.round.RoundOver();
}

std::string Because(PenaltyReason reason, int card) {
  switch (reason) {
    case PenaltyReason::DrawTwo:
      return "ドロー・ツーで";
    case PenaltyReason::LastCardTwo:
      return "あがりの" + CardName(card) + "で";
    case PenaltyReason::CallersTwos:
      return "ズンパした側の２で";
    case PenaltyReason::CalledOnTwo:
      return "ズンパされた" + CardName(card) + "で";
    case PenaltyReason::HeldTwo:
      return "残った" + CardName(card) + "で";
  }
  return {};
}

std::string OpeningEffect(const Game& g, int rank) {
  if (rank == kDrawTwoRank) return "最初のプレーヤーはドロー・ツー（2枚）";
  if (rank == g.roles.SkipRank) return "スキップ: " + Name(g, g.round.NextStarter) + "をとばして始める";
  if (rank == g.roles.ReverseRank) return "リバース: 逆回りで始める";
  return {};
}

std::string RoleText(const Game& g, int seat, RoleEffect effect) {
  const RoundState& r = g.round;
  const std::string next = Name(g, SeatAfter(seat, r.Reversed));
  switch (effect) {
    case RoleEffect::DrawTwo:
      return "２！ " + next + "は２を出すか" + std::to_string(r.DrawPenalty) + "枚引く";
    case RoleEffect::Skip:
      return "スキップ！ " + next + "の番はとばす";
    case RoleEffect::Reverse:
      return r.Reversed ? "リバース！ 逆回りになった" : "リバース！ 順回りに戻った";
  }
  return {};
}

bool Among(int seat, std::initializer_list<int> seats) {
  return seat != 0 && std::find(seats.begin(), seats.end(), seat) != seats.end();
}

// The callers whose call stands: after a counter-call they are the losers.
bool CallStands(const RoundState& r, int seat) {
  if (r.Countered) return Among(seat, {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2});
  return Among(seat, {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3});
}

std::string CallWithHand(const Game& g, int seat, std::string_view call) {
  const Hand& hand = g.round.HandOf(seat);
  return Said(g, seat, call) + " 手札 " + HandText(hand) + "（合計" + std::to_string(hand.Total()) + "）";
}

constexpr std::array<std::string_view, 4> kMultiCall = {"", "", "ダブル", "トリプル"};

}  // namespace

std::string GameLog::Text() const {
  std::string text;
  for (const LogEntry& entry : entries_)
    text += entry.text + "\n";
  return text;
}

void GameLog::Reset() {
  entries_.clear();
  penalty_.reset();
  // A seat counts as out only from the next deal on.
  outTold_ = true;
  if (resetListener_) resetListener_();
}

void GameLog::Add(int seat, LogKind kind, std::string text) {
  entries_.push_back({seat, kind, std::move(text)});
  if (entryListener_) entryListener_(entries_.back());
}

void GameLog::FlushPenalty() {
  if (!penalty_) return;
  PenaltyDraws p = std::move(*penalty_);
  penalty_.reset();
  std::string text =
      p.drawn.empty() ? p.text + "引く札がなかった" : p.text + std::to_string(p.drawn.size()) + "枚引いた";
  if (p.shown && !p.drawn.empty()) {
    std::string cards;
    for (int code : p.drawn)
      cards += (cards.empty() ? "" : "、") + CardName(code);
    text += "（" + cards + "）";
  }
  Add(p.seat, LogKind::Penalty, std::move(text));
}

void GameLog::Before(const Game& g) {
  FlushPenalty();
  const int out = g.round.OutSeat;
  if (out == 0 || outTold_) return;
  outTold_ = true;
  Add(out, LogKind::Out, Said(g, out, "あがり！"));
}

void GameLog::OnGameStart(const Game& g, bool continued) {
  Reset();
  std::string names;
  for (int seat = 1; seat <= kSeats; ++seat)
    names += (seat > 1 ? "、" : "") + Name(g, seat);
  Add(0, LogKind::Game, (continued ? "保存したゲームのつづき: " : "新しいゲーム: ") + names);
}

void GameLog::OnDeal(const Game& g) {
  FlushPenalty();
  outTold_ = false;
  const RoundState& r = g.round;
  std::string text = "── 第" + std::to_string(r.RoundNo) + "ラウンド";
  if (r.NextStarter >= 1 && r.NextStarter <= kSeats) text += "（" + Name(g, r.NextStarter) + "から）";
  Add(0, LogKind::Round, text + " ──");
  for (int seat = 1; seat <= kSeats; ++seat)
    if (g.seats.IsHuman(seat)) Add(seat, LogKind::Hand, Name(g, seat) + "の手札: " + HandText(r.HandOf(seat)));
}

void GameLog::OnOpen(const Game& g, int code) {
  Before(g);
  Add(0, LogKind::Open, "場札: " + CardName(code));
  if (std::string effect = OpeningEffect(g, RankOfCode(code)); !effect.empty())
    Add(0, LogKind::Role, std::move(effect));
}

void GameLog::OnPlay(const Game& g, int seat, int code) {
  Before(g);
  Add(seat, LogKind::Play, Said(g, seat, CardName(code)));
}

void GameLog::OnDraw(const Game& g, int seat, int code, bool penalty, bool) {
  if (penalty && penalty_ && penalty_->seat == seat) {
    penalty_->drawn.push_back(code);
    if (int(penalty_->drawn.size()) >= penalty_->count) FlushPenalty();
    return;
  }
  Before(g);
  std::string text = Said(g, seat, "1枚引いた");
  if (CardsShown(g, seat)) text += "（" + CardName(code) + "）";
  Add(seat, LogKind::Draw, std::move(text));
}

void GameLog::OnPenalty(const Game& g, int seat, int count, PenaltyReason reason, int card) {
  Before(g);
  penalty_ = PenaltyDraws{seat, count, reason, card, CardsShown(g, seat), Said(g, seat, Because(reason, card)), {}};
}

void GameLog::OnReshuffle(const Game&) {
  // Told at once, even in the middle of a run of penalty draws.
  Add(0, LogKind::Reshuffle, "山札がなくなったのでシャッフル");
}

void GameLog::OnRole(const Game& g, int seat, RoleEffect effect) {
  Before(g);
  Add(seat, LogKind::Role, Said(g, seat, RoleText(g, seat, effect)));
}

void GameLog::OnDeclare(const Game& g, int seat, int suit) {
  Before(g);
  Add(seat, LogKind::Declare, Said(g, seat, "マークを" + std::string(kSuitNames[suit - 1]) + "に変えた"));
}

void GameLog::OnZunpa(const Game& g, const ZunpaCall& call) {
  Before(g);
  if (call.passed) {
    // A computer that lets a call pass says nothing; only the user's own
    // choice is told.
    if (g.seats.IsHuman(call.callers[0]))
      Add(call.callers[0], LogKind::Zunpa, Said(g, call.callers[0], "ズンパを見送った"));
    return;
  }
  TellStandingCalls(g, call);
  if (call.countered) {
    TellCounterCall(g);
    return;
  }
  const RoundState& r = g.round;
  if (g.seats.IsHuman(r.CurrentSeat) && r.HandTotal(r.CurrentSeat) == r.PileRank)
    Add(r.CurrentSeat, LogKind::Zunpa, Said(g, r.CurrentSeat, "ズンパ返しを見送った"));
  Add(r.CurrentSeat, LogKind::Zunpa, Said(g, r.CurrentSeat, "ズンパされた"));
}

void GameLog::TellStandingCalls(const Game& g, const ZunpaCall& call) {
  const RoundState& r = g.round;
  for (int seat : call.callers) {
    if (seat == 0) continue;
    if (CallStands(r, seat)) {
      Add(seat, LogKind::Zunpa, CallWithHand(g, seat, "ズンパ！"));
    } else if (g.seats.IsHuman(seat)) {
      Add(seat, LogKind::Zunpa, Said(g, seat, "ズンパを見送った"));
    }
  }
  if (r.ZunpaKind >= 2) Add(0, LogKind::Zunpa, std::string(kMultiCall[r.ZunpaKind]) + "ズンパ！");
}

void GameLog::TellCounterCall(const Game& g) {
  const RoundState& r = g.round;
  Add(r.ZunpaSeat1, LogKind::Zunpa, CallWithHand(g, r.ZunpaSeat1, "ズンパ返し！"));
  if (r.ZunpaKind >= 2) Add(0, LogKind::Zunpa, std::string(kMultiCall[r.ZunpaKind]) + "ズンパ返し！");
  for (int seat : {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2})
    if (seat != 0) Add(seat, LogKind::Zunpa, Said(g, seat, "ズンパ返しされた"));
}

void GameLog::OnRoundScored(const Game& g) {
  Before(g);
  const RoundState& r = g.round;
  Add(0, LogKind::Points, "第" + std::to_string(r.RoundNo) + "ラウンドの得点");
  for (int seat = 1; seat <= kSeats; ++seat) {
    const Hand& hand = r.HandOf(seat);
    const std::string cards = hand.empty() ? "あがり" : HandText(hand);
    Add(seat, LogKind::Points, Said(g, seat, Points(g.scores.RoundPoints[seat - 1]) + "（" + cards + "）"));
  }
}

void GameLog::OnTotalHalved(const Game& g, int seat, int before) {
  Before(g);
  const std::string change = Points(before) + " → " + Points(g.scores.TotalPoints[seat - 1]);
  Add(seat, LogKind::Halving, Said(g, seat, "得点半減（50の倍数） " + change));
}

void GameLog::OnTotalDoubled(const Game& g, int seat, int before) {
  Before(g);
  const std::string change = Points(before) + " → " + Points(g.scores.TotalPoints[seat - 1]);
  Add(seat, LogKind::Doubling, Said(g, seat, "得点倍増（50の倍数±1） " + change));
}

void GameLog::OnRoundEnd(const Game& g) {
  Before(g);
  std::string text = "通算:";
  for (int seat = 1; seat <= kSeats; ++seat)
    text += (seat > 1 ? "、" : " ") + Name(g, seat) + " " + Points(g.scores.TotalPoints[seat - 1]);
  Add(0, LogKind::Totals, std::move(text));
}

void GameLog::OnRoundStalled(const Game& g) {
  Before(g);
  Add(0, LogKind::Redeal, "決着がつかないので配り直し");
}

void GameLog::OnGameEnd(const Game& g) {
  Before(g);
  std::array<int, kSeats> seats;
  std::iota(seats.begin(), seats.end(), 1);
  std::stable_sort(seats.begin(), seats.end(),
                   [&](int a, int b) { return StandingOf(g.scores, a) < StandingOf(g.scores, b); });
  std::string text = "ゲーム終了:";
  for (int seat : seats)
    text += (seat == seats[0] ? " " : "、") + std::to_string(StandingOf(g.scores, seat)) + "位 " + Name(g, seat) + " " +
            Points(g.scores.TotalPoints[seat - 1]);
  Add(0, LogKind::GameEnd, std::move(text));
}

}  // namespace zunpa::ui
