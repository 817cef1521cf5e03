#pragma once
// Which part of the table a change of the display model dirtied: only that
// part is painted again, so a step that moves one card does not redraw
// every card and caption of the table.

#include <array>
#include <vector>

#include "rules/display_model.h"
#include "ui_logic/card_motion.h"

namespace zunpa::ui {

// Places of what the table paints besides the cards, in twips.
constexpr int kArrowLeft = 2280, kArrowTop = 3660, kArrowSize = 615;
constexpr int kBarWidth = 480, kBarHeight = 480;
constexpr int kMarkTop = 5820, kMarkSize = 195;
constexpr int kStockCounterLeft = 4590, kStockCounterTop = 3180, kStockCounterWidth = 975, kStockCounterHeight = 255;

// What the table paints from the model, as it was last painted.
struct PaintedTable {
  std::array<CardPicture, kCardsInPack> cards{};
  std::array<Picture, 4> suitMarkers{};
  bool arrowVisible = false, arrowUp = false;
  bool barVisible = false;
  int barTop = 0;
  int playableMarks = 0;
  std::array<int, kCardsInPack> markLefts{};
  bool stockCounterVisible = false;

  static PaintedTable Of(const DisplayModel& display);
};

// The areas to paint again, each already covering a picture's old and new
// place; none when nothing painted changed.
std::vector<TwipsRect> DirtyAreas(const PaintedTable& before, const PaintedTable& after);

}  // namespace zunpa::ui
