#include "analysis/seat_knowledge.h"

#include "analysis/yomi_input.h"

namespace zunpa {
namespace {

constexpr int kUser = 4;

// What each other seat's moves since a point of the round add up to, read
// from the end of the round backwards.
struct Since {
  std::array<int, kSeats + 1> draws{};
  std::array<int, kSeats + 1> playedRanks{};
};

bool CharacterIs(const YomiInput& in, int seat, Character c) {
  const auto& character = in.characters[static_cast<std::size_t>(seat - 1)];
  return character && *character == c;
}

// A seat that drew with the pile at (suit, rank) had no playable card, save
// the characters that draw on purpose.
void ReadDraw(const YomiInput& in, const SeenMove& m, const Since& since, HandReading& reading) {
  const int seat = m.seat;
  if (CharacterIs(in, seat, Character::Zunpasky) && m.handSize == 1) return;
  const int extra = CharacterIs(in, seat, Character::Ukkari) && m.handSize == 4 ? 1 : 0;
  reading.AddVoid(SuitSet(m.pileSuit) | RankSet(m.pileRank), since.draws[static_cast<std::size_t>(seat)] + extra);
}

// The seats of `silent` did not call on the card played: each hand that has
// drawn nothing since did not total its rank then.
void ReadNoCall(const SeenMove& m, unsigned silent, const Since& since, std::array<HandReading, 3>& others) {
  const int rank = RankOfCode(m.code);
  for (int seat = 1; seat < kUser; ++seat) {
    const auto s = static_cast<std::size_t>(seat);
    if (seat == m.seat || !(silent & (1u << (seat - 1))) || since.draws[s] != 0) continue;
    others[s - 1].AddNotTotal(rank - since.playedRanks[s]);
  }
}

// Who is known not to have called on the card a call is under way on: the
// seats before the first caller, and once every caller is out, the rest.
unsigned SilentDuringCall(const RoundState& r) {
  unsigned callers = 0;
  for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
    if (seat != 0) callers |= 1u << (seat - 1);
  if (r.ZunpaKind != 0) return ~callers;
  return (1u << (r.ZunpaSeat1 - 1)) - 1;
}

void ReadMoves(const YomiInput& in, std::array<HandReading, 3>& others) {
  Since since;
  const int last = in.moveCount - 1;
  for (int k = last; k >= 0; --k) {
    const SeenMove& m = in.moves[static_cast<std::size_t>(k)];
    const int seat = m.seat;
    if (seat < 1 || seat > kSeats) continue;
    const auto s = static_cast<std::size_t>(seat);
    switch (m.kind) {
      case SeenMove::Kind::Play:
        if (k == last && in.round.ZunpaSeat1 != 0) {
          ReadNoCall(m, SilentDuringCall(in.round), since, others);
        } else {
          ReadNoCall(m, ~unsigned{m.passedCallers}, since, others);
        }
        since.playedRanks[s] += RankOfCode(m.code);
        break;
      case SeenMove::Kind::Draw:
        ++since.draws[s];
        if (seat != kUser) ReadDraw(in, m, since, others[s - 1]);
        break;
      case SeenMove::Kind::PenaltyDraw:
        ++since.draws[s];
        break;
      case SeenMove::Kind::NoTwo:
        // A computer answers a draw-two with a 2 whenever it holds one.
        if (seat != kUser) others[s - 1].AddVoid(RankSet(kDrawTwoRank), since.draws[s]);
        break;
    }
  }
}

// A Zunpa call under way opens the computer callers' hands before the user
// is asked.
void ReadOpenedHands(const YomiInput& in, std::array<HandReading, 3>& others) {
  const unsigned opened = HandsOpenedByCall(in.round);
  for (int seat = 1; seat < kUser; ++seat) {
    if (!(opened & 1u << (seat - 1))) continue;
    HandReading& reading = others[static_cast<std::size_t>(seat - 1)];
    reading.opened = true;
    reading.known = in.round.HandOf(seat).Cards();
  }
}

}  // namespace

void HandReading::AddVoid(CardSet cards, int allowed) {
  if (voids < kVoids) {
    voidCards[static_cast<std::size_t>(voids)] = cards;
    allowance[static_cast<std::size_t>(voids)] = allowed;
    ++voids;
  }
}

void HandReading::AddNotTotal(int total) {
  if (total < 1 || notTotals >= kNotTotals) return;
  notTotal[static_cast<std::size_t>(notTotals++)] = total;
}

bool HandReading::Fits(CardSet hand) const {
  if (opened) return hand == known;
  for (int k = 0; k < voids; ++k)
    if (CountCards(hand & voidCards[static_cast<std::size_t>(k)]) > allowance[static_cast<std::size_t>(k)])
      return false;
  if (notTotals > 0) {
    const int total = RankTotal(hand);
    for (int k = 0; k < notTotals; ++k)
      if (total == notTotal[static_cast<std::size_t>(k)]) return false;
  }
  return true;
}

SeatKnowledge KnowledgeOfUser(const YomiInput& in, bool readCharacters) {
  const RoundState& r = in.round;
  SeatKnowledge k;
  k.own = r.HandOf(kUser).Cards();
  CardSet pile = 0;
  for (const short code : r.pileLog)
    pile |= SetOfCode(code);
  k.unseen = kWholePack & ~k.own & ~pile;
  k.stockCount = r.stock.StockCount;
  for (int seat = 1; seat < kUser; ++seat)
    k.others[static_cast<std::size_t>(seat - 1)].size = in.HandSize(seat);
  ReadOpenedHands(in, k.others);
  for (const HandReading& reading : k.others)
    if (reading.opened) k.unseen &= ~reading.known;
  if (readCharacters) ReadMoves(in, k.others);
  return k;
}

}  // namespace zunpa
