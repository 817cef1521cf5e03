#include "flow/zunpa.h"

#include "players/suit_declaration.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/table_display.h"

namespace zunpa {
namespace {

const Message kZunpaQuestion{.text = "ズンパできます。しますか？", .buttons = Buttons::YesNo, .asked = Asked::Zunpa};
const Message kCounterQuestion{
    .text = "ズンパ返しできます。しますか？", .buttons = Buttons::YesNo, .asked = Asked::Counter};

bool EveryHandHoldsCards(const RoundState& r) {
  for (const Hand& h : r.hands)
    if (h.empty()) return false;
  return true;
}

bool UserTakesZunpa(Game& g) {
  PlaySoundFile(g, "agari.wav");
  return Ask(g, kZunpaQuestion) == Answer::Yes;
}

void ReportCall(Game& g, const std::array<int, 3>& callers, bool passed) {
  if (!g.observer) return;
  const RoundState& r = g.round;
  ZunpaCall call;
  call.callers = callers;
  call.passed = passed;
  if (!passed) {
    call.countered = r.Countered;
    call.winner = r.ZunpaSeat1;
    call.losers = {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2};
  }
  g.observer->OnZunpa(g, call);
}

// Step 6: the user, if among the callers, is asked; computer callers' hands
// are opened. Returns the number of callers that stand.
int OfferCalls(Game& g, int n) {
  RoundState& r = g.round;
  if (g.seats.IsHuman(r.ZunpaSeat1)) {
    if (!UserTakesZunpa(g)) {
      r.ZunpaSeat1 = 0;
      return 0;
    }
  } else {
    RevealHand(g, r.ZunpaSeat1);
  }
  if (g.seats.IsHuman(r.ZunpaSeat2) && !UserTakesZunpa(g)) {
    r.ZunpaSeat2 = 0;
    n = 1;
    PlaySoundFile(g, "agari.wav");
  }
  if (g.seats.IsHuman(r.ZunpaSeat3) && !UserTakesZunpa(g)) {
    r.ZunpaSeat3 = 0;
    n = 2;
  }
  return n;
}

void AnnounceCalls(Game& g, int n, bool humanPlayed) {
  RoundState& r = g.round;
  if (n == 1) {
    r.ZunpaKind = 1;
    Announce(g, kSayZunpa1);
    if (humanPlayed) {
      PlaySoundFile(g, "hizunpa2.wav");
    } else {
      Announce(g, kSayHit);
    }
    return;
  }
  RevealHand(g, r.ZunpaSeat1);
  if (n == 3) RevealHand(g, r.ZunpaSeat2);
  Announce(g, kSayZunpa1);
  Announce(g, kSayHit);
  if (n == 3) {
    Announce(g, kSayZunpa2);
    Announce(g, kSayHit);
  }
  const int last = n == 2 ? r.ZunpaSeat2 : r.ZunpaSeat3;
  if (!g.seats.IsHuman(last)) {
    RevealHand(g, last);
    Announce(g, n == 2 ? kSayZunpa2 : kSayZunpa3);
  }
  Announce(g, kSayHit);
  Inform(g, n == 2 ? "ダブルズンパです。" : "トリプルズンパです。");
  r.ZunpaKind = n;
}

// Step 8: the seat that played the card strikes back.
void CounterCall(Game& g, int n, bool humanPlayed) {
  RoundState& r = g.round;
  if (humanPlayed && Ask(g, kCounterQuestion) != Answer::Yes) {
    r.Countered = false;
    return;
  }
  std::swap(r.CurrentSeat, r.ZunpaSeat1);
  RevealHand(g, r.ZunpaSeat1);
  if (n == 1) {
    r.ZunpaKind = 1;
    Announce(g, kSayCounter1);
    return;
  }
  Announce(g, n == 2 ? kSayCounter2 : kSayCounter3);
  r.CounteredSeat1 = r.ZunpaSeat2;
  r.ZunpaSeat2 = 0;
  if (n == 3) {
    r.CounteredSeat2 = r.ZunpaSeat3;
    r.ZunpaSeat3 = 0;
  }
  r.ZunpaKind = n;
  Inform(g, n == 2 ? "ダブルズンパ返しです。" : "トリプルズンパ返しです。");
}

}  // namespace

void CheckZunpa(Game& g) {
  RoundState& r = g.round;
  // Which seats may call, found without a branch per seat: a call is rare,
  // and which seat just played changes every move.
  unsigned may = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    may |= static_cast<unsigned>(r.HandTotal(seat) == r.PileRank) << (seat - 1);
  may &= ~(1u << ((static_cast<unsigned>(r.CurrentSeat) - 1) & 31u));  // the player cannot call on itself
  if (may == 0) return;
  std::array<int, 3> callers{};
  int n = 0;
  for (; may != 0 && n < 3; may &= may - 1)
    callers[static_cast<std::size_t>(n++)] = __builtin_ctz(may) + 1;
  r.ZunpaSeat1 = callers[0];
  r.ZunpaSeat2 = callers[1];
  r.ZunpaSeat3 = callers[2];

  const auto& firstCharacter = g.seats.character[r.ZunpaSeat1 - 1];
  if (n == 1 && firstCharacter &&
      LetsZunpaPass(*firstCharacter, r.HandOf(r.ZunpaSeat1).size(), EveryHandHoldsCards(r))) {
    r.ZunpaSeat1 = 0;
    ReportCall(g, callers, true);
    return;
  }
  r.Countered = r.HandTotal(r.CurrentSeat) == r.PileRank;
  const bool humanPlayed = g.seats.IsHuman(r.CurrentSeat);
  if (humanPlayed) PlaySoundFile(g, "hizunpa.wav");
  n = OfferCalls(g, n);
  if (n == 0) {
    // Declined: as if no call had been possible.
    r.Countered = false;
    ReportCall(g, callers, true);
    return;
  }
  AnnounceCalls(g, n, humanPlayed);
  if (r.Countered) CounterCall(g, n, humanPlayed);
  ReportCall(g, callers, false);
}

}  // namespace zunpa
