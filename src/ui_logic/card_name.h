#pragma once
// How a card is named in words: for a screen reader and the game log.

#include <string>

namespace zunpa::ui {

// "ハートの9", "スペードのA", "ダイヤのK".
std::string CardName(int code);

}  // namespace zunpa::ui
