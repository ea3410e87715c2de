// Files made by a host program (the tests and the tools) for the module to find: the
// part of the platform seam that belongs to the host's side, never linked into the
// module. Paths are byte strings in the system's ANSI code page and reach the file
// system as the module's own reads do, so a name written here is the name it opens.
#ifndef RUVA_TOOLS_PLATFORM_HOST_FILES_H_
#define RUVA_TOOLS_PLATFORM_HOST_FILES_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Creates or truncates the file at `path` and writes `bytes` into it; false when the
// file cannot be created or written.
bool writeWholeFile(const std::string& path, std::string_view bytes);

// Creates the folder at `path`; true when it exists afterwards.
bool makeFolder(const std::string& path);

// The names of the regular files in the folder at `path`, as ANSI byte strings in
// byte order; none when the folder cannot be read.
std::optional<std::vector<std::string>> folderFiles(const std::string& path);

// True when `path` names a folder.
bool isFolder(const std::string& path);

// The ANSI code page that byte-string paths are converted with; 0 where they reach
// the file system unchanged.
uint32_t fileNameCodePage();

// The byte-string path `path` as the file system names it: the same file that the
// module's reads open for those bytes. Empty when the bytes do not convert.
std::filesystem::path fileSystemPath(const std::string& path);

// Writes `bytes` to the file at `path` so that it holds either what it held before or
// all of `bytes`, whatever happens meanwhile (a full disk, a stop request, the power):
// they go into a new file in the same folder, are flushed to the disk, and that file is
// then renamed to `path`. With `replace` false an existing file is never replaced. A
// stop request (host_interrupt.h) ends the write early. False, with the system's reason
// in `error`, when `path` was left as it was; the new file is gone then too.
bool writeFileAtomically(const std::string& path, std::string_view bytes, bool replace,
                         std::string& error);

// Renames the file `from` to `to`, replacing a file of that name. False, with the
// system's reason in `error`, when it stays where it was.
bool renameFile(const std::string& from, const std::string& to, std::string& error);

// Removes the file at `path`; false when it is still there.
bool removeFile(const std::string& path);

}  // namespace platform

#endif  // RUVA_TOOLS_PLATFORM_HOST_FILES_H_
