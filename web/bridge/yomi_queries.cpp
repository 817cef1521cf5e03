#include "yomi_queries.h"

#include "analysis/questions.h"
#include "analysis/yomi_input.h"
#include "ui_logic/yomi_hint.h"

namespace zunpa::web {
namespace {

Json Bytes(const YomiInput& in) {
  const std::string bytes = SerialiseYomiInput(in);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<Question> QuestionAsked(const Json& r) {
  if (r.value("suitChoice", false)) return Question::Suit;
  if (!r.contains("asked")) return Question::Move;
  const auto asked = AskedNamed(r.value("asked", std::string()));
  if (!asked) return std::nullopt;
  Message m;
  m.asked = *asked;
  m.suit = r.value("suit", 0);
  return QuestionOf(m);
}

}  // namespace

Json YomiAsk(const Page& page, const Json& request) {
  const std::optional<Question> q = QuestionAsked(request);
  if (!q) return {{"question", nullptr}};
  // A 64-bit seed does not survive JavaScript's numbers.
  return {{"question", int(*q)},
          {"input", Bytes(page.session.AnalysisInput())},
          {"seed", std::to_string(ui::HintSeed(page.session.game()))}};
}

Json YomiDecisions(const Page& page) {
  Json decisions = Json::array();
  for (const auto& d : page.session.decisions().decisions())
    decisions.push_back(
        {{"input", Bytes(d->input)},
         {"question", int(d->question)},
         {"chosen", {{"kind", int(d->chosen.kind)}, {"code", d->chosen.code}, {"suit", d->chosen.suit}}}});
  return {{"decisions", decisions}};
}

}  // namespace zunpa::web
