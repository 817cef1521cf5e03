#pragma once
// The five sound effects, synthesised: the same samples every build.

#include "wav.h"

namespace zunpa::sound {

Sound CardSnap();  // card.wav: a card laid down
Sound Cheer();     // agari.wav: a Zunpa is on
Sound Fanfare();   // agari2.wav: the user went out
Sound Hit();       // hizunpa.wav: the user's card was called on
Sound HeavyHit();  // hizunpa2.wav: the user lost to a single call

}  // namespace zunpa::sound
