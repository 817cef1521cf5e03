// 読み's input as bytes, to be sent or kept and read back elsewhere.

#include <cstdint>

#include "analysis/yomi_input.h"

namespace zunpa {
namespace {

constexpr int kUser = 4;
constexpr unsigned char kMagic = 'Y';
constexpr unsigned char kVersion = 1;
// Far below any overflow of the move cap the playouts add to it.
constexpr std::uint32_t kMostMoves = 1'000'000'000;
constexpr int kMostWins = 1'000'000'000;
constexpr unsigned kOptionBits = 9;
constexpr unsigned kFlagBits = 7;

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void U8(unsigned v) { out_.push_back(static_cast<char>(v & 0xffu)); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xffffu);
    U16(v >> 16);
  }
  void U64(std::uint64_t v) {
    U32(static_cast<std::uint32_t>(v));
    U32(static_cast<std::uint32_t>(v >> 32));
  }
  void I16(int v) { U16(static_cast<unsigned>(v)); }
  void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
  // A card as its bit, one byte; what is no card as a byte no card has.
  void CardOf(int code) {
    const CardSet card = SetOfCode(code);
    U8(card != 0 ? static_cast<unsigned>(LowestBit(card)) : 0xffu);
  }

 private:
  std::string& out_;
};

// Reading past the end gives zeros and marks the bytes as bad, so every
// field can be read before one check.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool ok() const { return ok_; }
  bool AtEnd() const { return at_ == bytes_.size(); }
  void Fail() { ok_ = false; }
  unsigned U8() {
    if (at_ >= bytes_.size()) {
      ok_ = false;
      return 0;
    }
    return static_cast<unsigned char>(bytes_[at_++]);
  }
  unsigned U16() {
    const unsigned low = U8();
    return low | U8() << 8;
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | std::uint32_t{U16()} << 16;
  }
  std::uint64_t U64() {
    const std::uint64_t low = U32();
    return low | std::uint64_t{U32()} << 32;
  }
  int I16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16())); }
  int I32() { return static_cast<std::int32_t>(U32()); }
  int In(int lo, int hi) {
    const int v = static_cast<int>(U8());
    if (v < lo || v > hi) ok_ = false;
    return v;
  }
  CardSet Cards() {
    const std::uint64_t s = U64();
    if ((s & ~kWholePack) != 0) ok_ = false;
    return s & kWholePack;
  }
  int Card() {
    const unsigned bit = U8();
    if (bit >= kCardsInPack) {
      ok_ = false;
      return 0;
    }
    return CodeOfBit(static_cast<int>(bit));
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// What a small field may hold: lo..hi, or one of two values beside.
struct Range {
  int lo, hi;
  int also = -1, orAlso = -1;
  bool Holds(int v) const { return (v >= lo && v <= hi) || v == also || v == orAlso; }
};

// The round's small fields, in the one order both directions use.
template <typename Round, typename Field>
void EachRoundField(Round& r, Field field) {
  const Range seat{0, kSeats}, suit{0, 4}, rank{0, kRanksPerSuit};
  field(r.CurrentSeat, seat);
  field(r.PileSuit, suit);
  field(r.PileRank, rank);
  field(r.PilePrintedSuit, suit);
  field(r.Prev1Suit, suit);
  field(r.Prev1Rank, rank);
  field(r.Prev2Suit, suit);
  field(r.Prev2Rank, rank);
  // 99: a card that did not fit was refused.
  field(r.SelSuit, Range{0, 4, 99});
  field(r.SelRank, Range{0, kRanksPerSuit, 99});
  field(r.DrawPenalty, Range{0, kMaxPenalty});
  field(r.OutSeat, seat);
  field(r.ZunpaSeat1, seat);
  field(r.ZunpaSeat2, seat);
  field(r.ZunpaSeat3, seat);
  field(r.CounteredSeat1, seat);
  field(r.CounteredSeat2, seat);
  field(r.ZunpaKind, Range{0, 3});
  field(r.NextStarter, Range{0, kSeats, kDecideFromResult, kNewGame});
  field(r.RoundNo, Range{0, kGameOverRound});
}

template <typename Input>
auto Flags(Input& in) {
  auto& r = in.round;
  return std::array{&r.SuitDeclared,   &r.SkipPending,     &r.Reversed,       &r.Countered,
                    &in.pendingBySkip, &in.humanInputOpen, &in.penaltyDrawing};
}

// Points are held to 16 bits by the rules; the counts are not.
template <typename S>
auto PointRows(S& s) {
  return std::array{&s.RoundPoints, &s.TotalPoints, &s.lastRoundPoints};
}
template <typename S>
auto CountRows(S& s) {
  return std::array{&s.WinCount, &s.ZunpaWinCount, &s.ZunpaLossCount};
}

unsigned OptionBits(const Options& o) {
  unsigned bits = 0;
  int k = 0;
  for (bool b : {o.MsgAll, o.MsgSkip, o.MsgRev, o.MsgNi, o.MsgCS, o.Sound, o.CardSound, o.AutoDetect, o.SuitAutoDetect})
    bits |= unsigned{b} << k++;
  return bits;
}

void SetOptionBits(Options& o, unsigned bits) {
  int k = 0;
  for (bool* b :
       {&o.MsgAll, &o.MsgSkip, &o.MsgRev, &o.MsgNi, &o.MsgCS, &o.Sound, &o.CardSound, &o.AutoDetect, &o.SuitAutoDetect})
    *b = (bits >> k++ & 1u) != 0;
}

}  // namespace

