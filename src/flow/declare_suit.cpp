#include "flow/declare_suit.h"

#include "flow/computer_turn.h"
#include "players/suit_declaration.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/table_display.h"

namespace zunpa {
namespace {

int UserDeclaresSuit(Game& g, const Hand& hand) {
  SuitChoice suggestion{SuggestedSuit(SuitScores(hand)), g.options.SuitAutoDetect};
  const SuitChoice choice = g.host->ChooseSuit(suggestion);
  g.options.SuitAutoDetect = choice.autoDetect;
  RefreshPileTop(g);
  return choice.suit >= 0 && choice.suit <= 3 ? choice.suit : 0;
}

int ComputerDeclaresSuit(Game& g, int seat) {
  const Character character = *g.seats.character[seat - 1];
  if (const auto d = ComputerDeclaredSuit(character, ViewOfSeat(g, seat), g.round.PileSuit)) return *d;
  Inform(g, "おかしい！");
  return 0;
}

}  // namespace

void DeclareSuit(Game& g, int seat) {
  RoundState& r = g.round;
  HideSuitMarkers(g);
  StepPileFanBack(g);
  r.PilePrintedSuit = r.PileSuit;
  const int d = g.seats.character[seat - 1] ? ComputerDeclaresSuit(g, seat) : UserDeclaresSuit(g, r.HandOf(seat));
  SetDeclaredSuit(g, seat, d);
}

void SetDeclaredSuit(Game& g, int seat, int d) {
  RoundState& r = g.round;
  if (g.options.MsgCS) Announce(g, kSaySpade + d);
  r.PileSuit = d + 1;
  ShowSuitMarker(g, d);
  r.SuitDeclared = true;
  if (g.observer) g.observer->OnDeclare(g, seat, d + 1);
}

}  // namespace zunpa
