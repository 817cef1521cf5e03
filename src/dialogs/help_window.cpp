#include "dialogs/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace zunpa::qt {
namespace {

const char* const kHelpFile = "Zunpas.hlp";

// One window for the whole run, kept while it lives.
QPointer<QTextBrowser>& TheWindow() {
  static QPointer<QTextBrowser> window;
  return window;
}

QTextBrowser* MakeWindow(QWidget* mainWindow) {
  auto* window = new QTextBrowser(mainWindow);
  window->setWindowFlags(Qt::Window);
  window->setObjectName("HelpWindow");
  window->setWindowTitle("ズンパＳ ﾍﾙﾌﾟ");
  window->setOpenExternalLinks(true);
  // Whole on the screen the main window is on, at any scale.
  const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 600, 640);
  window->resize(QSize(600, 640).boundedTo(room.size() * 9 / 10));
  QRect placed(mainWindow ? mainWindow->frameGeometry().topLeft() + QPoint(40, 40) : room.topLeft(), window->size());
  placed.moveRight(std::min(placed.right(), room.right()));
  placed.moveBottom(std::min(placed.bottom(), room.bottom() - 40));
  placed.moveTopLeft(QPoint(std::max(placed.left(), room.left()), std::max(placed.top(), room.top())));
  window->move(placed.topLeft());
  return window;
}

QString MissingFileText(const QString& path) {
  return QString(
             "<h2>ヘルプを表示できません</h2>"
             "<p>ヘルプファイル「%1」が見つかりません。</p>"
             "<p>プログラムのフォルダに置いてから、もう一度お試しください。</p>"
             "<p>%2</p>")
      .arg(QString::fromLatin1(kHelpFile), QDir::toNativeSeparators(path).toHtmlEscaped());
}

// The file the window shows, empty while it shows the missing-file text.
const char* const kShownFile = "shownFile";

void ShowFileOrMessage(QTextBrowser* window, const QString& path) {
  if (!QFileInfo(path).isFile()) {
    window->setHtml(MissingFileText(path));
    window->setProperty(kShownFile, QString());
    return;
  }
  // The same file again keeps the page where the reader left it.
  if (window->property(kShownFile).toString() == path) return;
  const QUrl url = QUrl::fromLocalFile(path);
  if (window->source() == url)
    window->reload();
  else
    window->setSource(url, QTextDocument::HtmlResource);  // the name ends in .hlp, the contents are HTML
  window->setProperty(kShownFile, path);
}

}  // namespace

void ShowHelp(QWidget* mainWindow, const QString& programFolder) {
  QPointer<QTextBrowser>& window = TheWindow();
  if (!window) window = MakeWindow(mainWindow);
  ShowFileOrMessage(window, QDir(programFolder).filePath(QString::fromLatin1(kHelpFile)));
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace zunpa::qt