std::string SerialiseYomiInput(const YomiInput& in) {
  std::string out;
  Writer w(out);
  w.U8(kMagic);
  w.U8(kVersion);
  w.U8(static_cast<unsigned>(in.roles.SuitChangeRank));
  w.U8(static_cast<unsigned>(in.roles.ReverseRank));
  w.U8(static_cast<unsigned>(in.roles.SkipRank));
  w.U8(static_cast<unsigned>(in.options.SpeedIndex));
  w.U16(OptionBits(in.options));
  for (const auto& c : in.characters)
    w.U8(c ? static_cast<unsigned>(*c) + 1 : 0);

  const RoundState& r = in.round;
  EachRoundField(r, [&](const int& v, Range) { w.U8(static_cast<unsigned>(v)); });
  unsigned flags = 0;
  int k = 0;
  for (const bool* f : Flags(in))
    flags |= unsigned{*f} << k++;
  w.U8(flags);
  w.U8(static_cast<unsigned>(in.pendingSeat));
  w.U32(static_cast<std::uint32_t>(in.movesThisRound));

  w.U64(r.HandOf(kUser).Cards());
  const unsigned opened = HandsOpenedByCall(r);
  for (int seat = 1; seat < kUser; ++seat) {
    w.U8(static_cast<unsigned>(in.HandSize(seat)));
    if (opened & 1u << (seat - 1)) w.U64(r.HandOf(seat).Cards());
  }
  w.U8(static_cast<unsigned>(r.pileLog.size()));
  for (const short code : r.pileLog)
    w.CardOf(code);
  w.U8(static_cast<unsigned>(r.stock.StockCount));

  for (const auto* row : PointRows(in.scores))
    for (int v : *row)
      w.I16(v);
  for (const auto* row : CountRows(in.scores))
    for (int v : *row)
      w.I32(v);
  for (int v : in.scores.standing)
    w.U8(static_cast<unsigned>(v));

  w.U16(static_cast<unsigned>(in.moveCount));
  for (int m = 0; m < in.moveCount; ++m) {
    const SeenMove& move = in.moves[static_cast<std::size_t>(m)];
    w.U8(static_cast<unsigned>(move.kind) << 4 | move.seat);
    switch (move.kind) {
      case SeenMove::Kind::Play:
        w.CardOf(move.code);
        w.U8(move.passedCallers);
        break;
      case SeenMove::Kind::Draw:
      case SeenMove::Kind::PenaltyDraw:
        w.U8(move.pileSuit);
        w.U8(move.pileRank);
        w.U8(move.handSize);
        break;
      case SeenMove::Kind::NoTwo:
        break;
    }
  }
  return out;
}

