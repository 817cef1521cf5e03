#include "page.h"

#include <emscripten.h>

#include "files/data_files.h"

namespace zunpa::web {

Page::Page() : session(host, &DataFiles()) {
  Game& game = session.game();
  // Every game is numbered; a plain new game takes its number from the clock.
  game.random.SetClockDriven(true);
  host.SetGame(game);
  session.Follow(&log);
  log.OnReset([this] { ++logGeneration; });
  session.OnGameSaved([](std::optional<std::uint64_t> number) {
    TellPage("gameSaved", {{"number", number ? std::to_string(*number) : std::string()}});
  });
  session.OnBusyChanged([](bool busy) { TellPage("busy", {{"busy", busy}}); });
  session.OnStopped([](StopOutcome outcome) { TellPage("stopped", {{"ended", outcome == StopOutcome::Ended}}); });
}

Page& ThePage() {
  static Page page;
  return page;
}

namespace {

// The texts handed back stay valid until the next call.
std::string& Reply() {
  static std::string reply;
  return reply;
}

Json Parse(const char* text) {
  Json request = Json::parse(text ? text : "", nullptr, false);
  return request.is_object() ? request : Json::object();
}

}  // namespace

}  // namespace zunpa::web

using zunpa::web::Json;

extern "C" {

// A question of the page: never waits, so it may come while a command
// waits on the page.
EMSCRIPTEN_KEEPALIVE const char* zp_query(const char* request) {
  zunpa::web::Reply() = zunpa::web::RunQuery(zunpa::web::ThePage(), zunpa::web::Parse(request))
                            .dump(-1, ' ', false, Json::error_handler_t::replace);
  return zunpa::web::Reply().c_str();
}

// A command: called asynchronously, one at a time.
EMSCRIPTEN_KEEPALIVE int zp_command(const char* request) {
  return zunpa::web::RunCommand(zunpa::web::ThePage(), zunpa::web::Parse(request)) ? 1 : 0;
}
}
