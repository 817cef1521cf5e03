#include "rules/card_set.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "players/seat_view.h"
#include "rules/hand.h"

namespace zunpa {
namespace {

std::vector<int> AllCodes() {
  std::vector<int> codes;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank)
      codes.push_back(CodeOf(suit, rank));
  return codes;
}

TEST(CardSet, BitsRunInCodeOrderAndRoundTrip) {
  int lastBit = -1;
  for (int code : AllCodes()) {
    const CardSet card = SetOfCode(code);
    ASSERT_EQ(CountCards(card), 1) << code;
    EXPECT_GT(LowestBit(card), lastBit) << code;
    lastBit = LowestBit(card);
    EXPECT_EQ(CodeOfBit(lastBit), code);
    EXPECT_EQ(card & SuitSet(SuitOfCode(code)), card);
    EXPECT_EQ(card & RankSet(RankOfCode(code)), card);
  }
  for (int notACard : {-101, 0, 100, 114, 200, 500, 413 + 100, 99999})
    EXPECT_EQ(SetOfCode(notACard), 0u) << notACard;
  EXPECT_EQ(SuitSet(0) | SuitSet(5) | RankSet(0) | RankSet(14) | RankSet(99), 0u);
}

// The counts a scan card by card gives, for random sets of every size.
TEST(CardSet, CountsAndRankTotalsMatchACardByCardScan) {
  std::mt19937_64 rng(7);
  const std::vector<int> codes = AllCodes();
  for (int trial = 0; trial < 5000; ++trial) {
    CardSet set = rng() & rng() & ((CardSet{1} << 52) - 1);
    if (trial % 7 == 0) set = (CardSet{1} << 52) - 1 - set;
    int count = 0, total = 0;
    unsigned ranks = 0;
    for (int code : codes) {
      if ((set & SetOfCode(code)) == 0) continue;
      ++count;
      total += RankOfCode(code);
      ranks |= 1u << (RankOfCode(code) - 1);
    }
    ASSERT_EQ(CountCards(set), count);
    ASSERT_EQ(RankTotal(set), total);
    ASSERT_EQ(RanksIn(set), ranks);
  }
  EXPECT_EQ(RankTotal((CardSet{1} << 52) - 1), 4 * 91);
}

TEST(Hand, HoldsEachCardOnceAndIgnoresWhatIsNoCard) {
  Hand h;
  for (int code : {205, 205, 0, 114, 999, -3, 413})
    h.Insert(code);
  EXPECT_EQ(h.size(), 2);
  EXPECT_EQ(h.Total(), 5 + 13);
  EXPECT_FALSE(h.Contains(0));
  EXPECT_FALSE(h.Remove(114));
  EXPECT_FALSE(h.Remove(206));
  EXPECT_TRUE(h.Remove(205));
  EXPECT_EQ(h.size(), 1);
  EXPECT_EQ(h.Total(), 13);
  EXPECT_TRUE(h.Remove(413));
  EXPECT_TRUE(h.empty());
  EXPECT_EQ(h.Total(), 0);
}

TEST(Hand, IndexingAgreesWithTheOrderOfAFullPack) {
  Hand h;
  const std::vector<int> codes = AllCodes();
  for (auto it = codes.rbegin(); it != codes.rend(); ++it)
    h.Insert(*it);
  ASSERT_EQ(h.size(), kCardsInPack);
  EXPECT_EQ(std::vector<int>(h.begin(), h.end()), codes);
  for (int k = 0; k < kCardsInPack; ++k)
    EXPECT_EQ(h[k], codes[static_cast<std::size_t>(k)]);
  EXPECT_EQ(h[kCardsInPack], 0);
  EXPECT_EQ(h.Total(), 4 * 91);
}

TEST(Candidates, FitThePileBySuitOrRankOnly) {
  Hand h;
  for (int code : {103, 208, 212, 308, 401})
    h.Insert(code);
  const Candidates fits = ListCandidates(h, kHeart, 8);
  EXPECT_EQ(std::vector<int>(Hand::Iterator(fits.cards), Hand::Iterator()), (std::vector<int>{208, 212, 308}));
  EXPECT_EQ(fits.First(), 208);
  EXPECT_TRUE(ListCandidates(h, kDiamond, 5).Single());
  EXPECT_TRUE(ListCandidates(h, 0, 0).None());
  EXPECT_TRUE(ListCandidates(h, 99, 99).None());
}

}  // namespace
}  // namespace zunpa
