#pragma once
// Controls placed by hand, named as the game's code names them.

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace zunpa::qt {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place);
// Enter presses only the button made default, whichever has the focus.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text, const QRect& place);
// A text too wide for its label ends in "…" and shows whole as the tooltip.
void SetFittedText(QLabel* label, const QString& text);
// A control array's member name: "lblPOINT" and 37 make "lblPOINT37".
QString Member(const char* name, int index);

}  // namespace zunpa::qt
