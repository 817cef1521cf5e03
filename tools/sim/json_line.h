#pragma once
// One line of a game's JSON log, added to the end of the log's string.
// The line is put together in a buffer on the stack and appended in one
// piece by End(): a string append per field, or per comma, costs more than
// the bytes it copies. The runner clears a game's log and keeps its
// capacity, so after the first games a line allocates nothing.
//
//   JsonLine(log, "play").Int("seat", 3).Int("card", 205).End();
//   -> {"ev":"play","seat":3,"card":205}\n
//
// Keys are string literals: their lengths are known when compiled, so a key
// is copied in a few moves, with no call and no length to count.

#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace zunpa::sim {

class JsonLine {
 public:
  template <std::size_t N>
  using Literal = char[N];

  // Opens the line with its event: {"ev":"<event>"
  template <std::size_t N>
  JsonLine(std::string& out, const Literal<N>& event) : out_(out) {
    static_assert(N + 16 <= kBuffer, "the line's start fits the empty buffer");
    *end_++ = '{';
    Key("ev");
    *end_++ = '"';
    end_ = Copy(event, N - 1);
    *end_++ = '"';
    needsComma_ = true;
  }
  JsonLine(const JsonLine&) = delete;
  JsonLine& operator=(const JsonLine&) = delete;

  // The object's fields.
  template <std::size_t N>
  JsonLine& Int(const Literal<N>& key, long long value) {
    Key(key);
    return Item(value);
  }
  template <std::size_t N>
  JsonLine& Bool(const Literal<N>& key, bool value) {
    Key(key);
    return value ? Word("true") : Word("false");
  }
  template <std::size_t N>
  JsonLine& Null(const Literal<N>& key) {
    Key(key);
    return Word("null");
  }
  template <std::size_t N>
  JsonLine& Text(const Literal<N>& key, std::string_view text) {
    Key(key);
    return TextItem(text);
  }

  // Arrays: Open under a key, or inside an array without one; Item and
  // TextItem add values; Close ends the innermost array.
  template <std::size_t N>
  JsonLine& Open(const Literal<N>& key) {
    Key(key);
    return Open();
  }
  JsonLine& Open() {
    Reserve(2);
    Separate();
    *end_++ = '[';
    needsComma_ = false;
    return *this;
  }
  JsonLine& Item(long long value) {
    Reserve(1 + kLongDigits);
    Separate();
    end_ = std::to_chars(end_, buffer_ + kBuffer, value).ptr;
    needsComma_ = true;
    return *this;
  }
  // Written as it is, unescaped: the names and words the log carries have
  // no quotes, backslashes or control characters. Unlike keys, these are
  // known only at run time.
  JsonLine& TextItem(std::string_view text) {
    Reserve(2);
    Separate();
    *end_++ = '"';
    Put(text);
    Reserve(1);
    *end_++ = '"';
    needsComma_ = true;
    return *this;
  }
  JsonLine& Close() {
    Reserve(1);
    *end_++ = ']';
    needsComma_ = true;
    return *this;
  }
  // A whole range of numbers as one array, under a key or inside an array.
  template <std::size_t N, typename Range>
  JsonLine& Ints(const Literal<N>& key, const Range& values) {
    Key(key);
    return Ints(values);
  }
  template <typename Range>
  JsonLine& Ints(const Range& values) {
    Open();
    for (long long v : values)
      Item(v);
    return Close();
  }

  // Closes the object and the line, and adds the line to the log.
  void End() {
    Reserve(2);
    *end_++ = '}';
    *end_++ = '\n';
    Flush();
  }

 private:
  // A deal, the longest line of a game, fits; a longer one (long names) is
  // appended in pieces.
  static constexpr std::size_t kBuffer = 512;
  // Any number, its sign included: the same width on every machine.
  static constexpr std::size_t kLongDigits = std::numeric_limits<long long>::digits10 + 2;

  // The comma rule: a comma before every key or array item but the first of
  // its object or array; none between a key and its value. Callers make
  // room for it.
  void Separate() {
    if (needsComma_) *end_++ = ',';
  }
  template <std::size_t N>
  void Key(const Literal<N>& key) {
    static_assert(N + 3 <= kBuffer);
    Reserve(N + 3);  // the comma, the quotes and the colon; N counts the '\0'
    Separate();
    *end_++ = '"';
    end_ = Copy(key, N - 1);
    *end_++ = '"';
    *end_++ = ':';
    needsComma_ = false;
  }
  // true, false or null, written bare.
  template <std::size_t N>
  JsonLine& Word(const Literal<N>& word) {
    Reserve(N);
    Separate();
    end_ = Copy(word, N - 1);
    needsComma_ = true;
    return *this;
  }

  std::size_t Room() const { return static_cast<std::size_t>(buffer_ + kBuffer - end_); }
  // Makes room for n more bytes in the buffer (n at most kBuffer).
  void Reserve(std::size_t n) {
    if (Room() < n) Flush();
  }
  char* Copy(const char* from, std::size_t n) {
    std::memcpy(end_, from, n);
    return end_ + n;
  }
  void Put(std::string_view text) {
    if (text.size() > Room()) return PutPastTheBuffer(text);
    end_ = Copy(text.data(), text.size());
  }
  // The rare and the once-a-line paths, kept out of line so that what is
  // inlined at every field stays small.
  void PutPastTheBuffer(std::string_view text);
  void Flush();

  std::string& out_;
  bool needsComma_ = false;
  char buffer_[kBuffer];
  char* end_ = buffer_;
};

}  // namespace zunpa::sim
