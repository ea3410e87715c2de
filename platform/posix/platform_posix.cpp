// The native stand-in for the Windows services: settings files are read by the same
// rules as the Windows reader, the lead-byte test knows code page 932, and byte-string
// paths reach the file system unchanged.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/profile_text.h"

namespace platform {
namespace {

// Opens a regular file for reading without blocking on special files, and gives its size
// as it opened; -1 otherwise.
int openRegularFile(const std::string& path, std::size_t& size) {
  if (path.empty()) return -1;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  size = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  return fd;
}

// Reads `fd` to its end, or until it has given more than `limit` bytes, straight into
// `bytes`, sized from the size `known` when it was opened: a file that keeps its size is
// read in one call, and one more call finds its end.
FileRead readAll(int fd, std::size_t known, std::size_t limit, std::string& bytes) {
  std::size_t capacity = std::min(limit, std::max<std::size_t>(known, 4096)) + 1;
  bytes.resize(capacity);
  std::size_t have = 0;
  for (;;) {
    if (have == capacity) {
      // Grown since it was measured, or of no size known in advance.
      if (capacity > limit) break;
      capacity = capacity > limit / 2 ? limit + 1 : capacity * 2;
      bytes.resize(capacity);
    }
    const ssize_t got = ::read(fd, bytes.data() + have, capacity - have);
    if (got == 0) {
      bytes.resize(have);
      return FileRead::kRead;
    }
    if (got < 0) {
      if (errno == EINTR) continue;
      bytes.clear();
      return FileRead::kFailed;
    }
    have += static_cast<std::size_t>(got);
  }
  bytes.clear();
  return FileRead::kTooLarge;
}

// The bytes of a settings file; none for a file that is missing or cannot be read.
std::string settingsText(const char* file) {
  std::string text;
  if (file == nullptr || !readFile(file, text)) text.clear();
  return text;
}

}  // namespace

bool splitModulePath(const char* path, char (&drive)[3], char (&dir)[256]) {
  drive[0] = '\0';
  dir[0] = '\0';
  const char* slash = std::strrchr(path, '/');
  if (slash == nullptr) return true;
  const std::size_t length = static_cast<std::size_t>(slash - path) + 1;
  if (length >= sizeof dir) return false;
  std::memcpy(dir, path, length);
  dir[length] = '\0';
  return true;
}

std::size_t readProfileString(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t size, const char* file) {
  const std::string_view names[] = {key};
  return copyProfileString(findProfileValues(settingsText(file), section, names).front(),
                           fallback != nullptr ? fallback : "", out, size);
}

int32_t readProfileInt(const char* section, const char* key, int32_t fallback,
                       const char* file) {
  const std::string_view names[] = {key};
  return profileInt(findProfileValues(settingsText(file), section, names).front(), fallback);
}

void readProfileInts(const char* section, std::span<ProfileIntKey> keys, const char* file) {
  std::vector<std::string_view> names;
  for (const ProfileIntKey& key : keys) names.emplace_back(key.key);
  const auto values = findProfileValues(settingsText(file), section, names);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    keys[i].value = profileInt(values[i], keys[i].fallback);
  }
}

void readProfileStrings(const char* section, std::span<const ProfileStringKey> keys,
                        const char* fallback, const char* file) {
  std::vector<std::string_view> names;
  for (const ProfileStringKey& key : keys) names.emplace_back(key.key);
  const auto values = findProfileValues(settingsText(file), section, names);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    copyProfileString(values[i], fallback != nullptr ? fallback : "", keys[i].out, keys[i].size);
  }
}

bool isLeadByte(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

bool isAbsolutePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string appendPath(std::string_view base, std::string_view part) {
  if (isAbsolutePath(part) || base.empty()) return std::string(part);
  std::string joined(base);
  if (joined.back() != '/') joined += '/';
  joined += part;
  return joined;
}

bool makeAbsolute(const std::string& path, std::string& out) {
  if (isAbsolutePath(path)) {
    out = path;
    return true;
  }
  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return false;
  out = appendPath(cwd, path);
  return true;
}

bool pathExists(const std::string& path) {
  struct stat info;
  return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

bool readFile(const std::string& path, std::string& bytes) {
  return readFileUpTo(path, SIZE_MAX - 1, bytes) == FileRead::kRead;
}

FileRead readFileUpTo(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  std::size_t size = 0;
  const int fd = openRegularFile(path, size);
  if (fd < 0) return FileRead::kNotOpened;
  const FileRead result = readAll(fd, size, limit, bytes);
  ::close(fd);
  return result;
}

bool canOpenFile(const std::string& path) {
  std::size_t size = 0;
  const int fd = openRegularFile(path, size);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace platform
