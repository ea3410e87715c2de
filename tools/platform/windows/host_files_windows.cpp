// Host-side file helpers over the ANSI ("A") functions: byte-string names are turned
// into file names with the ANSI code page, exactly as the module's reads turn them.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "tools/platform/host_files.h"

namespace platform {

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
    DWORD put = 0;
    if (!WriteFile(file, bytes.data(), chunk, &put, nullptr) || put == 0) {
      ok = false;
      break;
    }
    bytes.remove_prefix(put);
  }
  return CloseHandle(file) != FALSE && ok;
}

bool makeFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::vector<std::string>> folderFiles(const std::string& path) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // Only the root of an empty drive has not even "." in it.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return names;
    return std::nullopt;
  }
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  const bool failed = GetLastError() != ERROR_NO_MORE_FILES;
  FindClose(search);
  if (failed) return std::nullopt;
  std::sort(names.begin(), names.end());
  return names;
}

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

uint32_t fileNameCodePage() {
  return AreFileApisANSI() ? GetACP() : GetOEMCP();
}

std::filesystem::path fileSystemPath(const std::string& path) {
  if (path.empty() || path.size() > 1u << 20) return {};
  const int size = static_cast<int>(path.size());
  const UINT codePage = fileNameCodePage();
  const int wideSize = MultiByteToWideChar(codePage, 0, path.data(), size, nullptr, 0);
  if (wideSize <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(codePage, 0, path.data(), size, wide.data(), wideSize);
  return wide;
}

}  // namespace platform
