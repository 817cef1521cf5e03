#include "platform/user_store.h"

#include <QSettings>
#include <variant>

#include "ui_logic/game_number.h"
#include "ui_logic/stored_flag.h"

namespace zunpa::qt {
namespace {

constexpr const char* kSavedNumberKey = "Game/savedNumber";
constexpr const char* kLogPanelKey = "View/logPanel";

}  // namespace

bool ScoreTableInFrontSetting() {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  const QVariant value = store.value("Options/temae");
  if (!value.isValid()) return ui::StoredFlagOrTrue(std::nullopt);
  const std::string text = value.toString().toStdString();
  return ui::StoredFlagOrTrue(text);
}

std::optional<std::uint64_t> SavedGameNumber() {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  const QVariant value = store.value(kSavedNumberKey);
  if (!value.isValid()) return std::nullopt;
  const auto read = ui::ReadGameNumber(value.toString().toStdString());
  if (const auto* number = std::get_if<std::uint64_t>(&read)) return *number;
  return std::nullopt;
}

void KeepSavedGameNumber(std::optional<std::uint64_t> number) {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  if (number) {
    store.setValue(kSavedNumberKey, QString::number(*number));
  } else {
    store.remove(kSavedNumberKey);
  }
}

bool LogPanelSetting() {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  return store.value(kLogPanelKey, false).toBool();
}

void KeepLogPanelSetting(bool shown) {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  store.setValue(kLogPanelKey, shown);
}

}  // namespace zunpa::qt
