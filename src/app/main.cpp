// ズンパＳ: the program folder is the executable's own, and holds the
// pictures, sounds, manual and data files.

#include <QApplication>
#include <QIcon>

#include "platform/japanese_font.h"
#include "table/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ZunpaS");
  zunpa::qt::UseJapaneseFont(app);
  const QString folder = QCoreApplication::applicationDirPath();
  QApplication::setWindowIcon(QIcon(folder + "/zunpas.png"));
  zunpa::qt::MainWindow window(folder);
  QObject::connect(&window, &zunpa::qt::MainWindow::Closed, &app, &QCoreApplication::quit);
  window.show();
  window.StartUp();
  return app.exec();
}
