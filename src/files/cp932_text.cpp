#include "files/cp932_text.h"

#include "files/cp932_codec.h"

#if defined(__unix__) || defined(__APPLE__)
#include <dirent.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace zunpa {

#if defined(__unix__) || defined(__APPLE__)
bool FileExistsExactly(const std::string& folder, const std::string& name) {
  if (name == "." || name == "..") return false;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return false;
  bool found = false;
  while (const dirent* entry = ::readdir(dir))
    if (name == entry->d_name) {
      found = true;
      break;
    }
  ::closedir(dir);
  return found;
}
#else
bool FileExistsExactly(const std::string& folder, const std::string& name) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error))
    if (entry.path().filename().u8string() == std::u8string(name.begin(), name.end())) return true;
  return false;
}
#endif

std::string PathInFolder(const std::string& folder, std::string_view name) {
  std::string path = folder.empty() ? std::string(".") : folder;
  if (path.back() != '/') path += '/';
  return path + std::string(name);
}

DecodedLines DecodeCp932Lines(std::string_view bytes) {
  DecodedLines out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool lastLine = end == std::string_view::npos;
    if (lastLine) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineBytes || line.find('\0') != std::string_view::npos) {
      out.fault = true;
      return out;
    }
    // A double-byte character cut off at the line's end is a fault too.
    auto text = cp932::Decode(line);
    if (!text) {
      out.fault = true;
      return out;
    }
    out.lines.push_back(std::move(*text));
    start = end + 1;
  }
  return out;
}

std::optional<std::string> EncodeCp932Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    const auto encoded = cp932::Encode(cp932::ReadUtf8(line));
    if (!encoded) return std::nullopt;
    bytes += *encoded;
    bytes += "\r\n";
  }
  return bytes;
}

std::string SanitizeForCp932(std::string_view utf8) {
  std::string out;
  for (char32_t point : cp932::ReadUtf8(utf8)) {
    if (point == '"') {
      point = 0x201D;
    } else if (point < 0x20 || point == 0x7F) {
      point = ' ';
    } else if (!cp932::EncodeOne(point)) {
      point = '?';
    }
    cp932::AppendUtf8(out, point);
  }
  return out;
}

}  // namespace zunpa
