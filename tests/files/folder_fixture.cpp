#include "folder_fixture.h"

#include <fstream>
#include <sstream>

#include "files/cp932_text.h"
#include "files/start_up.h"

namespace zunpa::testing {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string Golden(const std::string& name) {
  return ReadBytes(std::string(ZUNPA_TEST_DATA) + "/" + name);
}

std::string FirstLines(const std::string& bytes, int lines) {
  std::size_t end = 0;
  for (int line = 0; line < lines; ++line)
    end = bytes.find("\r\n", end) + 2;
  return bytes.substr(0, end);
}

std::string FileIn(const Game& g, const std::string& name) {
  return PathInFolder(g.files.AppDir, name);
}

void AddSoundFiles(const std::string& folder) {
  for (std::string_view name : kSoundFiles)
    WriteBytes(PathInFolder(folder, name), "");
}

}  // namespace zunpa::testing
