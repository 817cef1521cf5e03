#pragma once
// How the score windows draw one cell of the score sheet: caption, text
// colour and font. The name headers sit on a black ground.

#include <QColor>

#include "rules/display_model.h"

class QLabel;

namespace zunpa::qt {

// A negative system colour comes from an old saved game and names a
// platform colour; it shows as ordinary window text.
QColor SheetTextColour(const SheetCell& cell);
void ApplySheetCell(QLabel* label, const SheetCell& cell);
// Gives the label the black ground of the name headers.
void MakeHeaderGround(QLabel* label);
// A name header's caption in its colour, shrunk until it fits its label.
void ApplyHeaderCell(QLabel* label, const SheetCell& cell);
// Lowers the font, down to `smallestPoints`, until the caption fits the
// label's width; the full caption stays in the tooltip when it is cut.
void FitCaptionToWidth(QLabel* label, double smallestPoints);

}  // namespace zunpa::qt
