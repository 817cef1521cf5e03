#pragma once
// Follows headless games: adds up the statistics and, when asked, writes
// every event as a line of JSON.

#include <string>
#include <string_view>

#include "rules/play_observer.h"
#include "sim_stats.h"

namespace zunpa::sim {

class GameRecorder : public PlayObserver {
 public:
  // Where the next game's log lines go; null for no log.
  void StartGame(const Game& g, long gameIndex, std::string* log);
  const RunStats& Stats() const { return stats_; }

  void OnDeal(const Game& g) override;
  void OnOpen(const Game& g, int code) override;
  void OnPlay(const Game& g, int seat, int code) override;
  void OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) override;
  void OnReshuffle(const Game& g) override;
  void OnDeclare(const Game& g, int seat, int suit) override;
  void OnZunpa(const Game& g, const ZunpaCall& call) override;
  void OnRoundEnd(const Game& g) override;
  void OnRoundStalled(const Game& g) override;
  void OnGameEnd(const Game& g) override;

  // The user's side, which reaches no observer: a question with its answer,
  // and a click the rules refused (not a move, so nothing else logs it).
  void OnAsk(int seat, std::string_view question, std::string_view answer);
  void OnRefusedClick(int seat, int code);

 private:
  RunStats stats_;
  std::string* log_ = nullptr;
  long game_ = 0;
};

}  // namespace zunpa::sim
