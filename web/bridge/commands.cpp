// What the page's menus, clicks and keys ask of the game, as the desktop
// window does them.

#include "files/data_import.h"
#include "page.h"
#include "rules/random_source.h"
#include "ui_logic/exit_question.h"
#include "ui_logic/game_number.h"
#include "ui_logic/option_menus.h"
#include "ui_logic/table_toggles.h"

namespace zunpa::web {
namespace {

// The site carries every sound, so the voices can never be missing there.
constexpr std::string_view kSoundDownloadPage = "";

std::optional<std::uint64_t> NumberIn(const Json& request) {
  const std::string text = request.value("number", std::string());
  if (text.empty()) return std::nullopt;
  const auto read = ui::ReadGameNumber(text);
  if (const auto* number = std::get_if<std::uint64_t>(&read)) return *number;
  return std::nullopt;
}

void ChangeOptions(Session& session, const Options& options) {
  session.SetOptions(options);
  session.game().host->DisplayChanged();
}

bool RunOptionItem(Page& page, const std::string& name, int index) {
  Session& session = page.session;
  const Options& options = session.game().options;
  const std::pair<const char*, ui::MessageKind> kinds[] = {{"flgMsgSkip", ui::MessageKind::Skip},
                                                           {"flgMsgRev", ui::MessageKind::Reverse},
                                                           {"flgMsgNi", ui::MessageKind::DrawTwo},
                                                           {"flgMsgCS", ui::MessageKind::SuitChange}};
  for (const auto& [item, kind] : kinds)
    if (name == item) return ChangeOptions(session, ui::ClickMessageKind(options, kind)), true;
  if (name == "flgSOKUDO") return ChangeOptions(session, ui::ClickSpeed(options, index)), true;
  if (name == "flgSUBETE") return ChangeOptions(session, ui::ClickAllMessages(options)), true;
  if (name == "mneSOUNDC") return ChangeOptions(session, ui::ClickCardSound(options)), true;
  if (name == "mneSOUND") {
    const ui::MenuOutcome outcome = ui::ClickSound(options, session.game().files.SoundFilesPresent, kSoundDownloadPage);
    ChangeOptions(session, outcome.options);
    if (outcome.message) page.host.ShowMessage(*outcome.message);
    return true;
  }
  if (name == "mnuKEN") {
    if (session.Stopped()) return false;
    ui::ToggleAutoDetect(session.game());
    session.game().host->DisplayChanged();
    return true;
  }
  return false;
}

// 終了: asked first, as the desktop's item; the page then stands still.
bool Exit(Page& page) {
  if (page.session.Busy() || page.session.Stopped()) return false;
  if (!ui::ExitConfirmed(page.host.ShowMessage(ui::ExitQuestion()))) return false;
  return page.session.Stop() == StopOutcome::Ended;
}

// The bytes of a file the page read; nothing when it could not read it whole.
std::optional<std::string> BytesIn(const Json& request) {
  const auto bytes = request.find("bytes");
  if (bytes == request.end() || !bytes->is_array()) return std::nullopt;
  std::string out;
  out.reserve(bytes->size());
  for (const Json& byte : *bytes) {
    if (!byte.is_number_unsigned() || byte.get<unsigned>() > 0xFF) return std::nullopt;
    out.push_back(char(byte.get<unsigned>()));
  }
  return out;
}

// 読み込み: between moves only, so the game on the table goes on as it was;
// the check marks and the table follow the settings taken in.
bool Import(Page& page, const Json& request) {
  Session& session = page.session;
  if (session.Busy() || session.Stopped()) return false;
  Game& game = session.game();
  const bool autoDetect = game.options.AutoDetect;
  const std::string name = request.value("name", std::string());
  const ImportOutcome outcome = ImportDataFile(game, name, BytesIn(request));
  if (game.options.AutoDetect != autoDetect) {
    game.options.AutoDetect = autoDetect;
    ui::ToggleAutoDetect(game);
  }
  // The settings file is as it was brought in: not written over.
  if (outcome == ImportOutcome::Taken && name == kSettingsFile) page.settingsKept = SettingsOf(game);
  game.host->DisplayChanged();
  return outcome == ImportOutcome::Taken;
}

bool SetRoles(Page& page, const Json& request) {
  Roles roles;
  roles.SuitChangeRank = request.value("suitChange", roles.SuitChangeRank);
  roles.ReverseRank = request.value("reverse", roles.ReverseRank);
  roles.SkipRank = request.value("skip", roles.SkipRank);
  if (!RolesValid(roles)) return false;
  page.session.SetRoles(roles);
  return true;
}

// Written after the command that changed them; a store the browser
// refuses is told as the desktop tells a failed write, and tried again
// after the next command.
void KeepSettings(Page& page) {
  const Settings now = SettingsOf(page.session.game());
  if (!page.settingsKept || *page.settingsKept == now || page.session.Stopped()) return;
  if (WriteSettings(page.session.game())) {
    page.settingsKept = now;
    return;
  }
  Message failed;
  failed.text = "ファイルにデータを書き込みできませんでした。";
  failed.icon = Icon::Exclamation;
  page.host.ShowMessage(failed);
}

bool Run(Page& page, const Json& request);

}  // namespace

bool RunCommand(Page& page, const Json& request) {
  const bool done = Run(page, request);
  KeepSettings(page);
  return done;
}

namespace {

bool Run(Page& page, const Json& request) {
  Session& session = page.session;
  const std::string op = request.value("op", std::string());
  if (op == "start") {
    Game& game = session.game();
    game.files.AppDir = request.value("appDir", std::string("/zunpa"));
    game.files.DataDir = request.value("dataDir", std::string());
    session.StartUp();
    page.settingsKept = SettingsOf(game);
    game.host->DisplayChanged();
    return true;
  }
  if (op == "step") {
    if (session.Busy() && session.NextStep().kind == StepKind::None) return false;
    session.RunStep();
    return true;
  }
  if (op == "click") return session.ClickCard(request.value("suit", 0), request.value("rank", 0));
  if (op == "draw") return session.PressDraw();
  if (op == "new") return session.NewNumberedGame(NumberIn(request).value_or(GameNumberFromClock()));
  if (op == "continue") return session.Continue(NumberIn(request).value_or(GameNumberFromClock()));
  if (op == "save") return session.Save();
  if (op == "highScores") {
    if (session.Busy() || session.Stopped()) return false;
    session.ShowHighScores();
    return true;
  }
  if (op == "xray") {
    page.host.ShowMessage(ui::ToggleXray(session.game().display));
    session.game().host->DisplayChanged();
    return true;
  }
  if (op == "option") return RunOptionItem(page, request.value("name", std::string()), request.value("index", -1));
  if (op == "roles") return SetRoles(page, request);
  if (op == "exit") return Exit(page);
  if (op == "import") return Import(page, request);
  return false;
}

}  // namespace

}  // namespace zunpa::web
