// Reading a whole file for the tools: scenario scripts, cards to check.
#ifndef RUVA_TOOLS_COMMON_TEXT_FILE_H_
#define RUVA_TOOLS_COMMON_TEXT_FILE_H_

#include <filesystem>
#include <string>

// The bytes of the file at `path`, unchanged; false when it does not open.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

#endif  // RUVA_TOOLS_COMMON_TEXT_FILE_H_
