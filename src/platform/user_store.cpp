#include "platform/user_store.h"

#include <QSettings>

#include "ui_logic/stored_flag.h"

namespace zunpa::qt {
namespace {

constexpr const char* kLogPanelKey = "View/logPanel";

}  // namespace

bool ScoreTableInFrontSetting() {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  const QVariant value = store.value("Options/temae");
  if (!value.isValid()) return ui::StoredFlagOrTrue(std::nullopt);
  const std::string text = value.toString().toStdString();
  return ui::StoredFlagOrTrue(text);
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
