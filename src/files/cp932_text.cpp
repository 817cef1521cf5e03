#include "files/cp932_text.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zunpa {
namespace {

constexpr const char* kCodec = "windows-31j";

QString FromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool Encodable(const QString& text) {
  QStringEncoder encoder(kCodec);
  const QByteArray bytes = encoder.encode(text);
  return !encoder.hasError();
}

}  // namespace

bool FileExistsExactly(const std::string& folder, const std::string& name) {
  const QDir dir(QString::fromStdString(folder));
  return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
      .contains(QString::fromStdString(name), Qt::CaseSensitive);
}

std::string PathInFolder(const std::string& folder, std::string_view name) {
  std::string path = folder.empty() ? std::string(".") : folder;
  if (path.back() != '/') path += '/';
  return path + std::string(name);
}

DecodedLines DecodeCp932Lines(std::string_view bytes) {
  DecodedLines out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool lastLine = end == std::string_view::npos;
    if (lastLine) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineBytes || line.find('\0') != std::string_view::npos) {
      out.fault = true;
      return out;
    }
    // A CR after the line makes a cut-off double-byte character show as an
    // error instead of waiting for its second byte.
    QByteArray raw(line.data(), static_cast<qsizetype>(line.size()));
    raw.append('\r');
    QStringDecoder decoder(kCodec);
    QString text = decoder.decode(raw);
    if (decoder.hasError() || !text.endsWith(QLatin1Char('\r'))) {
      out.fault = true;
      return out;
    }
    text.chop(1);
    out.lines.push_back(text.toStdString());
    start = end + 1;
  }
  return out;
}

std::optional<std::string> EncodeCp932Lines(const std::vector<std::string>& lines) {
  QStringEncoder encoder(kCodec);
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes += encoder.encode(FromUtf8(line));
    bytes += "\r\n";
  }
  if (encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

std::string SanitizeForCp932(std::string_view utf8) {
  const QString text = FromUtf8(utf8);
  QString out;
  for (auto it = text.cbegin(); it != text.cend(); ++it) {
    QString ch(*it);
    if (it->isHighSurrogate() && it + 1 != text.cend()) ch += *++it;
    if (ch == QLatin1String("\"")) {
      out += QChar(0x201D);
    } else if (ch.size() == 1 && (ch[0].unicode() < 0x20 || ch[0].unicode() == 0x7F)) {
      out += QLatin1Char(' ');
    } else if (!Encodable(ch)) {
      out += QLatin1Char('?');
    } else {
      out += ch;
    }
  }
  return out.toStdString();
}

}  // namespace zunpa
