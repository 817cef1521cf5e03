#include "flow/settlement.h"

#include "flow/turn_cycle.h"
#include "rules/draw.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/program_folder.h"
#include "rules/table_display.h"
#include "scoring/round_records.h"

namespace zunpa {
namespace {

void DrawAfterRound(Game& g, int seat, int count, PenaltyReason reason, int card = 0) {
  if (seat < 1 || seat > kSeats) return;
  if (g.observer && count > 0) g.observer->OnPenalty(g, seat, count, reason, card);
  DrawPenaltyCards(g, seat - 1, count);
}

int CountTwos(const Hand& hand) {
  return CountCards(hand.Cards() & RankSet(kDrawTwoRank));
}

bool IsCaller(const RoundState& r, int seat) {
  return seat == r.ZunpaSeat1 || seat == r.ZunpaSeat2 || seat == r.ZunpaSeat3;
}

bool IsCalledOn(const RoundState& r, int seat) {
  return seat == r.CurrentSeat || (r.Countered && (seat == r.CounteredSeat1 || seat == r.CounteredSeat2));
}

// Each seat that did not win pays for a 2 it holds by drawing two cards,
// once per suit of 2 at the table; drawn cards may bring further 2s.
void DrawForHeldTwos(Game& g) {
  RoundState& r = g.round;
  CardSet paid = 0;  // the suits whose 2 has been paid for
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (IsCaller(r, seat)) continue;
    // The first 2 of a suit not yet paid for, in hand order, each time
    // round: the cards drawn for it may bring an earlier one.
    for (CardSet unpaid; (unpaid = r.HandOf(seat).Cards() & RankSet(kDrawTwoRank) & ~paid) != 0;) {
      const CardSet two = unpaid & (~unpaid + 1);
      paid |= SuitSet(SuitOfBit(LowestBit(two)));
      DrawAfterRound(g, seat, 2, PenaltyReason::HeldTwo, CodeOfBit(LowestBit(two)));
    }
  }
}

// Winners' factor: doubled for every suit-change card the winners hold.
std::int64_t WinnersFactor(const RoundState& r, int suitChangeRank) {
  std::int64_t factor = 1;
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3}) {
    if (seat == 0 || (r.Countered && seat != r.ZunpaSeat1)) continue;
    factor <<= CountCards(r.HandOf(seat).Cards() & RankSet(suitChangeRank));
  }
  return factor;
}

std::string Number(std::int64_t v) {
  return std::to_string(v);
}

void ColourRoundCells(Game& g) {
  const RoundState& r = g.round;
  if (!g.watching || r.RoundNo < 1 || r.RoundNo > kRoundsInGame) return;
  ScoreSheet& sheet = g.display.sheet;
  if (r.ZunpaKind == 0) {
    if (r.OutSeat != 0) sheet.Cell(r.OutSeat, r.RoundNo).colour = kGreenWin;
    return;
  }
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
    if (seat != 0) sheet.Cell(seat, r.RoundNo).colour = kBlue;
  for (int seat : {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2})
    if (seat != 0) sheet.Cell(seat, r.RoundNo).colour = kRed;
  if (r.Countered && r.ZunpaSeat1 != 0) sheet.Cell(r.ZunpaSeat1, r.RoundNo).italic = true;
}

void MarkCell(Game& g, int seat, int size) {
  const int round = g.round.RoundNo;
  if (!g.watching || round < 1 || round > kRoundsInGame) return;
  SheetCell& cell = g.display.sheet.Cell(seat, round);
  cell.size = size;
  cell.underline = true;
}

void ApplyHalvingOrDoubling(Game& g, int seat) {
  int& total = g.scores.TotalPoints[seat - 1];
  const std::string& name = g.seats.playing[seat - 1];
  if (ChangeOfTotal(total) == TotalChange::Halved) {
    MarkCell(g, seat, 8);
    if (g.watching) Inform(g, name + "の通算得点" + Number(total) + "が半分になります。", "得点半減（50の倍数）");
    const int before = total;
    total /= 2;
    if (g.observer) g.observer->OnTotalHalved(g, seat, before);
  }
  if (ChangeOfTotal(total) == TotalChange::Doubled) {
    MarkCell(g, seat, 10);
    if (g.watching) Inform(g, name + "の通算得点" + Number(total) + "が倍になります。", "得点倍増（50の倍数±1）");
    const int before = total;
    total = ClampPoints(std::int64_t{total} * 2);
    if (g.observer) g.observer->OnTotalDoubled(g, seat, before);
  }
}

