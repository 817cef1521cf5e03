#pragma once
// The game's data files: CP932 (windows-31j) text, CR LF line ends. Texts
// inside the program are UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zunpa {

constexpr std::size_t kMaxLineBytes = 4096;

// True only when the folder lists an entry of exactly this name (case too).
// Whatever sits there counts, a FIFO or a folder as well: reading it is then
// a fault the user is told of, not a silent start from the defaults.
bool FileExistsExactly(const std::string& folder, const std::string& name);
std::string PathInFolder(const std::string& folder, std::string_view name);

struct DecodedLines {
  std::vector<std::string> lines;  // the good lines, in UTF-8
  bool fault = false;              // a line after them could not be read
};
// Splits at CR LF (a bare LF is taken too; the last line may lack its end)
// and decodes each line strictly: a NUL byte, an invalid or cut-off CP932
// sequence or an over-long line ends the reading with a fault.
DecodedLines DecodeCp932Lines(std::string_view bytes);

// Encodes lines as CP932, each ended by CR LF. The texts must be holdable
// (see SanitizeForCp932); false when one is not.
std::optional<std::string> EncodeCp932Lines(const std::vector<std::string>& lines);
// What a quoted text of the data files can hold: a double quote becomes
// "”", a line break or other control character a space, and a character
// that CP932 lacks "?". Reading back gives exactly the result.
std::string SanitizeForCp932(std::string_view utf8);

}  // namespace zunpa
