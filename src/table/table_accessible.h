#pragma once
// The table's pictures as children a screen reader can walk: the user's
// cards, the pile and the other hands, after the table's real widgets
// (captions and "めくる"), which speak for themselves.

#include <QAccessibleWidget>

namespace zunpa::qt {

class TableWidget;

class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(TableWidget* table);
  ~TableAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;

  // The child index of a table item, for focus events.
  int IndexOfItem(int item) const { return QAccessibleWidget::childCount() + item; }
  // Installed once: every TableWidget gets this interface.
  static void InstallFactory();

 private:
  QAccessibleInterface* Item(int item) const;
  TableWidget* table() const;
  mutable std::vector<QAccessible::Id> items_;
};

}  // namespace zunpa::qt
