#pragma once
// The player's options, as the option menus tick them. The rules read an
// option at the moment they need it.

namespace zunpa {

struct Options {
  int SpeedIndex = 2;  // 0 特急, 1 快速, 2 普通, 3 鈍行
  bool MsgAll = true;  // 全て
  bool MsgSkip = true;
  bool MsgRev = true;
  bool MsgNi = true;
  bool MsgCS = true;
  bool Sound = true;       // voices
  bool CardSound = true;   // card.wav on every card played
  bool AutoDetect = true;  // playable marks and the hand total
  bool SuitAutoDetect = true;
  friend bool operator==(const Options&, const Options&) = default;
};

// Pause before a computer move, by speed item; none when no item is set.
double ComputerPauseSeconds(int speedIndex);
// How long a speech balloon stays up, by speed item.
double BalloonSeconds(int speedIndex);

}  // namespace zunpa
