#pragma once
// frmFURIKAERI, "ふりかえり": the user's decisions of the game so far where
// 読み's choice was worth clearly more, newest round first. 読み weighs
// them on a thread of its own while the window is up.

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "session/look_back.h"

class QLabel;
class QTreeWidget;

namespace zunpa::qt {

void RunLookBack(QWidget* mainWindow, const DecisionLog& decisions, const YomiSettings& settings);

class LookBackDialog : public QDialog {
  Q_OBJECT
 public:
  LookBackDialog(QWidget* mainWindow, const DecisionLog& decisions, const YomiSettings& settings);
  ~LookBackDialog() override;
  // Every row shown once 読み is done; false while it still thinks.
  bool Done() const { return done_; }
  const QTreeWidget* rows() const { return rows_; }

 private:
  void Show(const std::vector<Regret>& regrets);

  QLabel* status_ = nullptr;
  QTreeWidget* rows_ = nullptr;
  std::atomic<bool> cancel_{false};
  std::thread thread_;
  bool done_ = false;
};

}  // namespace zunpa::qt
