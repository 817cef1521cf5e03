// 読み's advice as the desktop window computes it, for checking the web
// page's worker against on the same bytes.
//   zunpa-yomi-advice decisions [games]  the decisions of games 読み plays in
//       seat 4 (those zunpa-yomi-bench times), as JSON lines: each with the
//       table's bytes, the hint and the question's line; after each game its
//       ふりかえり
//   zunpa-yomi-advice ask < request      the same for one table:
//       {"input": [bytes], "question": n, "seed": "decimal"}
//   zunpa-yomi-advice lookback < request ふりかえり's rows of given decisions:
//       {"decisions": [{"input", "question", "chosen": {"kind", "code", "suit"}}]}

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "analysis/yomi_input.h"
#include "game_recorder.h"
#include "rules/random_source.h"
#include "session/look_back.h"
#include "ui_logic/yomi_hint.h"
#include "user_table.h"

namespace {

using namespace zunpa;
using Json = nlohmann::json;

Json Stop(const ui::FocusStop& s) {
  return s.draw ? Json("draw") : Json(s.code);
}

Json Bytes(const YomiInput& in) {
  const std::string bytes = SerialiseYomiInput(in);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// What the window shows for the table: the ring and tags at a move, the
// line while a question's box is up.
Json Answers(const YomiInput& in, Question q, std::uint64_t seed) {
  const Advice advice = Analyse(in, q, WindowYomiSettings(), seed);
  Json out = {{"line", ui::AdviceLine(q, advice)}};
  if (q != Question::Move) return out;
  const ui::YomiHint hint = ui::HintOf(advice);
  Json tags = Json::array();
  for (const ui::WorthTag& t : hint.tags)
    tags.push_back({{"stop", Stop(t.stop)}, {"text", t.text}, {"best", t.best}});
  out["hint"] = {{"best", hint.best ? Stop(*hint.best) : Json()},
                 {"tags", tags},
                 {"words", advice.Best() ? ui::ChoiceWords(q, advice.Best()->choice) : std::string()}};
  return out;
}

// As the window lists them: newest round first.
Json LookBackRows(const sim::DecisionList& decisions) {
  std::vector<Regret> regrets = LookBack(decisions, WindowYomiSettings());
  std::stable_sort(regrets.begin(), regrets.end(), [](const Regret& a, const Regret& b) {
    return a.decision->input.round.RoundNo > b.decision->input.round.RoundNo;
  });
  Json rows = Json::array();
  for (const Regret& r : regrets) {
    const Question q = r.decision->question;
    rows.push_back({{"round", r.decision->input.round.RoundNo},
                    {"situation", ui::SituationText(r.decision->input.round, q)},
                    {"chosen", ui::ChoiceWords(q, r.chosen.choice)},
                    {"preferred", ui::ChoiceWords(q, r.preferred.choice)},
                    {"difference", ui::PointsText(r.Difference())}});
  }
  return rows;
}

std::optional<YomiInput> InputOf(const Json& bytes) {
  if (!bytes.is_array()) return std::nullopt;
  const std::vector<std::uint8_t> raw = bytes.get<std::vector<std::uint8_t>>();
  return RestoreYomiInput(std::string(raw.begin(), raw.end()));
}

int Refuse(const char* why) {
  std::cerr << "zunpa-yomi-advice: " << why << '\n';
  return 2;
}

int Decisions(long games) {
  sim::SimOptions options;
  options.players = {Character::Agarita, Character::TrickUme, Character::KiOokuman, Character::KiOokuman};
  options.yomiUser = true;
  options.yomiSamples = 256;
  options.seed = 3;
  std::uint64_t index = 0;
  for (long game = 0; game < games; ++game) {
    sim::GameRecorder recorder;
    sim::DecisionList decisions;
    sim::PlayGameWithYomi(options, game, recorder, nullptr, &decisions);
    for (const auto& d : decisions) {
      const std::uint64_t seed = DeriveSeed(7, ++index);
      Json line = Answers(d->input, d->question, seed);
      line["input"] = Bytes(d->input);
      line["question"] = int(d->question);
      line["seed"] = std::to_string(seed);
      line["chosen"] = {{"kind", int(d->chosen.kind)}, {"code", d->chosen.code}, {"suit", d->chosen.suit}};
      std::cout << line.dump() << '\n';
    }
    std::cout << Json{{"game", game}, {"lookBack", LookBackRows(decisions)}}.dump() << '\n';
  }
  return 0;
}

int Ask(const Json& r) {
  if (!r.is_object() || !r["question"].is_number_integer() || !r["seed"].is_string())
    return Refuse("the request wants input, question and seed");
  const auto in = InputOf(r["input"]);
  const int q = r["question"].get<int>();
  if (!in || q < 0 || q > int(Question::Suit)) return Refuse("the table's bytes do not read back");
  const std::uint64_t seed = std::strtoull(r["seed"].get<std::string>().c_str(), nullptr, 10);
  std::cout << Answers(*in, Question(q), seed).dump() << '\n';
  return 0;
}

int LookBackOf(const Json& r) {
  if (!r.is_object() || !r["decisions"].is_array()) return Refuse("the request wants decisions");
  sim::DecisionList decisions;
  for (const Json& d : r["decisions"]) {
    const auto in = InputOf(d["input"]);
    if (!in) return Refuse("a decision's bytes do not read back");
    auto decision = std::make_shared<UserDecision>(*in, Question(d["question"].get<int>()));
    const Json& c = d["chosen"];
    decision->chosen = {Choice::Kind(c["kind"].get<int>()), c["code"].get<int>(), c["suit"].get<int>()};
    decisions.push_back(std::move(decision));
  }
  std::cout << LookBackRows(decisions).dump() << '\n';
  return 0;
}

Json ReadRequest() {
  return Json::parse(std::cin, nullptr, false);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "decisions") return Decisions(argc > 2 ? std::max(1L, std::atol(argv[2])) : 1);
  if (mode == "ask") return Ask(ReadRequest());
  if (mode == "lookback") return LookBackOf(ReadRequest());
  std::fputs("usage: zunpa-yomi-advice decisions [games] | zunpa-yomi-advice ask|lookback < request\n", stderr);
  return 2;
}
