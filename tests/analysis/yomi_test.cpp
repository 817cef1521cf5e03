#include "analysis/yomi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/questions.h"
#include "analysis/table_memory.h"
#include "analysis/yomi_input.h"
#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "rules/game.h"
#include "rules/silent_host.h"

namespace zunpa {
namespace {

// Answers as SilentHost does, and keeps 読み's input at the first of the
// user's questions met on the way.
struct QuestionCatcher : SilentHost {
  const Game* game = nullptr;
  const TableMemory* memory = nullptr;
  std::vector<std::pair<Question, YomiInput>> caught;

  void Catch(Question q) {
    if (caught.size() < 2) caught.emplace_back(q, MakeYomiInput(*game, *memory));
  }
  Answer ShowMessage(const Message& m) override {
    if (const std::optional<Question> q = QuestionOf(m)) Catch(*q);
    return SilentHost::ShowMessage(m);
  }
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override {
    Catch(Question::Suit);
    return SilentHost::ChooseSuit(suggestion);
  }
};

// A seeded game at one of the user's moves, followed from its start.
struct TableAtUsersMove {
  QuestionCatcher host;
  Game game{host};
  TableMemory memory;

  TableAtUsersMove(std::uint64_t seed, int userMoves) {
    host.game = &game;
    host.memory = &memory;
    game.watching = false;
    game.observer = &memory;
    SeatComputers(game, {Character::Agarita, Character::TrickUme, Character::KiOokuman, Character::KiOokuman});
    game.seats.character[3].reset();
    game.random.Seed(seed);
    BeginNewGame(game);
    RunSteps(game);
    for (int m = 0; m < userMoves && UserMayMove(game); ++m) {
      const RoundState& r = game.round;
      const CardSet fits = r.HandOf(4).Cards() & (SuitSet(r.PileSuit) | RankSet(r.PileRank));
      if (fits != 0) {
        const int code = CodeOfBit(LowestBit(fits));
        ClickCard(game, SuitOfCode(code), RankOfCode(code));
      } else {
        PressDraw(game);
      }
      RunSteps(game);
    }
  }
};

// The same table with the cards the user cannot see dealt otherwise: the
// other hands keep their sizes, the stock its count.
void RedealHiddenCards(Game& g, std::uint64_t seed) {
  RoundState& r = g.round;
  std::vector<Card> hidden;
  for (int seat = 1; seat <= 3; ++seat)
    for (int code : r.HandOf(seat))
      hidden.push_back(CardOfCode(code));
  for (int i = 0; i < r.stock.StockCount; ++i)
    hidden.push_back(r.stock.Deck[static_cast<std::size_t>(i)]);
  RandomSource random(seed);
  for (std::size_t i = hidden.size() - 1; i > 0; --i)
    std::swap(hidden[i], hidden[static_cast<std::size_t>(random.Below(static_cast<int>(i) + 1))]);
  std::size_t next = 0;
  for (int seat = 1; seat <= 3; ++seat) {
    CardSet hand = 0;
    for (int k = r.HandOf(seat).size(); k > 0; --k)
      hand |= SetOfCard(hidden[next++]);
    r.HandOf(seat).Assign(hand);
  }
  for (int i = 0; i < r.stock.StockCount; ++i)
    r.stock.Deck[static_cast<std::size_t>(i)] = hidden[next++];
}

// Two tables that differ only in what the user cannot see get the same
// advice, to the last digit, at many moves of several games.
TEST(Yomi, HiddenCardsNeverChangeTheAdvice) {
  YomiSettings settings;
  settings.samples = 12;
  int compared = 0;
  for (std::uint64_t seed : {3u, 8u, 21u})
    for (int moves : {0, 4, 9, 17, 30}) {
      TableAtUsersMove table(seed, moves);
      if (!UserMayMove(table.game)) continue;
      Game other = table.game;
      RedealHiddenCards(other, seed * 977 + static_cast<std::uint64_t>(moves));
      ASSERT_NE(other.round.HandOf(1).Cards(), table.game.round.HandOf(1).Cards());
      const Advice a = Analyse(MakeYomiInput(table.game, table.memory), Question::Move, settings, 42);
      const Advice b = Analyse(MakeYomiInput(other, table.memory), Question::Move, settings, 42);
      ASSERT_GT(a.count, 0);
      ASSERT_EQ(a.count, b.count);
      EXPECT_EQ(a.best, b.best);
      for (int k = 0; k < a.count; ++k) {
        EXPECT_EQ(a.worths[static_cast<std::size_t>(k)].choice, b.worths[static_cast<std::size_t>(k)].choice);
        EXPECT_EQ(a.worths[static_cast<std::size_t>(k)].points, b.worths[static_cast<std::size_t>(k)].points);
      }
      ++compared;
    }
  EXPECT_GE(compared, 10);
}

// Only the rules' choices are offered: the cards that fit and めくる.
TEST(Yomi, OffersTheCardsThatFitAndTheDraw) {
  TableAtUsersMove table(5, 2);
  ASSERT_TRUE(UserMayMove(table.game));
  const RoundState& r = table.game.round;
  std::array<Choice, Advice::kMost> choices{};
  const YomiInput in = MakeYomiInput(table.game, table.memory);
  const int n = ChoicesAt(in, Question::Move, choices);
  const CardSet fits = r.HandOf(4).Cards() & (SuitSet(r.PileSuit) | RankSet(r.PileRank));
  EXPECT_EQ(n, CountCards(fits) + 1);
  for (int k = 0; k + 1 < n; ++k)
    EXPECT_TRUE(fits & SetOfCode(choices[static_cast<std::size_t>(k)].code));
  EXPECT_EQ(choices[static_cast<std::size_t>(n - 1)].kind, Choice::Kind::Draw);
  EXPECT_EQ(ChoicesAt(in, Question::Zunpa, choices), 0);
}

void ExpectSameAdvice(const Advice& a, const Advice& b) {
  ASSERT_EQ(a.count, b.count);
  EXPECT_EQ(a.best, b.best);
  EXPECT_EQ(a.samples, b.samples);
  for (int k = 0; k < a.count; ++k) {
    EXPECT_EQ(a.worths[static_cast<std::size_t>(k)].choice, b.worths[static_cast<std::size_t>(k)].choice);
    EXPECT_EQ(a.worths[static_cast<std::size_t>(k)].points, b.worths[static_cast<std::size_t>(k)].points);
  }
}

// Written to bytes and read back, the input gets the same advice to the
// last digit, at moves and at the questions met before them; bytes cut
// short, run on or garbled are refused.
TEST(YomiInput, ReadBackFromItsBytesGetsTheSameAdvice) {
  YomiSettings settings;
  settings.samples = 12;
  // At a move no hand is open, and the front fields keep their places:
  // 0 magic, 1 version, 2 the suit-change rank, 8 seat 1's character,
  // 12 the current seat, 25 the second caller, 32 the flags, 45 the top
  // byte of the user's hand, 46 seat 1's hand size, 50 the pile's first card.
  constexpr std::array<std::pair<std::size_t, char>, 10> kGarbled = {
      {{0, 'X'}, {1, 2}, {2, 2}, {8, 7}, {12, 5}, {25, 1}, {32, char(0x80)}, {45, char(0x80)}, {46, 53}, {50, 52}}};
  int compared = 0, questions = 0;
  for (std::uint64_t seed : {3u, 8u, 21u})
    for (int moves : {0, 9, 30}) {
      TableAtUsersMove table(seed, moves);
      std::vector<std::pair<Question, YomiInput>> inputs = table.host.caught;
      if (UserMayMove(table.game)) inputs.emplace_back(Question::Move, MakeYomiInput(table.game, table.memory));
      for (const auto& [q, in] : inputs) {
        const std::string bytes = SerialiseYomiInput(in);
        const std::optional<YomiInput> back = RestoreYomiInput(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(SerialiseYomiInput(*back), bytes);
        ExpectSameAdvice(Analyse(in, q, settings, 42), Analyse(*back, q, settings, 42));
        for (std::size_t cut = 0; cut < bytes.size(); ++cut)
          EXPECT_FALSE(RestoreYomiInput(bytes.substr(0, cut))) << cut;
        EXPECT_FALSE(RestoreYomiInput(bytes + '\0'));
        if (q == Question::Move)
          for (const auto& [at, value] : kGarbled) {
            std::string garbled = bytes;
            garbled[at] = value;
            EXPECT_FALSE(RestoreYomiInput(garbled)) << at;
          }
        ++compared;
        questions += q != Question::Move;
      }
    }
  EXPECT_GE(compared, 8);
  EXPECT_GE(questions, 1);
}

// The cards the user cannot see are nowhere in the input: dealt otherwise,
// with a computer's drawn card as the last one drawn, they make the same.
TEST(YomiInput, HoldsNoHiddenCard) {
  for (std::uint64_t seed : {3u, 8u})
    for (int moves : {4, 17}) {
      TableAtUsersMove table(seed, moves);
      ASSERT_TRUE(UserMayMove(table.game));
      Game other = table.game;
      RedealHiddenCards(other, seed + 5);
      other.round.DrawnSuit = other.round.stock.Deck[0].suit;
      other.round.DrawnRank = other.round.stock.Deck[0].rank;
      const YomiInput in = MakeYomiInput(other, table.memory);
      EXPECT_EQ(SerialiseYomiInput(in), SerialiseYomiInput(MakeYomiInput(table.game, table.memory)));
      for (int seat = 1; seat <= 3; ++seat) {
        EXPECT_EQ(in.round.HandOf(seat).Cards(), 0u);
        EXPECT_EQ(in.HandSize(seat), other.round.HandOf(seat).size());
      }
      EXPECT_EQ(in.round.stock.Deck, decltype(in.round.stock.Deck){});
      EXPECT_EQ(in.round.stock.StockCount, other.round.stock.StockCount);
      EXPECT_EQ(in.round.DrawnSuit + in.round.DrawnRank, 0);
    }
}

}  // namespace
}  // namespace zunpa
