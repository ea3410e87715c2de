// Host-side file helpers: byte-string paths go to the system unchanged.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "tools/platform/host_files.h"
#include "tools/platform/host_interrupt.h"

namespace platform {

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      ok = false;
      break;
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return ::close(fd) == 0 && ok;
}

bool makeFolder(const std::string& path) {
  struct stat info;
  return ::mkdir(path.c_str(), 0755) == 0 ||
         (errno == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
}

std::optional<std::vector<std::string>> folderFiles(const std::string& path) {
  std::vector<std::string> names;
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) return std::nullopt;
  // readdir tells its end from a failure only by errno.
  errno = 0;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    struct stat info;
    if (::stat((path + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      names.push_back(name);
    }
    errno = 0;
  }
  const bool failed = errno != 0;
  ::closedir(folder);
  if (failed) return std::nullopt;
  std::sort(names.begin(), names.end());
  return names;
}

bool isFolder(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

uint32_t fileNameCodePage() {
  return 0;
}

std::filesystem::path fileSystemPath(const std::string& path) {
  return path;
}

namespace {

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// What the new file gets: the mode of the file it replaces, or what the umask leaves.
mode_t modeFor(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR && !stopRequested()) continue;
    if (put <= 0) {
      if (put == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// Moves the finished `temp` to `path`; without `replace` a hard link, which fails on an
// existing name, where the file system has them.
bool putInPlace(const std::string& temp, const std::string& path, bool replace) {
  if (replace) return ::rename(temp.c_str(), path.c_str()) == 0;
  if (::link(temp.c_str(), path.c_str()) == 0) {
    ::unlink(temp.c_str());
    return true;
  }
  struct stat info;
  if (errno == EEXIST || ::lstat(path.c_str(), &info) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, bool replace,
                         std::string& error) {
  const std::string folder = folderOf(path);
  const std::size_t slash = path.rfind('/');
  std::string temp = folder + "/." + path.substr(slash == std::string::npos ? 0 : slash + 1) +
                     ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  const bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  int number = errno;
  const bool closed = ::close(fd) == 0;
  if (written && !closed) number = errno;
  bool done = written && closed && !stopRequested();
  if (done) {
    done = putInPlace(temp, path, replace);
    number = errno;
  }
  if (!done) {
    ::unlink(temp.c_str());
    error = stopRequested() ? std::strerror(EINTR) : std::strerror(number);
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return true;
}

bool renameFile(const std::string& from, const std::string& to, std::string& error) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  error = std::strerror(errno);
  return false;
}

bool removeFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace platform
