// The table as the page draws it: the display model, the screen reader's
// names of what is on it, the keyboard's stops and the menus' states.

#include "page.h"
#include "ui_logic/game_number.h"
#include "ui_logic/key_focus.h"
#include "ui_logic/menu_tree.h"
#include "ui_logic/start_hint.h"
#include "ui_logic/table_items.h"
#include "web_json.h"

namespace zunpa::web {
namespace {

Json CardsJson(const DisplayModel& d) {
  Json cards = Json::array();
  for (int i = 0; i < kCardsInPack; ++i) {
    const CardPicture& p = d.cards[i];
    cards.push_back({{"faceUp", p.faceUp},
                     {"visible", p.visible},
                     {"enabled", p.enabled},
                     {"left", p.left},
                     {"top", p.top},
                     {"z", p.z}});
  }
  return cards;
}

Json MarkersJson(const DisplayModel& d) {
  Json markers = Json::array();
  for (const Picture& p : d.suitMarkers)
    markers.push_back({{"visible", p.visible}, {"left", p.left}, {"top", p.top}, {"z", p.z}});
  return markers;
}

Json SeatsJson(const DisplayModel& d) {
  Json seats = Json::array();
  for (const SeatPanel& s : d.seats)
    seats.push_back({{"name", s.name},
                     {"nameColour", s.nameColour},
                     {"standing", s.standing},
                     {"standingColour", s.standingColour},
                     {"total", s.total},
                     {"lastPoints", s.lastPoints},
                     {"zunpaRecord", s.zunpaRecord},
                     {"wins", s.wins}});
  return seats;
}

Json ItemsJson(const Game& game) {
  Json items = Json::array();
  constexpr const char* kKinds[] = {"userCard", "pile", "otherHand"};
  for (const ui::TableItem& item : ui::TableItems(game))
    items.push_back({{"kind", kKinds[item.kind]},
                     {"name", item.name},
                     {"description", item.description},
                     {"code", item.code},
                     {"seat", item.seat},
                     {"left", item.left},
                     {"top", item.top},
                     {"width", item.width},
                     {"height", item.height}});
  return items;
}

Json StopsJson(const Game& game) {
  Json stops = Json::array();
  for (const ui::FocusStop& stop : ui::FocusStops(game))
    stops.push_back(stop.draw ? Json("draw") : Json(stop.code));
  return stops;
}

// x-ray: the four hands and the pile log as card codes.
Json ListsJson(const Game& game) {
  Json lists = Json::array();
  for (int seat = 1; seat <= kSeats; ++seat) {
    const Hand& hand = game.round.HandOf(seat);
    lists.push_back(Json(std::vector<int>(hand.begin(), hand.end())));
  }
  lists.push_back(Json(std::vector<int>(game.round.pileLog.begin(), game.round.pileLog.end())));
  return lists;
}

// The options' check marks and the greyed game items, as the window's.
Json MenuStateJson(const Session& session) {
  Json checks = Json::object();
  std::function<void(const std::vector<ui::MenuItem>&)> walk = [&](const std::vector<ui::MenuItem>& items) {
    for (const ui::MenuItem& item : items) {
      if (const auto mark = ui::CheckMarkOf(session.game().options, item.name, item.index))
        checks[std::string(item.name) + (item.index >= 0 ? "." + std::to_string(item.index) : "")] = *mark;
      walk(item.items);
    }
  };
  walk(ui::WindowMenuBar());
  const bool free = !session.Busy() && !session.Stopped();
  const DisplayModel& d = session.game().display;
  return {{"checks", checks},
          {"enabled",
           {{"mneNEW", free},
            {"mneNEWNUM", free},
            {"mneCONTINUE", free && d.continueEnabled},
            {"mneSAVE", free && d.saveEnabled},
            {"mneIMPORT", free}}}};
}

}  // namespace

Json ViewJson(Page& page) {
  const Session& session = page.session;
  const Game& game = session.game();
  const DisplayModel& d = game.display;
  Json marks = Json::array();
  for (int k = 0; k < d.playableMarks; ++k)
    marks.push_back(d.playableMarkLefts[k]);
  const Step next = session.NextStep();
  return {{"cards", CardsJson(d)},
          {"markers", MarkersJson(d)},
          {"arrow", {{"visible", d.arrowVisible}, {"up", d.arrowUp}}},
          {"bar", {{"visible", d.barVisible}, {"top", d.barTop}}},
          {"draw", {{"visible", d.drawButtonVisible}, {"enabled", d.drawButtonEnabled}}},
          {"stock", {{"visible", d.stockCounterVisible}, {"text", d.stockCounter}}},
          {"handTotal", {{"visible", d.handTotalVisible}, {"text", d.handTotal}, {"size", d.handTotalFontSize}}},
          {"marks", marks},
          {"roundCaption", d.roundCaption},
          {"roundNo", game.round.RoundNo},
          {"xray", d.xray},
          {"lists", d.xray ? ListsJson(game) : Json::array()},
          {"seats", SeatsJson(d)},
          {"startHint", ui::StartHint(d)},
          {"items", ItemsJson(game)},
          {"stops", StopsJson(game)},
          {"title", ui::WindowTitle(session.GameNumber())},
          {"busy", session.Busy()},
          {"stopped", session.Stopped()},
          {"next", {{"run", next.kind != StepKind::None}, {"pause", next.pauseSeconds}}},
          {"menus", MenuStateJson(session)}};
}

}  // namespace zunpa::web
