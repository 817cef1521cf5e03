#pragma once
// The manual, "Zunpas.hlp" (HTML) from the program folder.

class QString;
class QWidget;

namespace zunpa::qt {

void ShowHelp(QWidget* mainWindow, const QString& programFolder);

}  // namespace zunpa::qt
