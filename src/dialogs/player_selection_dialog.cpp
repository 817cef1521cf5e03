#include "dialogs/player_selection_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/character_sheet_dialog.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/name_box.h"
#include "dialogs/window_placement.h"
#include "files/cp932_text.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {
namespace {

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

PlayerSelectionDialog::PlayerSelectionDialog(QWidget* mainWindow, const SeatSetup& setup, const Records& records)
    : QDialog(mainWindow), mainWindow_(mainWindow), records_(records), selection_(ui::OpenPlayerSelection(setup)) {
  setObjectName("frmPLSEL");
  setWindowTitle("プレーヤー選択");
  RemoveCloseBox(this);
  setFixedSize(Px(3825), Px(4995));
  BuildLists();
  BuildNameAndSex();
  BuildButtons();
  ShowLists();
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void PlayerSelectionDialog::BuildLists() {
  AddLabel(this, "lblSETUMEI0", "参加しないプレーヤー", TwipsRect(45, 240, 1935, 255));
  // Clear of the window's edge: IPAGothic fills the caption's width.
  AddLabel(this, "lblSETUMEI1", "参加するプレーヤー", TwipsRect(2145, 240, 1620, 255));
  const std::array<QRect, 2> places = {TwipsRect(165, 600, 1335, 1425), TwipsRect(2325, 600, 1335, 1425)};
  for (int i = 0; i < 2; ++i) {
    lists_[i] = new QListWidget(this);
    lists_[i]->setObjectName(Member("lstPL", i));
    lists_[i]->setGeometry(places[i]);
    lists_[i]->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lists_[i], &QListWidget::clicked, this, [this, i](const QModelIndex& index) { MoveLater(i, index.row()); });
  }
  moveIn_ = AddButton(this, "cmdIDOU0", "→", TwipsRect(1665, 780, 495, 435));
  moveOut_ = AddButton(this, "cmdIDOU1", "←", TwipsRect(1665, 1440, 495, 435));
  connect(moveIn_, &QPushButton::clicked, this, [this] {
    ui::MoveIn(selection_, SelectedRow(lists_[0]));
    ShowLists();
  });
  connect(moveOut_, &QPushButton::clicked, this, [this] {
    ui::MoveOut(selection_, SelectedRow(lists_[1]));
    ShowLists();
  });
}

void PlayerSelectionDialog::BuildNameAndSex() {
  QLabel* nameLabel = AddLabel(this, "lblSETUMEI2", "名前： (&N)", TwipsRect(165, 2760, 1095, 375));
  name_ = new QLineEdit(QString::fromStdString(selection_.name), this);
  name_->setObjectName("txtNAME");
  name_->setGeometry(TwipsRect(1290, 2760, 1095, 375));
  LimitNameBox(name_);
  nameLabel->setBuddy(name_);

  auto* frame = new QGroupBox("あなたの性別 (&S)", this);
  frame->setObjectName("Frame1");
  frame->setGeometry(TwipsRect(165, 3360, 3495, 735));
  sex_ = new QButtonGroup(this);
  const std::array<const char*, 3> captions = {"男性", "中性", "女性"};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(captions[i]), frame);
    option->setObjectName(Member("optSEX", i));
    option->setGeometry(TwipsRect(240 + 1110 * i, 330, 1005, 300));
    sex_->addButton(option, i);
  }
  if (QAbstractButton* chosen = sex_->button(selection_.sex)) chosen->setChecked(true);
  connect(sex_, &QButtonGroup::idClicked, this, [this](int id) { selection_.sex = id; });
}

void PlayerSelectionDialog::BuildButtons() {
  QPushButton* characters = AddButton(this, "Command1", "キャラクター説明 (&C)", TwipsRect(240, 2160, 1935, 375));
  connect(characters, &QPushButton::clicked, this, &PlayerSelectionDialog::ShowCharacters);
  ok_ = AddButton(this, "cmdOKCAN0", "OK", TwipsRect(945, 4320, 1275, 435));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &PlayerSelectionDialog::PressOk);
  QPushButton* cancel = AddButton(this, "cmdOKCAN1", "キャンセル", TwipsRect(2385, 4320, 1275, 435));
  connect(cancel, &QPushButton::clicked, this, &PlayerSelectionDialog::reject);
}

void PlayerSelectionDialog::ShowLists() {
  const std::array<const std::vector<std::string>*, 2> entries = {&selection_.out, &selection_.in};
  for (int i = 0; i < 2; ++i) {
    lists_[i]->clear();
    for (const std::string& entry : *entries[i])
      lists_[i]->addItem(QString::fromStdString(entry));
  }
  const ui::SelectionButtons buttons = ui::ButtonsOf(selection_);
  moveIn_->setEnabled(buttons.moveIn);
  moveOut_->setEnabled(buttons.moveOut);
  ok_->setEnabled(buttons.ok);
}

void PlayerSelectionDialog::MoveLater(int list, int entry) {
  // Emptying the list inside its own click signal would pull the item out
  // from under the view's mouse handling.
  QMetaObject::invokeMethod(
      this,
      [this, list, entry] {
        if (list == 0) {
          ui::ClickOutList(selection_, entry);
        } else {
          ui::ClickInList(selection_, entry);
        }
        ShowLists();
      },
      Qt::QueuedConnection);
}

void PlayerSelectionDialog::PressOk() {
  selection_.name = name_->text().toStdString();
  const ui::SelectionEnd end = ui::PressOk(selection_, [](std::string_view text) { return SanitizeForCp932(text); });
  accepted_ = end.accepted;
  if (end.message) ShowMessageBox(this, *end.message);
  if (end.closes) accept();
}

void PlayerSelectionDialog::reject() {
  accepted_ = ui::PressCancel().accepted;
  QDialog::reject();
}

void PlayerSelectionDialog::ShowCharacters() {
  RunCharacterSheet(mainWindow_, records_, name_->text().toStdString());
}

bool RunPlayerSelection(QWidget* mainWindow, SeatSetup& setup, const Records& records) {
  PlayerSelectionDialog dialog(mainWindow, setup, records);
  dialog.exec();
  setup = dialog.Seats();
  return dialog.SelectionAccepted();
}

}  // namespace zunpa::qt
