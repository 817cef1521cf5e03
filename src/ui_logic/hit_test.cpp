#include "ui_logic/hit_test.h"

namespace zunpa::ui {
namespace {

bool Covers(bool visible, int left, int top, int x, int y) {
  return visible && x >= left && x < left + kPictureWidth && y >= top && y < top + kPictureHeight;
}

}  // namespace

std::optional<Card> CardAt(const DisplayModel& d, int x, int y) {
  std::optional<Card> hit;
  int front = 0;
  for (int i = 0; i < kCardsInPack; ++i) {
    const CardPicture& p = d.cards[i];
    if (Covers(p.visible, p.left, p.top, x, y) && (!hit || p.z >= front)) {
      hit = Card{i / 13 + 1, i % 13 + 1};
      front = p.z;
    }
  }
  for (const Picture& marker : d.suitMarkers)
    if (hit && Covers(marker.visible, marker.left, marker.top, x, y) && marker.z >= front) return std::nullopt;
  return hit;
}

}  // namespace zunpa::ui
