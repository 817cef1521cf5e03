#include <QApplication>

#include "platform/japanese_font.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zunpa::qt::UseJapaneseFont(app);
  return 0;
}
