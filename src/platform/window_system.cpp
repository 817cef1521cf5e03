#include "platform/window_system.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

namespace zunpa::qt {

bool WindowsPlaceThemselves() {
  return !QGuiApplication::platformName().startsWith("wayland");
}

// Title bars are bold on most desktops; the icon, the buttons and the
// padding take about this much more.
constexpr int kTitleBarRoom = 110;

int TitleWidth(const QWidget* window) {
  QFont font = window->font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarRoom;
}

void FitTitle(QWidget* dialog) {
  const int extra = TitleWidth(dialog) - dialog->width();
  if (extra <= 0) return;
  for (QWidget* child : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    child->move(child->pos() + QPoint(extra / 2, 0));
  dialog->setFixedWidth(dialog->width() + extra);
}

namespace {

class DialogGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (window->windowType() == Qt::Dialog && window->isMinimized())
      QTimer::singleShot(0, window, [window] { BringBack(window); });
    return false;
  }

 private:
  static void BringBack(QWidget* dialog) {
    for (QWidget* w = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
      if (w->isMinimized()) w->showNormal();
    dialog->showNormal();
    dialog->activateWindow();
  }
};

}  // namespace

void KeepDialogsFromHiding(QObject& owner) {
  qApp->installEventFilter(new DialogGuard(&owner));
}

}  // namespace zunpa::qt
