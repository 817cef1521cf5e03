#pragma once
// The one game of the page, and what the page asks of it.

#include <optional>

#include "files/settings_file.h"
#include "session/session.h"
#include "ui_logic/game_log.h"
#include "web_host.h"

namespace zunpa::web {

struct Page {
  WebHost host;
  Session session;
  ui::GameLog log;
  // The settings as the file last had them: a page has no exit to write
  // them at, so they are written whenever a command has changed them.
  std::optional<Settings> settingsKept;
  Page();
};

Page& ThePage();

// What the table shows now, with what a screen reader and the keys need.
Json ViewJson(Page& page);
// Commands that may wait on the page (questions, pauses, sounds): true
// when the session took them.
bool RunCommand(Page& page, const Json& request);
// Queries and the dialogs' rules: they never wait.
Json RunQuery(Page& page, const Json& request);

}  // namespace zunpa::web
