#include "platform/user_store.h"

#include <QSettings>

#include "ui_logic/stored_flag.h"

namespace zunpa::qt {
namespace {

constexpr const char* kCardMotionKey = "View/cardMotion";

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

bool CardMotionSetting() {
  return Store().value(kCardMotionKey, true).toBool();
}

void StoreCardMotionSetting(bool on) {
  Store().setValue(kCardMotionKey, on);
}

}  // namespace zunpa::qt
