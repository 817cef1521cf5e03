#pragma once
// One line of a game's JSON log, appended straight onto the log's string.
// The runner clears that string between games and keeps its capacity, so a
// line costs its bytes and no allocation: numbers are formatted on the stack,
// and no field goes through a string of its own.
//
//   JsonLine(log, "play").Int("seat", 3).Int("card", 205).End();
//   -> {"ev":"play","seat":3,"card":205}\n

#include <charconv>
#include <string>
#include <string_view>

namespace zunpa::sim {

class JsonLine {
 public:
  // Opens the line with its event: {"ev":"<event>"
  JsonLine(std::string& out, std::string_view event) : out_(out) {
    out_ += '{';
    Text("ev", event);
  }

  // The object's fields.
  JsonLine& Int(std::string_view key, long value) {
    Key(key);
    return Item(value);
  }
  JsonLine& Bool(std::string_view key, bool value) {
    Key(key);
    return Word(value ? "true" : "false");
  }
  JsonLine& Null(std::string_view key) {
    Key(key);
    return Word("null");
  }
  JsonLine& Text(std::string_view key, std::string_view text) {
    Key(key);
    return TextItem(text);
  }

  // Arrays: Open under a key, or inside an array without one; Item and
  // TextItem add values; Close ends the innermost array.
  JsonLine& Open(std::string_view key) {
    Key(key);
    return Open();
  }
  JsonLine& Open() {
    Separate();
    out_ += '[';
    needsComma_ = false;
    return *this;
  }
  JsonLine& Item(long value) {
    char digits[24];  // any long, its sign included
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return Word(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  // Written as it is, unescaped: the names and words the log carries have
  // no quotes, backslashes or control characters.
  JsonLine& TextItem(std::string_view text) {
    Separate();
    out_ += '"';
    out_ += text;
    out_ += '"';
    needsComma_ = true;
    return *this;
  }
  JsonLine& Close() {
    out_ += ']';
    needsComma_ = true;
    return *this;
  }
  // A whole range of numbers as one array, under a key or inside an array.
  template <typename Range>
  JsonLine& Ints(std::string_view key, const Range& values) {
    Key(key);
    return Ints(values);
  }
  template <typename Range>
  JsonLine& Ints(const Range& values) {
    Open();
    for (long v : values)
      Item(v);
    return Close();
  }

  // Closes the object and the line.
  void End() { out_ += "}\n"; }

 private:
  // The comma rule: a comma before every key or array item but the first of
  // its object or array; none between a key and its value.
  void Separate() {
    if (needsComma_) out_ += ',';
  }
  void Key(std::string_view key) {
    Separate();
    out_ += '"';
    out_ += key;
    out_ += "\":";
    needsComma_ = false;
  }
  // A number or a literal, written bare.
  JsonLine& Word(std::string_view word) {
    Separate();
    out_ += word;
    needsComma_ = true;
    return *this;
  }

  std::string& out_;
  bool needsComma_ = false;
};

}  // namespace zunpa::sim
