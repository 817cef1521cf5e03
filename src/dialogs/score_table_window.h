#pragma once
// frmHYOU, "得点表": the whole game's totals round by round, beside the
// table and without blocking it; it stays once shown. It is a window of
// its own where windows place themselves, and a part of the main window
// where the compositor places them (Wayland).

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "rules/display_model.h"

class QLabel;
class QPushButton;

namespace zunpa::qt {

class ScoreTableWindow : public QWidget {
  Q_OBJECT
 public:
  enum Placement { OwnWindow, InsideMainWindow };
  explicit ScoreTableWindow(QWidget* mainWindow, Placement placement = OwnWindow);
  // Writes the cells; the first showing puts the window beside the main
  // window, level with its bottom, and applies the "temae" setting.
  // Shown after every round it leaves the keyboard with the table; asked
  // for from the menu it comes forward to be read.
  void ShowSheet(const ScoreSheet& sheet, bool activate = true);
  // Whether the screen has room for the window beside the main window.
  bool HasRoomBesideMainWindow() const;
  void Refresh(const ScoreSheet& sheet);

 protected:
  // Only the program's end takes the window away, not the user.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kMembers = 22;
  void BuildColumns();
  void BuildRoundNumbers();
  void BuildLegend();
  void BuildSwitch();
  void ApplyCell(int column, int member, const SheetCell& cell);
  std::optional<QPoint> PlaceBesideMainWindow() const;
  void AlignWithMainWindow();
  void ApplyStoredFrontSetting();
  void ToggleInFront();

  QPointer<QWidget> mainWindow_;
  std::array<std::array<QLabel*, kMembers>, kSeats> labels_{};
  // What each label shows now, so that a refresh restyles only changes.
  std::array<std::array<SheetCell, kMembers>, kSeats> shown_{};
  void ExplainNoFront();

  QPushButton* switch_ = nullptr;
  Placement placement_;
  bool placed_ = false;
  std::optional<QPoint> placedAt_;
};

}  // namespace zunpa::qt
