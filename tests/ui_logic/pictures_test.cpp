// Picture file names and which card a click lands on.

#include <gtest/gtest.h>

#include <set>

#include "ui_logic/hit_test.h"
#include "ui_logic/picture_files.h"

namespace zunpa::ui {
namespace {

TEST(PictureFiles, FaceNamesCarryNoLeadingZero) {
  EXPECT_EQ(FaceFileName(kSpade, 13), "s13.bmp");
  EXPECT_EQ(FaceFileName(kSpade, 1), "s1.bmp");
  EXPECT_EQ(FaceFileName(kHeart, 9), "h9.bmp");
  EXPECT_EQ(FaceFileName(kClub, 10), "c10.bmp");
  EXPECT_EQ(FaceFileName(kDiamond, 13), "d13.bmp");
}

TEST(PictureFiles, FiftyTwoDistinctFaces) {
  std::set<std::string> names;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank)
      names.insert(FaceFileName(suit, rank));
  EXPECT_EQ(names.size(), 52u);
  EXPECT_FALSE(names.count(std::string(kBackFile)));
}

TEST(PictureFiles, FaceDownCardsShowTheBack) {
  DisplayModel d;
  EXPECT_EQ(CardPictureFile(d, kHeart, 4), "ura.bmp");
  d.Card(kHeart, 4).faceUp = true;
  EXPECT_EQ(CardPictureFile(d, kHeart, 4), "h4.bmp");
}

TEST(PictureFiles, MarkersAndArrows) {
  EXPECT_EQ(SuitMarkerFile(0), "Stemp.bmp");
  EXPECT_EQ(SuitMarkerFile(3), "Dtemp.bmp");
  EXPECT_EQ(ArrowFile(false), "ArrowDn.ICO");
  EXPECT_EQ(ArrowFile(true), "ArrowUp.ICO");
}

class HitTest : public ::testing::Test {
 protected:
  void Place(int suit, int rank, int left, int top) {
    CardPicture& c = d.Card(suit, rank);
    c.visible = true;
    c.left = left;
    c.top = top;
    c.z = d.BringToFront();
  }
  DisplayModel d;
};

TEST_F(HitTest, OverlappingRowGoesToTheFrontCard) {
  Place(kSpade, 1, 3000, 4860);
  Place(kSpade, 2, 3250, 4860);
  EXPECT_EQ(CardAt(d, 3100, 5000), (Card{kSpade, 1}));  // only the first card's strip
  EXPECT_EQ(CardAt(d, 3300, 5000), (Card{kSpade, 2}));  // the overlap
  d.Card(kSpade, 1).z = d.BringToFront();
  EXPECT_EQ(CardAt(d, 3300, 5000), (Card{kSpade, 1}));
}

TEST_F(HitTest, EdgesBelongToTheInsideOnTheLeftAndTopOnly) {
  Place(kClub, 7, 3000, 60);
  EXPECT_EQ(CardAt(d, 3000, 60), (Card{kClub, 7}));
  EXPECT_EQ(CardAt(d, 3689, 1019), (Card{kClub, 7}));
  EXPECT_FALSE(CardAt(d, 3690, 500));
  EXPECT_FALSE(CardAt(d, 3200, 1020));
  EXPECT_FALSE(CardAt(d, 2999, 500));
}

TEST_F(HitTest, HiddenCardsAreNotThere) {
  Place(kDiamond, 13, 3000, 60);
  Place(kHeart, 5, 3000, 60);
  d.Card(kHeart, 5).visible = false;
  EXPECT_EQ(CardAt(d, 3300, 300), (Card{kDiamond, 13}));
  d.Card(kDiamond, 13).visible = false;
  EXPECT_FALSE(CardAt(d, 3300, 300));
}

TEST_F(HitTest, SuitMarkerInFrontCoversThePile) {
  Place(kHeart, 11, kPileLeft, kPileTop);
  Picture& marker = d.suitMarkers[1];
  marker.visible = true;
  marker.left = kPileLeft;
  marker.top = kPileTop;
  marker.z = d.BringToFront();
  EXPECT_FALSE(CardAt(d, kPileLeft + 10, kPileTop + 10));
  Place(kHeart, 3, kPileLeft, kPileTop);  // the next card played lies on it
  EXPECT_EQ(CardAt(d, kPileLeft + 10, kPileTop + 10), (Card{kHeart, 3}));
}

TEST_F(HitTest, EqualDepthGoesToTheLaterPicture) {
  CardPicture& a = d.Card(kSpade, 5);
  CardPicture& b = d.Card(kDiamond, 5);
  a.visible = b.visible = true;
  a.left = b.left = 4680;
  a.top = b.top = 3460;
  EXPECT_EQ(CardAt(d, 4700, 3500), (Card{kDiamond, 5}));
}

}  // namespace
}  // namespace zunpa::ui
