#include "dialogs/vertical_caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace zunpa::qt {

void VerticalCaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QList<uint> characters = text().toUcs4();
  if (characters.isEmpty()) return;
  const int count = static_cast<int>(characters.size());
  const QRect room = rect();
  // Lines close up rather than run off a button that is too short.
  const int step = std::min(fontMetrics().height(), room.height() / count);
  int top = room.top() + (room.height() - step * count) / 2;
  painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  for (const uint character : characters) {
    const char32_t code = character;
    painter.drawText(QRect(room.left(), top, room.width(), step), Qt::AlignCenter, QString::fromUcs4(&code, 1));
    top += step;
  }
}

}  // namespace zunpa::qt
