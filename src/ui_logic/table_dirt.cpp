#include "ui_logic/table_dirt.h"

#include <algorithm>

#include "ui_logic/hit_test.h"

namespace zunpa::ui {
namespace {

TwipsRect Rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

TwipsRect PictureRect(int left, int top) {
  return Rect(left, top, kPictureWidth, kPictureHeight);
}

// A picture that changed in any way is painted again where it was and
// where it is.
template <typename P>
void AddPicture(std::vector<TwipsRect>& areas, const P& before, const P& after, bool same) {
  if (same) return;
  if (before.visible) areas.push_back(PictureRect(before.left, before.top));
  if (after.visible && !(before.visible && before.left == after.left && before.top == after.top))
    areas.push_back(PictureRect(after.left, after.top));
}

bool SameCard(const CardPicture& a, const CardPicture& b) {
  return a.visible == b.visible &&
         (!a.visible || (a.faceUp == b.faceUp && a.left == b.left && a.top == b.top && a.z == b.z));
}

bool SameMarker(const Picture& a, const Picture& b) {
  return a.visible == b.visible && (!a.visible || (a.left == b.left && a.top == b.top && a.z == b.z));
}

}  // namespace

PaintedTable PaintedTable::Of(const DisplayModel& d) {
  PaintedTable p;
  p.cards = d.cards;
  p.suitMarkers = d.suitMarkers;
  p.arrowVisible = d.arrowVisible;
  p.arrowUp = d.arrowUp;
  p.barVisible = d.barVisible;
  p.barTop = d.barTop;
  p.playableMarks = d.playableMarks;
  std::copy_n(d.playableMarkLefts.begin(), std::clamp(d.playableMarks, 0, kCardsInPack), p.markLefts.begin());
  p.stockCounterVisible = d.stockCounterVisible;
  return p;
}

std::vector<TwipsRect> DirtyAreas(const PaintedTable& a, const PaintedTable& b) {
  std::vector<TwipsRect> areas;
  for (int i = 0; i < kCardsInPack; ++i)
    AddPicture(areas, a.cards[i], b.cards[i], SameCard(a.cards[i], b.cards[i]));
  for (std::size_t i = 0; i < a.suitMarkers.size(); ++i)
    AddPicture(areas, a.suitMarkers[i], b.suitMarkers[i], SameMarker(a.suitMarkers[i], b.suitMarkers[i]));
  if (a.arrowVisible != b.arrowVisible || (b.arrowVisible && a.arrowUp != b.arrowUp))
    areas.push_back(Rect(kArrowLeft, kArrowTop, kArrowSize, kArrowSize));
  if (a.barVisible != b.barVisible || (b.barVisible && a.barTop != b.barTop)) {
    if (a.barVisible) areas.push_back(Rect(kBarLeft, a.barTop, kBarWidth, kBarHeight));
    if (b.barVisible) areas.push_back(Rect(kBarLeft, b.barTop, kBarWidth, kBarHeight));
  }
  if (a.playableMarks != b.playableMarks || a.markLefts != b.markLefts)
    areas.push_back(Rect(0, kMarkTop, kTableWidth, kMarkSize));
  if (a.stockCounterVisible != b.stockCounterVisible)
    areas.push_back(Rect(kStockCounterLeft, kStockCounterTop, kStockCounterWidth, kStockCounterHeight));
  return areas;
}

}  // namespace zunpa::ui
