// Playing by keyboard and telling a screen reader: the focus ring over
// the stops, the hint, and the table's pictures as accessible items.

#include <QAccessible>
#include <QPushButton>

#include "table/table_accessible.h"
#include "table/table_widget.h"

namespace zunpa::qt {

void TableWidget::SyncFocus() {
  std::vector<ui::FocusStop> stops = ui::FocusStops(*game_);
  if (hint_ && stops != stops_) ShowHint(std::nullopt);
  stops_ = std::move(stops);
  const auto before = focus_;
  focus_ = ui::KeepFocus(stops_, focus_);
  items_.reset();
  if (focus_ != before && focusShown()) TellFocus();
}

// The first key shows the ring where it stands; later ones move it.
void TableWidget::MoveFocus(int step) {
  if (stops_.empty()) return;
  focus_ = focusShown_ ? ui::StepFocus(stops_, focus_, step) : ui::KeepFocus(stops_, focus_);
  focusShown_ = true;
  TellFocus();
  update();
}

void TableWidget::PressFocused() {
  if (!focus_ || stops_.empty()) return;
  if (!focusShown_) {
    focusShown_ = true;
    TellFocus();
    update();
    return;
  }
  const ui::FocusStop stop = *focus_;
  if (stop.draw) {
    emit DrawPressed();
  } else {
    emit CardClicked(SuitOfCode(stop.code), RankOfCode(stop.code));
  }
}

void TableWidget::TellFocus() {
  if (!QAccessible::isActive() || !focus_) return;
  if (focus_->draw) {
    QAccessibleEvent event(drawButton_, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    return;
  }
  const int item = FocusedItem();
  auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(this));
  if (item < 0 || !table) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(table->IndexOfItem(item));
  QAccessible::updateAccessibility(&event);
}

void TableWidget::ShowHint(std::optional<ui::FocusStop> hint) {
  hint_ = hint;
  worthTags_.clear();
  drawButton_->setAccessibleDescription(hint_ && hint_->draw ? "ヒント" : "");
  update();
}

const std::vector<ui::TableItem>& TableWidget::items() const {
  if (!items_) items_ = game_ ? ui::TableItems(*game_) : std::vector<ui::TableItem>();
  return *items_;
}

int TableWidget::FocusedItem() const {
  if (!focus_ || focus_->draw) return -1;
  const std::vector<ui::TableItem>& all = items();
  for (int k = 0; k < int(all.size()); ++k)
    if (all[std::size_t(k)].kind == ui::TableItem::UserCard && all[std::size_t(k)].code == focus_->code) return k;
  return -1;
}

QString TableWidget::DescriptionOfItem(int item) const {
  const std::vector<ui::TableItem>& all = items();
  if (item < 0 || item >= int(all.size())) return {};
  const ui::TableItem& it = all[std::size_t(item)];
  QString text = QString::fromStdString(it.description);
  if (it.kind != ui::TableItem::UserCard) return text;
  if (hint_ && !hint_->draw && hint_->code == it.code) text += text.isEmpty() ? "ヒント" : "、ヒント";
  for (const ui::WorthTag& tag : worthTags_)
    if (!tag.stop.draw && tag.stop.code == it.code) text += "、読み " + QString::fromStdString(tag.text);
  return text;
}

}  // namespace zunpa::qt
