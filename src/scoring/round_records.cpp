#include "scoring/round_records.h"

namespace zunpa {
namespace {

// Seats counted under each slot: every character once (its first seat), and
// the user.
template <typename Count>
void ForEachRecordedSeat(const Game& g, Count count) {
  for (int c = 0; c < kCharacterCount; ++c) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (g.seats.character[seat - 1] == static_cast<Character>(c)) {
        count(c, seat);
        break;
      }
    }
  }
  if (g.seats.HumanPlays()) count(kUserSlot, 4);
}

}  // namespace

int RecordSlotOfSeat(const Game& g, int seat) {
  const auto& c = g.seats.character[seat - 1];
  return c ? static_cast<int>(*c) : kUserSlot;
}

void UpdateRoundRecords(Game& g) {
  const RoundState& r = g.round;
  Records& rec = g.records;
  ForEachRecordedSeat(g, [&](int slot, int seat) {
    rec.Add(slot, RecRounds, 1);
    rec.Add(slot, RecRoundPoints, g.scores.RoundPoints[seat - 1]);
  });
  if (r.ZunpaSeat1 != 0) {
    for (int caller : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3}) {
      if (caller == 0) continue;
      rec.Add(RecordSlotOfSeat(g, caller), RecZunpaWins, 1);
      rec.Add(RecordSlotOfSeat(g, caller), RecWins, 1);
      if (caller == r.ZunpaSeat1) rec.Add(RecordSlotOfSeat(g, r.CurrentSeat), RecZunpaLosses, 1);
    }
  }
  if (r.OutSeat != 0) {
    rec.Add(RecordSlotOfSeat(g, r.OutSeat), RecOutWins, 1);
    rec.Add(RecordSlotOfSeat(g, r.OutSeat), RecWins, 1);
  }
  g.scores.RoundPoints = {};
}

void UpdateGameRecords(Game& g) {
  Records& rec = g.records;
  ForEachRecordedSeat(g, [&](int slot, int seat) {
    const int total = g.scores.TotalPoints[seat - 1];
    rec.Add(slot, RecGames, 1);
    rec.Add(slot, RecGamePoints, total);
    const int standing = g.scores.standing[seat - 1];
    if (standing >= 1 && standing <= 4) rec.Add(slot, static_cast<RecordCounter>(RecFirsts + standing - 1), 1);
    if (total < 0) {
      rec.Add(slot, RecMinusGames, 1);
    } else if (total >= 1000) {
      rec.Add(slot, RecThousandGames, 1);
    }
  });
  g.scores.TotalPoints = {};
}

}  // namespace zunpa
