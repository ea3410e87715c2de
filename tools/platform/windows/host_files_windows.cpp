// Host-side file helpers over the ANSI ("A") functions: byte-string names are turned
// into file names with the ANSI code page, exactly as the module's reads turn them.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "tools/platform/host_files.h"
#include "tools/platform/host_interrupt.h"

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

namespace {

std::string systemReason(DWORD number) {
  char text[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, number, 0, text, sizeof text, nullptr);
  std::string reason(text, length);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason.empty() ? "error " + std::to_string(number) : reason;
}

// The folder part of an ANSI path: up to its last separator, never the second byte of
// a double-byte character.
std::string folderOf(const std::string& path) {
  std::size_t end = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' || path[i] == '/') {
      end = i;
    } else if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    }
  }
  if (end == std::string::npos) return ".";
  return path.substr(0, end == 0 ? 1 : end);
}

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    if (stopRequested()) {
      SetLastError(ERROR_OPERATION_ABORTED);
      return false;
    }
    const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
    DWORD put = 0;
    if (!WriteFile(file, bytes.data(), chunk, &put, nullptr) || put == 0) return false;
    bytes.remove_prefix(put);
  }
  return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, bool replace,
                         std::string& error) {
  char temp[MAX_PATH];
  if (GetTempFileNameA(folderOf(path).c_str(), "rvc", 0, temp) == 0) {
    error = systemReason(GetLastError());
    return false;
  }
  HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD number = GetLastError();
  bool done = file != INVALID_HANDLE_VALUE;
  if (done) {
    done = writeAll(file, bytes) && FlushFileBuffers(file);
    number = GetLastError();
    CloseHandle(file);
  }
  if (done && stopRequested()) {
    done = false;
    number = ERROR_OPERATION_ABORTED;
  }
  if (done) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    done = MoveFileExA(temp, path.c_str(), flags) != FALSE;
    number = GetLastError();
  }
  if (!done) {
    DeleteFileA(temp);
    error = systemReason(number);
  }
  return done;
}

bool renameFile(const std::string& from, const std::string& to, std::string& error) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  error = systemReason(GetLastError());
  return false;
}

bool removeFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace platform
