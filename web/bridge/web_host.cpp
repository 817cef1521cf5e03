#include "web_host.h"

#include <emscripten.h>

#include <cstdlib>
#include <iterator>

#include "web_json.h"

namespace zunpa::web {
namespace {

// The page's answer is a JSON text it allocates with malloc; we free it.
// JavaScript, which clang-format would take apart.
// clang-format off
EM_ASYNC_JS(char*, zp_ask_page, (const char* kind, const char* data), {
  const answer = await Module.zunpaHost.ask(UTF8ToString(kind), JSON.parse(UTF8ToString(data)));
  const text = JSON.stringify(answer === undefined ? null : answer);
  const size = lengthBytesUTF8(text) + 1;
  const out = _malloc(size);
  stringToUTF8(text, out, size);
  return out;
});

EM_JS(void, zp_tell_page, (const char* kind, const char* data), {
  Module.zunpaHost.tell(UTF8ToString(kind), JSON.parse(UTF8ToString(data)));
});
// clang-format on

constexpr const char* kAnswerNames[] = {"Ok", "Cancel", "Yes", "No"};
constexpr const char* kButtonNames[] = {"Ok", "OkCancel", "YesNo"};
constexpr const char* kIconNames[] = {"None", "Information", "Exclamation", "Question", "Critical"};
constexpr const char* kAskedNames[] = {"None", "Zunpa", "Counter", "Reset", "PlayTwo", "TwoOfSuit"};

}  // namespace

Json AskPage(const std::string& kind, const Json& data) {
  char* text = zp_ask_page(kind.c_str(), data.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
  Json answer = Json::parse(text, nullptr, false);
  std::free(text);
  return answer.is_discarded() ? Json() : answer;
}

void TellPage(const std::string& kind, const Json& data) {
  zp_tell_page(kind.c_str(), data.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
}

Json MessageJson(const Message& m) {
  return {{"text", m.text},
          {"title", m.title},
          {"buttons", kButtonNames[int(m.buttons)]},
          {"icon", kIconNames[int(m.icon)]},
          {"asked", kAskedNames[int(m.asked)]},
          {"suit", m.suit}};
}

std::optional<Asked> AskedNamed(const std::string& name) {
  for (int i = 0; i < int(std::size(kAskedNames)); ++i)
    if (name == kAskedNames[i]) return Asked(i);
  return std::nullopt;
}

// An answer the page did not give (a closed dialog) is the message's
// cancel: Cancel, No, or OK for a lone OK.
Answer AnswerNamed(const std::string& name) {
  for (int i = 0; i < 4; ++i)
    if (name == kAnswerNames[i]) return Answer(i);
  return Answer::Cancel;
}

Answer WebHost::ShowMessage(const Message& message) {
  const Json answer = AskPage("message", MessageJson(message));
  const Answer pressed = AnswerNamed(answer.is_string() ? answer.get<std::string>() : "");
  const bool offered = message.buttons == Buttons::Ok      ? pressed == Answer::Ok
                       : message.buttons == Buttons::YesNo ? (pressed == Answer::Yes || pressed == Answer::No)
                                                           : (pressed == Answer::Ok || pressed == Answer::Cancel);
  if (offered) return pressed;
  return message.buttons == Buttons::Ok ? Answer::Ok : message.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void WebHost::Pause(double seconds) {
  if (seconds > 0) AskPage("pause", {{"seconds", seconds}});
}

void WebHost::ProcessEvents() {
  AskPage("pause", {{"seconds", 0}});
}

void WebHost::PlaySound(const std::string& path) {
  AskPage("sound", {{"file", path.substr(path.find_last_of('/') + 1)}});
}

// A voice the page could not play is shown as a balloon, as on a desktop
// without a sound server.
void WebHost::Announce(const Announcement& a) {
  const std::string file = a.voiceFile.substr(a.voiceFile.find_last_of('/') + 1);
  const double seconds =
      a.balloonSeconds > 0 ? a.balloonSeconds : BalloonSeconds((game_ ? game_->options : Options{}).SpeedIndex);
  AskPage("announce", {{"code", a.code},
                       {"speaker", a.speaker},
                       {"text", std::string(a.text)},
                       {"voice", a.voiceFile.empty() ? std::string() : file},
                       {"seconds", seconds}});
}

void WebHost::DisplayChanged() {
  TellPage("display", Json::object());
}

void WebHost::ShowScoreSheet() {
  TellPage("scoreSheet", Json::object());
}

bool WebHost::SelectPlayers(SeatSetup& setup) {
  const Json answer = AskPage("selectPlayers", SeatSetupJson(setup));
  if (!answer.is_object()) return false;
  if (answer.contains("setup")) ReadSeatSetup(answer["setup"], setup);
  return answer.value("ok", false);
}

SuitChoice WebHost::ChooseSuit(const SuitChoice& suggestion) {
  const Json answer = AskPage("chooseSuit", {{"suit", suggestion.suit}, {"autoDetect", suggestion.autoDetect}});
  SuitChoice choice = suggestion;
  if (answer.is_object()) {
    const int suit = answer.value("suit", suggestion.suit);
    if (suit >= 0 && suit < 4) choice.suit = suit;
    choice.autoDetect = answer.value("autoDetect", suggestion.autoDetect);
  }
  return choice;
}

void WebHost::ShowRoundResult(const RoundResult& result) {
  AskPage("roundResult", RoundResultJson(result));
}

void WebHost::ShowFinalResult(const FinalResult& result) {
  AskPage("finalResult", FinalResultJson(result));
}

std::optional<std::string> WebHost::EnterName(const std::string& message, const std::string& preset) {
  const Json answer = AskPage("enterName", {{"message", message}, {"preset", preset}});
  if (!answer.is_string()) return std::nullopt;
  return answer.get<std::string>();
}

// The window shows the table until it is closed; its clear button asks and
// clears through the board, and the window shows the table again.
void WebHost::ShowHighScores(HighScoreBoard& board) {
  for (;;) {
    const Json answer = AskPage("highScores", HighScoreCellsJson(board.Cells()));
    if (answer != "clear") return;
    board.Clear();
  }
}

}  // namespace zunpa::web
