#include "dialogs/look_back_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui_logic/yomi_hint.h"

namespace zunpa::qt {

LookBackDialog::LookBackDialog(QWidget* mainWindow, const DecisionLog& decisions, const YomiSettings& settings)
    : QDialog(mainWindow) {
  setObjectName("frmFURIKAERI");
  setWindowTitle("ふりかえり");
  auto* layout = new QVBoxLayout(this);
  status_ = new QLabel("読み中…", this);
  status_->setObjectName("lblFURIKAERI");
  status_->setWordWrap(true);
  layout->addWidget(status_);
  rows_ = new QTreeWidget(this);
  rows_->setObjectName("lstFURIKAERI");
  rows_->setRootIsDecorated(false);
  rows_->setWordWrap(true);
  rows_->setHeaderLabels({"ﾗｳﾝﾄﾞ", "場面", "あなた", "読み", "差"});
  layout->addWidget(rows_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(fontMetrics().horizontalAdvance(QString(60, QChar(0x3042))), fontMetrics().height() * 24);

  const auto all = decisions.decisions();
  thread_ = std::thread([this, all, settings] {
    std::vector<Regret> regrets = LookBack(all, settings, &cancel_);
    if (cancel_.load()) return;
    QMetaObject::invokeMethod(
        this, [this, regrets = std::move(regrets)] { Show(regrets); }, Qt::QueuedConnection);
  });
}

LookBackDialog::~LookBackDialog() {
  cancel_.store(true);
  if (thread_.joinable()) thread_.join();
}

void LookBackDialog::Show(const std::vector<Regret>& regrets) {
  done_ = true;
  status_->setText(regrets.empty()
                       ? "読みとの差がはっきりした手はありません。"
                       : QString("読みの手が%1点以上よかった場面：%2").arg(kClearlyMore).arg(regrets.size()));
  std::vector<const Regret*> newestFirst;
  for (const Regret& r : regrets)
    newestFirst.push_back(&r);
  std::stable_sort(newestFirst.begin(), newestFirst.end(), [](const Regret* a, const Regret* b) {
    return a->decision->input.round.RoundNo > b->decision->input.round.RoundNo;
  });
  for (const Regret* r : newestFirst) {
    const RoundState& round = r->decision->input.round;
    const Question q = r->decision->question;
    auto* row = new QTreeWidgetItem(rows_);
    row->setText(0, QString::number(round.RoundNo));
    const QString situation = QString::fromStdString(ui::SituationText(round, q));
    row->setText(1, situation);
    row->setToolTip(1, situation);  // a long hand is cut short in its column
    row->setText(2, QString::fromStdString(ui::ChoiceWords(q, r->chosen.choice)));
    row->setText(3, QString::fromStdString(ui::ChoiceWords(q, r->preferred.choice)));
    row->setText(4, QString::fromStdString(ui::PointsText(r->Difference())));
    row->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
  }
  // The situation is the long text: it takes the room the others leave,
  // wrapping rather than cut short.
  QHeaderView* header = rows_->header();
  header->setStretchLastSection(false);
  for (int c = 0; c < rows_->columnCount(); ++c)
    header->setSectionResizeMode(c, c == 1 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
}

void RunLookBack(QWidget* mainWindow, const DecisionLog& decisions, const YomiSettings& settings) {
  LookBackDialog dialog(mainWindow, decisions, settings);
  dialog.exec();
}

}  // namespace zunpa::qt
