#include "tools/host/trace_compare.h"

#include <charconv>
#include <fstream>

#include "tools/common/messages.h"

namespace {

constexpr const char* kHeader = "frame,time_ms,kind,index,value";
// Spans of frames that --diff prints, and differing indices per span.
constexpr std::size_t kSpansShown = 10;
constexpr std::size_t kIndicesShown = 8;

template <typename T>
bool parseField(std::string_view field, T& value) {
  const char* end = field.data() + field.size();
  const auto [at, ec] = std::from_chars(field.data(), end, value);
  return ec == std::errc() && at == end && !field.empty();
}

}  // namespace

TraceReplay::TraceReplay(std::istream& in, std::string name) : in_(in), name_(std::move(name)) {
  std::string header;
  std::getline(in_, header);
  if (!header.empty() && header.back() == '\r') header.pop_back();
  if (header != kHeader) {
    error_ = message(Msg::kTraceBadHeader, {name_});
    next_.frame = kEnd;
    return;
  }
  readRow();
}

bool TraceReplay::readRow() {
  std::string text;
  while (std::getline(in_, text)) {
    ++line_;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty()) continue;
    // The first four fields; a note's text (the rest) may hold commas of its own.
    std::string_view fields[5];
    std::size_t starts[5] = {};
    std::size_t at = 0;
    int count = 0;
    for (; count < 5 && at <= text.size(); ++count) {
      const std::size_t comma = count < 4 ? text.find(',', at) : std::string::npos;
      const std::size_t end = comma == std::string::npos ? text.size() : comma;
      starts[count] = at;
      fields[count] = std::string_view(text).substr(at, end - at);
      at = end + 1;
    }
    auto bad = [&](int field) {
      error_ = message(Msg::kTraceBadRow,
                       {name_, std::to_string(line_), std::to_string(starts[field] + 1)});
      next_.frame = kEnd;
      return false;
    };
    Row row;
    int32_t timeMs = 0;
    if (!parseField(fields[0], row.frame) || row.frame == kEnd) return bad(0);
    if (count < 2 || !parseField(fields[1], timeMs)) return bad(1);
    if (row.frame < lastFrame_) {
      error_ = message(
          Msg::kTraceFrameBack,
          {name_, std::to_string(line_), std::to_string(row.frame), std::to_string(lastFrame_)});
      next_.frame = kEnd;
      return false;
    }
    lastFrame_ = row.frame;
    if (count < 5) return bad(count < 3 ? 1 : count - 1);
    if (fields[2] == "note") continue;
    if (fields[2] != "panel" && fields[2] != "sound") return bad(2);
    row.sound = fields[2] == "sound";
    if (!parseField(fields[3], row.index) || row.index < 0 ||
        row.index >= (row.sound ? kSoundSize : kPanelSize))
      return bad(3);
    if (!parseField(fields[4], row.value)) return bad(4);
    next_ = row;
    return true;
  }
  next_.frame = kEnd;
  return true;
}

bool TraceReplay::advanceTo(uint64_t frame) {
  while (!failed() && next_.frame != kEnd && next_.frame <= frame) {
    (next_.sound ? arrays_.sound : arrays_.panel)[static_cast<std::size_t>(next_.index)] =
        next_.value;
    if (!readRow()) return false;
  }
  return !failed();
}

std::vector<Difference> differences(const Arrays& ours, const Arrays& theirs) {
  std::vector<Difference> found;
  for (int i = 0; i < kPanelSize; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (ours.panel[k] != theirs.panel[k])
      found.push_back({false, i, ours.panel[k], theirs.panel[k]});
  }
  for (int i = 0; i < kSoundSize; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (ours.sound[k] != theirs.sound[k])
      found.push_back({true, i, ours.sound[k], theirs.sound[k]});
  }
  return found;
}

std::string differenceText(const Difference& d) {
  return message(d.sound ? Msg::kSoundWord : Msg::kPanelWord) + " " + std::to_string(d.index) +
         " = " + std::to_string(d.ours) + " / " + std::to_string(d.theirs);
}

int diffTraces(const std::string& a, const std::string& b, std::ostream& out, std::string& error) {
  std::ifstream fileA(a, std::ios::binary), fileB(b, std::ios::binary);
  if (!fileA || !fileB) {
    error = message(Msg::kCannotReadTrace, {fileA ? b : a});
    return 2;
  }
  TraceReplay runA(fileA, a), runB(fileB, b);
  struct Span {
    uint64_t first;
    uint64_t last;  // kEnd: on to the end of both traces
    std::vector<Difference> differences;
  };
  std::vector<Span> spans;
  uint64_t spanCount = 0;
  bool open = false;
  for (;;) {
    if (runA.failed() || runB.failed()) {
      error = runA.failed() ? runA.error() : runB.error();
      return 2;
    }
    const uint64_t frame = std::min(runA.nextFrame(), runB.nextFrame());
    if (frame == TraceReplay::kEnd) break;
    if (!runA.advanceTo(frame) || !runB.advanceTo(frame)) continue;
    const bool differs = !(runA.arrays() == runB.arrays());
    if (differs == open) continue;
    if (differs) {
      ++spanCount;
      if (spans.size() < kSpansShown)
        spans.push_back({frame, TraceReplay::kEnd, differences(runA.arrays(), runB.arrays())});
    } else if (spanCount <= kSpansShown) {
      spans.back().last = frame - 1;
    }
    open = differs;
  }
  if (spanCount == 0) {
    out << message(Msg::kDiffSame, {a, b}) << '\n';
    return 0;
  }
  out << message(Msg::kDiffSpans, {a, b, std::to_string(spanCount), std::to_string(spans.size())})
      << '\n';
  for (const Span& span : spans) {
    std::string line =
        span.last == TraceReplay::kEnd
            ? message(Msg::kDiffFromFrameOn, {std::to_string(span.first)})
        : span.last == span.first
            ? message(Msg::kDiffFrame, {std::to_string(span.first)})
            : message(Msg::kDiffFrames, {std::to_string(span.first), std::to_string(span.last)});
    for (std::size_t i = 0; i < span.differences.size() && i < kIndicesShown; ++i)
      line += (i ? message(Msg::kListSeparator) : " ") + differenceText(span.differences[i]);
    if (span.differences.size() > kIndicesShown) {
      line += message(Msg::kListSeparator) +
              message(Msg::kDiffMore, {std::to_string(span.differences.size() - kIndicesShown)});
    }
    out << line << '\n';
  }
  return 1;
}
