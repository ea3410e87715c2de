#include "tools/common/terminal_lines.h"

#include "platform/host_text.h"

TerminalLines::~TerminalLines() {
  sync();
}

TerminalLines::int_type TerminalLines::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  line_ += traits_type::to_char_type(c);
  // Whole lines only: a character is never cut between two conversions.
  if (line_.back() == '\n') {
    out_ << platform::forTerminal(line_);
    line_.clear();
  }
  return c;
}

int TerminalLines::sync() {
  if (!line_.empty()) out_ << platform::forTerminal(line_);
  line_.clear();
  out_.flush();
  return out_ ? 0 : -1;
}
