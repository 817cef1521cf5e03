#pragma once
// frmPLSEL, "プレーヤー選択": the three opponents, the user's name and voice.

#include <QDialog>
#include <array>

#include "rules/host.h"
#include "rules/records.h"
#include "ui_logic/player_selection.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace zunpa::qt {

// Modal over the main window. True on OK; the seats may change even on
// Cancel, after an OK refused for a name clash.
bool RunPlayerSelection(QWidget* mainWindow, SeatSetup& setup, const Records& records);

class PlayerSelectionDialog : public QDialog {
  Q_OBJECT
 public:
  PlayerSelectionDialog(QWidget* mainWindow, const SeatSetup& setup, const Records& records);
  const SeatSetup& Seats() const { return selection_.seats; }
  bool SelectionAccepted() const { return accepted_; }
  // Esc, like キャンセル.
  void reject() override;

 private:
  void BuildLists();
  void BuildNameAndSex();
  void BuildButtons();
  void ShowLists();
  // A list's click moves the entry once the view is done with the click.
  void MoveLater(int list, int entry);
  void PressOk();
  void ShowCharacters();

  QWidget* mainWindow_;
  const Records& records_;
  ui::PlayerSelection selection_;
  bool accepted_ = false;
  std::array<QListWidget*, 2> lists_{};
  QPushButton* moveIn_ = nullptr;
  QPushButton* moveOut_ = nullptr;
  QPushButton* ok_ = nullptr;
  QLineEdit* name_ = nullptr;
  QButtonGroup* sex_ = nullptr;
};

}  // namespace zunpa::qt
