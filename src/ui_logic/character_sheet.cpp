#include "ui_logic/character_sheet.h"

#include <cstdlib>

#include "rules/characters.h"
#include "ui_logic/utf8_text.h"

namespace zunpa::ui {
namespace {

// A row shows a counter, or one counter over another with some decimals.
struct Row {
  std::string_view caption;
  RecordCounter value;
  RecordCounter divisor = kRecordCounters;  // none
  int decimals = 0;
};

constexpr std::array<Row, kSheetRows> kRows = {{
    {"参加回数", RecRounds},
    {"通算得点", RecRoundPoints},
    {"勝数", RecWins},
    {"あがり勝数", RecOutWins},
    {"ズンパ数", RecZunpaWins},
    {"被ズンパ数", RecZunpaLosses},
    {"1回の平均得点", RecRoundPoints, RecRounds, 1},
    {"勝率", RecWins, RecRounds, 3},
    // Shares of the rounds won, not of the rounds played.
    {"あがり勝率", RecOutWins, RecWins, 3},
    {"ズンパ率", RecZunpaWins, RecWins, 3},
    {"被ズンパ率", RecZunpaLosses, RecRounds, 3},
    {"20R参加回数", RecGames},
    {"20R平均得点", RecGamePoints, RecGames, 0},
    {"１位回数", RecFirsts},
    {"２位回数", RecSeconds},
    {"３位回数", RecThirds},
    {"４位回数", RecFourths},
    {"20Rﾏｲﾅｽ回数", RecMinusGames},
    {"20R千点以上回数", RecThousandGames},
}};

using Lines = std::array<std::string_view, kDescriptionLines>;
constexpr std::array<Lines, kSheetEntries> kDescriptions = {{
    {"初めてやる方は、「ｱｶﾞﾘｰﾀ、ｳｯｶﾘﾊﾁﾍﾞｴ、ﾙ･ﾆｭｰﾄﾗ」", "という組み合わせでやるといいと思います。",
     "（この３人は強くないので）", "", "他の３人はやや強かったり非常に強かったりします。",
     "作った本人もこの３人相手ではなかなか勝てまへん・・・。"},
    {"あがることが好きなアガリタガール。", "ときには、ズンパを見送ることもある。",
     "11は出せるときにすぐに出してしまう。", "強くはないので練習用にはありがたガール。", "", ""},
    {"その名の通り、うっかりミスをするキャラクター。", "カードが見えないので、何をしてるか分かりづらいと思いますが、",
     "内部的にうっかりミスをたくさんしています。", "ズンパを人間同士でやる場合に、出せるのに出さなかったり、",
     "複数出せる場合に、あかんほうのカードを出したりすることが",
     "ままあるので、人間的なキャラクターであると申せましょう。"},
    {"ごくふつうのキャラクター。", "", "バランスは取れていて、うっかりミスはしないが、",
     "カードの出し方に工夫がないので、あまり強くはない。", "", ""},
    {"トリッキーなことが好き。", "", "ひっかけズンパをねらったりする。", "", "", ""},
    {"ズンパしかしないキャラ。", "あがり勝ちを潔しとしないキャラ。", "", "", "", ""},
    {"出されたカードをすべて記憶してしまう", "最強の（はずの）キャラ。", "",
     "しかし、あんまりたくさんデータをため込んで", "しまうため、守りの姿勢が目立ち、",
     "ちょっと理屈倒れなところがある。"},
    {"あなたです・・・。", "", "", "", "", ""},
}};

std::string ValueOf(const Records& records, int slot, const Row& row) {
  const std::int32_t value = records.Get(slot, row.value);
  if (row.divisor == kRecordCounters) return std::to_string(value);
  return FormatQuotient(value, records.Get(slot, row.divisor), row.decimals);
}

}  // namespace

std::string FormatQuotient(std::int64_t numerator, std::int64_t denominator, int decimals) {
  std::int64_t scale = 1;
  for (int i = 0; i < decimals; ++i)
    scale *= 10;
  // Exact in integers: a binary quotient would round 0.25 down to "0.2".
  std::int64_t scaled = 0;
  if (denominator != 0) {
    const std::int64_t n = std::llabs(numerator), d = std::llabs(denominator);
    scaled = (2 * n * scale + d) / (2 * d);
  }
  const bool negative = scaled != 0 && (numerator < 0) != (denominator < 0);
  std::string text = (negative ? "-" : "") + std::to_string(scaled / scale);
  if (decimals > 0) {
    const std::string fraction = std::to_string(scaled % scale + scale);  // leading 1 keeps the zeros
    text += "." + fraction.substr(1);
  }
  return text;
}

CharacterSheet BuildCharacterSheet(const Records& records, std::string_view userName) {
  CharacterSheet sheet;
  const std::string_view user = userName.empty() ? "You" : userName;
  sheet.headers[0] = "ｷｬﾗｸﾀｰ";
  sheet.entries[0] = "全般説明";
  for (int c = 0; c < kCharacterCount; ++c) {
    sheet.headers[2 * c + 1] = FirstCharacters(kCharacterNames[c], 4);
    sheet.headers[2 * c + 2] = AfterCharacters(kCharacterNames[c], 4);
    sheet.entries[c + 1] = kCharacterNames[c];
  }
  sheet.headers[13] = user;
  sheet.entries[7] = user;
  for (int r = 0; r < kSheetRows; ++r) {
    sheet.rowCaptions[r] = kRows[r].caption;
    for (int slot = 0; slot < kRecordSlots; ++slot)
      sheet.values[slot][r] = ValueOf(records, slot, kRows[r]);
  }
  return sheet;
}

std::array<std::string_view, kDescriptionLines> DescriptionOf(int entry) {
  if (entry < 0 || entry >= kSheetEntries) return {};
  return kDescriptions[entry];
}

}  // namespace zunpa::ui
