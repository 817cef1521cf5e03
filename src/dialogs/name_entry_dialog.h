#pragma once
// frmINPUT, "記録": the name for a new high score.

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace zunpa::qt {

// The name on OK, at most 32 characters and cleaned as the files clean it;
// nothing when the window was closed otherwise.
std::optional<std::string> RunNameEntry(QWidget* mainWindow, const std::string& message, const std::string& preset);

class NameEntryDialog : public QDialog {
  Q_OBJECT
 public:
  NameEntryDialog(QWidget* mainWindow, const std::string& message, const std::string& preset);
  // Set by OK.
  const std::optional<std::string>& Name() const { return name_; }

 private:
  QLineEdit* text_ = nullptr;
  std::optional<std::string> name_;
};

}  // namespace zunpa::qt
