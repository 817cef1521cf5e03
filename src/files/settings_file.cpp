#include "files/settings_file.h"

#include "files/cp932_text.h"
#include "files/data_items.h"
#include "files/safe_file.h"
#include "flow/seat_names.h"
#include "rules/notices.h"

namespace zunpa {
namespace {

constexpr std::string_view kReadFault =
    "エラーをトラップしました。zunpa.exeと同じフォルダにあるzunpas.iniの中身がおかしい可能性があります。"
    "削除してください。";

const Settings kDefaults{};

void UseValidSeatsAndRoles(Game& g, const Settings& s) {
  g.roles = RolesValid(s.roles) ? s.roles : kDefaults.roles;
  g.seats.SeatName = s.names;
  if (!ComputerSeatsAreThreeCharacters(s.names))
    for (int i = 0; i < 3; ++i)
      g.seats.SeatName[i] = kDefaults.names[i];
  g.seats.HumanSex = s.humanSex;
}

void ApplyOptions(Game& g, const Settings& s) {
  g.options = s.options;
  g.options.Sound = s.options.Sound && g.files.SoundFilesPresent;
  if (s.options.SpeedIndex < 0 || s.options.SpeedIndex > 3) g.options.SpeedIndex = 2;
}

}  // namespace

SettingsRead ParseSettings(std::string_view bytes, const Settings& start) {
  SettingsRead out{start, 0, false};
  Settings& v = out.values;
  Options& o = v.options;
  const DecodedLines decoded = DecodeCp932Lines(bytes);
  DataCursor c(decoded.lines, decoded.fault);
  (void)(c.Line(4) && c.Int(v.roles.SuitChangeRank, -32768, 32767) && c.Int(v.roles.ReverseRank, -32768, 32767) &&
         c.Int(v.roles.SkipRank, -32768, 32767) && c.Int(o.SpeedIndex, -32768, 32767) && c.EndOfLine() &&  //
         c.Line(4) && c.Bool(o.MsgCS) && c.Bool(o.MsgNi) && c.Bool(o.MsgRev) && c.Bool(o.MsgSkip) &&
         c.EndOfLine() &&  //
         c.Line(5) && c.Bool(o.AutoDetect) && c.Bool(o.SuitAutoDetect) && c.Bool(o.MsgAll) && c.Bool(o.Sound) &&
         c.Bool(o.CardSound) && c.EndOfLine() &&  //
         c.Line(5) && c.Text(v.names[0]) && c.Text(v.names[1]) && c.Text(v.names[2]) && c.Text(v.names[3]) &&
         c.Int(v.humanSex, 0, 2) && c.EndOfLine() && c.EndOfFile());
  out.itemsRead = c.ItemsRead();
  out.fault = c.Fault();
  return out;
}

std::vector<std::string> SettingsLines(const Settings& s) {
  const Options& o = s.options;
  auto n = [](int v) { return std::to_string(v); };
  return {
      JoinItems({n(s.roles.SuitChangeRank), n(s.roles.ReverseRank), n(s.roles.SkipRank), n(o.SpeedIndex)}),
      JoinItems({BooleanText(o.MsgCS), BooleanText(o.MsgNi), BooleanText(o.MsgRev), BooleanText(o.MsgSkip)}),
      JoinItems({BooleanText(o.AutoDetect), BooleanText(o.SuitAutoDetect), BooleanText(o.MsgAll), BooleanText(o.Sound),
                 BooleanText(o.CardSound)}),
      JoinItems({QuotedText(s.names[0]), QuotedText(s.names[1]), QuotedText(s.names[2]), QuotedText(s.names[3]),
                 n(s.humanSex)}),
  };
}

Settings SettingsOf(const Game& g) {
  return Settings{g.roles, g.options, g.seats.SeatName, g.seats.HumanSex};
}

void LoadSettings(Game& g) {
  if (!FileExistsExactly(g.files.DataFolder(), std::string(kSettingsFile))) {
    Settings defaults;
    defaults.options.Sound = g.files.SoundFilesPresent;
    ApplyOptions(g, defaults);
    UseValidSeatsAndRoles(g, defaults);
    return;
  }
  // Values the program holds before any are read.
  Settings start;
  start.roles = {0, 0, 0};
  start.names = {};
  start.humanSex = 0;
  start.options.SuitAutoDetect = false;
  const auto bytes = ReadBoundedFile(PathInFolder(g.files.DataFolder(), kSettingsFile));
  const SettingsRead read = bytes ? ParseSettings(*bytes, start) : SettingsRead{start, 0, true};
  if (read.fault) {
    // The option menus keep their start-up states; what was read before the
    // fault stays in force.
    ReportSettingsFault(g);
    UseValidSeatsAndRoles(g, read.values);
    g.options.SuitAutoDetect = read.values.options.SuitAutoDetect;
    return;
  }
  ApplyOptions(g, read.values);
  UseValidSeatsAndRoles(g, read.values);
}

void ReportSettingsFault(Game& g) {
  Inform(g, kReadFault, kProgramTitle, Icon::Exclamation);
}

bool WriteSettings(const Game& g) {
  const auto bytes = EncodeCp932Lines(SettingsLines(SettingsOf(g)));
  return bytes && WriteFileAtomically(PathInFolder(g.files.DataFolder(), kSettingsFile), *bytes);
}

}  // namespace zunpa
