#pragma once
// The table's picture files, by name inside the program folder.

#include <string>
#include <string_view>

#include "rules/display_model.h"

namespace zunpa::ui {

inline constexpr std::string_view kBackFile = "ura.bmp";

// "s1.bmp" .. "d13.bmp": suit letter, rank without a leading zero.
std::string FaceFileName(int suit, int rank);
// What a card's picture shows now: its face or the back.
std::string CardPictureFile(const DisplayModel& display, int suit, int rank);
std::string CardPictureFile(int suit, int rank, bool faceUp);
// CngTemp(index), index 0..3 for spade .. diamond.
std::string_view SuitMarkerFile(int index);
// imgARROW: down for the normal order, up when reversed.
std::string_view ArrowFile(bool up);

}  // namespace zunpa::ui
