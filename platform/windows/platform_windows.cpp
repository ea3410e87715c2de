// The Windows services behind the platform seam. Paths are byte strings in the ANSI
// code page and go to the ANSI ("A") functions unchanged, so the system converts them
// with the code page it uses for file names.
//
// Path rules work on bytes, so every scan steps over double-byte characters whole: in
// code page 932 many characters (表, ソ, 能 ...) end in the byte 0x5C, which is also
// the backslash, and must not be taken for a separator.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {
namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool hasDrive(std::string_view path) {
  return path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':';
}

// Length in bytes of the character that starts at `i`: two for a lead byte that has a
// byte after it, one otherwise.
std::size_t characterLength(std::string_view path, std::size_t i) {
  return i + 1 < path.size() && isLeadByte(static_cast<uint8_t>(path[i])) ? 2 : 1;
}

// Offset of the first separator at or after `from`, or the length of `path`.
std::size_t nextSeparator(std::string_view path, std::size_t from) {
  std::size_t i = from;
  while (i < path.size() && !isSeparator(path[i])) i += characterLength(path, i);
  return i < path.size() ? i : path.size();
}

// True when the last character of `path` is a separator (not the trail byte of a
// double-byte character).
bool endsWithSeparator(std::string_view path) {
  bool last = false;
  for (std::size_t i = 0; i < path.size(); i += characterLength(path, i)) {
    last = isSeparator(path[i]);
  }
  return last;
}

// Length of the root name: "X:" for a drive; "\\server" for a network share and "\\?"
// or "\\." for a device namespace (two separators, then something else); 0 otherwise.
std::size_t rootNameLength(std::string_view path) {
  if (hasDrive(path)) return 2;
  if (path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1]) && !isSeparator(path[2])) {
    return nextSeparator(path, 2);
  }
  return 0;
}

HANDLE openRegularFile(const std::string& path) {
  if (path.empty()) return INVALID_HANDLE_VALUE;
  // Without backup semantics a folder does not open, which is what we want.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  if (hasDrive(rest)) {
    driveText = rest.substr(0, 2);
    rest.remove_prefix(2);
  }
  std::size_t dirLength = 0;
  for (std::size_t i = 0; i < rest.size(); i += characterLength(rest, i)) {
    if (isSeparator(rest[i])) dirLength = i + 1;
  }
  if (dirLength >= sizeof dir) return false;
  std::memcpy(drive, driveText.data(), driveText.size());
  drive[driveText.size()] = '\0';
  std::memcpy(dir, rest.data(), dirLength);
  dir[dirLength] = '\0';
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
  // A part on another drive ("D:name" after "C:\x") starts afresh.
  if (partRoot > 0 && base.substr(0, baseRoot) != part.substr(0, partRoot)) {
    return std::string(part);
  }
  std::string joined(base);
  const std::string_view tail = part.substr(partRoot);
  if (!tail.empty() && isSeparator(tail.front())) {
    // A rooted part keeps only the base's drive or share.
    joined.resize(baseRoot);
  } else if (baseRoot == base.size()) {
    // A bare share name needs a separator; a bare drive ("C:name") takes none.
    if (baseRoot >= 3) joined += '\\';
  } else if (!endsWithSeparator(base)) {
    joined += '\\';
  }
  joined.append(tail);
  return joined;
}

bool makeAbsolute(const std::string& path, std::string& out) {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return false;
  out.assign(buffer, length);
  return true;
}

bool pathExists(const std::string& path) {
  return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool readFile(const std::string& path, std::string& bytes) {
  HANDLE file = openRegularFile(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buffer[65536];
  bool ok = true;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return ok;
}

bool canOpenFile(const std::string& path) {
  HANDLE file = openRegularFile(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace platform
