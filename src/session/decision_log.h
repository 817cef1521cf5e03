#pragma once
// The user's decisions of the game as played since 新規 or つづき: the
// table as the user's seat saw it at each, and what the user chose. The
// ふりかえり weighs them afterwards; nothing of it is written to a file.

#include <memory>
#include <vector>

#include "analysis/table_memory.h"
#include "analysis/yomi.h"
#include "analysis/yomi_input.h"
#include "rules/game.h"

namespace zunpa {

struct UserDecision {
  UserDecision(const YomiInput& in, Question q) : input(in), question(q) {}
  YomiInput input;
  Question question;
  Choice chosen;
};

class DecisionLog {
 public:
  // A table nobody will look back on (the simulator's) keeps no copies.
  void SetKeeping(bool keeping) { keeping_ = keeping; }
  void Clear() { decisions_.clear(); }
  // A card clicked or めくる at the user's move; refused clicks are no
  // decision.
  void OnMove(const Game& g, const TableMemory& m, const Choice& c);
  // A question answered.
  void OnAnswer(const Game& g, const TableMemory& m, const Message& question, Answer answer);
  void OnSuit(const Game& g, const TableMemory& m, int suit);

  const std::vector<std::shared_ptr<const UserDecision>>& decisions() const { return decisions_; }

 private:
  void Add(const Game& g, const TableMemory& m, Question q, const Choice& c);
  void Keep(const YomiInput& in, Question q, const Choice& c);
  std::vector<std::shared_ptr<const UserDecision>> decisions_;
  bool keeping_ = true;
};

}  // namespace zunpa
