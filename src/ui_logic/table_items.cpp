#include "ui_logic/table_items.h"

#include <algorithm>

#include "ui_logic/card_name.h"
#include "ui_logic/hit_test.h"
#include "ui_logic/key_focus.h"

namespace zunpa::ui {
namespace {

void CoverCard(TableItem& item, const CardPicture& p) {
  if (item.width == 0) {
    item.left = p.left, item.top = p.top, item.width = kPictureWidth, item.height = kPictureHeight;
    return;
  }
  const int right = std::max(item.left + item.width, p.left + kPictureWidth);
  item.left = std::min(item.left, p.left);
  item.width = right - item.left;
}

std::vector<TableItem> UserCards(const Game& game) {
  const DisplayModel& d = game.display;
  const std::vector<FocusStop> playable = FocusStops(game);
  std::vector<TableItem> items;
  for (int code : game.round.HandOf(4)) {
    const CardPicture& p = d.Card(SuitOfCode(code), RankOfCode(code));
    if (!p.visible || !p.faceUp) continue;
    TableItem item;
    item.name = CardName(code);
    item.code = code;
    if (std::find(playable.begin(), playable.end(), FocusStop{false, code}) != playable.end())
      item.description = "出せます";
    CoverCard(item, p);
    items.push_back(item);
  }
  std::stable_sort(items.begin(), items.end(), [](const TableItem& a, const TableItem& b) { return a.left < b.left; });
  return items;
}

// The card the next play must follow, and the suit asked for when a
// suit change lies on it.
std::optional<TableItem> PileItem(const Game& game) {
  const RoundState& r = game.round;
  if (r.PileRank < 1 || r.PileRank > 13) return std::nullopt;
  const int suit = r.TopPrintedSuit();
  if (suit < 1 || suit > 4) return std::nullopt;
  const CardPicture& p = game.display.Card(suit, r.PileRank);
  if (!p.visible || !p.faceUp) return std::nullopt;
  TableItem item;
  item.kind = TableItem::Pile;
  item.name = "場札 " + CardName(CodeOf(suit, r.PileRank));
  if (r.SuitDeclared && r.PileSuit >= 1 && r.PileSuit <= 4)
    item.description = std::string("指定 ") + std::string(kSuitNames[r.PileSuit - 1]);
  CoverCard(item, p);
  return item;
}

TableItem OtherHand(const Game& game, int seat) {
  const DisplayModel& d = game.display;
  const Hand& hand = game.round.HandOf(seat);
  TableItem item;
  item.kind = TableItem::OtherHand;
  item.name = d.seats[seat - 1].name + "の手札 " + std::to_string(hand.size()) + "枚";
  item.seat = seat;
  std::string shown;
  for (int code : hand) {
    const CardPicture& p = d.Card(SuitOfCode(code), RankOfCode(code));
    if (!p.visible) continue;
    CoverCard(item, p);
    if (p.faceUp) shown += (shown.empty() ? "" : "、") + CardName(code);
  }
  item.description = shown;
  return item;
}

}  // namespace

std::vector<TableItem> TableItems(const Game& game) {
  std::vector<TableItem> items = UserCards(game);
  if (const auto pile = PileItem(game)) items.push_back(*pile);
  for (int seat = 1; seat <= 3; ++seat)
    if (!game.round.HandOf(seat).empty()) items.push_back(OtherHand(game, seat));
  return items;
}

}  // namespace zunpa::ui
