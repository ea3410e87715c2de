// Instructions of the module's own parse of one card file, for callgrind: the file is read
// once, then parsed `repeats` times inside ruvaMeasuredParses (callgrind is told to
// collect there alone), as a card beacon parses it, without a diagnostics listener. The
// tools' costs per card are compared with this figure.
//
// Usage: card_parse_instructions FILE [repeats, default 100]
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "card/parser.h"

namespace {

int stopsSeen = 0;

}  // namespace

extern "C" [[gnu::noinline]] void ruvaMeasuredParses(const char* data, std::size_t size,
                                                     int64_t count) {
  for (int64_t i = 0; i < count; ++i) stopsSeen = parseCardText({data, size}).stopCount;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: card_parse_instructions FILE [repeats]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const int64_t repeats = argc > 2 ? std::strtoll(argv[2], nullptr, 10) : 100;
  ruvaMeasuredParses(bytes.data(), bytes.size(), repeats);
  std::printf("%lld parses of %zu bytes, %d stops\n", static_cast<long long>(repeats),
              bytes.size(), stopsSeen);
  return 0;
}
