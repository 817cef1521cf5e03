#include "files/safe_file.h"

#include <algorithm>

#include "files/cp932_text.h"

#if defined(__unix__) || defined(__APPLE__)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#define ZUNPA_POSIX_FILES 1
#else
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#endif

namespace zunpa {
namespace {

DurableStore durableStore = nullptr;

// `<name>.` and six letters or digits, as mkstemp makes them.
bool IsLeftoverOf(std::string_view entry, std::string_view name) {
  if (entry.size() != name.size() + 7 || entry.substr(0, name.size()) != name || entry[name.size()] != '.')
    return false;
  for (char c : entry.substr(name.size() + 1))
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace

void SetDurableStore(DurableStore store) {
  durableStore = store;
}

#ifdef ZUNPA_POSIX_FILES
namespace {

// "." and ".." taken out by the letter, as Qt's cleanPath does: the link's
// target is named as the link's folder was reached, not through other links.
std::string CleanPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string part = path.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string clean;
  for (const std::string& part : parts)
    clean += "/" + part;
  return clean.empty() ? "/" : clean;
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path.front() == '/') return CleanPath(path);
  char cwd[PATH_MAX];
  if (!::getcwd(cwd, sizeof cwd)) return CleanPath(path);
  return CleanPath(std::string(cwd) + "/" + path);
}

std::string AbsoluteFolderOf(const std::string& path) {
  const std::string absolute = AbsolutePath(path);
  const std::size_t slash = absolute.rfind('/');
  return slash == 0 ? "/" : absolute.substr(0, slash);
}

// A link is followed to the file it names, as an editor saving through it
// would; a relative target is taken from the link's folder.
std::string WriteTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::string target(PATH_MAX, '\0');
  const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return {};
  target.resize(static_cast<std::size_t>(n));
  if (target.front() == '/') return CleanPath(target);
  return CleanPath(AbsoluteFolderOf(path) + "/" + target);
}

long SystemWrite(int fd, const void* data, std::size_t size) {
  return static_cast<long>(::write(fd, data, size));
}
#ifdef __APPLE__
int SystemSyncData(int fd) {
  return ::fsync(fd);
}
#else
int SystemSyncData(int fd) {
  return ::fdatasync(fd);
}
#endif

bool WriteAll(int fd, const std::string& bytes, const FileCalls& calls) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long n = calls.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// After the rename the folder's entry must reach the disk too, or a power
// cut could leave the name pointing at nothing. Folders that cannot be
// synced (some file systems refuse) are taken as they are.
bool SyncFolderOf(const std::string& path, const FileCalls& calls) {
  const std::string folder = AbsoluteFolderOf(path);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  const bool synced = calls.syncFolder(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS;
  ::close(fd);
  return synced;
}

// The permissions of the file being replaced, or the usual ones.
mode_t ModeFor(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

}  // namespace

const FileCalls& SystemFileCalls() {
  static const FileCalls calls{SystemWrite, SystemSyncData, ::close, ::rename, ::fsync};
  return calls;
}

std::optional<std::string> ReadBoundedFile(const std::string& path, std::size_t maxBytes) {
  // Opening without blocking and asking what was opened: a FIFO put there
  // in between cannot hang the game either.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::string> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    // One byte more than allowed tells an over-size file without reading it all.
    std::string data(maxBytes + 1, '\0');
    std::size_t got = 0;
    bool failed = false;
    while (got < data.size()) {
      const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    if (!failed && got <= maxBytes) bytes = data.substr(0, got);
  }
  ::close(fd);
  return bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, const FileCalls& calls) {
  const std::string target = WriteTarget(path);
  if (target.empty()) return false;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes, calls) && calls.syncData(fd) == 0;
  written = calls.close(fd) == 0 && written;
  if (written && durableStore && !durableStore(target, bytes)) written = false;
  if (!written || calls.rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return SyncFolderOf(target, calls);
}

void RemoveInterruptedWrites(const std::string& folder, const std::vector<std::string_view>& names) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir))
    for (std::string_view name : names)
      if (IsLeftoverOf(entry->d_name, name)) leftovers.push_back(PathInFolder(folder, entry->d_name));
  ::closedir(dir);
  // Only regular files: a link or a folder of such a name is someone else's.
  for (const std::string& path : leftovers) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
  }
}

#else  // The standard library's files where there is no POSIX.

const FileCalls& SystemFileCalls() {
  static const FileCalls calls{};
  return calls;
}

std::optional<std::string> ReadBoundedFile(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string data(maxBytes + 1, '\0');
  file.read(data.data(), static_cast<std::streamsize>(data.size()));
  if (file.bad()) return std::nullopt;
  const auto got = static_cast<std::size_t>(file.gcount());
  if (got > maxBytes) return std::nullopt;
  data.resize(got);
  return data;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, const FileCalls&) {
  std::error_code error;
  std::filesystem::path target(path);
  if (std::filesystem::is_symlink(target, error)) {
    const std::filesystem::path link = std::filesystem::read_symlink(target, error);
    if (error) return false;
    target = (target.parent_path() / link).lexically_normal();
  }
  if (std::filesystem::exists(target, error) && !std::filesystem::is_regular_file(target, error)) return false;
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::filesystem::path temporary;
  std::fstream file;
  for (int attempt = 0; attempt < 100 && !file.is_open(); ++attempt) {
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i)
      suffix += kLetters[device() % (sizeof kLetters - 1)];
    temporary = target;
    temporary += suffix;
    if (std::filesystem::exists(temporary, error)) continue;
    file.open(temporary, std::ios::out | std::ios::binary | std::ios::trunc);
  }
  if (!file.is_open()) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  const bool written = static_cast<bool>(file);
  file.close();
  if (!written || file.fail() || (durableStore && !durableStore(target.string(), bytes))) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

void RemoveInterruptedWrites(const std::string& folder, const std::vector<std::string_view>& names) {
  std::error_code error;
  std::vector<std::filesystem::path> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
    const std::u8string file = entry.path().filename().u8string();
    for (std::string_view name : names)
      if (entry.is_regular_file(error) && !entry.is_symlink(error) &&
          IsLeftoverOf(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()), name))
        leftovers.push_back(entry.path());
  }
  for (const auto& path : leftovers)
    std::filesystem::remove(path, error);
}

#endif

}  // namespace zunpa
