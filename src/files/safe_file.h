#pragma once
// Reading and replacing the data files so that nothing blocks and a failed
// or interrupted write never costs the previous good file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zunpa {

// Our files are a few kilobytes; anything much larger is not one of them.
constexpr std::size_t kMaxDataFileBytes = 256 * 1024;

// The whole file, or nothing when it cannot be read, is over the size, or
// is not a regular file (a FIFO or a device at the name never blocks).
std::optional<std::string> ReadBoundedFile(const std::string& path, std::size_t maxBytes = kMaxDataFileBytes);

// The system calls a write makes, so tests can make any of them fail.
struct FileCalls {
  long (*write)(int fd, const void* data, std::size_t size);
  int (*syncData)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*syncFolder)(int fd);
};
const FileCalls& SystemFileCalls();

// Where a web page keeps its files for good (emscripten's own files live
// only in memory): given the target's path and bytes once the temporary
// file is written, before the rename. False stops the write there, so the
// previous file stays in both places. Natively there is none.
using DurableStore = bool (*)(const std::string& path, const std::string& bytes);
void SetDurableStore(DurableStore store);

// Writes `<path>.XXXXXX`, syncs it to the disk and renames it over `path`,
// then syncs the folder. False when any step failed: the previous file is
// then untouched and no temporary file is left. A link is written through
// to its file; anything else that is not a regular file is never replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, const FileCalls& calls = SystemFileCalls());

// Removes the temporary files that a write killed before its rename left
// behind: `<name>.XXXXXX` for exactly the names given, nothing else.
void RemoveInterruptedWrites(const std::string& folder, const std::vector<std::string_view>& names);

}  // namespace zunpa
