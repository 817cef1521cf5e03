#include "ui_logic/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace zunpa::ui {
namespace {

double Linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(unsigned rgb) {
  return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) + 0.0722 * Linear(rgb & 0xFF);
}

unsigned Mix(unsigned from, unsigned to, double t) {
  unsigned out = 0;
  for (int shift : {16, 8, 0}) {
    const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    out |= static_cast<unsigned>(std::lround(a + (b - a) * t)) << shift;
  }
  return out;
}

}  // namespace

double ContrastRatio(unsigned a, unsigned b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

unsigned LegibleOn(unsigned colour, unsigned ground, double minimum) {
  const unsigned target = Luminance(ground) < 0.18 ? 0xFFFFFF : 0x000000;
  for (int step = 0; step <= 20; ++step) {
    const unsigned mixed = Mix(colour, target, step / 20.0);
    if (ContrastRatio(mixed, ground) >= minimum) return mixed;
  }
  return target;
}

}  // namespace zunpa::ui
