#include "rules/notices.h"

#include <array>

#include "rules/options.h"

namespace zunpa {

void Inform(Game& g, std::string_view text, std::string_view title, Icon icon) {
  if (!g.watching) return;
  g.host->ShowMessage({std::string(text), std::string(title), Buttons::Ok, icon});
}

Answer Ask(Game& g, std::string text, Buttons buttons, std::string_view title, Icon icon) {
  return g.host->ShowMessage({std::move(text), std::string(title), buttons, icon});
}

Answer Ask(Game& g, const Message& question) {
  return g.host->ShowMessage(question);
}

namespace {

struct Callout {
  std::string_view text;
  std::string_view stem;
};

constexpr std::array<Callout, 16> kCallouts = {{
    {"２！", "ni"},
    {"２なし！", "nai"},
    {"リバース！", "rev"},
    {"スキップ！", "skip"},
    {"スペード！", "spade"},
    {"ハート！", "heart"},
    {"クローバー！", "club"},
    {"ダイヤ！", "dia"},
    {"あがり！", "agari"},
    {"ズンパ！", "zunpa"},
    {"ズンパ！", "zunpa"},
    {"ズンパ！", "zunpa"},
    {"ズンパ返し", "kaesi"},
    {"ズンパ返し", "kaesi"},
    {"ズンパ返し", "kaesi"},
    {"あっ！", "ah"},
}};

const Callout* CalloutOf(int code) {
  if (code < kSayTwo || code > kSayHit) return nullptr;
  return &kCallouts[code - kSayTwo];
}

std::string_view VoiceSuffixOfSeat(const Game& g, int seat) {
  if (seat < 1 || seat > kSeats) return {};
  if (const auto& c = g.seats.character[seat - 1]) return VoiceSuffixOf(*c);
  return VoiceSuffixOfSex(g.seats.HumanSex);
}

}  // namespace

int SpeakerOf(const Game& g, int code) {
  switch (code) {
    case kSayZunpa1:
    case kSayCounter1:
    case kSayCounter2:
    case kSayCounter3:
      return g.round.ZunpaSeat1;
    case kSayZunpa2:
      return g.round.ZunpaSeat2;
    case kSayZunpa3:
      return g.round.ZunpaSeat3;
    default:
      return g.round.CurrentSeat;
  }
}

bool VoicesOn(const Game& g) {
  return g.options.Sound && g.files.SoundFilesPresent && g.files.SoundOutputPresent;
}

std::string ProgramFile(const Game& g, std::string_view name) {
  std::string path = g.files.AppDir;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

void AnnounceAtTable(Game& g, int code) {
  const Callout* callout = CalloutOf(code);
  if (!g.watching || !callout) return;
  Announcement a;
  a.code = code;
  a.speaker = SpeakerOf(g, code);
  a.text = callout->text;
  if (VoicesOn(g)) {
    a.voiceFile = ProgramFile(g, std::string(callout->stem) + std::string(VoiceSuffixOfSeat(g, a.speaker)));
  } else {
    a.balloonSeconds = BalloonSeconds(g.options.SpeedIndex);
  }
  g.host->Announce(a);
}

void PlaySoundFile(Game& g, std::string_view name) {
  if (!g.watching || !VoicesOn(g)) return;
  g.host->PlaySound(ProgramFile(g, name));
}

}  // namespace zunpa
