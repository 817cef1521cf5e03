#include "table/table_transform.h"

#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace zunpa::qt {

TableTransform::TableTransform(QSize widget, QSize table) {
  const double byWidth = widget.width() / double(table.width());
  const double byHeight = widget.height() / double(table.height());
  scale_ = std::max(1e-6, std::min(byWidth, byHeight));
  offsetX_ = (widget.width() - table.width() * scale_) / 2;
  offsetY_ = (widget.height() - table.height() * scale_) / 2;
}

QPointF TableTransform::ToPixels(int x, int y) const {
  return {offsetX_ + x * scale_, offsetY_ + y * scale_};
}

// Edges are rounded, not sizes, so neighbouring pictures meet without gaps.
QRect TableTransform::ToPixels(int left, int top, int width, int height) const {
  const QPointF a = ToPixels(left, top);
  const QPointF b = ToPixels(left + width, top + height);
  const int x0 = int(std::lround(a.x())), y0 = int(std::lround(a.y()));
  return {x0, y0, int(std::lround(b.x())) - x0, int(std::lround(b.y())) - y0};
}

QPoint TableTransform::ToTwips(QPointF p) const {
  return {int(std::floor((p.x() - offsetX_) / scale_)), int(std::floor((p.y() - offsetY_) / scale_))};
}

QSize TableTransform::LayoutPixels(QSize table) {
  return {Px(table.width()), Px(table.height())};
}

}  // namespace zunpa::qt