void CountWins(Game& g) {
  const RoundState& r = g.round;
  Scores& s = g.scores;
  if (r.OutSeat != 0) ++s.WinCount[r.OutSeat - 1];
  if (r.ZunpaSeat1 == 0) return;
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3}) {
    if (seat == 0) continue;
    ++s.WinCount[seat - 1];
    ++s.ZunpaWinCount[seat - 1];
  }
  ++s.ZunpaLossCount[r.CurrentSeat - 1];
  if (!r.Countered) return;
  for (int seat : {r.CounteredSeat1, r.CounteredSeat2})
    if (seat != 0) ++s.ZunpaLossCount[seat - 1];
}

void ShowStandings(Game& g) {
  Scores& s = g.scores;
  for (int seat = 1; seat <= kSeats; ++seat)
    s.standing[seat - 1] = StandingOf(s, seat);
  if (!g.watching) return;
  for (int i = 0; i < kSeats; ++i) {
    SeatPanel& panel = g.display.seats[i];
    panel.standing = Number(s.standing[i]) + "位";
    panel.zunpaRecord = Number(s.ZunpaWinCount[i]) + "ズンパ" + Number(s.ZunpaLossCount[i]);
    panel.wins = Number(s.WinCount[i]) + "勝";
  }
  DisplayChanged(g);
}

}  // namespace

void PassPendingPenalty(Game& g) {
  RoundState& r = g.round;
  r.DrawPenalty = RaisePenalty(r.DrawPenalty);
  DrawAfterRound(g, SeatAfter(r.CurrentSeat, r.Reversed), r.DrawPenalty, PenaltyReason::LastCardTwo,
                 CodeOf(r.PileSuit, r.PileRank));
  r.DrawPenalty = 0;
}

void EndOfRoundDraws(Game& g) {
  RoundState& r = g.round;
  if (r.ZunpaSeat1 != 0) {
    if (!r.Countered) {
      for (int caller : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
        if (caller != 0) DrawAfterRound(g, r.CurrentSeat, 2 * CountTwos(r.HandOf(caller)), PenaltyReason::CallersTwos);
    } else {
      const int twos = CountTwos(r.HandOf(r.ZunpaSeat1));
      for (int loser : {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2})
        if (loser != 0) DrawAfterRound(g, loser, 2 * twos, PenaltyReason::CallersTwos);
    }
    if (r.PileRank == kDrawTwoRank)
      DrawAfterRound(g, r.CurrentSeat, 2, PenaltyReason::CalledOnTwo, CodeOf(r.PileSuit, r.PileRank));
  }
  DrawForHeldTwos(g);
}

std::array<HandScore, kSeats> ScoreRound(Game& g) {
  RoundState& r = g.round;
  Scores& s = g.scores;
  const int sc = g.roles.SuitChangeRank;
  std::array<HandScore, kSeats> hands;
  std::array<std::int64_t, kSeats> points{};
  if (r.ZunpaKind != 0) r.HandOf(r.CurrentSeat).Insert(Card{r.PileSuit, r.PileRank});
  const std::int64_t g_factor = r.ZunpaKind != 0 ? WinnersFactor(r, sc) : 1;
  for (int seat = 1; seat <= kSeats; ++seat) {
    HandScore& h = hands[seat - 1];
    h = ScoreHand(r.HandOf(seat), sc);
    if (r.ZunpaKind != 0 && r.Countered && seat == r.ZunpaSeat1) h.sum = 0;
    if (r.ZunpaKind != 0 && IsCalledOn(r, seat)) h.multiplier *= 3 * r.ZunpaKind * (r.Countered ? 3 : 1) * g_factor;
    points[seat - 1] = h.sum * h.multiplier;
  }
  if (r.ZunpaKind == 0) {
    if (r.OutSeat != 0) points[r.OutSeat - 1] = 0;
  } else if (r.Countered) {
    std::int64_t lost = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
      if (IsCalledOn(r, seat)) lost += points[seat - 1];
    points[r.ZunpaSeat1 - 1] = -lost;
  } else {
    const std::int64_t share = -points[r.CurrentSeat - 1] / r.ZunpaKind;
    for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
      if (seat != 0) points[seat - 1] = share;
  }
  for (int i = 0; i < kSeats; ++i)
    s.RoundPoints[i] = ClampPoints(points[i]);
  return hands;
}

RoundResult RoundResultOf(const Game& g, const std::array<HandScore, kSeats>& hands) {
  const RoundState& r = g.round;
  RoundResult result;
  result.roundNo = r.RoundNo;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const HandScore& h = hands[seat - 1];
    const int points = g.scores.RoundPoints[seat - 1];
    RoundResultRow& row = result.rows[seat - 1];
    result.names[seat - 1] = g.seats.playing[seat - 1];
    row.points = Number(points);
    const bool dashes = r.ZunpaKind == 0 ? points == 0 : IsCaller(r, seat);
    if (dashes) {
      row.cardPoints = row.multiplier = "-";
      if (r.ZunpaKind == 0) {
        row.twos = row.suitChanges = "-";
        continue;
      }
    } else {
      row.cardPoints = Number(h.sum);
      row.multiplier = Number(h.multiplier);
    }
    row.twos = Number(h.twos);
    row.suitChanges = Number(h.suitChanges);
  }
  return result;
}

