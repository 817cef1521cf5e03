#include "dialogs/final_result_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dialogs/sheet_cell_style.h"
#include "platform/twips.h"

namespace zunpa::qt {
namespace {

constexpr std::array<int, 4> kRowTops = {60, 480, 900, 1320};
constexpr int kRowHeight = 435;
// The rows are 435 twips high: large type, as on a podium.
constexpr double kRowPoints = 14;
constexpr double kSmallestNamePoints = 9;
constexpr int kClientWidth = 2580 + 975 + 120;
constexpr int kGroundHeight = 1815;
constexpr int kButtonTop = 1935, kButtonWidth = 1215, kButtonHeight = 375;
constexpr int kClientHeight = kButtonTop + kButtonHeight + 150;

QLabel* AddRowLabel(QWidget* parent, const QString& name, const std::string& text, const QRect& place) {
  auto* label = new QLabel(QString::fromStdString(text), parent);
  label->setObjectName(name);
  label->setGeometry(place);
  QFont font = parent->font();
  font.setPointSizeF(kRowPoints);
  label->setFont(font);
  return label;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

FinalResultDialog::FinalResultDialog(QWidget* mainWindow, const FinalResult& result) : QDialog(mainWindow) {
  setObjectName("frmRESULT");
  setWindowTitle("結果");
  setFixedSize(Px(kClientWidth), Px(kClientHeight));
  // The names keep the colours they have on the table, made for a dark
  // ground, so the standings stand on black.
  auto* ground = new QWidget(this);
  ground->setGeometry(TwipsRect(0, 0, kClientWidth, kGroundHeight));
  QPalette dark = ground->palette();
  dark.setColor(QPalette::Window, Qt::black);
  dark.setColor(QPalette::WindowText, Qt::white);
  ground->setPalette(dark);
  ground->setAutoFillBackground(true);
  for (int i = 0; i < 4; ++i) {
    const FinalResultRow& row = result.rows[i];
    const int top = kRowTops[i];
    AddRowLabel(ground, QString("Label1_%1").arg(i), row.place, TwipsRect(60, top, 660, kRowHeight));
    QLabel* name = AddRowLabel(ground, QString("lblNAME_%1").arg(i), row.name, TwipsRect(720, top, 1875, kRowHeight));
    SetTextColour(name, QColor::fromRgb(row.colour & 0xFFFFFFu));
    FitCaptionToWidth(name, kSmallestNamePoints);
    QLabel* points =
        AddRowLabel(ground, QString("lblPOINT_%1").arg(i), row.points, TwipsRect(2580, top, 975, kRowHeight));
    points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  ok->setGeometry(TwipsRect((kClientWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void RunFinalResult(QWidget* mainWindow, const FinalResult& result, const std::function<void(QDialog&)>& whenShown) {
  FinalResultDialog dialog(mainWindow, result);
  if (whenShown) QTimer::singleShot(0, &dialog, [&] { whenShown(dialog); });
  dialog.exec();
}

}  // namespace zunpa::qt
