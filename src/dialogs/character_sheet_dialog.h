#pragma once
// frmCHARA, "ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧": the characters described, everyone's records.

#include <string>

#include "rules/records.h"

class QWidget;

namespace zunpa::qt {

void RunCharacterSheet(QWidget* mainWindow, const Records& records, const std::string& userName);

}  // namespace zunpa::qt
