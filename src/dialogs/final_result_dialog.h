#pragma once
// frmRESULT, "結果": the final standings of a game.

#include <QDialog>

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

void RunFinalResult(QWidget* mainWindow, const FinalResult& result);

class FinalResultDialog : public QDialog {
  Q_OBJECT
 public:
  FinalResultDialog(QWidget* mainWindow, const FinalResult& result);
};

}  // namespace zunpa::qt
