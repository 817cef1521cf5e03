#include "flow/draw_two.h"

#include "flow/play_card.h"
#include "flow/turn_cycle.h"
#include "rules/draw.h"
#include "rules/notices.h"

namespace zunpa {
namespace {

void PlayTwo(Game& g, int seat, int code) {
  RoundState& r = g.round;
  r.SelSuit = SuitOfCode(code);
  r.SelRank = kDrawTwoRank;
  r.CurrentSeat = seat;
  PlayCard(g);
}

// The user has several 2s and wants to play one: offered one at a time
// until one is chosen.
int ChooseAmongTwos(Game& g, const std::array<int, 4>& twos, int t) {
  for (;;) {
    for (int k = 0; k < t; ++k) {
      const int suit = SuitOfCode(twos[k]);
      const Message offer{.text = std::string(kSuitNames[suit - 1]) + "の２を出しますか？",
                          .buttons = Buttons::YesNo,
                          .asked = Asked::TwoOfSuit,
                          .suit = suit};
      if (Ask(g, offer) == Answer::Yes) return twos[k];
    }
    Inform(g, "どれか選んでください", kProgramTitle, Icon::Exclamation);
  }
}

void UserAnswersDrawTwo(Game& g, const std::array<int, 4>& twos, int t) {
  RoundState& r = g.round;
  if (t == 0) {
    if (g.options.MsgNi && g.watching)
      Inform(g, "２が手持ちの札にありません！ " + std::to_string(r.DrawPenalty) + "枚めくります。");
    TakePenalty(g, 3);
    PassTurn(g);
    return;
  }
  const Message question{
      .text = t == 1 ? "２が１枚あります。出しますか？" : "２が" + std::to_string(t) + "枚あります。出しますか？",
      .buttons = Buttons::YesNo,
      .asked = Asked::PlayTwo};
  if (Ask(g, question) == Answer::Yes) {
    PlayTwo(g, 4, t == 1 ? twos[0] : ChooseAmongTwos(g, twos, t));
    return;
  }
  if (g.watching) Inform(g, std::to_string(r.DrawPenalty) + "枚めくります。");
  TakePenalty(g, 3);
  r.CurrentSeat = 4;
  PassTurn(g);
}

}  // namespace

void AnswerDrawTwo(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  std::array<int, 4> twos{};
  int t = 0;
  for (int code : r.HandOf(seat))
    if (RankOfCode(code) == kDrawTwoRank && t < 4) twos[t++] = code;
  r.CurrentSeat = seat;
  if (g.seats.IsHuman(seat)) {
    UserAnswersDrawTwo(g, twos, t);
    return;
  }
  // A computer always answers with a 2 when it has one: the last it holds.
  if (t > 0) {
    PlayTwo(g, seat, twos[t - 1]);
    return;
  }
  if (g.options.MsgNi) Announce(g, kSayNoTwo);
  TakePenalty(g, listIndex);
  PassTurn(g);
}

}  // namespace zunpa
