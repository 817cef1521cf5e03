// Plays the installed game from inside its own process, as a person would
// through the menus: loaded by Qt as a generic plugin
// (QT_QPA_GENERIC_PLUGINS=zunpadriver), it picks the fastest speed, starts
// a new game, plays by keyboard at each of the user's moves until a round
// has ended and "保存" opens, saves, looks at the high scores and leaves by
// the exit item. Every question gets its default answer.

#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string_view>

#include "widgets/modal_answerer.h"

namespace {

class GameDriver : public QObject {
 public:
  GameDriver() {
    connect(&timer_, &QTimer::timeout, this, &GameDriver::Tick);
    timer_.start(20);
  }

 private:
  static QWidget* Window() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == "frmMAIN" && widget->isVisible()) return widget;
    return nullptr;
  }

  // One menu item at a time, and none while a question or dialog is open
  // or an earlier item is still at work; an item waits until it is enabled.
  void Tick() {
    static constexpr const char* kItems[] = {"flgSOKUDO0", "mneNEW", "mneSAVE", "mneHiScore", "mneEXIT"};
    if (acting_ || next_ >= std::size(kItems) || QApplication::activeModalWidget()) return;
    QWidget* window = Window();
    QAction* action = window ? window->findChild<QAction*>(kItems[next_]) : nullptr;
    if (!action) return;
    acting_ = true;
    if (action->isEnabled()) {
      std::fprintf(stderr, "driver: %s after %d key presses\n", kItems[next_], keyPresses_);
      ++next_;
      action->trigger();
    } else if (std::string_view(kItems[next_]) == "mneSAVE") {
      MoveIfItIsTheUsersMove(window);
    }
    acting_ = false;
    for (; told_ < answerer_.messages().size(); ++told_)
      std::fprintf(stderr, "driver: answered %s\n", qPrintable(answerer_.messages()[told_]));
  }

  // "保存" opens from the second round on; until then the user plays as a
  // keyboard player does: the first Return shows the focus on the first
  // card that may be played (or on "めくる" when none may), the next one
  // plays it. A user who only drew would gather the pack into one hand and
  // could keep a round going for as long as no computer could go out.
  void MoveIfItIsTheUsersMove(QWidget* window) {
    auto* draw = window->findChild<QPushButton*>("cmdMEKU");
    auto* table = window->findChild<QWidget*>("table");
    if (!draw || !table || !draw->isVisible() || !draw->isEnabled()) return;
    ++keyPresses_;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(table, &press);
  }

  QTimer timer_;
  zunpa::testing::ModalAnswerer answerer_;
  std::size_t next_ = 0;
  qsizetype told_ = 0;
  bool acting_ = false;
  int keyPresses_ = 0;
};

}  // namespace

class GameDriverPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "game_driver.json")
 public:
  QObject* create(const QString& key, const QString&) override {
    return key == "zunpadriver" ? new GameDriver : nullptr;
  }
};

#include "game_driver_plugin.moc"
