#include "dialogs/name_box.h"

#include <QLineEdit>
#include <algorithm>

#include "files/cp932_text.h"
#include "ui_logic/player_selection.h"

namespace zunpa::qt {
namespace {

// Without the halves of characters the box's own cut split in two.
QString WholeCharacters(const QString& text) {
  QString whole;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      whole += text[i];
      whole += text[++i];
    } else if (!text[i].isSurrogate()) {
      whole += text[i];
    }
  }
  return whole;
}

}  // namespace

void LimitNameBox(QLineEdit* box) {
  // The box's own limit counts UTF-16 units, so it never lets more than
  // 32 characters in, but its cut can split a character in two: the half
  // goes, and the rest is cut by the game's rule in whole characters.
  box->setMaxLength(static_cast<int>(ui::kNameMaxCharacters));
  QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
    const QString limited = QString::fromStdString(ui::LimitName(WholeCharacters(text).toStdString()));
    if (limited == text) return;
    const int cursor = box->cursorPosition();
    box->setText(limited);
    box->setCursorPosition(std::min(cursor, static_cast<int>(limited.size())));
  });
}

std::string CleanName(const QString& text) {
  return SanitizeForCp932(ui::LimitName(text.toStdString()));
}

}  // namespace zunpa::qt
