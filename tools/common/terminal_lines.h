// A stream buffer for text that the tools print while they run: the text is UTF-8 as
// the tools make it, and each whole line reaches standard output or standard error
// through platform::writeTerminal (wide characters on a Windows console, the bytes
// elsewhere), so that no character is ever cut between two writes.
#ifndef RUVA_TOOLS_COMMON_TERMINAL_LINES_H_
#define RUVA_TOOLS_COMMON_TERMINAL_LINES_H_

#include <streambuf>
#include <string>

class TerminalLines : public std::streambuf {
 public:
  // Writes to standard output, or to standard error.
  explicit TerminalLines(bool standardError = false) : standardError_(standardError) {}
  // Writes an unfinished last line.
  ~TerminalLines() override;

 protected:
  int_type overflow(int_type c) override;
  // Writes what is held, a line begun included.
  int sync() override;

 private:
  bool standardError_;
  std::string line_;
};

#endif  // RUVA_TOOLS_COMMON_TERMINAL_LINES_H_
