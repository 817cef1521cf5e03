#include "dialogs/name_entry_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/name_box.h"
#include "dialogs/window_placement.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {
namespace {

constexpr int kMargin = 120;
constexpr int kWidth = 4320;

}  // namespace

NameEntryDialog::NameEntryDialog(QWidget* mainWindow, const std::string& message, const std::string& preset)
    : QDialog(mainWindow) {
  setObjectName("frmINPUT");
  setWindowTitle("記録");
  // The message is the caller's and may run to several lines: the rest
  // of the window sits below however tall it comes out.
  QLabel* text = AddLabel(this, "lblMSG", QString::fromStdString(message), {});
  text->setWordWrap(true);
  const int textWidth = Px(kWidth - 2 * kMargin);
  text->setGeometry(Px(kMargin), Px(kMargin), textWidth, text->heightForWidth(textWidth));
  const int top = text->geometry().bottom() + 1 + Px(180);

  AddLabel(this, "Label1", "なまえ", QRect(Px(kMargin), top, Px(600), Px(330)));
  text_ = new QLineEdit(QString::fromStdString(preset), this);
  text_->setObjectName("Text1");
  text_->setGeometry(Px(780), top, Px(kWidth - kMargin - 780), Px(330));
  LimitNameBox(text_);

  QPushButton* ok =
      AddButton(this, "Command1", "OK", QRect(Px(kWidth - kMargin - 1095), top + Px(510), Px(1095), Px(375)));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    name_ = CleanName(text_->text());
    accept();
  });
  setFixedSize(Px(kWidth), ok->geometry().bottom() + 1 + Px(kMargin));
  FitTitle(this);
  CentreOn(this, mainWindow);
}

std::optional<std::string> RunNameEntry(QWidget* mainWindow, const std::string& message, const std::string& preset) {
  NameEntryDialog dialog(mainWindow, message, preset);
  dialog.exec();
  return dialog.Name();
}

}  // namespace zunpa::qt
