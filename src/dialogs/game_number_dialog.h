#pragma once
// frmNUMBER, "番号を指定して新規": the number of the game to deal.

#include <QDialog>
#include <cstdint>
#include <optional>

class QLineEdit;
class QWidget;

namespace zunpa::qt {

// The number on an accepted OK; nothing on Cancel. `preset`: the number
// of the game on the table, offered to be dealt again.
std::optional<std::uint64_t> RunGameNumber(QWidget* mainWindow, std::optional<std::uint64_t> preset);

class GameNumberDialog : public QDialog {
  Q_OBJECT
 public:
  GameNumberDialog(QWidget* mainWindow, std::optional<std::uint64_t> preset);
  // Set once OK is accepted.
  const std::optional<std::uint64_t>& Chosen() const { return chosen_; }

 private:
  // A bad number is told and left in the box to be put right.
  void PressOk();

  QLineEdit* text_ = nullptr;
  std::optional<std::uint64_t> chosen_;
};

}  // namespace zunpa::qt
