#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "widgets/text_fit.h"

namespace zunpa::testing {
namespace {

// Where the label puts its text's baseline, from the top of its contents.
int Baseline(const QLabel* label, const QFontMetrics& metrics) {
  const int room = label->contentsRect().height();
  if (label->alignment() & Qt::AlignTop) return metrics.ascent();
  if (label->alignment() & Qt::AlignBottom) return room - metrics.descent();
  return (room - metrics.height()) / 2 + metrics.ascent();
}

}  // namespace

QStringList ClippedLabels(const QWidget* window) {
  QStringList clipped;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text().isEmpty() || label->wordWrap()) continue;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const int baseline = Baseline(label, metrics);
    const int lowest = label->font().underline() ? baseline + metrics.underlinePos() + metrics.lineWidth() : baseline;
    if (metrics.horizontalAdvance(label->text()) > room.width() || baseline - metrics.ascent() < -1 ||
        lowest > room.height())
      clipped << QString("%1 \"%2\"").arg(label->objectName(), label->text());
  }
  return clipped;
}

QStringList ControlsOutside(const QWidget* window) {
  QStringList outside;
  for (const QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!window->rect().contains(child->geometry())) outside << child->objectName();
  return outside;
}

// A push button's caption needs its text and a little frame; an option
// button or check box also its indicator, which its size hint counts.
QStringList ClippedButtons(const QWidget* window) {
  QStringList clipped;
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty() || !button->isVisibleTo(window)) continue;
    const QString caption = QString(button->text()).remove('&');
    const bool push = qobject_cast<const QPushButton*>(button) != nullptr;
    const int needed = push ? QFontMetrics(button->font()).horizontalAdvance(caption) + 6 : button->sizeHint().width();
    if (needed > button->width()) clipped << QString("%1 \"%2\"").arg(button->objectName(), caption);
  }
  return clipped;
}

}  // namespace zunpa::testing
