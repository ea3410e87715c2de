// The module's one seam to the operating system.
//
// Everything the module needs from the system passes through these functions: the
// module's own file name, the settings-file reader, the code page's lead-byte test,
// path rules and file reading. One source file per system implements them; CMake
// picks it. Paths and texts are byte strings in the system's ANSI code page and reach
// the file system unchanged (on Windows through the ANSI functions).
#ifndef RUVA_PLATFORM_PLATFORM_H_
#define RUVA_PLATFORM_PLATFORM_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// Splits a module file name into its drive ("X:", or empty where paths have none) and
// its folder with the trailing separator. Returns false, leaving both empty, when a
// part does not fit its buffer.
bool splitModulePath(const char* path, char (&drive)[3], char (&dir)[256]);

// Settings-file reader for integers: the value of `key` in `[section]` of `file`,
// read as the system's reader does; `fallback` when the file, section or key is
// missing or the value is empty. An empty `file` counts as missing.
int32_t readProfileInt(const char* section, const char* key, int32_t fallback, const char* file);

// Settings-file reader for strings: copies the value (or `fallback`) into `out`, cut to
// `size` - 1 bytes and terminated; returns the number of bytes copied.
std::size_t readProfileString(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t size, const char* file);

// One integer for readProfileInts: the key and its fallback in, the value out.
struct ProfileIntKey {
  const char* key;
  int32_t fallback;
  int32_t value;
};

// One string for readProfileStrings: the key, and the buffer of `size` bytes that its
// value goes into.
struct ProfileStringKey {
  const char* key;
  char* out;
  std::size_t size;
};

// Several keys of one section, each read as readProfileInt reads it, in order. Where
// the system's reader is at hand each key is one call of it; the native stand-in reads
// the file once for all of them.
void readProfileInts(const char* section, std::span<ProfileIntKey> keys, const char* file);

// The same for strings, as readProfileString reads each one, with one fallback.
void readProfileStrings(const char* section, std::span<const ProfileStringKey> keys,
                        const char* fallback, const char* file);

// True when `byte` starts a double-byte character in the active ANSI code page.
bool isLeadByte(uint8_t byte);

// True when `path` needs no base folder to name a file.
bool isAbsolutePath(std::string_view path);

// `base` followed by `part` under the system's append rule: an absolute `part`
// replaces `base`; otherwise one separator is put between them where needed.
std::string appendPath(std::string_view base, std::string_view part);

// The absolute form of `path` by the system's full-path service; false when the
// service cannot produce one.
bool makeAbsolute(const std::string& path, std::string& out);

// True when anything (folder, file, link) exists at `path`. Errors count as absent.
bool pathExists(const std::string& path);

// Whole contents of the regular file at `path`, opened for reading and shared with
// other readers and writers; false when it does not open or cannot be read.
bool readFile(const std::string& path, std::string& bytes);

// How readFileUpTo ended.
enum class FileRead { kRead, kNotOpened, kFailed, kTooLarge };

// The contents of the regular file at `path`, opened as readFile opens it, when it holds
// at most `limit` bytes. Reading stops after `limit` + 1 bytes, so a larger file costs no
// more than that; it gives kTooLarge. `bytes` holds the file only for kRead.
FileRead readFileUpTo(const std::string& path, std::size_t limit, std::string& bytes);

// True when the regular file at `path` opens for reading.
bool canOpenFile(const std::string& path);

}  // namespace platform

#endif  // RUVA_PLATFORM_PLATFORM_H_
