#pragma once
// frmMSG: a call-out written in a light-yellow balloon over the speaker's
// row. It never takes the focus from the table.

#include <QWidget>

class QLabel;

namespace zunpa::qt {

class Balloon : public QWidget {
  Q_OBJECT
 public:
  explicit Balloon(QWidget* owner);
  // Shows `text` with its top left at `topLeft` (screen pixels), sized for
  // a table drawn at `scale` pixels per twip.
  void ShowAt(const QString& text, QPoint topLeft, double scale);
  QString text() const;

 private:
  QLabel* label_;
};

}  // namespace zunpa::qt
