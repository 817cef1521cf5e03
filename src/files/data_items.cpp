#include "files/data_items.h"

#include <charconv>
#include <cmath>

#include "files/cp932_text.h"
#include "rules/decimal_text.h"

namespace zunpa {

std::optional<std::vector<DataItem>> SplitDataItems(std::string_view line) {
  std::vector<DataItem> items;
  std::size_t i = 0;
  while (true) {
    DataItem item;
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      item.text = std::string(line.substr(i + 1, close - i - 1));
      item.quoted = true;
      i = close + 1;
      if (i < line.size() && line[i] != ',') return std::nullopt;
    } else {
      const std::size_t comma = std::min(line.find(',', i), line.size());
      item.text = std::string(line.substr(i, comma - i));
      i = comma;
    }
    items.push_back(std::move(item));
    if (i >= line.size()) return items;
    ++i;  // the comma
  }
}

std::optional<long> IntegerItem(const DataItem& item, long min, long max) {
  if (item.quoted || item.text.empty()) return std::nullopt;
  long value = 0;
  const char* begin = item.text.data();
  const char* end = begin + item.text.size();
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || value < min || value > max) return std::nullopt;
  return value;
}

std::optional<double> DecimalItem(const DataItem& item) {
  if (item.quoted || item.text.empty()) return std::nullopt;
  for (char c : item.text)
    if (!(c == '-' || c == '.' || (c >= '0' && c <= '9'))) return std::nullopt;
  const auto value = ReadDecimal(item.text, DecimalForm::kFixed);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<bool> BooleanItem(const DataItem& item) {
  if (item.quoted) return std::nullopt;
  if (item.text == "#TRUE#") return true;
  if (item.text == "#FALSE#") return false;
  return std::nullopt;
}

std::optional<std::string> TextItem(const DataItem& item) {
  if (!item.quoted) return std::nullopt;
  return item.text;
}

bool DataCursor::Fail() {
  fault_ = true;
  return false;
}

bool DataCursor::Line(std::size_t items) {
  if (fault_) return false;
  if (line_ >= lines_.size()) return Fail();
  auto split = SplitDataItems(lines_[line_++]);
  if (!split) return Fail();
  items_ = std::move(*split);
  next_ = 0;
  expected_ = items;
  return true;
}

const DataItem* DataCursor::Next() {
  if (fault_ || next_ >= items_.size()) return nullptr;
  return &items_[next_];
}

namespace {

template <typename T, typename V>
bool Store(const std::optional<T>& value, V& into) {
  if (!value) return false;
  into = static_cast<V>(*value);
  return true;
}

}  // namespace

bool DataCursor::Int(int& into, long min, long max) {
  const DataItem* item = Next();
  if (!item || !Store(IntegerItem(*item, min, max), into)) return Fail();
  ++next_, ++itemsRead_;
  return true;
}

bool DataCursor::Decimal(double& into) {
  const DataItem* item = Next();
  if (!item || !Store(DecimalItem(*item), into)) return Fail();
  ++next_, ++itemsRead_;
  return true;
}

bool DataCursor::Bool(bool& into) {
  const DataItem* item = Next();
  if (!item || !Store(BooleanItem(*item), into)) return Fail();
  ++next_, ++itemsRead_;
  return true;
}

bool DataCursor::Text(std::string& into) {
  const DataItem* item = Next();
  if (!item || !Store(TextItem(*item), into)) return Fail();
  // What the writers could not write back (a control character) is read as
  // they would write it.
  into = SanitizeForCp932(into);

  ++next_, ++itemsRead_;
  return true;
}

bool DataCursor::EndOfLine() {
  if (fault_) return false;
  return items_.size() == expected_ || Fail();
}

bool DataCursor::EndOfFile() {
  if (fault_) return false;
  for (std::size_t i = line_; i < lines_.size(); ++i)
    if (!lines_[i].empty()) return Fail();
  return !decodeFault_ || Fail();
}

std::string BooleanText(bool value) {
  return value ? "#TRUE#" : "#FALSE#";
}

std::string DecimalText(double value) {
  // Written into 64 bytes once: a longer text was written as nothing.
  std::string text = ShortestFixedText(value);
  if (text.size() > 64) text.clear();
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string QuotedText(std::string_view utf8) {
  return "\"" + SanitizeForCp932(utf8) + "\"";
}

std::string JoinItems(const std::vector<std::string>& items) {
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) line += ',';
    line += items[i];
  }
  return line;
}

}  // namespace zunpa