void UpdateTotals(Game& g) {
  RoundState& r = g.round;
  Scores& s = g.scores;
  CountWins(g);
  for (int seat = 1; seat <= kSeats; ++seat) {
    s.TotalPoints[seat - 1] = ClampPoints(std::int64_t{s.TotalPoints[seat - 1]} + s.RoundPoints[seat - 1]);
    ApplyHalvingOrDoubling(g, seat);
    s.lastRoundPoints[seat - 1] = s.RoundPoints[seat - 1];
    if (g.watching) {
      g.display.seats[seat - 1].lastPoints = Number(s.RoundPoints[seat - 1]);
      g.display.seats[seat - 1].total = Number(s.TotalPoints[seat - 1]);
    }
  }
  if (g.watching) g.host->ShowScoreSheet();
  ColourRoundCells(g);
  r.Countered = false;
  if (g.watching && r.RoundNo >= 1 && r.RoundNo <= kRoundsInGame) {
    for (int seat = 1; seat <= kSeats; ++seat)
      g.display.sheet.Cell(seat, r.RoundNo).caption = Number(s.TotalPoints[seat - 1]);
    DisplayChanged(g);
    g.host->ProcessEvents();
  }
  ShowStandings(g);
}

int NextStarterAfterRound(const RoundState& r) {
  switch (r.ZunpaKind) {
    case 0:
      return r.OutSeat;
    case 1:
      return r.ZunpaSeat1;
    case 2: {
      if (r.ZunpaSeat2 == 0) return r.ZunpaSeat1;
      const bool secondFirst = (r.CurrentSeat == 2 && r.ZunpaSeat1 == 1) || (r.CurrentSeat == 3 && r.ZunpaSeat2 == 4);
      return secondFirst != r.Reversed ? r.ZunpaSeat2 : r.ZunpaSeat1;
    }
    case 3:
      return SeatAfter(r.CurrentSeat, r.Reversed);
    default:
      return kDecideFromResult;
  }
}

void SettleRound(Game& g) {
  RoundState& r = g.round;
  if (r.OutSeat != 0) Announce(g, kSayOut);
  HideSuitMarkers(g);
  if (r.PileRank == kDrawTwoRank && r.ZunpaSeat1 == 0) PassPendingPenalty(g);
  EndOfRoundDraws(g);
  for (int seat = 1; seat <= kSeats; ++seat)
    if (!g.seats.IsHuman(seat)) RevealHand(g, seat);
  const auto hands = ScoreRound(g);
  if (g.observer) g.observer->OnRoundScored(g);
  ShowHandTotal(g);
  if (g.watching) g.host->ShowRoundResult(RoundResultOf(g, hands));
  UpdateTotals(g);
  UpdateRoundRecords(g);
  // Records are kept on disk after every round, so a crash loses nothing.
  if (g.files.folder) g.files.folder->KeepRecords(g);
  r.NextStarter = NextStarterAfterRound(r);
  if (g.observer) g.observer->OnRoundEnd(g);
}

}  // namespace zunpa
