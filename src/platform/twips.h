#pragma once
// Window layouts are given in twips: 15 to a pixel at 96 dots per inch.
// Qt scales device-independent pixels for high-DPI screens on its own.

#include <QRect>

namespace zunpa::qt {

constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace zunpa::qt
