// The Windows services behind the platform seam. Paths are byte strings in the ANSI
// code page and go to the ANSI ("A") functions unchanged.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool hasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

HANDLE openRegularFile(const std::string& path) {
  if (path.empty()) return INVALID_HANDLE_VALUE;
  // Without backup semantics a folder does not open, which is what we want.
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  std::size_t last = rest.find_last_of("\\/");
  std::string_view dirText = last == std::string_view::npos ? std::string_view() : rest.substr(0, last + 1);
  if (dirText.size() >= sizeof dir) return false;
  std::memcpy(drive, driveText.data(), driveText.size());
  drive[driveText.size()] = '\0';
  std::memcpy(dir, dirText.data(), dirText.size());
  dir[dirText.size()] = '\0';
  return true;
}

int32_t readProfileInt(const char* section, const char* key, int32_t fallback,
                       const char* file) {
  if (file == nullptr || file[0] == '\0') return fallback;
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, file));
}

std::size_t readProfileString(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t size, const char* file) {
  if (size == 0) return 0;
  if (file == nullptr || file[0] == '\0') {
    const std::size_t length = fallback == nullptr ? 0 : std::strlen(fallback);
    const std::size_t count = length < size - 1 ? length : size - 1;
    std::memcpy(out, fallback, count);
    out[count] = '\0';
    return count;
  }
  return GetPrivateProfileStringA(section, key, fallback, out, static_cast<DWORD>(size), file);
}

bool isLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; }

bool isAbsolutePath(std::string_view path) {
  if (hasDrive(path)) return path.size() >= 3 && isSeparator(path[2]);
  // Network shares and device namespaces both start with two separators.
  return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

std::string appendPath(std::string_view base, std::string_view part) {
  if (isAbsolutePath(part) || base.empty()) return std::string(part);
  if (hasDrive(part)) {
    // "X:name" keeps the base only when the base is on the same drive.
    if (!hasDrive(base) || (base[0] | 0x20) != (part[0] | 0x20)) return std::string(part);
    std::string joined(base);
    if (joined.size() > 2 && !isSeparator(joined.back())) joined += '\\';
    joined.append(part.substr(2));
    return joined;
  }
  if (!part.empty() && isSeparator(part.front())) {
    // A rooted part keeps only the base's drive or share.
    std::string joined(hasDrive(base) ? base.substr(0, 2) : std::string_view());
    joined.append(part);
    return joined;
  }
  std::string joined(base);
  if (!isSeparator(joined.back()) && !(joined.size() == 2 && hasDrive(joined))) joined += '\\';
  joined.append(part);
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
