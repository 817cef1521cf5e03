#include "table/table_accessible.h"

#include "table/table_widget.h"
#include "ui_logic/table_items.h"

namespace zunpa::qt {
namespace {

// One picture of the table, by its place in the table's item list; it
// reads the table afresh on every question, so it is never stale.
class TableItemAccessible : public QAccessibleInterface {
 public:
  TableItemAccessible(TableWidget* table, int item) : table_(table), item_(item) {}
  bool isValid() const override { return table_ && item_ < int(table_->items().size()); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(table_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override {
    return isValid() && Data().kind == ui::TableItem::UserCard ? QAccessible::ListItem : QAccessible::Graphic;
  }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return QString::fromStdString(Data().name);
    if (t == QAccessible::Description) return table_->DescriptionOfItem(item_);
    return {};
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const ui::TableItem& d = Data();
    const QRect local = table_->transform().ToPixels(d.left, d.top, d.width, d.height);
    return QRect(table_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = Data().kind == ui::TableItem::UserCard;
    s.focused = table_->window()->focusWidget() == table_ && table_->focusShown() && table_->FocusedItem() == item_;
    return s;
  }

 private:
  const ui::TableItem& Data() const { return table_->items()[std::size_t(item_)]; }
  QPointer<TableWidget> table_;
  int item_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("zunpa::qt::TableWidget") && object && object->isWidgetType())
    return new TableAccessible(static_cast<TableWidget*>(object));
  return nullptr;
}

}  // namespace

TableAccessible::TableAccessible(TableWidget* table) : QAccessibleWidget(table, QAccessible::Pane, "テーブル") {}

TableAccessible::~TableAccessible() {
  for (QAccessible::Id id : items_)
    QAccessible::deleteAccessibleInterface(id);
}

TableWidget* TableAccessible::table() const {
  return static_cast<TableWidget*>(widget());
}

void TableAccessible::InstallFactory() {
  static const bool installed = (QAccessible::installFactory(Factory), true);
  (void)installed;
}

int TableAccessible::childCount() const {
  return QAccessibleWidget::childCount() + int(table()->items().size());
}

QAccessibleInterface* TableAccessible::Item(int item) const {
  while (int(items_.size()) <= item)
    items_.push_back(QAccessible::registerAccessibleInterface(new TableItemAccessible(table(), int(items_.size()))));
  return QAccessible::accessibleInterface(items_[std::size_t(item)]);
}

QAccessibleInterface* TableAccessible::child(int index) const {
  const int widgets = QAccessibleWidget::childCount();
  if (index < widgets) return QAccessibleWidget::child(index);
  const int item = index - widgets;
  return item < int(table()->items().size()) ? Item(item) : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int k = 0; k < int(items_.size()); ++k)
    if (QAccessible::accessibleInterface(items_[std::size_t(k)]) == child)
      return k < int(table()->items().size()) ? IndexOfItem(k) : -1;
  return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
  if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
  for (int k = int(table()->items().size()) - 1; k >= 0; --k)
    if (QAccessibleInterface* item = Item(k); item->rect().contains(x, y)) return item;
  return nullptr;
}

QString TableAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return "テーブル";
  return QAccessibleWidget::text(t);
}

}  // namespace zunpa::qt
