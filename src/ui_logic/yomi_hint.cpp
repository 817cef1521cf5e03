#include "ui_logic/yomi_hint.h"

#include <algorithm>
#include <cmath>

#include "rules/cards.h"
#include "rules/random_source.h"
#include "ui_logic/card_name.h"

namespace zunpa::ui {

std::uint64_t HintSeed(const Game& g) {
  return DeriveSeed(g.random.GameNumber().value_or(0),
                    static_cast<std::uint64_t>(g.round.RoundNo * 4096 + g.flow.movesThisRound));
}

std::string PointsText(double points) {
  const long whole = std::lround(points);
  return (whole > 0 ? "+" : "") + std::to_string(whole);
}

YomiHint HintOf(const Advice& advice) {
  YomiHint hint;
  for (int k = 0; k < advice.count; ++k) {
    const ChoiceWorth& w = advice.worths[static_cast<std::size_t>(k)];
    const FocusStop stop{w.choice.kind == Choice::Kind::Draw, w.choice.kind == Choice::Kind::Play ? w.choice.code : 0};
    const bool best = k == advice.best;
    if (best) hint.best = stop;
    // A forced move has nothing to weigh.
    if (advice.count > 1) hint.tags.push_back({stop, PointsText(w.points), best});
  }
  return hint;
}

std::string SituationText(const RoundState& r, Question q) {
  std::string text = "場 " + CardName(CodeOf(r.TopPrintedSuit(), r.PileRank));
  if (r.SuitDeclared)
    text += "（" + std::string(kSuitNames[static_cast<std::size_t>(std::clamp(r.PileSuit, 1, 4) - 1)]) + "）";
  text += " ／ 手 ";
  bool first = true;
  for (int code : r.HandOf(4)) {
    text += (first ? "" : " ") + CardName(code);
    first = false;
  }
  switch (q) {
    case Question::Move:
      break;
    case Question::DrawTwo:
      text += " ／ ２で返すか（" + std::to_string(r.DrawPenalty) + "枚）";
      break;
    case Question::Zunpa:
      text += " ／ ズンパできる";
      break;
    case Question::Counter:
      text += " ／ ズンパ返しできる";
      break;
    case Question::Suit:
      text += " ／ マークを決める";
      break;
  }
  return text;
}

std::string ChoiceWords(Question q, const Choice& c) {
  switch (c.kind) {
    case Choice::Kind::Play:
      return CardName(c.code) + "を出す";
    case Choice::Kind::Draw:
      return "めくる";
    case Choice::Kind::Penalty:
      return "めくる";
    case Choice::Kind::Call:
      return q == Question::Counter ? "ズンパ返しする" : "ズンパする";
    case Choice::Kind::Pass:
      return "しない";
    case Choice::Kind::Suit:
      return std::string(kSuitNames[static_cast<std::size_t>(std::clamp(c.suit, 0, 3))]);
  }
  return {};
}

std::string AdviceLine(Question q, const Advice& advice) {
  if (advice.count == 0) return {};
  std::vector<int> order;
  for (int k = 0; k < advice.count; ++k)
    order.push_back(k);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return advice.worths[static_cast<std::size_t>(a)].points > advice.worths[static_cast<std::size_t>(b)].points;
  });
  std::string line = "読み：";
  for (std::size_t i = 0; i < order.size(); ++i) {
    const ChoiceWorth& w = advice.worths[static_cast<std::size_t>(order[i])];
    if (i > 0) line += " ／ ";
    line += ChoiceWords(q, w.choice) + " " + PointsText(w.points);
  }
  return line;
}

}  // namespace zunpa::ui
