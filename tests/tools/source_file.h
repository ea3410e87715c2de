// Files of the source tree (examples, golden outputs) as bytes, for the tools' tests.
#ifndef RUVA_TESTS_TOOLS_SOURCE_FILE_H_
#define RUVA_TESTS_TOOLS_SOURCE_FILE_H_

#include <string>

#include "tools/common/text_file.h"

// The bytes of `relative` under the source tree; empty when it does not open.
inline std::string readSource(const std::string& relative) {
  std::string bytes;
  if (!readWholeFile(std::string(RUVA_SOURCE_DIR) + "/" + relative, bytes)) bytes.clear();
  return bytes;
}

#endif  // RUVA_TESTS_TOOLS_SOURCE_FILE_H_
