#pragma once
// frmCHARA, "ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧": the characters described, everyone's records.

#include <QDialog>
#include <array>
#include <string>

#include "rules/records.h"
#include "ui_logic/character_sheet.h"

class QComboBox;
class QLabel;
class QWidget;

namespace zunpa::qt {

void RunCharacterSheet(QWidget* mainWindow, const Records& records, const std::string& userName);

class CharacterSheetDialog : public QDialog {
  Q_OBJECT
 public:
  CharacterSheetDialog(QWidget* mainWindow, const Records& records, const std::string& userName);

 private:
  void BuildDescription(const ui::CharacterSheet& sheet);
  void BuildGrid(const ui::CharacterSheet& sheet);
  void ShowDescription(int entry);
  int DescriptionWidth() const;

  std::array<QLabel*, ui::kDescriptionLines> lines_{};
};

}  // namespace zunpa::qt
