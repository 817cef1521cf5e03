#pragma once
// frmHYOU, "得点表": the whole game's totals round by round, beside the
// table and without blocking it; it stays once shown.

#include <QPointer>
#include <QWidget>
#include <array>

#include "rules/display_model.h"

class QLabel;
class QPushButton;

namespace zunpa::qt {

class ScoreTableWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ScoreTableWindow(QWidget* mainWindow);
  // Writes the cells; the first showing aligns the window with the main
  // window's bottom right corner and applies the "temae" setting.
  // Shown after every round it leaves the keyboard with the table; asked
  // for from the menu it comes forward to be read.
  void ShowSheet(const ScoreSheet& sheet, bool activate = true);
  void Refresh(const ScoreSheet& sheet);

 protected:
  // Only the program's end takes the window away, not the user.
  void closeEvent(QCloseEvent* event) override;

 private:
  static constexpr int kMembers = 22;
  void BuildColumns();
  void BuildRoundNumbers();
  void BuildLegend();
  void BuildSwitch();
  void ApplyCell(int column, int member, const SheetCell& cell);
  void AlignWithMainWindow();
  void ApplyStoredFrontSetting();
  void ToggleInFront();

  QPointer<QWidget> mainWindow_;
  std::array<std::array<QLabel*, kMembers>, kSeats> labels_{};
  // What each label shows now, so that a refresh restyles only changes.
  std::array<std::array<SheetCell, kMembers>, kSeats> shown_{};
  QPushButton* switch_ = nullptr;
  bool placed_ = false;
};

}  // namespace zunpa::qt
