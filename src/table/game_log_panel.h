#pragma once
// 経過 beside the table: the game log a line per event, each seat in its
// score-sheet colour, kept scrolled to the latest, copied as plain text.

#include <QDockWidget>

#include "rules/display_model.h"
#include "ui_logic/game_log.h"

class QPlainTextEdit;
class QTextCursor;

namespace zunpa::qt {

class GameLogPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit GameLogPanel(QWidget* parent = nullptr);

  // The sheet whose name headers give the seats their colours.
  void SetSheet(const ScoreSheet& sheet) { sheet_ = &sheet; }
  void Append(const ui::LogEntry& entry);
  // Every line anew, in one edit.
  void SetEntries(const std::vector<ui::LogEntry>& entries);
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
  QColor ColourOf(int seat) const;
  void AppendLine(QTextCursor& cursor, const ui::LogEntry& entry);
  const ScoreSheet* sheet_ = nullptr;
  QPlainTextEdit* lines_ = nullptr;
};

}  // namespace zunpa::qt
