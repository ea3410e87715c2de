// A stream buffer for text that the tools print while they run: the text is UTF-8 as
// the tools make it, and each line reaches the terminal as platform::forTerminal has
// it (in the console's code page on a Windows console, unchanged elsewhere).
#ifndef RUVA_TOOLS_COMMON_TERMINAL_LINES_H_
#define RUVA_TOOLS_COMMON_TERMINAL_LINES_H_

#include <ostream>
#include <streambuf>
#include <string>

class TerminalLines : public std::streambuf {
 public:
  // Writes to `out`, which must outlive the buffer.
  explicit TerminalLines(std::ostream& out) : out_(out) {}
  // Writes an unfinished last line.
  ~TerminalLines() override;

 protected:
  int_type overflow(int_type c) override;
  // Writes what is held, a line begun included, and flushes `out`.
  int sync() override;

 private:
  std::ostream& out_;
  std::string line_;
};

#endif  // RUVA_TOOLS_COMMON_TERMINAL_LINES_H_
