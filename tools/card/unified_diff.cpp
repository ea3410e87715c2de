#include "tools/card/unified_diff.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tools/card/lint_remark.h"

namespace {

constexpr std::size_t kContext = 3;
// Beyond this many line pairs the files are shown as one change, which keeps the table
// of common lines small.
constexpr std::size_t kMostPairs = 4000000;

struct Lines {
  std::vector<std::string_view> text;  // without their line feeds
  bool lastEnded = true;               // the last line ends in a line feed
};

Lines linesOf(std::string_view bytes) {
  Lines lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
      lines.text.push_back(bytes);
      lines.lastEnded = false;
      break;
    }
    lines.text.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

enum class Step : uint8_t { kSame, kRemoved, kAdded };

// The shortest way from `a` to `b` through their longest common run of lines.
std::vector<Step> stepsBetween(const Lines& a, const Lines& b) {
  const std::size_t n = a.text.size();
  const std::size_t m = b.text.size();
  auto same = [&](std::size_t i, std::size_t j) {
    // A last line without its line feed differs from the same text with one.
    const bool endA = i + 1 < n || a.lastEnded;
    const bool endB = j + 1 < m || b.lastEnded;
    return a.text[i] == b.text[j] && endA == endB;
  };
  std::vector<Step> steps;
  if ((n + 1) * (m + 1) > kMostPairs) {
    steps.assign(n, Step::kRemoved);
    steps.insert(steps.end(), m, Step::kAdded);
    return steps;
  }
  std::vector<uint32_t> common((n + 1) * (m + 1), 0);
  auto at = [&](std::size_t i, std::size_t j) -> uint32_t& { return common[i * (m + 1) + j]; };
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      at(i, j) = same(i, j) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
  }
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && same(i, j)) {
      steps.push_back(Step::kSame);
      ++i;
      ++j;
    } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
      steps.push_back(Step::kRemoved);
      ++i;
    } else {
      steps.push_back(Step::kAdded);
      ++j;
    }
  }
  return steps;
}

std::string range(std::size_t start, std::size_t count) {
  // A hunk that holds no line of a side names the line before it.
  const std::size_t first = count == 0 ? start : start + 1;
  return std::to_string(first) + (count == 1 ? "" : "," + std::to_string(count));
}

}  // namespace

std::string unifiedDiff(std::string_view before, std::string_view after, std::string_view oldName,
                        std::string_view newName) {
  if (before == after) return {};
  const Lines a = linesOf(before);
  const Lines b = linesOf(after);
  const std::vector<Step> steps = stepsBetween(a, b);
  std::string out = "--- " + terminalText(oldName) + "\n+++ " + terminalText(newName) + '\n';
  std::size_t k = 0;
  while (k < steps.size()) {
    const auto change = std::find_if(steps.begin() + static_cast<std::ptrdiff_t>(k), steps.end(),
                                     [](Step s) { return s != Step::kSame; });
    if (change == steps.end()) break;
    // A hunk: the changes and the same lines between them when fewer than twice the
    // context, with the context around.
    const auto first = static_cast<std::size_t>(change - steps.begin());
    std::size_t last = first;
    std::size_t runOfSame = 0;
    for (std::size_t s = first; s < steps.size(); ++s) {
      if (steps[s] != Step::kSame) {
        last = s;
        runOfSame = 0;
      } else if (++runOfSame > 2 * kContext) {
        break;
      }
    }
    const std::size_t from = first > kContext ? first - kContext : 0;
    const std::size_t to = std::min(steps.size(), last + 1 + kContext);
    std::size_t lineA = 0;
    std::size_t lineB = 0;
    for (std::size_t s = 0; s < from; ++s) {
      if (steps[s] != Step::kAdded) ++lineA;
      if (steps[s] != Step::kRemoved) ++lineB;
    }
    std::string body;
    std::size_t countA = 0;
    std::size_t countB = 0;
    for (std::size_t s = from; s < to; ++s) {
      const bool fromA = steps[s] != Step::kAdded;
      const std::size_t index = fromA ? lineA + countA : lineB + countB;
      const Lines& side = fromA ? a : b;
      body += steps[s] == Step::kSame ? ' ' : steps[s] == Step::kRemoved ? '-' : '+';
      body += terminalText(side.text[index]);
      body += '\n';
      if (index + 1 == side.text.size() && !side.lastEnded) body += "\\ No newline at end of file\n";
      if (steps[s] != Step::kAdded) ++countA;
      if (steps[s] != Step::kRemoved) ++countB;
    }
    out += "@@ -" + range(lineA, countA) + " +" + range(lineB, countB) + " @@\n" + body;
    k = to;
  }
  return out;
}
