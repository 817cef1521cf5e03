#pragma once
// The family is set in code: the fallback would pick fonts whose kanji
// lean Chinese, and half-width katakana must come out right.

class QApplication;
class QString;

namespace zunpa::qt {

// IPAGothic, then VL Gothic, then Noto Sans CJK JP; the first installed.
QString JapaneseFontFamily();
void UseJapaneseFont(QApplication& app);

}  // namespace zunpa::qt
