#include "dialogs/sheet_cell_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace zunpa::qt {
namespace {

constexpr double kHeaderPoints = 9;
// Two-thirds of a name header is the least that stays legible.
constexpr double kSmallestHeaderPoints = 6;

QFont BaseFont(const QLabel* label) {
  return label->parentWidget() ? label->parentWidget()->font() : QApplication::font();
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

QColor SheetTextColour(const SheetCell& cell) {
  if (cell.systemColour < 0) return QApplication::palette().color(QPalette::WindowText);
  return QColor::fromRgb(cell.colour & 0xFFFFFFu);
}

void ApplySheetCell(QLabel* label, const SheetCell& cell) {
  QFont font = BaseFont(label);
  // A saved game holds 1..72 points; a zero would make Qt complain.
  font.setPointSizeF(std::max(1.0, cell.size));
  font.setItalic(cell.italic);
  font.setUnderline(cell.underline);
  label->setFont(font);
  SetTextColour(label, SheetTextColour(cell));
  label->setText(QString::fromStdString(cell.caption));
}

void MakeHeaderGround(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::black);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  label->setAlignment(Qt::AlignCenter);
}

void ApplyHeaderCell(QLabel* label, const SheetCell& cell) {
  SheetCell header = cell;
  header.size = kHeaderPoints;
  ApplySheetCell(label, header);
  FitCaptionToWidth(label, kSmallestHeaderPoints);
}

void FitCaptionToWidth(QLabel* label, double smallestPoints) {
  QFont font = label->font();
  const int room = label->contentsRect().width();
  while (QFontMetrics(font).horizontalAdvance(label->text()) > room && font.pointSizeF() - 0.5 >= smallestPoints)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
  const bool cut = QFontMetrics(font).horizontalAdvance(label->text()) > room;
  label->setToolTip(cut ? label->text() : QString());
}

}  // namespace zunpa::qt
