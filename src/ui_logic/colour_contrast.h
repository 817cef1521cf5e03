#pragma once
// Contrast between two 0xRRGGBB colours by relative luminance, and a
// colour moved just far enough from its ground to be read on it.

namespace zunpa::ui {

// From 1 (equal) to 21 (black and white).
double ContrastRatio(unsigned a, unsigned b);
// `colour` itself when it already reaches `minimum` against `ground`;
// otherwise mixed towards white on a dark ground, black on a light one.
unsigned LegibleOn(unsigned colour, unsigned ground, double minimum = 4.5);

}  // namespace zunpa::ui
