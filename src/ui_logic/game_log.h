#pragma once
// 経過: every event of the game as a line of Japanese, told as the user sees
// it. A computer's cards are named only once the table shows them: when
// played, when a Zunpa call opens a hand, and when the round is over.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rules/play_observer.h"

namespace zunpa::ui {

enum class LogKind {
  Game,   // a new or continued game
  Round,  // a deal
  Hand,   // the user's own hand
  Open,   // the opening card and its effect
  Play,
  Draw,
  Penalty,  // a run of penalty draws
  Reshuffle,
  Role,     // draw-two, skip, reverse
  Declare,  // the suit named after a suit-change card
  Zunpa,    // calls, counter-calls, declined calls
  Out,      // a seat went out
  Points,   // a round's points
  Halving,
  Doubling,
  Totals,
  GameEnd,
  Redeal,
};

struct LogEntry {
  int seat = 0;  // the seat it is about, 1..4; 0 for the table
  LogKind kind = LogKind::Game;
  std::string text;  // UTF-8, the seat's name included
};

class GameLog : public PlayObserver {
 public:
  void OnEntry(std::function<void(const LogEntry&)> listener) { entryListener_ = std::move(listener); }
  void OnReset(std::function<void()> listener) { resetListener_ = std::move(listener); }
  const std::vector<LogEntry>& entries() const { return entries_; }
  // Every entry, one a line.
  std::string Text() const;
  // An empty log, as at the start of a game.
  void Reset();

  void OnGameStart(const Game& g, bool continued) override;
  void OnDeal(const Game& g) override;
  void OnOpen(const Game& g, int code) override;
  void OnPlay(const Game& g, int seat, int code) override;
  void OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) override;
  void OnPenalty(const Game& g, int seat, int count, PenaltyReason reason, int card) override;
  void OnReshuffle(const Game& g) override;
  void OnRole(const Game& g, int seat, RoleEffect effect) override;
  void OnDeclare(const Game& g, int seat, int suit) override;
  void OnZunpa(const Game& g, const ZunpaCall& call) override;
  void OnRoundScored(const Game& g) override;
  void OnTotalHalved(const Game& g, int seat, int before) override;
  void OnTotalDoubled(const Game& g, int seat, int before) override;
  void OnRoundEnd(const Game& g) override;
  void OnRoundStalled(const Game& g) override;
  void OnGameEnd(const Game& g) override;

 private:
  // Penalty draws are told as one entry once the last of them is drawn.
  struct PenaltyDraws {
    int seat = 0;
    int count = 0;
    PenaltyReason reason = PenaltyReason::DrawTwo;
    int card = 0;
    bool shown = false;  // the cards may be named
    std::string text;    // the line up to the count
    std::vector<int> drawn;
  };
  void Add(int seat, LogKind kind, std::string text);
  // What every event but a penalty draw does first: a pending run of
  // penalty draws is told, and a seat that went out is named.
  void Before(const Game& g);
  void FlushPenalty();
  void TellStandingCalls(const Game& g, const ZunpaCall& call);
  void TellCounterCall(const Game& g);

  std::vector<LogEntry> entries_;
  std::optional<PenaltyDraws> penalty_;
  bool outTold_ = false;
  std::function<void(const LogEntry&)> entryListener_;
  std::function<void()> resetListener_;
};

}  // namespace zunpa::ui