std::optional<YomiInput> RestoreYomiInput(std::string_view bytes) {
  Reader b(bytes);
  if (b.U8() != kMagic || b.U8() != kVersion) return std::nullopt;
  YomiInput in;
  in.roles.SuitChangeRank = static_cast<int>(b.U8());
  in.roles.ReverseRank = static_cast<int>(b.U8());
  in.roles.SkipRank = static_cast<int>(b.U8());
  if (!RolesValid(in.roles)) b.Fail();
  in.options.SpeedIndex = b.In(0, 3);
  const unsigned options = b.U16();
  if (options >> kOptionBits) b.Fail();
  SetOptionBits(in.options, options);
  for (auto& c : in.characters)
    if (const int v = b.In(0, static_cast<int>(Character::KiOokuman) + 1)) c = static_cast<Character>(v - 1);

  RoundState& r = in.round;
  EachRoundField(r, [&](int& v, Range range) {
    v = static_cast<int>(b.U8());
    if (!range.Holds(v)) b.Fail();
  });
  const unsigned flags = b.U8();
  if (flags >> kFlagBits) b.Fail();
  int k = 0;
  for (bool* f : Flags(in))
    *f = (flags >> k++ & 1u) != 0;
  in.pendingSeat = b.In(0, kSeats);
  const std::uint32_t moves = b.U32();
  if (moves > kMostMoves) b.Fail();
  in.movesThisRound = static_cast<int>(moves > kMostMoves ? 0 : moves);
  // A round under way has a character at every computer's seat; the callers
  // of a Zunpa come in order, after the seat that played the card.
  for (int seat = 1; seat < kUser; ++seat)
    if (r.RoundNo >= 1 && !in.characters[static_cast<std::size_t>(seat - 1)]) b.Fail();
  if ((r.ZunpaSeat2 != 0 && r.ZunpaSeat1 == 0) || (r.ZunpaSeat3 != 0 && r.ZunpaSeat2 == 0) ||
      (r.ZunpaSeat1 != 0 && r.CurrentSeat == 0))
    b.Fail();

  CardSet seen = b.Cards();
  r.HandOf(kUser).Assign(seen);
  int cards = CountCards(seen);
  const unsigned opened = HandsOpenedByCall(r);
  for (int seat = 1; seat < kUser; ++seat) {
    const int size = b.In(0, kCardsInPack);
    in.otherHandSizes[static_cast<std::size_t>(seat - 1)] = size;
    cards += size;
    if (!(opened & 1u << (seat - 1))) continue;
    const CardSet hand = b.Cards();
    if ((hand & seen) != 0 || CountCards(hand) != size) b.Fail();
    seen |= hand;
    r.HandOf(seat).Assign(hand);
  }
  const int piled = b.In(0, kCardsInPack);
  for (int p = 0; p < piled && b.ok(); ++p) {
    const int code = b.Card();
    if ((seen & SetOfCode(code)) != 0) b.Fail();
    seen |= SetOfCode(code);
    r.pileLog.Add(code);
  }
  r.stock.StockCount = b.In(0, kCardsInPack);
  if (cards + piled + r.stock.StockCount > kCardsInPack) b.Fail();

  for (auto* row : PointRows(in.scores))
    for (int& v : *row)
      v = b.I16();
  for (auto* row : CountRows(in.scores))
    for (int& v : *row) {
      v = b.I32();
      if (v < -kMostWins || v > kMostWins) b.Fail();
    }
  for (int& v : in.scores.standing)
    v = b.In(0, kSeats);

  const unsigned count = b.U16();
  if (count > TableMemory::kMoves) return std::nullopt;
  in.moveCount = static_cast<int>(count);
  for (int m = 0; m < in.moveCount && b.ok(); ++m) {
    SeenMove& move = in.moves[static_cast<std::size_t>(m)];
    const unsigned head = b.U8();
    const unsigned kind = head >> 4, seat = head & 0xfu;
    if (kind > static_cast<unsigned>(SeenMove::Kind::NoTwo) || seat < 1 || seat > kSeats) b.Fail();
    move.kind = static_cast<SeenMove::Kind>(kind);
    move.seat = static_cast<unsigned char>(seat);
    switch (move.kind) {
      case SeenMove::Kind::Play:
        move.code = static_cast<short>(b.Card());
        move.passedCallers = static_cast<unsigned char>(b.In(0, (1 << kSeats) - 1));
        break;
      case SeenMove::Kind::Draw:
      case SeenMove::Kind::PenaltyDraw:
        move.pileSuit = static_cast<unsigned char>(b.In(0, 4));
        move.pileRank = static_cast<unsigned char>(b.In(0, kRanksPerSuit));
        move.handSize = static_cast<unsigned char>(b.In(0, kCardsInPack));
        break;
      case SeenMove::Kind::NoTwo:
        break;
    }
  }
  if (!b.ok() || !b.AtEnd()) return std::nullopt;
  return in;
}

}  // namespace zunpa
