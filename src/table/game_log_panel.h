#pragma once
// 経過 beside the table: the game log a line per event, each seat in its
// score-sheet colour, kept scrolled to the latest, copied as plain text.

#include <QDockWidget>

#include "ui_logic/game_log.h"

class QPlainTextEdit;

namespace zunpa::qt {

class GameLogPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit GameLogPanel(QWidget* parent = nullptr);

  void Append(const ui::LogEntry& entry);
  void Clear();
  // The selection, or every line when nothing is selected.
  void Copy();
  void CopyAll();

  QPlainTextEdit* lines() const { return lines_; }
  QSize sizeHint() const override;

 signals:
  // The panel's own close button.
  void ClosedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowContextMenu(const QPoint& at);
  QPlainTextEdit* lines_ = nullptr;
};

}  // namespace zunpa::qt
