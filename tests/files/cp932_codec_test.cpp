// The game's CP932 codec and the texts of its files against Qt's codec and
// the Qt code they were read and written through before.
#include "files/cp932_codec.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <random>

#include "files/cp932_text.h"
#include "files/high_scores.h"

namespace zunpa::testing {
namespace {

constexpr const char* kCodec = "windows-31j";

std::optional<std::string> QtDecode(const QByteArray& bytes) {
  // The CR shows a cut-off pair as an error instead of a pending byte.
  QStringDecoder decoder(kCodec);
  QString text = decoder.decode(bytes + '\r');
  if (decoder.hasError() || !text.endsWith(QLatin1Char('\r'))) return std::nullopt;
  text.chop(1);
  return text.toStdString();
}

std::optional<std::string> QtEncode(const QString& text) {
  QStringEncoder encoder(kCodec);
  const QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

TEST(Cp932CodecTest, ReadsEveryOneAndTwoByteSequenceAsQt) {
  int good = 0;
  for (int first = 0; first < 256; ++first)
    for (int second = -1; second < 256; ++second) {
      QByteArray bytes(1, static_cast<char>(first));
      if (second >= 0) bytes += static_cast<char>(second);
      const auto expected = QtDecode(bytes);
      ASSERT_EQ(cp932::Decode(bytes.toStdString()), expected) << std::hex << first << ' ' << second;
      // One character: a single byte, or a pair.
      good += expected && QString::fromStdString(*expected).size() == 1;
    }
  EXPECT_EQ(good, 9795);
}

TEST(Cp932CodecTest, WritesEveryCharacterAsQt) {
  int written = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    // Not fromUcs4, which drops a byte order mark.
    const QChar units[] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
    const QString text = c < 0x10000 ? QString(QChar(static_cast<char16_t>(c))) : QString(units, 2);
    const auto expected = QtEncode(text);
    ASSERT_EQ(cp932::Encode(std::u32string(1, c)), expected) << std::hex << static_cast<unsigned>(c);
    written += expected.has_value();
  }
  EXPECT_EQ(written, 9398);
}

// The texts' functions as they were written on Qt.
QString FromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

DecodedLines QtDecodeLines(std::string_view bytes) {
  DecodedLines out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto text = QtDecode(QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    out.fault = line.size() > kMaxLineBytes || line.find('\0') != std::string_view::npos || !text;
    if (out.fault) return out;
    out.lines.push_back(*text);
    start = end + 1;
  }
  return out;
}

std::optional<std::string> QtEncodeLines(const std::vector<std::string>& lines) {
  QStringEncoder encoder(kCodec);
  QByteArray bytes;
  for (const std::string& line : lines)
    bytes += encoder.encode(FromUtf8(line)) + "\r\n";
  if (encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

std::string QtSanitize(std::string_view utf8) {
  const QString text = FromUtf8(utf8);
  QString out;
  for (auto it = text.cbegin(); it != text.cend(); ++it) {
    QString ch(*it);
    if (it->isHighSurrogate() && it + 1 != text.cend()) ch += *++it;
    if (ch == QLatin1String("\"")) {
      out += QChar(0x201D);
    } else if (ch.size() == 1 && (ch[0].unicode() < 0x20 || ch[0].unicode() == 0x7F)) {
      out += QLatin1Char(' ');
    } else if (!QtEncode(ch)) {
      out += QLatin1Char('?');
    } else {
      out += ch;
    }
  }
  return out.toStdString();
}

std::optional<int> QtPointsOfRow(std::string_view row) {
  static const QRegularExpression form(QStringLiteral("^(0|-?[1-9][0-9]{0,5}),.*,[1-4]位,[0-9]{2}/[0-9]{2}/[0-9]{2}$"),
                                       QRegularExpression::DotMatchesEverythingOption);
  const QString s = FromUtf8(row);
  if (!form.match(s).hasMatch()) return std::nullopt;
  return s.left(s.indexOf(QLatin1Char(','))).toInt();
}

std::vector<std::string> QtCellsOfRow(std::string_view row) {
  const QString s = FromUtf8(row);
  const auto points = QtPointsOfRow(row);
  if (!points) return {"", "", "", ""};
  const qsizetype k = QString::number(*points).size();
  return {QString::number(*points).toStdString(), s.mid(k + 1, s.size() - k - 13).toStdString(),
          s.right(11).left(2).toStdString(), s.right(8).toStdString()};
}

// Texts of pieces that the old code treated in its own ways: byte order
// marks, broken and cut-off UTF-8, surrogates written out, characters that
// ICU skips unseen, control characters, characters beyond the BMP.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"a",
                                                  ",",
                                                  "\"",
                                                  "0",
                                                  "1",
                                                  "9",
                                                  "-",
                                                  "/",
                                                  "位",
                                                  "\n",
                                                  "\r",
                                                  std::string(1, '\0'),
                                                  "\x7F",
                                                  "\t",
                                                  "\xEF\xBB\xBF",
                                                  "\xC2\xAD",
                                                  "\xE2\x80\x8B",
                                                  "\xE2\x80\x94",
                                                  "\xEF\xBD\x9E",
                                                  "ｱ",
                                                  "髙",
                                                  "¥",
                                                  "\xF0\x9F\x98\x80",
                                                  "\xED\xA0\x80",
                                                  "\xC0\x80",
                                                  "\xE3\x81",
                                                  "\xF4\x90\x80\x80",
                                                  "\x80",
                                                  "\xFF",
                                                  "\xC3",
                                                  "100,",
                                                  ",1位,98/01/01",
                                                  "\xEE\x80\x80"};
  std::string text;
  for (int n = std::uniform_int_distribution<int>(0, 8)(random); n > 0; --n)
    text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  return text;
}

TEST(Cp932CodecTest, TextsOfTheFilesComeOutAsOnQt) {
  std::mt19937 random(932);
  int rowsOfTheForm = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = RandomText(random), other = RandomText(random);
    ASSERT_EQ(SanitizeForCp932(text), QtSanitize(text)) << ::testing::PrintToString(text);
    ASSERT_EQ(EncodeCp932Lines({text, other}), QtEncodeLines({text, other})) << ::testing::PrintToString(text);
    const std::string row =
        (i % 2 ? "-12345," : "0,") + text + (i % 3 ? ",4位,26/12/11" : "") + (i % 4 ? "" : other) + (i % 5 ? "" : "\n");
    ASSERT_EQ(PointsOfRow(row), QtPointsOfRow(row)) << ::testing::PrintToString(row);
    rowsOfTheForm += QtPointsOfRow(row).has_value();
    const HighScoreCells cells = CellsOfRow(row);
    ASSERT_EQ((std::vector<std::string>{cells.points, cells.name, cells.gamePlace, cells.date}), QtCellsOfRow(row))
        << ::testing::PrintToString(row);
    // Reading: the CP932 bytes of a row cut anywhere, and random bytes.
    const auto bytes = QtEncodeLines({QtSanitize(row), QtSanitize(other)});
    ASSERT_TRUE(bytes);
    std::string raw;
    for (int n = i % 9; n > 0; --n)
      raw += "\x81\x40\x5C\xA0\xFD\x80\x82\xA0\r\n\0a\xEA\xA4\xFC\xFC\xF0"[random() % 17];
    for (const std::string& in : {bytes->substr(0, random() % (bytes->size() + 1)), raw}) {
      const DecodedLines mine = DecodeCp932Lines(in), theirs = QtDecodeLines(in);
      ASSERT_EQ(mine.lines, theirs.lines) << ::testing::PrintToString(in);
      ASSERT_EQ(mine.fault, theirs.fault) << ::testing::PrintToString(in);
    }
  }
  EXPECT_GT(rowsOfTheForm, 5000);
}

TEST(Cp932CodecTest, TodayIsWrittenAsQDateWroteIt) {
  EXPECT_EQ(TodayYyMmDd(), QDate::currentDate().toString(QStringLiteral("yy/MM/dd")).toStdString());
}

}  // namespace
}  // namespace zunpa::testing
