#include "platform/user_store.h"

#include <QSettings>

#include "ui_logic/stored_flag.h"

namespace zunpa::qt {

bool ScoreTableInFrontSetting() {
  QSettings store(QSettings::UserScope, "ZunpaS", "ZunpaS");
  const QVariant value = store.value("Options/temae");
  if (!value.isValid()) return ui::StoredFlagOrTrue(std::nullopt);
  const std::string text = value.toString().toStdString();
  return ui::StoredFlagOrTrue(text);
}

}  // namespace zunpa::qt
