// 読み in the main window: the hint at the user's move, the weighing of a
// question while its box is up, and ふりかえり.

#include <QAction>

#include "dialogs/look_back_dialog.h"
#include "platform/user_store.h"
#include "table/main_window.h"
#include "table/table_widget.h"
#include "ui_logic/yomi_hint.h"

namespace zunpa::qt {

// The ring and the worths come when 読み has thought, a moment later; a
// move before that takes them away unseen.
void MainWindow::ShowHint() {
  const Game& game = session_->game();
  table_->ShowHint(std::nullopt);
  if (session_->Busy() || !UserMayMove(game)) return;
  yomi_->Ask(*session_, Question::Move, [this](const Advice& advice) {
    if (UserMayMove(session_->game())) table_->ShowYomiHint(ui::HintOf(advice));
  });
}

// Only while the user asked for it (表示 → 問いにも読み); the box itself is
// left as it is.
void MainWindow::WeighQuestion(std::optional<Question> q) {
  if (!q) {
    yomi_->Cancel();
    table_->ShowAdviceLine({});
    return;
  }
  if (!actions_.value("mneYOMI")->isChecked()) return;
  table_->ShowAdviceLine("読み：…");
  yomi_->Ask(*session_, *q, [this, q](const Advice& advice) {
    table_->ShowAdviceLine(QString::fromStdString(ui::AdviceLine(*q, advice)));
  });
}

void MainWindow::ConnectYomiOnQuestions() {
  QAction* item = actions_.value("mneYOMI");
  item->setChecked(YomiOnQuestionsSetting());
  connect(item, &QAction::toggled, this, [](bool on) { StoreYomiOnQuestionsSetting(on); });
}

// For the game so far: right after a round, or at any time.
void MainWindow::ShowLookBack() {
  Between([&] { RunLookBack(this, session_->decisions(), WindowYomiSettings()); });
}

}  // namespace zunpa::qt
