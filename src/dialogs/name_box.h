#pragma once
// The name boxes of the player selection and the high-score entry: at most
// 32 characters, and cleaned at OK so that the name in play is the name the
// data files read back.

#include <string>

class QLineEdit;
class QString;

namespace zunpa::qt {

void LimitNameBox(QLineEdit* box);
std::string CleanName(const QString& text);

}  // namespace zunpa::qt
