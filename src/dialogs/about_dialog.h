#pragma once
// frmAbout: the title and version 1.0.9.

#include <QDialog>

class QString;
class QWidget;

namespace zunpa::qt {

void RunAbout(QWidget* mainWindow, const QString& programFolder);

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  // The icon is "zunpas.png" in the program folder; without it the place
  // stays empty.
  AboutDialog(QWidget* mainWindow, const QString& programFolder);
};

}  // namespace zunpa::qt
