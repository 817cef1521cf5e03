#pragma once
// frmMSG: a call-out written in a light-yellow balloon over the speaker's
// row. It is part of the table, not a window of its own: a window cannot
// place itself on every desktop (Wayland), and the balloon never takes the
// keyboard or a click from the table.

#include <QWidget>

class QLabel;

namespace zunpa::qt {

class Balloon : public QWidget {
  Q_OBJECT
 public:
  explicit Balloon(QWidget* table);
  // Shows `text` with its top left at `topLeft` (the table's pixels), sized
  // for a table drawn at `scale` pixels per twip.
  void ShowAt(const QString& text, QPoint topLeft, double scale);
  QString text() const;

 private:
  QLabel* label_;
};

}  // namespace zunpa::qt
