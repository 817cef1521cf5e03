#include "rules/characters.h"

namespace zunpa {

std::optional<Character> CharacterNamed(std::string_view name) {
  for (int c = 0; c < kCharacterCount; ++c)
    if (kCharacterNames[c] == name) return static_cast<Character>(c);
  return std::nullopt;
}

unsigned ColourOf(Character c) {
  switch (c) {
    case Character::Agarita:
    case Character::TrickUme:
      return 0xFF00FF;
    case Character::Ukkari:
    case Character::Zunpasky:
      return 0x00FFFF;
    case Character::Neutora:
    case Character::KiOokuman:
      return 0x00FF00;
  }
  return 0;
}

std::string_view VoiceSuffixOf(Character c) {
  switch (c) {
    case Character::Agarita:
    case Character::TrickUme:
      return "_f.wav";
    case Character::Ukkari:
    case Character::Zunpasky:
      return "_m.wav";
    case Character::Neutora:
    case Character::KiOokuman:
      return "_n.wav";
  }
  return {};
}

std::string_view VoiceSuffixOfSex(int humanSex) {
  switch (humanSex) {
    case 0:
      return "_m.wav";
    case 2:
      return "_f.wav";
    default:
      return "_n.wav";
  }
}

}  // namespace zunpa
