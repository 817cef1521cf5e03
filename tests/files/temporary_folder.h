#pragma once
// A fresh folder for one test, and the few questions the tests ask of the
// file system, in POSIX alone: the tests also run where there is no Qt.

#include <string>
#include <vector>

namespace zunpa::testing {

// Made under $TMPDIR (or /tmp); removed with all it holds at the end,
// read-only folders, links and FIFOs included.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  bool isValid() const { return !path_.empty(); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Following links: a link to nothing does not exist.
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
// The name itself, not what it leads to.
bool IsSymLink(const std::string& path);
bool MakeFolder(const std::string& path);
// Every name in a folder, hidden and special ones too, sorted.
std::vector<std::string> NamesIn(const std::string& folder);
// Only the names of regular files (or links to them), sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);

}  // namespace zunpa::testing
