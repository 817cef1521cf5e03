#pragma once
// frmCHARA: the seven players' lifetime statistics as the grid shows them,
// the column headers, the list of texts to describe and their lines.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/records.h"

namespace zunpa::ui {

constexpr int kSheetRows = 19;
constexpr int kSheetEntries = 8;  // 全般説明, the six characters, the user
constexpr int kDescriptionLines = 6;

struct CharacterSheet {
  std::array<std::string, 15> headers;                                   // lblTOP
  std::array<std::string_view, kSheetRows> rowCaptions;                  // lblCAP
  std::array<std::array<std::string, kSheetRows>, kRecordSlots> values;  // [column][row]: lblPOINT(19c + r)
  std::array<std::string, kSheetEntries> entries;                        // cboCHAR
};

// The user's column is headed by the user's name, or "You" without one.
CharacterSheet BuildCharacterSheet(const Records& records, std::string_view userName);
std::array<std::string_view, kDescriptionLines> DescriptionOf(int entry);

// numerator / denominator with `decimals` places, rounded half away from
// zero; a zero denominator shows zero in the same pattern.
std::string FormatQuotient(std::int64_t numerator, std::int64_t denominator, int decimals);

}  // namespace zunpa::ui
