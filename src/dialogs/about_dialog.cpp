#include "dialogs/about_dialog.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/twips.h"
#include "platform/window_system.h"
#include "rules/host.h"

namespace zunpa::qt {
namespace {

QString Title() {
  return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

void AddIcon(QWidget* parent, const QString& programFolder) {
  QLabel* icon = AddLabel(parent, "picIcon", {}, TwipsRect(240, 240, 480, 480));
  const QPixmap picture(QDir(programFolder).filePath("zunpas.png"));
  if (picture.isNull()) return;
  // Scaled along its longer side, so that the whole picture fits the place.
  icon->setPixmap(picture.width() >= picture.height()
                      ? picture.scaledToWidth(icon->width(), Qt::SmoothTransformation)
                      : picture.scaledToHeight(icon->height(), Qt::SmoothTransformation));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* mainWindow, const QString& programFolder) : QDialog(mainWindow) {
  setObjectName("frmAbout");
  setWindowTitle(Title() + "のﾊﾞｰｼﾞｮﾝ情報");
  setFixedSize(Px(5880), Px(2460));
  AddIcon(this, programFolder);
  QLabel* title = AddLabel(this, "lblTitle", Title(), TwipsRect(960, 210, 4680, 390));
  QFont large = title->font();
  large.setPointSize(14);
  large.setBold(true);
  title->setFont(large);
  AddLabel(
      this, "lblVersion",
      QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(ZUNPA_VERSION_MAJOR).arg(ZUNPA_VERSION_MINOR).arg(ZUNPA_VERSION_PATCH),
      TwipsRect(960, 630, 4680, 255));
  AddLabel(this, "Label1", "場のカードと手札の合計が同じなら「ズンパ！」。", TwipsRect(960, 1080, 4800, 255));
  AddLabel(this, "lblDescription", "３人のキャラクターを相手に20ラウンドを戦います。", TwipsRect(960, 1380, 4800, 255));
  QPushButton* ok = AddButton(this, "cmdOK", "OK", TwipsRect(5880 - 120 - 1095, 1920, 1095, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void RunAbout(QWidget* mainWindow, const QString& programFolder) {
  AboutDialog dialog(mainWindow, programFolder);
  dialog.exec();
}

}  // namespace zunpa::qt
