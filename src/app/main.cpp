// ズンパＳ: the pictures, sounds and manual come from the program folder
// (the build folder, or an installed game's share/zunpas); the data files
// stay beside them when that folder takes writes, else they go to the
// user's data folder.

#include <QApplication>
#include <QIcon>

#include "platform/game_folders.h"
#include "platform/japanese_font.h"
#include "table/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ZunpaS");
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(ZUNPA_APP_ID);
  zunpa::qt::UseJapaneseFont(app);
  const QString folder = zunpa::qt::ProgramFolderBeside(QCoreApplication::applicationDirPath());
  QApplication::setWindowIcon(QIcon(folder + "/zunpas.png"));
  zunpa::qt::MainWindow window(folder);
  QObject::connect(&window, &zunpa::qt::MainWindow::Closed, &app, &QCoreApplication::quit);
  window.show();
  window.StartUp();
  return app.exec();
}
