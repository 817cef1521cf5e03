#include "platform/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace zunpa::qt {

QString JapaneseFontFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"IPAGothic", "VL Gothic", "Noto Sans CJK JP"}) {
    if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) return QString::fromLatin1(family);
  }
  return QApplication::font().family();
}

void UseJapaneseFont(QApplication& app) {
  QFont font = app.font();
  font.setFamilies({JapaneseFontFamily()});
  font.setPointSize(9);
  app.setFont(font);
}

}  // namespace zunpa::qt
