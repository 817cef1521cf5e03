#pragma once
// "zunpas.ini": the options, card roles, seat names and the user's voice,
// four lines read at start-up and written at exit.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace zunpa {

inline constexpr std::string_view kSettingsFile = "zunpas.ini";

struct Settings {
  Roles roles;
  Options options;
  std::array<std::string, 4> names = {"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "Your Name"};
  int humanSex = 1;
  friend bool operator==(const Settings&, const Settings&) = default;
};

// What a settings file held, item by item in file order: the items before
// a fault are read (`itemsRead` of the 18), the others keep `start`.
struct SettingsRead {
  Settings values;
  int itemsRead = 0;
  bool fault = false;
};
constexpr int kSettingsItems = 18;

SettingsRead ParseSettings(std::string_view bytes, const Settings& start);
std::vector<std::string> SettingsLines(const Settings& s);

Settings SettingsOf(const Game& g);
// Start-up: reads the file (or takes the defaults) into the game.
void LoadSettings(Game& g);
bool WriteSettings(const Game& g);
// The warning of a settings file that cannot be read.
void ReportSettingsFault(Game& g);

}  // namespace zunpa
