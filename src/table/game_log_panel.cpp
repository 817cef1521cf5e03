#include "table/game_log_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "rules/display_model.h"
#include "ui_logic/score_chart.h"

namespace zunpa::qt {
namespace {

// The seats' colours are the table's, all of them light: the panel is dark
// so that the yellow reads as well as the rest.
constexpr unsigned kGround = 0x202428;
const QColor kBackground = QColor::fromRgb(kGround);
const QColor kTableText(0xD8, 0xD8, 0xD8);

bool Emphasised(ui::LogKind kind) {
  using ui::LogKind;
  return kind == LogKind::Game || kind == LogKind::Round || kind == LogKind::Zunpa || kind == LogKind::Out ||
         kind == LogKind::Halving || kind == LogKind::Doubling || kind == LogKind::GameEnd;
}

QPlainTextEdit* MakeLines(QWidget* parent) {
  auto* lines = new QPlainTextEdit(parent);
  lines->setObjectName("txtKEIKA");
  lines->setReadOnly(true);
  lines->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  lines->setContextMenuPolicy(Qt::CustomContextMenu);
  QPalette palette = lines->palette();
  palette.setColor(QPalette::Base, kBackground);
  palette.setColor(QPalette::Text, kTableText);
  lines->setPalette(palette);
  return lines;
}

}  // namespace

GameLogPanel::GameLogPanel(QWidget* parent) : QDockWidget("経過", parent) {
  setObjectName("dockKEIKA");
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  lines_ = MakeLines(body);
  lines_->installEventFilter(this);
  connect(lines_, &QWidget::customContextMenuRequested, this, &GameLogPanel::ShowContextMenu);
  auto* copyAll = new QPushButton("すべてコピー", body);
  copyAll->setObjectName("cmdCOPYALL");
  connect(copyAll, &QPushButton::clicked, this, &GameLogPanel::CopyAll);
  layout->addWidget(lines_);
  layout->addWidget(copyAll, 0, Qt::AlignRight);
  setWidget(body);
}

QColor GameLogPanel::ColourOf(int seat) const {
  if (!sheet_ || seat < 1 || seat > kSeats) return kTableText;
  return QColor::fromRgb(ui::SeatColourOn(*sheet_, seat, kGround));
}

void GameLogPanel::AppendLine(QTextCursor& cursor, const ui::LogEntry& entry) {
  QTextCharFormat format;
  format.setForeground(ColourOf(entry.seat));
  format.setFontWeight(Emphasised(entry.kind) ? QFont::Bold : QFont::Normal);
  if (!lines_->document()->isEmpty()) cursor.insertBlock();
  cursor.insertText(QString::fromStdString(entry.text), format);
}

void GameLogPanel::Append(const ui::LogEntry& entry) {
  QTextCursor cursor(lines_->document());
  cursor.movePosition(QTextCursor::End);
  AppendLine(cursor, entry);
  lines_->verticalScrollBar()->setValue(lines_->verticalScrollBar()->maximum());
}

void GameLogPanel::SetEntries(const std::vector<ui::LogEntry>& entries) {
  lines_->clear();
  QTextCursor cursor(lines_->document());
  cursor.beginEditBlock();
  for (const ui::LogEntry& entry : entries)
    AppendLine(cursor, entry);
  cursor.endEditBlock();
  lines_->verticalScrollBar()->setValue(lines_->verticalScrollBar()->maximum());
}

void GameLogPanel::Clear() {
  lines_->clear();
}

void GameLogPanel::Copy() {
  if (lines_->textCursor().hasSelection()) {
    lines_->copy();
  } else {
    CopyAll();
  }
}

void GameLogPanel::CopyAll() {
  QApplication::clipboard()->setText(lines_->toPlainText());
}

QSize GameLogPanel::sizeHint() const {
  // Room for a line of about twenty-four full-width characters.
  return {fontMetrics().horizontalAdvance(QString(24, QChar(0x3042))) + 24, QDockWidget::sizeHint().height()};
}

void GameLogPanel::closeEvent(QCloseEvent* event) {
  QDockWidget::closeEvent(event);
  if (event->isAccepted()) emit ClosedByUser();
}

// Ctrl+C with nothing selected copies the whole log.
bool GameLogPanel::eventFilter(QObject* watched, QEvent* event) {
  const bool copyKey = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                       static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
  if (watched != lines_ || !copyKey) return QDockWidget::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) Copy();
  event->accept();
  return event->type() == QEvent::KeyPress;
}

void GameLogPanel::ShowContextMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* copy = menu.addAction("コピー(&C)", this, &GameLogPanel::Copy);
  copy->setShortcut(QKeySequence::Copy);
  menu.addAction("すべてコピー(&A)", this, &GameLogPanel::CopyAll);
  menu.addSeparator();
  menu.addAction("すべて選択(&S)", lines_, &QPlainTextEdit::selectAll);
  menu.exec(lines_->mapToGlobal(at));
}

}  // namespace zunpa::qt
