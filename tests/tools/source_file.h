// Files of the source tree (examples, golden outputs) as bytes, for the tools' tests.
#ifndef RUVA_TESTS_TOOLS_SOURCE_FILE_H_
#define RUVA_TESTS_TOOLS_SOURCE_FILE_H_

#include <fstream>
#include <sstream>
#include <string>

// The bytes of `relative` under the source tree; empty when it does not open.
inline std::string readSource(const std::string& relative) {
  std::ifstream in(std::string(RUVA_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

#endif  // RUVA_TESTS_TOOLS_SOURCE_FILE_H_
