#include "temporary_folder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

namespace zunpa::testing {
namespace {

std::vector<std::string> Names(const std::string& folder, bool filesOnly) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (filesOnly && (stat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))) continue;
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// A test may leave a folder it cannot list or change: it is opened up first.
void RemoveAll(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return;
  if (!S_ISDIR(st.st_mode)) {
    unlink(path.c_str());
    return;
  }
  chmod(path.c_str(), 0700);
  for (const std::string& name : Names(path, false))
    RemoveAll(path + "/" + name);
  rmdir(path.c_str());
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  // emscripten's mkdtemp draws its name from a clock of milliseconds: two
  // folders made within one would collide, so a random number comes first.
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zunpa-test-" +
                        std::to_string(std::random_device{}()) + "-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  if (isValid()) RemoveAll(path_);
}

bool Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

bool IsSymLink(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeFolder(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  return Names(folder, false);
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  return Names(folder, true);
}

}  // namespace zunpa::testing
