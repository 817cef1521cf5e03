#pragma once
// The table's pictures, drawn with QPainter: card faces and back, the
// declared-suit markers, the direction arrows and the program's icon.

#include <QImage>
#include <QPainterPath>
#include <QString>

namespace zunpa::art {

// A card is 690 x 960 twips, 46 x 64 pixels at 96 dpi; the files are drawn
// at three times that so the table can scale them down crisply.
constexpr int kScale = 3;
constexpr int kCardWidth = 46 * kScale;
constexpr int kCardHeight = 64 * kScale;
constexpr int kArrowSize = 96;
constexpr int kIconSize = 256;

// A suit's symbol (1 spade, 2 heart, 3 club, 4 diamond) filling a unit
// square centred on the origin.
QPainterPath SuitSymbol(int suit);
QColor SuitColour(int suit);

QImage CardFace(int suit, int rank);
QImage CardBack();
// The marker laid on the pile after a suit change: "the suit is now ♣".
QImage SuitMarker(int suit);
QImage Arrow(bool up);
QImage ProgramIcon();

// Loads the bundled-by-Debian DejaVu font so every build draws the same.
void UseCardFont();

}  // namespace zunpa::art
