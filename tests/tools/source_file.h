// Files of the source tree (examples, golden outputs) as bytes, for the tools' tests.
#ifndef RUVA_TESTS_TOOLS_SOURCE_FILE_H_
#define RUVA_TESTS_TOOLS_SOURCE_FILE_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/text_file.h"
#include "tools/platform/host_files.h"

// The path of `relative` under the source tree. Built by appends: with the tree's path
// as a literal, GCC 12 at -O1 misreads `std::string(literal) + ...` as writing past the
// temporary once the literal is longer than a short string, so the build would fail or
// pass depending on where the tree was cloned.
inline std::string sourcePath(std::string_view relative) {
  std::string path = RUVA_SOURCE_DIR;
  path += '/';
  path += relative;
  return path;
}

// The bytes of `relative` under the source tree; empty when it does not open.
inline std::string readSource(const std::string& relative) {
  std::string bytes;
  if (!readWholeFile(sourcePath(relative), bytes)) bytes.clear();
  return bytes;
}

// The card files in the card folders `folders` of the vehicle at `vehicle` under the
// source tree, each as its folder and file name ("local/521M.csv").
inline std::vector<std::string> sourceCards(const std::string& vehicle,
                                            std::initializer_list<const char*> folders) {
  std::vector<std::string> cards;
  for (const char* folder : folders) {
    const std::string from = sourcePath(vehicle + "/" + folder);
    for (const std::string& name :
         platform::folderFiles(from).value_or(std::vector<std::string>{})) {
      const std::string relative = std::string(folder) + "/" + name;
      // Under Wine the source tree's code page 932 file names do not map to Japanese names.
      if (!readSource(vehicle + "/" + relative).empty()) cards.push_back(relative);
    }
  }
  return cards;
}

#endif  // RUVA_TESTS_TOOLS_SOURCE_FILE_H_
