#pragma once
// What the program does with its folder when it starts and when it ends.

#include <array>
#include <string_view>

#include "rules/game.h"

namespace zunpa {

// The sound files the voices need, every one of them.
inline constexpr std::array<std::string_view, 42> kSoundFiles = {
    "agari.wav",   "agari_f.wav", "agari_m.wav",    "agari_n.wav", "agari2.wav",  "ah_f.wav",    "ah_m.wav",
    "ah_n.wav",    "card.wav",    "club_f.wav",     "club_m.wav",  "club_n.wav",  "dia_f.wav",   "dia_m.wav",
    "dia_n.wav",   "zunpa_f.wav", "zunpa_f_bk.wav", "zunpa_m.wav", "zunpa_n.wav", "heart_f.wav", "heart_m.wav",
    "heart_n.wav", "hizunpa.wav", "hizunpa2.wav",   "kaesi_f.wav", "kaesi_m.wav", "kaesi_n.wav", "nai_f.wav",
    "nai_m.wav",   "nai_n.wav",   "ni_f.wav",       "ni_m.wav",    "ni_n.wav",    "rev_f.wav",   "rev_m.wav",
    "rev_n.wav",   "skip_f.wav",  "skip_m.wav",     "skip_n.wav",  "spade_f.wav", "spade_m.wav", "spade_n.wav"};

void CheckSoundFiles(Game& g);
// Start-up, once AppDir and DataDir are set: records, sound files, settings, and whether
// a saved game can be continued. No game starts by itself.
void StartUp(Game& g);
// Exit: writes the settings and the records. False when a write failed and
// the user chose to stay.
bool SaveSettingsAndRecords(Game& g);

}  // namespace zunpa
