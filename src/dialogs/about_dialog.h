#pragma once
// frmAbout: the title and version 1.0.9.

class QWidget;

namespace zunpa::qt {

void RunAbout(QWidget* mainWindow);

}  // namespace zunpa::qt
