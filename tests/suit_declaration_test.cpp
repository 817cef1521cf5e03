#include "players/suit_declaration.h"

#include "rules/play.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

TEST(SuitScores, CountRankPlusOneAndBreakTiesBySuitOrder) {
  Hand h;
  for (int c : {105, 110, 213, 302})
    h.Insert(c);
  EXPECT_EQ(SuitScores(h), (std::array<int, 4>{17, 14, 3, 0}));
  EXPECT_EQ(SuggestedSuit(SuitScores(h)), 0);
  Hand tie;
  for (int c : {209, 409})
    tie.Insert(c);
  EXPECT_EQ(SuggestedSuit(SuitScores(tie)), 1);
}

TEST(ZunpaPassRule, WeakCharactersSometimesLetACallPass) {
  EXPECT_TRUE(LetsZunpaPass(Character::Agarita, 2, true));
  EXPECT_TRUE(LetsZunpaPass(Character::Agarita, 3, true));
  EXPECT_FALSE(LetsZunpaPass(Character::Agarita, 4, true));
  EXPECT_FALSE(LetsZunpaPass(Character::Agarita, 2, false));
  EXPECT_FALSE(LetsZunpaPass(Character::Ukkari, 2, true));
  EXPECT_TRUE(LetsZunpaPass(Character::Ukkari, 5, true));
  EXPECT_FALSE(LetsZunpaPass(Character::Ukkari, 5, false));
  for (Character c : {Character::Neutora, Character::TrickUme, Character::Zunpasky, Character::KiOokuman})
    EXPECT_FALSE(LetsZunpaPass(c, 2, true));
}

using DeclareTest = TableTest;

TEST_F(DeclareTest, ComputersTurnThePileToTheirStrongestSuit) {
  SetTable(game, {{{311, 105, 110, 213}, {201, 212}, {301, 313}, {401, 413}}}, 307);
  Play(1, 311);
  EXPECT_EQ(round.PileSuit, kSpade);
  EXPECT_EQ(round.PilePrintedSuit, kClub);
  EXPECT_TRUE(round.SuitDeclared);
  EXPECT_EQ(host.Callouts(), std::vector<std::string>{"504@1"});
  const Picture& marker = game.display.suitMarkers[0];
  EXPECT_TRUE(marker.visible);
  EXPECT_EQ(marker.left, 3720);
  EXPECT_GT(marker.z, game.display.Card(kClub, 11).z);
  EXPECT_EQ(game.display.Card(kClub, 11).left, 3480);
  EXPECT_EQ(game.display.Card(kClub, 7).left, 3240);
}

TEST_F(DeclareTest, WithoutTheMessageTheSuitIsDeclaredSilently) {
  game.options.MsgCS = false;
  SetTable(game, {{{311, 105, 110, 213}, {201, 212}, {301, 313}, {401, 413}}}, 307);
  Play(1, 311);
  EXPECT_TRUE(host.Callouts().empty());
  EXPECT_TRUE(game.display.suitMarkers[0].visible);
}

TEST_F(DeclareTest, SuitChangeAsTheLastCardAsksForNoSuit) {
  SetTable(game, {{{311}, {201, 212}, {301, 313}, {401, 413}}}, 307);
  Play(1, 311);
  EXPECT_EQ(round.OutSeat, 1);
  EXPECT_FALSE(round.SuitDeclared);
  EXPECT_TRUE(host.OfKind(Event::ChooseSuit).empty());
}

TEST_F(DeclareTest, TrickUmeSetsATrapWithItsLastCard) {
  SetCharacters(game, {Character::TrickUme, Character::Ukkari, Character::Neutora});
  for (int standing : {1, 2, 3, 0}) {
    SetTable(game, {{{311, 204}, {201, 212}, {301, 313}, {401, 413}}}, 307);
    game.scores.standing[0] = standing;
    host.Forget();
    Play(1, 311);
    const int expected = standing == 1 ? kClub : standing == 2 ? kHeart : standing == 3 ? kHeart : kSpade;
    EXPECT_EQ(round.PileSuit, expected) << "standing " << standing;
  }
  // With more cards left it names its second-best suit.
  SetTable(game, {{{311, 204, 209, 105}, {201, 212}, {301, 313}, {401, 413}}}, 307);
  Play(1, 311);
  EXPECT_EQ(round.PileSuit, kSpade);
}

TEST_F(DeclareTest, UserChoosesWithTheSuggestionOffered) {
  SetTable(game, {{{105, 107}, {201, 212}, {301, 313}, {311, 410, 409}}}, 307);
  host.suitChoices.push_back({kHeart - 1, false});
  Play(4, 311);
  const auto asked = host.OfKind(Event::ChooseSuit);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].code, kDiamond - 1);
  EXPECT_EQ(round.PileSuit, kHeart);
  EXPECT_FALSE(game.options.SuitAutoDetect);
  EXPECT_EQ(host.Callouts(), std::vector<std::string>{"505@4"});
}

TEST_F(DeclareTest, AgaritaLetsAShortCallPassUnlessAHandIsEmpty) {
  SetTable(game, {{{104, 105}, {209, 213}, {301, 313}, {401, 413}}}, 309);
  Play(2, 209);
  EXPECT_EQ(round.ZunpaSeat1, 0);
  EXPECT_TRUE(host.Callouts().empty());
  EXPECT_EQ(game.flow.pendingSeat, 3);

  SetTable(game, {{{101, 102, 103, 203}, {209, 213}, {301, 313}, {401, 413}}}, 309);
  Play(2, 209);
  EXPECT_EQ(round.NextStarter, 1);  // four cards: it calls

  SetTable(game, {{{104, 105}, {209}, {301, 313}, {401, 413}}}, 309);
  Play(2, 209);
  EXPECT_EQ(round.NextStarter, 1);  // the mover went out: it calls
}

TEST_F(DeclareTest, UkkariMissesLongCallsUnlessSomeoneElseCalls) {
  SetCharacters(game, {Character::Neutora, Character::Ukkari, Character::KiOokuman});
  SetTable(game, {{{413, 401, 307}, {101, 102, 103, 201}, {301, 313}, {402, 412}}}, 309);
  Play(1, 307);
  EXPECT_EQ(round.ZunpaSeat1, 0);

  SetTable(game, {{{413, 401, 307}, {101, 102, 103, 201}, {303, 304}, {402, 412}}}, 309);
  Play(1, 307);
  EXPECT_EQ(round.NextStarter, 2);  // a double call: both take it
}

}  // namespace
}  // namespace zunpa::testing
