#include "yomi_user.h"

#include "game_recorder.h"
#include "user_questions.h"

namespace zunpa::sim {
namespace {

constexpr int kUserSeat = 4;

std::string_view AnswerOf(bool yes) {
  return yes ? "yes" : "no";
}

}  // namespace

YomiUser::YomiUser(std::uint64_t seed, const YomiSettings& settings, GameRecorder& recorder)
    : seed_(seed), settings_(settings), recorder_(recorder) {}

Choice YomiUser::Decide(Question q) {
  const Advice advice = Analyse(session_->AnalysisInput(), q, settings_, DeriveSeed(seed_, ++decisions_));
  const ChoiceWorth* best = advice.Best();
  return best ? best->choice : Choice{Choice::Kind::Call};
}

void YomiUser::Act() {
  const Choice c = Decide(Question::Move);
  if (c.kind == Choice::Kind::Play) {
    session_->ClickCard(SuitOfCode(c.code), RankOfCode(c.code));
  } else {
    session_->PressDraw();
  }
  session_->RunSteps();
}

Answer YomiUser::ShowMessage(const Message& m) {
  if (m.buttons == Buttons::Ok) return Answer::Ok;
  const std::string_view question = QuestionId(m);
  Answer answer = m.buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  if (question == "zunpa" || question == "counter") {
    const bool call = Decide(question == "zunpa" ? Question::Zunpa : Question::Counter).kind == Choice::Kind::Call;
    answer = call ? Answer::Yes : Answer::No;
  } else if (question == "play_two" || question == "which_two") {
    answer = AnswerDrawTwo(question, m);
  }
  recorder_.OnAsk(kUserSeat, question, answer == Answer::Yes ? AnswerOf(true) : AnswerId(answer));
  return answer;
}

// The 2 is chosen once, at the first question; the suits offered after it
// are taken when they are that 2's.
Answer YomiUser::AnswerDrawTwo(std::string_view question, const Message& m) {
  if (question == "play_two") {
    const Choice c = Decide(Question::DrawTwo);
    chosenTwo_ = c.kind == Choice::Kind::Play ? c.code : 0;
    return chosenTwo_ != 0 ? Answer::Yes : Answer::No;
  }
  return chosenTwo_ == 0 || m.suit == SuitOfCode(chosenTwo_) ? Answer::Yes : Answer::No;
}

bool YomiUser::SelectPlayers(SeatSetup&) {
  recorder_.OnAsk(kUserSeat, "players", "ok");
  return true;
}

SuitChoice YomiUser::ChooseSuit(const SuitChoice& suggestion) {
  const Choice c = Decide(Question::Suit);
  const int suit = c.kind == Choice::Kind::Suit ? c.suit : suggestion.suit;
  recorder_.OnAsk(kUserSeat, "suit", SuitId(suit));
  return {suit, suggestion.autoDetect};
}

std::optional<std::string> YomiUser::EnterName(const std::string&, const std::string& preset) {
  recorder_.OnAsk(kUserSeat, "name", "ok");
  return preset;
}

}  // namespace zunpa::sim
