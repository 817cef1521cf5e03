#pragma once
// The items of a data-file line: numbers, "quoted texts" and #TRUE#/#FALSE#,
// separated by commas without spaces. A quoted text has no escape for a
// double quote inside.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zunpa {

struct DataItem {
  std::string text;
  bool quoted = false;
};

// The line's items, or nothing when a quote is left open or stray text
// follows a closing quote.
std::optional<std::vector<DataItem>> SplitDataItems(std::string_view line);

std::optional<long> IntegerItem(const DataItem& item, long min, long max);
// Decimal with "." and no exponent.
std::optional<double> DecimalItem(const DataItem& item);
std::optional<bool> BooleanItem(const DataItem& item);
std::optional<std::string> TextItem(const DataItem& item);

// Reads a data file item by item in file order, as the game always has:
// every item is stored as soon as it is read, so the items before a fault
// keep their values. Each read returns false once the file has failed.
class DataCursor {
 public:
  DataCursor(const std::vector<std::string>& lines, bool decodeFault) : lines_(lines), decodeFault_(decodeFault) {}
  // Moves to the next line, which must hold exactly `items` items.
  bool Line(std::size_t items);
  bool Int(int& into, long min, long max);
  bool Decimal(double& into);
  bool Bool(bool& into);
  bool Text(std::string& into);
  bool EndOfLine();
  // Nothing but empty lines follows.
  bool EndOfFile();
  bool Fault() const { return fault_; }
  int ItemsRead() const { return itemsRead_; }

 private:
  const DataItem* Next();
  bool Fail();
  const std::vector<std::string>& lines_;
  bool decodeFault_;
  std::size_t line_ = 0;
  std::vector<DataItem> items_;
  std::size_t next_ = 0, expected_ = 0;
  int itemsRead_ = 0;
  bool fault_ = false;
};

std::string BooleanText(bool value);
// No trailing zeros, no point for whole values: 9, 8.25.
std::string DecimalText(double value);
// The text in double quotes, made holdable first.
std::string QuotedText(std::string_view utf8);
std::string JoinItems(const std::vector<std::string>& items);

}  // namespace zunpa
