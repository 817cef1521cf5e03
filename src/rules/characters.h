#pragma once
// The cast of six computer characters, in their fixed order. The order is
// also the order of their record slots; the user's slot comes after them.

#include <array>
#include <optional>
#include <string_view>

namespace zunpa {

enum class Character { Agarita, Ukkari, Neutora, TrickUme, Zunpasky, KiOokuman };

constexpr int kCharacterCount = 6;
constexpr int kUserSlot = 6;

inline constexpr std::array<std::string_view, kCharacterCount> kCharacterNames = {"ｱｶﾞﾘｰﾀ",  "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ",
                                                                                  "ﾄﾘｯｸ･ｳﾒ", "ｽﾞﾝﾊﾟｽｷｲ",  "ｷ･ｵｰｸﾏﾝ"};

constexpr std::string_view NameOf(Character c) {
  return kCharacterNames[static_cast<int>(c)];
}
std::optional<Character> CharacterNamed(std::string_view name);

// Name-label colour of a character's seat (0xRRGGBB).
unsigned ColourOf(Character c);
// Voice file suffix of a character: "_f.wav", "_m.wav" or "_n.wav".
std::string_view VoiceSuffixOf(Character c);
// Voice file suffix of the user by voice set (0 male, 1 neutral, 2 female).
std::string_view VoiceSuffixOfSex(int humanSex);

}  // namespace zunpa
