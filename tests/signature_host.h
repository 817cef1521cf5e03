#pragma once
// A random user at a watched table whose every exchange with the game is
// folded into one 64-bit signature, each call with the whole display as it
// stands. Any change of what the game asks, shows, says or plays, or of its
// order, changes it.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "rules/game.h"
#include "session/session.h"

namespace zunpa::testing {

// 64-bit FNV-1a. Every value is folded as the eight bytes of a 64-bit word,
// least significant first; a string as its length, then its bytes; a
// duration or other fraction as llround(x * 1000).
class Fnv1a {
 public:
  void Word(std::uint64_t v);
  void Text(std::string_view s);
  void Fraction(double x);
  std::uint64_t Value() const { return value_; }

 private:
  void Byte(unsigned char b) { value_ = (value_ ^ b) * 0x100000001b3ULL; }
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

// The whole display model, field by field.
void FoldDisplay(Fnv1a& h, const DisplayModel& d);

class SignatureHost : public Host {
 public:
  enum Call {
    kMessage,
    kPause,
    kProcessEvents,
    kSound,
    kAnnounce,
    kDisplay,
    kScoreSheet,
    kSelectPlayers,
    kChooseSuit,
    kRoundResult,
    kFinalResult,
    kEnterName,
    kHighScores,
    kCallKinds
  };

  SignatureHost(std::uint64_t seed, std::string appDir) : rng_(seed), appDir_(std::move(appDir)) {}
  // The table the user sits at, through the window's command surface; its
  // display is read at every call.
  void SitAt(Session& s) {
    session_ = &s;
    game_ = &s.game();
  }

  // One move of the user while the controls are open: mostly a card of the
  // hand, sometimes the draw button, a card that is not in the hand or a
  // change in the option menus.
  void Act();
  // The new-game command, repeated until player selection ends with OK;
  // false when it never did.
  bool StartGame();
  // Something the user may do whenever the table waits for them.
  void FiddleBetweenGames();
  // Folds a marker of the test's own, such as the start of a game.
  void Mark(std::uint64_t v) { hash_.Word(v); }

  std::uint64_t Signature() const { return hash_.Value(); }
  long Calls() const;
  long CallsOf(Call kind) const { return calls_[kind]; }

  Answer ShowMessage(const Message& m) override;
  void Pause(double seconds) override;
  void ProcessEvents() override;
  void PlaySound(const std::string& path) override;
  void Announce(const Announcement& a) override;
  void DisplayChanged() override { Begin(kDisplay); }
  void ShowScoreSheet() override { Begin(kScoreSheet); }
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  void ShowRoundResult(const RoundResult& result) override;
  void ShowFinalResult(const FinalResult& result) override;
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;
  void ShowHighScores(HighScoreBoard& board) override;

 private:
  void Begin(Call kind);
  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  bool OneIn(int n) { return Below(n) == 0; }
  std::string_view ProgramRelative(std::string_view path) const;
  void FoldSetup(const SeatSetup& setup);
  void FoldCells(const std::array<HighScoreCells, 10>& cells);
  // A click or the draw button while the game is still busy with the last
  // one, as an impatient user does during a pause.
  void ClickWhileBusy();
  void ClickCode(int code);
  void FlipAnOption();
  SeatSetup PickSeats(const SeatSetup& was);

  std::mt19937_64 rng_;
  std::string appDir_;
  Session* session_ = nullptr;
  Game* game_ = nullptr;
  bool accepted_ = false;
  Fnv1a hash_;
  std::array<long, kCallKinds> calls_{};
};

}  // namespace zunpa::testing
