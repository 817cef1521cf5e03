#include "table_builder.h"

#include <cstdint>

#include "flow/seat_names.h"
#include "rules/deal.h"
#include "rules/invariants.h"

namespace zunpa::testing {

void UseStandardTable(Game& g) {
  g.options = Options{};
  g.options.SpeedIndex = 0;
  g.options.Sound = false;
  g.options.CardSound = false;
  g.files.SoundFilesPresent = true;
  g.random.Seed(12345);
  g.seats.SeatName = {"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "あなた"};
  g.seats.character[3].reset();
  ShowSeatNames(g);
}

void SetCharacters(Game& g, std::initializer_list<Character> seats1to3) {
  int i = 0;
  for (Character c : seats1to3)
    g.seats.SeatName[i++] = std::string(NameOf(c));
  ShowSeatNames(g);
}

void SetAllComputers(Game& g, const std::array<Character, 4>& seats) {
  for (int i = 0; i < 4; ++i)
    g.seats.SeatName[i] = std::string(NameOf(seats[i]));
  g.seats.character[3] = seats[3];
  ShowSeatNames(g);
}

void SetTable(Game& g, const std::array<std::vector<int>, 4>& hands, int pileTop, std::vector<int> stock) {
  RoundState& r = g.round;
  ResetTable(g);
  r.RoundNo = r.RoundNo == 0 ? 1 : r.RoundNo;
  std::uint64_t used = 0;
  auto bit = [](int code) { return std::uint64_t{1} << NumberOf(CardOfCode(code)); };
  for (int seat = 1; seat <= 4; ++seat) {
    r.HandOf(seat).Clear();
    for (int code : hands[seat - 1]) {
      r.HandOf(seat).Insert(code);
      used |= bit(code);
    }
  }
  r.PileSuit = SuitOfCode(pileTop);
  r.PileRank = RankOfCode(pileTop);
  r.SelSuit = r.PileSuit;
  r.SelRank = 0;
  r.pileLog.Clear();
  r.pileLog.Add(pileTop);
  used |= bit(pileTop);
  if (stock.empty()) {
    for (int n = 0; n < kCardsInPack; ++n)
      if (!(used & (std::uint64_t{1} << n))) stock.push_back(CodeOf(CardOfNumber(n)));
  }
  r.stock.StockCount = 0;
  for (int code : stock)
    r.stock.Deck[r.stock.StockCount++] = CardOfCode(code);
  g.display.Card(r.PileSuit, r.PileRank) = {true, true, false, 3720, 3660, 0};
}

::testing::AssertionResult EveryCardOnce(const Game& g) {
  if (const auto broken = BrokenTableInvariant(g.round)) return ::testing::AssertionFailure() << *broken;
  return ::testing::AssertionSuccess();
}

}  // namespace zunpa::testing
