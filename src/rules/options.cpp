#include "rules/options.h"

namespace zunpa {

double ComputerPauseSeconds(int speedIndex) {
  switch (speedIndex) {
    case 1:
      return 0.5;
    case 2:
      return 1.0;
    case 3:
      return 2.0;
    default:
      return 0.0;
  }
}

double BalloonSeconds(int speedIndex) {
  switch (speedIndex) {
    case 0:
      return 0.3;
    case 1:
      return 0.7;
    case 3:
      return 1.5;
    default:
      return 1.0;
  }
}

}  // namespace zunpa
