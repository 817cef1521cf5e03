#include "files/safe_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#define ZUNPA_POSIX_FILES 1
#else
#include <QFile>
#include <QSaveFile>
#endif

namespace zunpa {
namespace {

// A link is followed to the file it names, as an editor saving through it would.
std::string WriteTarget(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  if (!info.isSymLink()) return path;
  return info.symLinkTarget().toStdString();
}

}  // namespace

#ifdef ZUNPA_POSIX_FILES
namespace {

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
  const std::string folder = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
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
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes, calls) && calls.syncData(fd) == 0;
  written = calls.close(fd) == 0 && written;
  if (!written || calls.rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return SyncFolderOf(target, calls);
}

#else  // Qt's own file classes where there is no POSIX.

const FileCalls& SystemFileCalls() {
  static const FileCalls calls{};
  return calls;
}

std::optional<std::string> ReadBoundedFile(const std::string& path, std::size_t maxBytes) {
  QFile file(QString::fromStdString(path));
  if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
  if (file.error() != QFileDevice::NoError || static_cast<std::size_t>(bytes.size()) > maxBytes) return std::nullopt;
  return bytes.toStdString();
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, const FileCalls&) {
  QSaveFile file(QString::fromStdString(WriteTarget(path)));
  if (!file.open(QIODevice::WriteOnly)) return false;
  // commit() can report success after its own buffered flush failed.
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

#endif

void RemoveInterruptedWrites(const std::string& folder, const std::vector<std::string_view>& names) {
  QDir dir(QString::fromStdString(folder));
  for (std::string_view name : names) {
    const QString exact =
        QRegularExpression::escape(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const QRegularExpression leftover(QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(exact));
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
      if (leftover.match(entry.fileName()).hasMatch()) dir.remove(entry.fileName());
  }
}

}  // namespace zunpa
