#include "yomi_requests.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "analysis/yomi_input.h"
#include "session/look_back.h"
#include "ui_logic/yomi_hint.h"

namespace zunpa::web {
namespace {

using Json = nlohmann::json;

std::optional<YomiInput> InputOf(const Json& bytes) {
  if (!bytes.is_array()) return std::nullopt;
  std::string raw;
  raw.reserve(bytes.size());
  for (const Json& b : bytes) {
    if (!b.is_number_unsigned() || b.get<unsigned>() > 255) return std::nullopt;
    raw.push_back(static_cast<char>(b.get<unsigned>()));
  }
  return RestoreYomiInput(raw);
}

std::optional<std::uint64_t> SeedOf(const Json& seed) {
  if (!seed.is_string()) return std::nullopt;
  const std::string& text = seed.get_ref<const std::string&>();
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<Question> QuestionNumbered(const Json& q) {
  if (!q.is_number_integer()) return std::nullopt;
  const int n = q.get<int>();
  if (n < int(Question::Move) || n > int(Question::Suit)) return std::nullopt;
  return Question(n);
}

Json StopJson(const ui::FocusStop& stop) {
  return stop.draw ? Json("draw") : Json(stop.code);
}

Json Error(const std::string& what) {
  return {{"error", what}};
}

Json Hint(const YomiInput& in, std::uint64_t seed) {
  const Advice advice = Analyse(in, Question::Move, WindowYomiSettings(), seed);
  const ui::YomiHint hint = ui::HintOf(advice);
  Json tags = Json::array();
  for (const ui::WorthTag& tag : hint.tags)
    tags.push_back({{"stop", StopJson(tag.stop)}, {"text", tag.text}, {"best", tag.best}});
  const ChoiceWorth* best = advice.Best();
  return {{"best", hint.best ? StopJson(*hint.best) : Json()},
          {"tags", tags},
          {"words", best ? ui::ChoiceWords(Question::Move, best->choice) : std::string()}};
}

std::optional<Choice> ChoiceOf(const Json& c) {
  if (!c.is_object()) return std::nullopt;
  const int kind = c.value("kind", -1);
  if (kind < int(Choice::Kind::Play) || kind > int(Choice::Kind::Suit)) return std::nullopt;
  return Choice{Choice::Kind(kind), c.value("code", 0), c.value("suit", 0)};
}

std::string LookBackStatus(std::size_t regrets) {
  if (regrets == 0) return "読みとの差がはっきりした手はありません。";
  return "読みの手が" + std::to_string(std::lround(kClearlyMore)) + "点以上よかった場面：" + std::to_string(regrets);
}

Json LookBackJson(const Json& given) {
  if (!given.is_array()) return Error("no decisions");
  std::vector<std::shared_ptr<const UserDecision>> decisions;
  for (const Json& d : given) {
    const auto in = d.is_object() ? InputOf(d.value("input", Json())) : std::nullopt;
    const auto q = d.is_object() ? QuestionNumbered(d.value("question", Json())) : std::nullopt;
    const auto chosen = d.is_object() ? ChoiceOf(d.value("chosen", Json())) : std::nullopt;
    if (!in || !q || !chosen) return Error("a decision the game could not have made");
    auto decision = std::make_shared<UserDecision>(*in, *q);
    decision->chosen = *chosen;
    decisions.push_back(std::move(decision));
  }
  const std::vector<Regret> regrets = LookBack(decisions, WindowYomiSettings());
  // Newest round first, in the order played within a round.
  std::vector<const Regret*> order;
  for (const Regret& r : regrets)
    order.push_back(&r);
  std::stable_sort(order.begin(), order.end(), [](const Regret* a, const Regret* b) {
    return a->decision->input.round.RoundNo > b->decision->input.round.RoundNo;
  });
  Json rows = Json::array();
  for (const Regret* r : order) {
    const Question q = r->decision->question;
    rows.push_back({{"round", r->decision->input.round.RoundNo},
                    {"situation", ui::SituationText(r->decision->input.round, q)},
                    {"chosen", ui::ChoiceWords(q, r->chosen.choice)},
                    {"preferred", ui::ChoiceWords(q, r->preferred.choice)},
                    {"difference", ui::PointsText(r->Difference())}});
  }
  return {{"status", LookBackStatus(regrets.size())}, {"rows", rows}};
}

Json Run(const Json& r) {
  const std::string op = r.value("op", std::string());
  if (op == "lookBack") return LookBackJson(r.value("decisions", Json()));
  const auto in = InputOf(r.value("input", Json()));
  const auto seed = SeedOf(r.value("seed", Json()));
  if (!in) return Error("the table's bytes do not read back");
  if (!seed) return Error("no seed");
  if (op == "hint") return Hint(*in, *seed);
  if (op == "advice") {
    const auto q = QuestionNumbered(r.value("question", Json()));
    if (!q) return Error("no question");
    return {{"line", ui::AdviceLine(*q, Analyse(*in, *q, WindowYomiSettings(), *seed))}};
  }
  return Error("unknown op");
}

}  // namespace

std::string RunYomiRequest(std::string_view request) {
  const Json r = Json::parse(request, nullptr, false);
  Json out;
  try {
    out = r.is_object() ? Run(r) : Error("not a request");
  } catch (const Json::exception& e) {
    out = Error(e.what());  // a field of the wrong type
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace zunpa::web
