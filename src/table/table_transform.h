#pragma once
// The one mapping from the table's twips to the widget's pixels: the
// scale is the smaller of the two ratios and the table is centred, so it
// keeps its proportions at any window size.

#include <QPointF>
#include <QRect>
#include <QSize>

namespace zunpa::qt {

// The table as laid out: the seat panels, the hand rows and the pile,
// with the playable marks under the user's row. X-ray mode adds the seven
// card lists on the right.
constexpr QSize kTableTwips{6840, 6120};
constexpr QSize kXrayTableTwips{9540, 6120};

class TableTransform {
 public:
  TableTransform() = default;
  TableTransform(QSize widgetPixels, QSize tableTwips);

  double scale() const { return scale_; }  // pixels per twip
  QRect ToPixels(int left, int top, int width, int height) const;
  QPointF ToPixels(int x, int y) const;
  // A point of the widget in twips of the table; outside the table it
  // lies outside 0..width, 0..height.
  QPoint ToTwips(QPointF pixels) const;
  // The widget size at which a table is shown at 1 pixel per 15 twips.
  static QSize LayoutPixels(QSize tableTwips);

 private:
  double scale_ = 1.0 / 15;
  double offsetX_ = 0, offsetY_ = 0;
};

}  // namespace zunpa::qt
