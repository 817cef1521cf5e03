#pragma once
// What the table shows, in twips (15 to a pixel at 96 dpi). The rules
// update it where they move a card or change a caption; the window only
// renders it.

#include <algorithm>
#include <array>
#include <string>

#include "rules/cards.h"

namespace zunpa {

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kGreenWin = 0x008000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kYellow = 0xFFFF00;
constexpr unsigned kWhite = 0xFFFFFF;

struct CardPicture {
  bool faceUp = false;
  bool visible = false;
  bool enabled = false;
  int left = 0, top = 0;
  int z = 0;  // larger is in front
};

struct Picture {
  bool visible = false;
  int left = 0, top = 0;
  int z = 0;
};

struct SeatPanel {
  std::string name;  // lblPLNM
  unsigned nameColour = kWhite;
  std::string standing;  // lblJUNI
  unsigned standingColour = kWhite;
  std::string total = "0";               // lblRUIS
  std::string lastPoints = "0";          // lblPOINT
  std::string zunpaRecord = "現在順位";  // lblDNUM
  std::string wins = "位";               // lblWNUM
  friend bool operator==(const SeatPanel&, const SeatPanel&) = default;
};

struct SheetCell {
  std::string caption;
  unsigned colour = kBlack;
  // A platform colour code (negative) kept from a saved game; 0 when
  // `colour` says the colour.
  int systemColour = 0;
  bool italic = false;
  double size = 9;
  bool underline = false;
  friend bool operator==(const SheetCell&, const SheetCell&) = default;
};

// The score sheet: per seat column, member 21 and 0 the two halves of the
// name, members 1..20 the rounds.
struct ScoreSheet {
  ScoreSheet() {
    constexpr std::array<unsigned, kSeats> kHeaderColours = {0xFF8080, 0x8080FF, 0x80FF80, 0xFFFF00};
    for (int i = 0; i < kSeats; ++i)
      columns[i][0].colour = columns[i][21].colour = kHeaderColours[i];
  }
  std::array<std::array<SheetCell, 22>, kSeats> columns;
  SheetCell& Cell(int seat, int round) { return columns[seat - 1][round]; }
  const SheetCell& Cell(int seat, int round) const { return columns[seat - 1][round]; }
};

struct DisplayModel {
  DisplayModel() { seats[3].nameColour = seats[3].standingColour = kYellow; }
  std::array<CardPicture, kCardsInPack> cards;  // PictureIndex(suit, rank)
  std::array<Picture, 4> suitMarkers;           // CngTemp
  int zCounter = 0;

  bool arrowVisible = false;
  bool arrowUp = false;
  bool barVisible = false;
  int barTop = 300;
  bool drawButtonVisible = false;
  bool drawButtonEnabled = false;
  bool stockCounterVisible = false;
  std::string stockCounter = "あと　枚";
  bool handTotalVisible = false;
  std::string handTotal;
  int handTotalFontSize = 10;
  std::array<int, kCardsInPack> playableMarkLefts{};  // lblKEN(1..n)
  int playableMarks = 0;
  std::string roundCaption = "ЗУНПА";
  bool xray = false;
  bool saveEnabled = false;
  bool continueEnabled = false;

  std::array<SeatPanel, kSeats> seats;
  ScoreSheet sheet;

  CardPicture& Card(int suit, int rank) { return cards[PictureIndex(suit, rank)]; }
  const CardPicture& Card(int suit, int rank) const { return cards[PictureIndex(suit, rank)]; }
  CardPicture& CardOfCode(int code) { return Card(SuitOfCode(code), RankOfCode(code)); }
  int BringToFront() { return ++zCounter; }
};

// Positions of the table, in twips.
constexpr int kTableWidth = 6840;
constexpr int kCardWidth = 690;
constexpr int kHandLeft = 3000;
constexpr int kHandStep = 250;
// A row that would run past the table's right edge closes up, so that
// every card shows and takes clicks; up to 13 cards keep the usual step.
constexpr int HandStep(int cards) {
  return cards < 2 ? kHandStep : std::min(kHandStep, (kTableWidth - kHandLeft - kCardWidth) / (cards - 1));
}
// A card drawn in the settlement stands apart to the right of its row,
// as far as the table's edge allows.
constexpr int kSettlementDrawLeft = 3500;
constexpr int SettlementDrawLeft(int handSize) {
  return std::min(kSettlementDrawLeft + kHandStep * (handSize - 1), kTableWidth - kCardWidth);
}
constexpr std::array<int, kSeats> kRowTop = {60, 1020, 1980, 4860};
constexpr std::array<int, kSeats> kMarkerTop = {300, 1260, 2220, 5100};
constexpr int kBarLeft = 2340;
constexpr int kStockLeft = 4680, kStockTop = 3460;
constexpr int kPileLeft = 3720, kPileTop = 3660;
constexpr int kPile2Left = 3480, kPile2Top = 3540;
constexpr int kPile3Left = 3240, kPile3Top = 3420;
constexpr int kPile4Left = 3000, kPile4Top = 3300;
constexpr int kMarkLeft = 3020;

}  // namespace zunpa
