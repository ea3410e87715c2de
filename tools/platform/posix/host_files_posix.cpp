// Host-side file helpers: byte-string paths go to the system unchanged.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "tools/platform/host_files.h"

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

}  // namespace platform
