#pragma once
// Message boxes and call-outs, as the rules raise them.

#include <string>
#include <string_view>

#include "rules/game.h"

namespace zunpa {

// An OK-only notice; nobody needs it when nobody is watching, so callers
// that build the text check g.watching first.
void Inform(Game& g, std::string_view text, std::string_view title = kProgramTitle, Icon icon = Icon::None);
// A question; always asked.
Answer Ask(Game& g, std::string text, Buttons buttons, std::string_view title = kProgramTitle, Icon icon = Icon::None);
// The same with a question made once: 読み's playouts ask the fixed ones
// by the thousand.
Answer Ask(Game& g, const Message& question);

// Call-out codes 500..515.
enum AnnouncementCode {
  kSayTwo = 500,
  kSayNoTwo = 501,
  kSayReverse = 502,
  kSaySkip = 503,
  kSaySpade = 504,  // + declared suit index
  kSayOut = 508,
  kSayZunpa1 = 509,
  kSayZunpa2 = 510,
  kSayZunpa3 = 511,
  kSayCounter1 = 512,
  kSayCounter2 = 513,
  kSayCounter3 = 514,
  kSayHit = 515,
};

// The seat that speaks a call-out, from the round state.
int SpeakerOf(const Game& g, int code);
// Spoken in the speaker's voice when voices are on and every sound file is
// there, otherwise shown in a balloon over the speaker's row. Checked here,
// so headless play pays no call for it.
void AnnounceAtTable(Game& g, int code);
inline void Announce(Game& g, int code) {
  if (g.watching) AnnounceAtTable(g, code);
}
bool VoicesOn(const Game& g);
// A sound effect; silent unless the voices are on.
void PlaySoundFile(Game& g, std::string_view name);
std::string ProgramFile(const Game& g, std::string_view name);

}  // namespace zunpa
