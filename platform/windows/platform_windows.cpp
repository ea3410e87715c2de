// The Windows services behind the platform seam. Paths are byte strings in the ANSI
// code page and go to the ANSI ("A") functions unchanged, so the system converts them
// with the code page it uses for file names. Path rules work on bytes and step over
// double-byte characters whole.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/platform.h"

namespace platform {
namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool hasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Offset of the character after the one at `at`: in code page 932 the second byte of a
// double-byte character can be 0x5C, the backslash, and must not count as one.
std::size_t nextChar(std::string_view path, std::size_t at) {
  const bool lead = IsDBCSLeadByte(static_cast<BYTE>(path[at])) != FALSE;
  return lead && at + 1 < path.size() ? at + 2 : at + 1;
}

// Offset of the first separator at or after `from`, or the length of `path`.
std::size_t findSeparator(std::string_view path, std::size_t from) {
  std::size_t at = from;
  while (at < path.size() && !isSeparator(path[at])) at = nextChar(path, at);
  return at < path.size() ? at : path.size();
}

// Offset of the last separator, or npos.
std::size_t findLastSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t at = 0; at < path.size(); at = nextChar(path, at)) {
    if (isSeparator(path[at])) last = at;
  }
  return last;
}

bool endsWithSeparator(std::string_view path) {
  return !path.empty() && findLastSeparator(path) == path.size() - 1;
}

// Length of the root name: "X:", "\\server", or the device prefixes "\\?" and "\\.";
// 0 when there is none. A root name other than a drive starts with two separators.
std::size_t rootNameLength(std::string_view path) {
  if (hasDrive(path)) return 2;
  if (path.size() < 3 || !isSeparator(path[0]) || !isSeparator(path[1]) || isSeparator(path[2])) {
    return 0;
  }
  if ((path[2] == '?' || path[2] == '.') && path.size() >= 4 && isSeparator(path[3])) return 3;
  return findSeparator(path, 2);
}

HANDLE openRegularFile(const std::string& path) {
  if (path.empty()) return INVALID_HANDLE_VALUE;
  // Without backup semantics a folder does not open, which is what we want.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  // A pipe or a console named in a settings file would block the host on the first read.
  if (file != INVALID_HANDLE_VALUE && GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  return file;
}

}  // namespace

bool splitModulePath(const char* path, char (&drive)[3], char (&dir)[256]) {
  drive[0] = '\0';
  dir[0] = '\0';
  std::string_view rest(path);
  std::string_view driveText;
  if (rest.size() >= 2 && rest[1] == ':') {
    driveText = rest.substr(0, 2);
    rest.remove_prefix(2);
  }
  const std::size_t last = findLastSeparator(rest);
  const std::string_view dirText =
      last == std::string_view::npos ? std::string_view() : rest.substr(0, last + 1);
  if (dirText.size() >= sizeof dir) return false;
  std::memcpy(drive, driveText.data(), driveText.size());
  drive[driveText.size()] = '\0';
  std::memcpy(dir, dirText.data(), dirText.size());
  dir[dirText.size()] = '\0';
  return true;
}

int32_t readProfileInt(const char* section, const char* key, int32_t fallback, const char* file) {
  // Without a folder the system would look for the file in the Windows folder.
  if (file == nullptr || file[0] == '\0') return fallback;
  // The reader hands negative values back as their two's complement.
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, file));
}

std::size_t readProfileString(const char* section, const char* key, const char* fallback, char* out,
                              std::size_t size, const char* file) {
  if (size == 0) return 0;
  if (file == nullptr || file[0] == '\0') {
    const std::size_t length = fallback == nullptr ? 0 : std::strlen(fallback);
    const std::size_t count = length < size - 1 ? length : size - 1;
    if (count > 0) std::memcpy(out, fallback, count);
    out[count] = '\0';
    return count;
  }
  const DWORD capacity = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
  return GetPrivateProfileStringA(section, key, fallback, out, capacity, file);
}

void readProfileInts(const char* section, std::span<ProfileIntKey> keys, const char* file) {
  for (ProfileIntKey& key : keys) key.value = readProfileInt(section, key.key, key.fallback, file);
}

void readProfileStrings(const char* section, std::span<const ProfileStringKey> keys,
                        const char* fallback, const char* file) {
  for (const ProfileStringKey& key : keys) {
    readProfileString(section, key.key, fallback, key.out, key.size, file);
  }
}

bool isLeadByte(uint8_t byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

bool isAbsolutePath(std::string_view path) {
  if (hasDrive(path)) return path.size() >= 3 && isSeparator(path[2]);
  return rootNameLength(path) > 0;
}

std::string appendPath(std::string_view base, std::string_view part) {
  if (isAbsolutePath(part)) return std::string(part);
  const std::size_t baseRoot = rootNameLength(base);
  const std::size_t partRoot = rootNameLength(part);
  // A part on another drive or share replaces the base; root names compare exactly.
  if (partRoot > 0 && base.substr(0, baseRoot) != part.substr(0, partRoot)) {
    return std::string(part);
  }
  const std::string_view partRest = part.substr(partRoot);
  std::string joined;
  if (!partRest.empty() && isSeparator(partRest.front())) {
    // A rooted part keeps only the base's drive or share.
    joined.assign(base.substr(0, baseRoot));
  } else {
    joined.assign(base);
    // "X:" stays drive-relative; a bare share name ("\\server") takes a separator.
    const bool onlyRoot = baseRoot == base.size();
    if (onlyRoot ? baseRoot >= 3 : !endsWithSeparator(base)) joined += '\\';
  }
  joined.append(partRest);
  return joined;
}

bool makeAbsolute(const std::string& path, std::string& out) {
  // The system converts through the ANSI code page, as it does for every "A" function.
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 2; ++attempt) {
    out.resize(size);
    const DWORD length = GetFullPathNameA(path.c_str(), size, out.data(), nullptr);
    if (length == 0) break;
    if (length < size) {
      out.resize(length);
      return true;
    }
    size = length;  // the length needed, terminator included
  }
  out.clear();
  return false;
}

bool pathExists(const std::string& path) {
  return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool readFile(const std::string& path, std::string& bytes) {
  return readFileUpTo(path, SIZE_MAX - 1, bytes) == FileRead::kRead;
}

FileRead readFileUpTo(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  HANDLE file = openRegularFile(path);
  if (file == INVALID_HANDLE_VALUE) return FileRead::kNotOpened;
  // Straight into `bytes`, sized from the file: a file that keeps its size is read in
  // one call, and one more call finds its end.
  LARGE_INTEGER size;
  const std::size_t known = GetFileSizeEx(file, &size) && size.QuadPart > 0
                                ? static_cast<std::size_t>(size.QuadPart)
                                : 0;
  std::size_t capacity = std::min(limit, std::max<std::size_t>(known, 4096)) + 1;
  bytes.resize(capacity);
  std::size_t have = 0;
  FileRead result = FileRead::kTooLarge;
  for (;;) {
    if (have == capacity) {
      // Grown since it was measured.
      if (capacity > limit) break;
      capacity = capacity > limit / 2 ? limit + 1 : capacity * 2;
      bytes.resize(capacity);
    }
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity - have, MAXDWORD));
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + have, wanted, &got, nullptr)) {
      result = FileRead::kFailed;
      break;
    }
    if (got == 0) {
      result = FileRead::kRead;
      break;
    }
    have += got;
  }
  CloseHandle(file);
  if (result == FileRead::kRead) {
    bytes.resize(have);
  } else {
    bytes.clear();
  }
  return result;
}

bool canOpenFile(const std::string& path) {
  HANDLE file = openRegularFile(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace platform
