#include "tools/common/terminal_lines.h"

#include "tools/platform/host_text.h"

TerminalLines::~TerminalLines() {
  sync();
}

TerminalLines::int_type TerminalLines::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  line_ += traits_type::to_char_type(c);
  if (line_.back() == '\n') return sync() == 0 ? c : traits_type::eof();
  return c;
}

int TerminalLines::sync() {
  const bool written = line_.empty() || platform::writeTerminal(line_, standardError_);
  line_.clear();
  return written ? 0 : -1;
}
