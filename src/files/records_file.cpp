#include "files/records_file.h"

#include <limits>

#include "files/cp932_text.h"
#include "files/data_items.h"
#include "files/safe_file.h"
#include "rules/notices.h"

namespace zunpa {
namespace {

constexpr std::string_view kReadFault =
    "エラーをトラップしました。zunpa.exeと同じフォルダにあるsave.txtの中身がおかしい可能性があります。"
    "削除してください。";

}  // namespace

RecordsRead ParseRecords(std::string_view bytes) {
  RecordsRead out;
  const DecodedLines decoded = DecodeCp932Lines(bytes);
  DataCursor c(decoded.lines, decoded.fault);
  constexpr long kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
  for (auto& slot : out.records.table) {
    if (!c.Line(kRecordCounters)) break;
    for (std::int32_t& counter : slot) {
      int value = 0;
      if (!c.Int(value, kMin, kMax)) break;
      counter = value;
    }
    if (!c.EndOfLine()) break;
  }
  c.EndOfFile();
  out.fault = c.Fault();
  return out;
}

std::vector<std::string> RecordsLines(const Records& records) {
  std::vector<std::string> lines;
  for (const auto& slot : records.table) {
    std::vector<std::string> items;
    for (std::int32_t counter : slot)
      items.push_back(std::to_string(counter));
    lines.push_back(JoinItems(items));
  }
  return lines;
}

void LoadRecords(Game& g) {
  g.records = Records{};
  if (!FileExistsExactly(g.files.DataFolder(), std::string(kRecordsFile))) return;
  const auto bytes = ReadBoundedFile(PathInFolder(g.files.DataFolder(), kRecordsFile));
  const RecordsRead read = bytes ? ParseRecords(*bytes) : RecordsRead{Records{}, true};
  g.records = read.records;
  if (read.fault) ReportRecordsFault(g);
}

void ReportRecordsFault(Game& g) {
  Inform(g, kReadFault);
}

bool WriteRecords(const Game& g) {
  const auto bytes = EncodeCp932Lines(RecordsLines(g.records));
  return bytes && WriteFileAtomically(PathInFolder(g.files.DataFolder(), kRecordsFile), *bytes);
}

}  // namespace zunpa
