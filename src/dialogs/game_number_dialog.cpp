#include "dialogs/game_number_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_system.h"
#include "ui_logic/game_number.h"

namespace zunpa::qt {
namespace {

constexpr int kMargin = 120;
constexpr int kWidth = 4680;
constexpr int kButtonWidth = 1095;

}  // namespace

GameNumberDialog::GameNumberDialog(QWidget* mainWindow, std::optional<std::uint64_t> preset) : QDialog(mainWindow) {
  setObjectName("frmNUMBER");
  setWindowTitle("番号を指定して新規");
  QLabel* prompt = AddLabel(this, "lblMSG", QString::fromStdString(ui::GameNumberPrompt()), {});
  prompt->setWordWrap(true);
  const int textWidth = Px(kWidth - 2 * kMargin);
  prompt->setGeometry(Px(kMargin), Px(kMargin), textWidth, prompt->heightForWidth(textWidth));
  const int top = prompt->geometry().bottom() + 1 + Px(120);

  AddLabel(this, "Label1", "ゲーム番号", QRect(Px(kMargin), top, Px(1080), Px(330)));
  text_ = new QLineEdit(this);
  text_->setObjectName("txtNUMBER");
  text_->setGeometry(Px(1260), top, Px(kWidth - kMargin - 1260), Px(330));
  // Digits only, ASCII or full-width; a number too long is still told about.
  text_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9０-９]{0,12}"), text_));
  if (preset) text_->setText(QString::number(*preset));
  text_->selectAll();

  const int buttonTop = top + Px(510);
  QPushButton* ok = AddButton(this, "cmdOK", "OK",
                              QRect(Px(kWidth - 2 * (kMargin + kButtonWidth)), buttonTop, Px(kButtonWidth), Px(375)));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &GameNumberDialog::PressOk);
  QPushButton* cancel = AddButton(this, "cmdCANCEL", "キャンセル",
                                  QRect(Px(kWidth - kMargin - kButtonWidth), buttonTop, Px(kButtonWidth), Px(375)));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(Px(kWidth), ok->geometry().bottom() + 1 + Px(kMargin));
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void GameNumberDialog::PressOk() {
  const auto read = ui::ReadGameNumber(text_->text().toStdString());
  if (const auto* problem = std::get_if<Message>(&read)) {
    ShowMessageBox(this, *problem);
    text_->setFocus();
    text_->selectAll();
    return;
  }
  chosen_ = std::get<std::uint64_t>(read);
  accept();
}

std::optional<std::uint64_t> RunGameNumber(QWidget* mainWindow, std::optional<std::uint64_t> preset) {
  GameNumberDialog dialog(mainWindow, preset);
  dialog.exec();
  return dialog.Chosen();
}

}  // namespace zunpa::qt
