#include "dialogs/scoring_explanation_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace zunpa::qt {
namespace {

QGroupBox* TextFrame(QWidget* parent, const QString& name, const QString& title,
                     std::initializer_list<const char*> lines) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(name);
  auto* layout = new QVBoxLayout(frame);
  int index = 0;
  for (const char* line : lines) {
    auto* label = new QLabel(QString::fromUtf8(line), frame);
    label->setObjectName(QString("%1_Label%2").arg(name).arg(index++));
    layout->addWidget(label);
  }
  return frame;
}

}  // namespace

ScoringExplanationDialog::ScoringExplanationDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSETU");
  setWindowTitle("得点説明");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      TextFrame(this, "Frame1", "基本ポイント",
                {"基本的にはその数字がそのままポイントになりますが、", "Aは15ポイント、Ｊ,Ｑ,Ｋは10ポイントです。",
                 "ただし、葉っぱ変更に指定されている数字は、", "20ポイントで、さらに全ポイントが倍になります"}));
  layout->addWidget(
      TextFrame(this, "Frame2", "その他",
                {"2をゲーム終了時にもっていれば、ドローツーです", "ズンパされたら全ポイントが３倍になります",
                 "ズンパしたら、された側のポイント分マイナスされます", "2や葉っぱ変更のｶｰﾄﾞを複数持っていた場合は、",
                 "倍々になります。"}));
  auto* note = new QLabel("詳しくは、ﾍﾙﾌﾟをご覧ください", this);
  note->setObjectName("Label1");
  layout->addWidget(note);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RunScoringExplanation(QWidget* parent) {
  ScoringExplanationDialog dialog(parent);
  dialog.exec();
}

}  // namespace zunpa::qt
