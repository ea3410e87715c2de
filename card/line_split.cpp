#include "card/line_split.h"

bool takeLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  const std::size_t feed = rest.find('\n');
  if (feed == std::string_view::npos) {
    line = rest;
    rest = {};
    return true;
  }
  line = rest.substr(0, feed);
  rest.remove_prefix(feed + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}

void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}
