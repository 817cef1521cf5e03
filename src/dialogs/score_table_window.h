#pragma once
// frmHYOU, "得点表": the whole game's totals round by round, beside the
// table and without blocking it; it stays once shown.

#include <QWidget>

#include "rules/display_model.h"

namespace zunpa::qt {

class ScoreTableWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ScoreTableWindow(QWidget* mainWindow);
  // Writes the cells; the first showing aligns the window with the main
  // window's bottom right corner and applies the "temae" setting.
  void ShowSheet(const ScoreSheet& sheet);
  void Refresh(const ScoreSheet& sheet);
};

}  // namespace zunpa::qt
