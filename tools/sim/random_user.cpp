#include "random_user.h"

#include <array>

#include "game_recorder.h"
#include "user_questions.h"

namespace zunpa::sim {
namespace {

constexpr int kUserSeat = 4;
// Refused clicks in a row after which the user gives up and draws.
constexpr int kRefusalsBeforeDraw = 3;
// The 2s are offered one at a time until one is taken; after this many
// refusals in a row the next one is taken, so the offer ends.
constexpr int kTwosRefusedBeforeTaking = 8;

}  // namespace

// Mostly a card that fits, sometimes any card of the hand (a misclick the
// rules may refuse), sometimes the draw button.
void RandomUser::Act() {
  const Hand& hand = session_->game().round.HandOf(kUserSeat);
  const int roll = random_.Below(10);
  if (hand.empty() || roll == 0 || refusedInARow_ >= kRefusalsBeforeDraw) {
    Draw();
  } else if (roll <= 2) {
    Click(hand[random_.Below(hand.size())]);
  } else if (const int code = PlayableCard(); code != 0) {
    Click(code);
  } else {
    Draw();
  }
  session_->RunSteps();
}

int RandomUser::PlayableCard() {
  const RoundState& r = session_->game().round;
  std::array<int, kCardsInPack> fits{};
  int n = 0;
  for (int code : r.HandOf(kUserSeat))
    if (SuitOfCode(code) == r.PileSuit || RankOfCode(code) == r.PileRank) fits[n++] = code;
  return n == 0 ? 0 : fits[random_.Below(n)];
}

// A click the rules refuse leaves the game waiting as it was: no move is
// counted.
void RandomUser::Click(int code) {
  const Game& g = session_->game();
  const int movesBefore = g.flow.movesThisRound;
  if (!session_->ClickCard(SuitOfCode(code), RankOfCode(code))) return;
  if (g.flow.movesThisRound != movesBefore) {
    refusedInARow_ = 0;
    return;
  }
  ++refusedInARow_;
  recorder_.OnRefusedClick(kUserSeat, code);
}

void RandomUser::Draw() {
  refusedInARow_ = 0;
  session_->PressDraw();
}

Answer RandomUser::ShowMessage(const Message& m) {
  // A plain notice has one button and leads to no move.
  if (m.buttons == Buttons::Ok) return Answer::Ok;
  const std::string_view question = QuestionId(m);
  Answer answer = Answer::Ok;
  if (m.buttons == Buttons::OkCancel) {
    answer = Coin() ? Answer::Ok : Answer::Cancel;
  } else {
    answer = YesOrNo(question);
  }
  recorder_.OnAsk(kUserSeat, question, AnswerId(answer));
  return answer;
}

Answer RandomUser::YesOrNo(std::string_view question) {
  bool yes = Coin();
  if (question == "which_two") {
    yes = yes || twosRefusedInARow_ >= kTwosRefusedBeforeTaking;
    twosRefusedInARow_ = yes ? 0 : twosRefusedInARow_ + 1;
  }
  return yes ? Answer::Yes : Answer::No;
}

// The table is set up before the new-game command, as the settings would
// have it: the dialog is accepted as it comes up.
bool RandomUser::SelectPlayers(SeatSetup&) {
  recorder_.OnAsk(kUserSeat, "players", "ok");
  return true;
}

SuitChoice RandomUser::ChooseSuit(const SuitChoice& suggestion) {
  const int suit = random_.Below(4);
  recorder_.OnAsk(kUserSeat, "suit", SuitId(suit));
  return {suit, suggestion.autoDetect};
}

std::optional<std::string> RandomUser::EnterName(const std::string&, const std::string& preset) {
  const bool ok = Coin();
  recorder_.OnAsk(kUserSeat, "name", ok ? "ok" : "cancel");
  if (!ok) return std::nullopt;
  return preset;
}

}  // namespace zunpa::sim
