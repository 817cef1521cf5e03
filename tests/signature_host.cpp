#include "signature_host.h"

#include <cmath>

namespace zunpa::testing {
namespace {

// The user's own doings, folded beside the host calls.
enum Doing : std::uint64_t { kClick = 100, kDraw, kNewGame, kHighScoreMenu, kOption, kBusyClick };

constexpr std::array<std::string_view, 4> kUserNames = {"あなた", "つばめ", "Your Name", "ﾃｽﾄ,ﾌﾟﾚｰﾔｰ"};

void FoldCard(Fnv1a& h, const CardPicture& c) {
  h.Word(c.faceUp);
  h.Word(c.visible);
  h.Word(c.enabled);
  h.Word(static_cast<std::uint64_t>(c.left));
  h.Word(static_cast<std::uint64_t>(c.top));
  h.Word(static_cast<std::uint64_t>(c.z));
}

void FoldPanel(Fnv1a& h, const SeatPanel& p) {
  h.Text(p.name);
  h.Word(p.nameColour);
  h.Text(p.standing);
  h.Word(p.standingColour);
  h.Text(p.total);
  h.Text(p.lastPoints);
  h.Text(p.zunpaRecord);
  h.Text(p.wins);
}

void FoldSheetCell(Fnv1a& h, const SheetCell& c) {
  h.Text(c.caption);
  h.Word(c.colour);
  h.Word(static_cast<std::uint64_t>(c.systemColour));
  h.Word(c.italic);
  h.Fraction(c.size);
  h.Word(c.underline);
}

}  // namespace

void Fnv1a::Word(std::uint64_t v) {
  for (int i = 0; i < 8; ++i)
    Byte(static_cast<unsigned char>(v >> (8 * i)));
}

void Fnv1a::Text(std::string_view s) {
  Word(s.size());
  for (char c : s)
    Byte(static_cast<unsigned char>(c));
}

void Fnv1a::Fraction(double x) {
  Word(static_cast<std::uint64_t>(std::llround(x * 1000)));
}

void FoldDisplay(Fnv1a& h, const DisplayModel& d) {
  for (const CardPicture& c : d.cards)
    FoldCard(h, c);
  for (const Picture& m : d.suitMarkers) {
    h.Word(m.visible);
    h.Word(static_cast<std::uint64_t>(m.left));
    h.Word(static_cast<std::uint64_t>(m.top));
    h.Word(static_cast<std::uint64_t>(m.z));
  }
  for (int v : {d.zCounter, d.barTop, d.handTotalFontSize, d.playableMarks})
    h.Word(static_cast<std::uint64_t>(v));
  for (bool b : {d.arrowVisible, d.arrowUp, d.barVisible, d.drawButtonVisible, d.drawButtonEnabled,
                 d.stockCounterVisible, d.handTotalVisible, d.xray, d.saveEnabled, d.continueEnabled})
    h.Word(b);
  h.Text(d.stockCounter);
  h.Text(d.handTotal);
  h.Text(d.roundCaption);
  // Every place, shown or not: a stale mark left behind is a change too.
  for (int left : d.playableMarkLefts)
    h.Word(static_cast<std::uint64_t>(left));
  for (const SeatPanel& p : d.seats)
    FoldPanel(h, p);
  for (const auto& column : d.sheet.columns)
    for (const SheetCell& c : column)
      FoldSheetCell(h, c);
}

long SignatureHost::Calls() const {
  long n = 0;
  for (long c : calls_)
    n += c;
  return n;
}

void SignatureHost::Begin(Call kind) {
  ++calls_[kind];
  hash_.Word(kind);
  // The window may paint the table during any call, not only when told it
  // changed: what it would show then is part of the behaviour.
  if (game_) FoldDisplay(hash_, game_->display);
}

std::string_view SignatureHost::ProgramRelative(std::string_view path) const {
  if (path.starts_with(appDir_) && path.size() > appDir_.size() && path[appDir_.size()] == '/')
    path.remove_prefix(appDir_.size() + 1);
  return path;
}

void SignatureHost::Act() {
  Game& g = *game_;
  if (OneIn(40)) FlipAnOption();
  const Hand& hand = g.round.HandOf(4);
  const int roll = Below(16);
  if (hand.empty() || roll < 2) {
    Mark(kDraw);
    if (session_->PressDraw()) session_->RunSteps();
  } else if (roll == 2) {
    ClickCode(CodeOf(CardOfNumber(Below(kCardsInPack))));  // any picture on the table
  } else {
    ClickCode(hand[Below(hand.size())]);
  }
}

void SignatureHost::ClickCode(int code) {
  Mark(kClick);
  Mark(static_cast<std::uint64_t>(code));
  if (session_->ClickCard(SuitOfCode(code), RankOfCode(code))) session_->RunSteps();
}

bool SignatureHost::StartGame() {
  for (int tries = 0; tries < 100; ++tries) {
    Mark(kNewGame);
    accepted_ = false;
    if (session_->NewGame()) session_->RunSteps();
    if (accepted_) return true;
  }
  return false;
}

void SignatureHost::FiddleBetweenGames() {
  switch (Below(4)) {
    case 0:
      Mark(kHighScoreMenu);
      session_->ShowHighScores();
      break;
    case 1:
      Act();  // the controls are locked: the game ignores it
      break;
    default:
      break;
  }
}

void SignatureHost::FlipAnOption() {
  Options o = game_->options;
  const int which = Below(9);
  Mark(kOption);
  Mark(static_cast<std::uint64_t>(which));
  switch (which) {
    case 0:
      o.SpeedIndex = Below(4);
      break;
    case 1:
      o.MsgCS = !o.MsgCS;
      break;
    case 2:
      o.MsgNi = !o.MsgNi;
      break;
    case 3:
      o.MsgRev = !o.MsgRev;
      break;
    case 4:
      o.MsgSkip = !o.MsgSkip;
      break;
    case 5:
      o.Sound = !o.Sound;
      break;
    case 6:
      o.CardSound = !o.CardSound;
      break;
    case 7:
      o.AutoDetect = !o.AutoDetect;
      break;
    default:
      o.SuitAutoDetect = !o.SuitAutoDetect;
      break;
  }
  session_->SetOptions(o);
}

void SignatureHost::ClickWhileBusy() {
  if (!game_ || !OneIn(8)) return;
  Mark(kBusyClick);
  switch (Below(3)) {
    case 0:
      ClickCode(CodeOf(CardOfNumber(Below(kCardsInPack))));
      break;
    case 1:
      if (session_->PressDraw()) session_->RunSteps();
      break;
    default:
      if (session_->NewGame()) session_->RunSteps();
      break;
  }
}

Answer SignatureHost::ShowMessage(const Message& m) {
  Begin(kMessage);
  hash_.Text(m.text);
  hash_.Text(m.title);
  hash_.Word(static_cast<std::uint64_t>(m.buttons));
  hash_.Word(static_cast<std::uint64_t>(m.icon));
  Answer answer = Answer::Ok;
  if (m.buttons == Buttons::YesNo) answer = OneIn(2) ? Answer::Yes : Answer::No;
  if (m.buttons == Buttons::OkCancel) answer = OneIn(2) ? Answer::Ok : Answer::Cancel;
  hash_.Word(static_cast<std::uint64_t>(answer));
  return answer;
}

void SignatureHost::Pause(double seconds) {
  Begin(kPause);
  hash_.Fraction(seconds);
  ClickWhileBusy();
}

void SignatureHost::ProcessEvents() {
  Begin(kProcessEvents);
  ClickWhileBusy();
}

void SignatureHost::PlaySound(const std::string& path) {
  Begin(kSound);
  hash_.Text(ProgramRelative(path));
}

void SignatureHost::Announce(const Announcement& a) {
  Begin(kAnnounce);
  hash_.Word(static_cast<std::uint64_t>(a.code));
  hash_.Word(static_cast<std::uint64_t>(a.speaker));
  hash_.Text(a.text);
  hash_.Text(ProgramRelative(a.voiceFile));
  hash_.Fraction(a.balloonSeconds);
}

void SignatureHost::FoldSetup(const SeatSetup& setup) {
  for (const std::string& name : setup.names)
    hash_.Text(name);
  hash_.Word(static_cast<std::uint64_t>(setup.humanSex));
}

SeatSetup SignatureHost::PickSeats(const SeatSetup& was) {
  SeatSetup next = was;
  std::array<int, kCharacterCount> cast{};
  for (int c = 0; c < kCharacterCount; ++c)
    cast[c] = c;
  // The first three of a random order: three different characters.
  for (int i = 0; i < 3; ++i) {
    std::swap(cast[i], cast[i + Below(kCharacterCount - i)]);
    next.names[i] = std::string(kCharacterNames[cast[i]]);
  }
  next.names[3] = std::string(kUserNames[Below(static_cast<int>(kUserNames.size()))]);
  next.humanSex = Below(3);
  return next;
}

bool SignatureHost::SelectPlayers(SeatSetup& setup) {
  Begin(kSelectPlayers);
  FoldSetup(setup);
  const int roll = Below(6);
  // Cancel, sometimes after changing the computer seats, which then stay.
  const bool accepted = roll >= 2;
  if (roll != 0) setup = PickSeats(setup);
  FoldSetup(setup);
  hash_.Word(accepted);
  accepted_ = accepted;
  return accepted;
}

SuitChoice SignatureHost::ChooseSuit(const SuitChoice& suggestion) {
  Begin(kChooseSuit);
  hash_.Word(static_cast<std::uint64_t>(suggestion.suit));
  hash_.Word(suggestion.autoDetect);
  SuitChoice choice = suggestion;
  if (!OneIn(3)) choice.suit = Below(4);
  if (OneIn(4)) choice.autoDetect = !choice.autoDetect;
  hash_.Word(static_cast<std::uint64_t>(choice.suit));
  hash_.Word(choice.autoDetect);
  return choice;
}

void SignatureHost::ShowRoundResult(const RoundResult& result) {
  Begin(kRoundResult);
  hash_.Word(static_cast<std::uint64_t>(result.roundNo));
  for (int i = 0; i < kSeats; ++i) {
    const RoundResultRow& row = result.rows[i];
    hash_.Text(result.names[i]);
    for (const std::string* cell : {&row.twos, &row.suitChanges, &row.cardPoints, &row.multiplier, &row.points})
      hash_.Text(*cell);
  }
}

void SignatureHost::ShowFinalResult(const FinalResult& result) {
  Begin(kFinalResult);
  for (const FinalResultRow& row : result.rows) {
    hash_.Text(row.place);
    hash_.Text(row.name);
    hash_.Text(row.points);
    hash_.Word(row.colour);
  }
}

std::optional<std::string> SignatureHost::EnterName(const std::string& message, const std::string& preset) {
  Begin(kEnterName);
  hash_.Text(message);
  hash_.Text(preset);
  std::optional<std::string> name;
  switch (Below(4)) {
    case 0:
      break;  // closed without OK
    case 1:
      name = std::string(kUserNames[Below(static_cast<int>(kUserNames.size()))]);
      break;
    default:
      name = preset;
      break;
  }
  hash_.Word(name.has_value());
  if (name) hash_.Text(*name);
  return name;
}

void SignatureHost::FoldCells(const std::array<HighScoreCells, 10>& cells) {
  for (const HighScoreCells& row : cells)
    for (const std::string* cell : {&row.points, &row.name, &row.gamePlace, &row.date})
      hash_.Text(*cell);
}

void SignatureHost::ShowHighScores(HighScoreBoard& board) {
  Begin(kHighScores);
  FoldCells(board.Cells());
  const bool pressClear = OneIn(3);
  hash_.Word(pressClear);
  if (pressClear) board.Clear();
  FoldCells(board.Cells());
}

}  // namespace zunpa::testing
