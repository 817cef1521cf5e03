#pragma once
// The user's seat played at random through exactly what the window uses:
// the session's commands for the moves and the Host for every question.
// Its randomness is its own, seeded per game, so a game with it plays the
// same whatever the number of threads.

#include <cstdint>

#include "rules/random_source.h"
#include "rules/silent_host.h"
#include "session/session.h"

namespace zunpa::sim {

class GameRecorder;

// Nothing is shown, played or waited for, as at a silent table.
class RandomUser : public SilentHost {
 public:
  RandomUser(std::uint64_t seed, GameRecorder& recorder) : random_(seed), recorder_(recorder) {}
  void SitAt(Session& session) { session_ = &session; }

  // One action while the game waits for the user, then the computer moves
  // it sets going.
  void Act();

  Answer ShowMessage(const Message& m) override;
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;

 private:
  int PlayableCard();
  void Click(int code);
  void Draw();
  Answer YesOrNo(std::string_view question);
  bool Coin() { return random_.Below(2) == 0; }

  RandomSource random_;
  GameRecorder& recorder_;
  Session* session_ = nullptr;
  int refusedInARow_ = 0;
  int twosRefusedInARow_ = 0;
};

}  // namespace zunpa::sim
