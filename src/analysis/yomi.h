#pragma once
// 読み: the worth of each choice open to the user's seat, found by dealing
// the cards the seat cannot see in ways that fit everything it saw, and
// playing each choice on to the round's end with the real rules and the
// real characters. It reads only what the user may know.

#include <array>
#include <atomic>
#include <cstdint>

#include "rules/characters.h"

namespace zunpa {

struct YomiInput;

// The decisions of the user's seat: a card or めくる; a 2 or the penalty
// after a draw-two; calling Zunpa; striking back; the suit after a
// suit-change card.
enum class Question { Move, DrawTwo, Zunpa, Counter, Suit };

struct Choice {
  enum class Kind : unsigned char { Play, Draw, Penalty, Call, Pass, Suit };
  Kind kind = Kind::Play;
  int code = 0;  // Play: the card
  int suit = 0;  // Suit: 0 spade .. 3 diamond
  bool operator==(const Choice&) const = default;
};

// What a choice is worth: the expected change of the user's running total
// less that of the others (after halvings and doublings), in points, higher
// being better for the user.
struct ChoiceWorth {
  Choice choice;
  double points = 0;
};

struct Advice {
  static constexpr int kMost = 16;
  std::array<ChoiceWorth, kMost> worths{};
  int count = 0;
  int best = -1;  // index into worths; -1 when there is nothing to choose
  int samples = 0;
  bool cancelled = false;
  const ChoiceWorth* Best() const { return best >= 0 ? &worths[static_cast<std::size_t>(best)] : nullptr; }
  const ChoiceWorth* Find(const Choice& c) const;
};

// How a choice's outcome is scored.
enum class Measure {
  OwnTotal,  // the user's own total alone
  Relative,  // the user's total against the mean of the others'
};

struct YomiSettings {
  int samples = 2048;  // deals of the unseen cards per decision
  bool readCharacters = true;
  Measure measure = Measure::Relative;
  // How the user's seat plays on in the playouts.
  Character userPolicy = Character::KiOokuman;
};

// The window's hint: more deals than the simulator's default, as it has a
// whole user's pause to think in.
inline YomiSettings WindowYomiSettings() {
  YomiSettings settings;
  settings.samples = 4096;
  return settings;
}

// The choices open now; none unless the question is the user's to answer.
int ChoicesAt(const YomiInput& in, Question q, std::array<Choice, Advice::kMost>& out);

// Deterministic for a given seed. `cancel`, when set during the work, ends
// it at the next deal with what was found so far.
Advice Analyse(const YomiInput& in, Question q, const YomiSettings& settings, std::uint64_t seed,
               const std::atomic<bool>* cancel = nullptr);

}  // namespace zunpa
