#include "ui_logic/picture_files.h"

#include <array>

namespace zunpa::ui {

std::string FaceFileName(int suit, int rank) {
  return std::string(kSuitLetters[suit - 1]) + std::to_string(rank) + ".bmp";
}

std::string CardPictureFile(const DisplayModel& display, int suit, int rank) {
  return CardPictureFile(suit, rank, display.Card(suit, rank).faceUp);
}

std::string CardPictureFile(int suit, int rank, bool faceUp) {
  return faceUp ? FaceFileName(suit, rank) : std::string(kBackFile);
}

std::string_view SuitMarkerFile(int index) {
  constexpr std::array<std::string_view, 4> kMarkers = {"Stemp.bmp", "Htemp.bmp", "Ctemp.bmp", "Dtemp.bmp"};
  return kMarkers[index];
}

std::string_view ArrowFile(bool up) {
  return up ? "ArrowUp.ICO" : "ArrowDn.ICO";
}

}  // namespace zunpa::ui
