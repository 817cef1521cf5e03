#include "platform/user_store.h"

#include <QSettings>
#include <variant>

#include "ui_logic/game_number.h"
#include "ui_logic/stored_flag.h"

namespace zunpa::qt {
namespace {

constexpr const char* kSavedNumberKey = "Game/savedNumber";
constexpr const char* kLogPanelKey = "View/logPanel";
constexpr const char* kCardMotionKey = "View/cardMotion";
constexpr const char* kYomiOnQuestionsKey = "View/yomiOnQuestions";

QSettings Store() {
  return QSettings(QSettings::UserScope, "ZunpaS", "ZunpaS");
}

}  // namespace

bool ScoreTableInFrontSetting() {
  const QVariant value = Store().value("Options/temae");
  if (!value.isValid()) return ui::StoredFlagOrTrue(std::nullopt);
  const std::string text = value.toString().toStdString();
  return ui::StoredFlagOrTrue(text);
}

std::optional<std::uint64_t> SavedGameNumber() {
  const QVariant value = Store().value(kSavedNumberKey);
  if (!value.isValid()) return std::nullopt;
  const auto read = ui::ReadGameNumber(value.toString().toStdString());
  if (const auto* number = std::get_if<std::uint64_t>(&read)) return *number;
  return std::nullopt;
}

void KeepSavedGameNumber(std::optional<std::uint64_t> number) {
  if (number) {
    Store().setValue(kSavedNumberKey, QString::number(*number));
  } else {
    Store().remove(kSavedNumberKey);
  }
}

bool LogPanelSetting() {
  return Store().value(kLogPanelKey, false).toBool();
}

void KeepLogPanelSetting(bool shown) {
  Store().setValue(kLogPanelKey, shown);
}

bool CardMotionSetting() {
  return Store().value(kCardMotionKey, true).toBool();
}

void StoreCardMotionSetting(bool on) {
  Store().setValue(kCardMotionKey, on);
}

bool YomiOnQuestionsSetting() {
  return Store().value(kYomiOnQuestionsKey, false).toBool();
}

void StoreYomiOnQuestionsSetting(bool on) {
  Store().setValue(kYomiOnQuestionsKey, on);
}

}  // namespace zunpa::qt
