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
  // Card fields are a few bytes long: one plain pass beats a search call per field.
  const char* start = line.data();
  const char* const end = start + line.size();
  for (const char* at = start; at != end; ++at) {
    if (*at == ',') {
      fields.emplace_back(start, static_cast<std::size_t>(at - start));
      start = at + 1;
    }
  }
  if (start != end) fields.emplace_back(start, static_cast<std::size_t>(end - start));
}
