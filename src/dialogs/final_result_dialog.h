#pragma once
// frmRESULT, "結果": the final standings of a game.

#include <QDialog>
#include <functional>

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

// `whenShown` runs first thing once the dialog has its place on screen.
void RunFinalResult(QWidget* mainWindow, const FinalResult& result,
                    const std::function<void(QDialog&)>& whenShown = {});

class FinalResultDialog : public QDialog {
  Q_OBJECT
 public:
  FinalResultDialog(QWidget* mainWindow, const FinalResult& result);
};

}  // namespace zunpa::qt
