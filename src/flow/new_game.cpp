#include "flow/new_game.h"

#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "rules/deal.h"
#include "rules/play_observer.h"

namespace zunpa {

void StartNewGame(Game& g, std::optional<std::uint64_t> number) {
  SeatSetup setup{g.seats.SeatName, g.seats.HumanSex};
  const bool accepted = g.host->SelectPlayers(setup);
  // The computer seats stay as chosen even when the dialog ends with Cancel.
  for (int i = 0; i < 3; ++i)
    g.seats.SeatName[i] = setup.names[i];
  if (!accepted) return;
  g.seats.SeatName[3] = setup.names[3];
  g.seats.HumanSex = setup.humanSex;
  if (number) g.random.UseGameNumber(*number);
  BeginNewGame(g);
}

void BeginNewGame(Game& g) {
  g.round.NextStarter = kNewGame;
  g.scores = Scores{};
  if (g.watching) {
    for (SeatPanel& p : g.display.seats)
      p.standing = p.total = p.lastPoints = p.zunpaRecord = p.wins = "";
    for (auto& column : g.display.sheet.columns)
      for (int round = 1; round <= kRoundsInGame; ++round)
        column[round] = SheetCell{};
    g.display.roundCaption = "第1ラウンド";
  }
  ShowSeatNames(g);
  if (g.observer) g.observer->OnGameStart(g, false);
  ResetTable(g);
  StartRound(g);
}

}  // namespace zunpa
