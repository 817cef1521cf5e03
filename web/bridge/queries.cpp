// The page's questions that never wait: the table, the menus, the log, the
// score sheet and its chart, 読み's input, and the rules of the dialogs,
// which the page keeps open and asks what each button does.

#include "analysis/yomi_input.h"
#include "chart_json.h"
#include "files/cp932_text.h"
#include "files/start_up.h"
#include "page.h"
#include "ui_logic/card_roles.h"
#include "ui_logic/character_sheet.h"
#include "ui_logic/game_number.h"
#include "ui_logic/hit_test.h"
#include "ui_logic/player_selection.h"
#include "ui_logic/suit_choice.h"
#include "ui_logic/table_dirt.h"
#include "ui_logic/table_layout.h"
#include "web_json.h"
#include "yomi_queries.h"

namespace zunpa::web {
namespace {

Json OptionalMessage(const std::optional<Message>& message) {
  return message ? MessageJson(*message) : Json();
}

Json SelectionJson(const ui::PlayerSelection& s) {
  const ui::SelectionButtons b = ui::ButtonsOf(s);
  return {{"out", s.out},
          {"in", s.in},
          {"name", s.name},
          {"sex", s.sex},
          {"seats", SeatSetupJson(s.seats)},
          {"buttons", {{"moveIn", b.moveIn}, {"moveOut", b.moveOut}, {"ok", b.ok}}}};
}

ui::PlayerSelection ReadSelection(const Json& j) {
  ui::PlayerSelection s;
  if (!j.is_object()) return s;
  const auto strings = [](const Json& list) {
    std::vector<std::string> out;
    if (list.is_array())
      for (const Json& e : list)
        if (e.is_string()) out.push_back(e.get<std::string>());
    return out;
  };
  s.out = strings(j.value("out", Json::array()));
  s.in = strings(j.value("in", Json::array()));
  s.name = ui::LimitName(j.value("name", std::string()));
  s.sex = j.value("sex", 1);
  ReadSeatSetup(j.value("seats", Json::object()), s.seats);
  return s;
}

Json PlayerSelectionStep(const Json& r) {
  const std::string act = r.value("act", std::string());
  if (act == "open") {
    SeatSetup setup;
    ReadSeatSetup(r.value("setup", Json::object()), setup);
    return SelectionJson(ui::OpenPlayerSelection(setup));
  }
  ui::PlayerSelection s = ReadSelection(r.value("state", Json::object()));
  const int entry = r.value("entry", -1);
  if (act == "moveIn") ui::MoveIn(s, entry);
  if (act == "moveOut") ui::MoveOut(s, entry);
  if (act == "clickOut") ui::ClickOutList(s, entry);
  if (act == "clickIn") ui::ClickInList(s, entry);
  Json out = SelectionJson(s);
  if (act == "ok") {
    const ui::SelectionEnd end = ui::PressOk(s, [](std::string_view text) { return SanitizeForCp932(text); });
    out = SelectionJson(s);
    out["end"] = {{"closes", end.closes}, {"accepted", end.accepted}, {"message", OptionalMessage(end.message)}};
  }
  return out;
}

Json SuitJson(const ui::SuitDialog& d) {
  return {{"suggested", d.suggested},
          {"autoDetect", d.autoDetect},
          {"selected", d.selected ? Json(*d.selected) : Json()},
          {"confirmed", d.confirmed}};
}

Json SuitStep(const Json& r) {
  const std::string act = r.value("act", std::string());
  const Json state = r.value("state", Json::object());
  ui::SuitDialog d;
  if (act == "open") {
    d = ui::OpenSuitChoice({r.value("suit", 0), r.value("autoDetect", true)});
    return SuitJson(d);
  }
  d.suggested = state.value("suggested", 0);
  d.autoDetect = state.value("autoDetect", false);
  if (state.contains("selected") && state["selected"].is_number_integer()) d.selected = state["selected"].get<int>();
  d.confirmed = state.value("confirmed", false);
  if (act == "tick") ui::SetSuitAutoDetect(d, r.value("ticked", false));
  if (act == "select") ui::SelectSuit(d, r.value("option", 0));
  Json out = SuitJson(d);
  if (act == "ok") {
    const ui::SuitOk ok = ui::PressSuitOk(d);
    out = SuitJson(d);
    out["refusal"] = OptionalMessage(ok.refusal);
    if (ok.choice) out["choice"] = {{"suit", ok.choice->suit}, {"autoDetect", ok.choice->autoDetect}};
  }
  if (act == "mayClose") out["mayClose"] = ui::SuitDialogMayClose(d);
  return out;
}

Json RolesStep(const Page& page, const Json& r) {
  if (r.value("act", std::string()) == "open") {
    const ui::RoleEntries entries = ui::OpenRoleEntries(page.session.game().roles);
    return {{"entries", entries}, {"texts", ui::RoleEntryTexts()}};
  }
  ui::RoleEntries entries{};
  const Json given = r.value("entries", Json::array());
  for (int i = 0; i < 3 && i < int(given.size()); ++i)
    entries[i] = given[i].is_number_integer() ? given[i].get<int>() : 0;
  const ui::RolesOk ok = ui::PressRolesOk(entries);
  Json out = {{"refusal", OptionalMessage(ok.refusal)}};
  if (ok.roles)
    out["roles"] = {
        {"suitChange", ok.roles->SuitChangeRank}, {"reverse", ok.roles->ReverseRank}, {"skip", ok.roles->SkipRank}};
  return out;
}

Json CharacterSheetJson(const Page& page, const Json& r) {
  const Game& game = page.session.game();
  const ui::CharacterSheet sheet = ui::BuildCharacterSheet(game.records, r.value("name", game.seats.SeatName[3]));
  Json captions = Json::array();
  for (std::string_view caption : sheet.rowCaptions)
    captions.push_back(std::string(caption));
  Json descriptions = Json::array();
  for (int entry = 0; entry < ui::kSheetEntries; ++entry) {
    Json lines = Json::array();
    for (std::string_view line : ui::DescriptionOf(entry))
      lines.push_back(std::string(line));
    descriptions.push_back(lines);
  }
  return {{"headers", sheet.headers},
          {"rowCaptions", captions},
          {"values", sheet.values},
          {"entries", sheet.entries},
          {"descriptions", descriptions}};
}

Json LayoutJson() {
  constexpr const char* kAligns[] = {"left", "right", "centre"};
  Json labels = Json::array();
  for (const ui::LabelPlace& p : ui::TableLabels())
    labels.push_back({{"name", p.name},
                      {"left", p.left},
                      {"top", p.top},
                      {"width", p.width},
                      {"height", p.height},
                      {"points", p.points},
                      {"align", kAligns[int(p.align)]},
                      {"text", p.fixedText}});
  const auto rect = [](const ui::Rect& r) {
    return Json{{"left", r.left}, {"top", r.top}, {"width", r.width}, {"height", r.height}};
  };
  return {{"labels", labels},
          {"drawButton", rect(ui::kDrawButton)},
          {"table", {{"width", kTableWidth}, {"height", ui::kTableHeight}, {"xrayWidth", ui::kXrayTableWidth}}},
          {"picture", {{"width", ui::kPictureWidth}, {"height", ui::kPictureHeight}}},
          {"arrow", {{"left", ui::kArrowLeft}, {"top", ui::kArrowTop}, {"size", ui::kArrowSize}}},
          {"bar", {{"left", kBarLeft}, {"width", ui::kBarWidth}, {"height", ui::kBarHeight}}},
          {"mark", {{"top", ui::kMarkTop}, {"size", ui::kMarkSize}}},
          {"stockCounter",
           rect({ui::kStockCounterLeft, ui::kStockCounterTop, ui::kStockCounterWidth, ui::kStockCounterHeight})},
          {"stock", {{"left", kStockLeft}, {"top", kStockTop}}},
          {"lists",
           {{"left", ui::kListLeft},
            {"step", ui::kListStep},
            {"top", ui::kListTop},
            {"width", ui::kListWidth},
            {"height", ui::kListHeight}}},
          {"balloon", {{"left", ui::kBalloonLeft}, {"drop", ui::kBalloonDrop}, {"rowTops", kRowTop}}}};
}

Json LogJson(const Page& page, const Json& r) {
  const std::size_t from = r.value("from", std::size_t(0));
  Json entries = Json::array();
  const auto& all = page.log.entries();
  for (std::size_t i = from; i < all.size(); ++i)
    entries.push_back({{"seat", all[i].seat}, {"kind", int(all[i].kind)}, {"text", all[i].text}});
  return {{"total", all.size()}, {"generation", page.logGeneration}, {"entries", entries}};
}

Json GameNumberJson(const Page& page, const Json& r) {
  if (r.value("act", std::string()) == "prompt") {
    const auto number = page.session.GameNumber();
    return {{"prompt", ui::GameNumberPrompt()}, {"number", number ? std::to_string(*number) : std::string()}};
  }
  const auto read = ui::ReadGameNumber(r.value("text", std::string()));
  if (const auto* number = std::get_if<std::uint64_t>(&read)) return {{"number", std::to_string(*number)}};
  return {{"message", MessageJson(std::get<Message>(read))}};
}

Json YomiInputBytes(const Page& page) {
  const std::string bytes = SerialiseYomiInput(page.session.AnalysisInput());
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

Json RunQuery(Page& page, const Json& r) {
  const std::string op = r.value("op", std::string());
  if (op == "view") return ViewJson(page);
  if (op == "layout") return LayoutJson();
  if (op == "menuBar") return MenuBarJson(ui::PageMenuBar());
  if (op == "log") return LogJson(page, r);
  if (op == "sheet") return ScoreSheetJson(page.session.game().display.sheet);
  if (op == "chart") return ScoreChartJson(page.session.game().display.sheet);
  if (op == "seatColours") return SeatColoursJson(page.session.game().display.sheet, r.value("ground", 0u));
  if (op == "yomiInput") return YomiInputBytes(page);
  if (op == "yomiAsk") return YomiAsk(page, r);
  if (op == "yomiDecisions") return YomiDecisions(page);
  if (op == "gameNumber") return GameNumberJson(page, r);
  if (op == "playerSelection") return PlayerSelectionStep(r);
  if (op == "suitChoice") return SuitStep(r);
  if (op == "cardRoles") return RolesStep(page, r);
  if (op == "characterSheet") return CharacterSheetJson(page, r);
  if (op == "soundFiles") {
    Json names = Json::array();
    for (std::string_view name : kSoundFiles)
      names.push_back(std::string(name));
    return names;
  }
  if (op == "soundOutput") {
    page.session.SetSoundOutputPresent(r.value("present", false));
    return true;
  }
  return Json();
}

}  // namespace zunpa::web
