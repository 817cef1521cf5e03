#include "table/balloon.h"

#include <QLabel>
#include <algorithm>

namespace zunpa::qt {

Balloon::Balloon(QWidget* table) : QWidget(table), label_(new QLabel(this)) {
  setObjectName("frmMSG");
  hide();
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 192));
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  label_->setObjectName("lblMSG");
  label_->setAlignment(Qt::AlignCenter);
}

// The label sits 120 twips in from each edge; the window fits it.
void Balloon::ShowAt(const QString& text, QPoint topLeft, double scale) {
  label_->setText(text);
  QFont font = label_->font();
  font.setPixelSize(std::max(8, int(9 * scale * 15 * 96 / 72 + 0.5)));
  font.setBold(true);
  label_->setFont(font);
  const int margin = std::max(4, int(120 * scale + 0.5));
  const QSize labelSize(std::max(int(1095 * scale + 0.5), label_->sizeHint().width()),
                        std::max(int(255 * scale + 0.5), label_->sizeHint().height()));
  label_->setGeometry(margin, margin, labelSize.width(), labelSize.height());
  resize(labelSize + QSize(2 * margin, 2 * margin));
  move(topLeft);
  show();
  raise();
}

QString Balloon::text() const {
  return label_->text();
}

}  // namespace zunpa::qt
