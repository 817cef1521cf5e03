#pragma once
// What 読み reads of a table: what the user's seat (seat 4) may know of it
// and nothing more. A plain value, made from the game and its memory at a
// decision; it may be kept, handed to another thread, or written to bytes
// and read back on any machine alike.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/table_memory.h"
#include "rules/characters.h"
#include "rules/options.h"
#include "rules/roles.h"
#include "rules/round_state.h"
#include "rules/scores.h"

namespace zunpa {

struct Game;

struct YomiInput {
  Roles roles;
  Options options;
  // None at seat 4 when the user plays.
  std::array<std::optional<Character>, kSeats> characters{};

  // The round as seat 4 sees it: its own hand whole; of seats 1..3 only the
  // cards a Zunpa call under way opened, their sizes being below; of the
  // stock only its count; no drawn card (a computer's is unseen, and the
  // playouts deal their own).
  RoundState round;
  std::array<int, 3> otherHandSizes{};  // seats 1..3

  Scores scores;

  // Where the run of moves stands, as the playouts go on from it.
  int pendingSeat = 0;
  bool pendingBySkip = false;
  bool humanInputOpen = false;
  bool penaltyDrawing = false;
  int movesThisRound = 0;

  // What seat 4 saw this round, oldest first; the places after moveCount
  // stay empty.
  std::array<SeenMove, TableMemory::kMoves> moves{};
  int moveCount = 0;

  bool HumanPlays() const { return !characters[3]; }
  int HandSize(int seat) const {
    return seat == 4 ? round.HandOf(4).size() : otherHandSizes[static_cast<std::size_t>(seat - 1)];
  }
};

YomiInput MakeYomiInput(const Game& g, const TableMemory& memory);

// The seats of 1..3 whose hands a Zunpa call under way has shown seat 4,
// as bits 1 << (seat - 1): the first caller as soon as there is one, all
// the callers once seat 4 is asked to strike back.
unsigned HandsOpenedByCall(const RoundState& r);

// Little-endian integers of fixed widths, one field at a time, so the bytes
// are the same on every machine; a move keeps only the fields of its kind.
std::string SerialiseYomiInput(const YomiInput& in);
// Nothing for bytes that are cut short, run on, or hold what no table can
// (a card twice, a seat or count out of range).
std::optional<YomiInput> RestoreYomiInput(std::string_view bytes);

}  // namespace zunpa
