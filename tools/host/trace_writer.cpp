#include "tools/host/trace_writer.h"

#include <charconv>
#include <cstring>

namespace {

// Most frames change nothing or a few values: whole arrays and then blocks are compared
// with memcmp, which compares many bytes per instruction, and only a block that differs
// is walked value by value.
constexpr std::size_t kBlock = 32;

// One line "frame,time_ms,kind,index,value", formatted in place and written at once.
class Line {
 public:
  template <typename Integer>
  Line& number(Integer value) {
    at_ = std::to_chars(at_, end_, value).ptr;
    return *this;
  }
  Line& text(const char* value) {
    for (; *value != '\0'; ++value) put(*value);
    return *this;
  }
  Line& put(char c) {
    if (at_ != end_) *at_++ = c;
    return *this;
  }
  void writeTo(std::ostream& out) const { out.write(bytes_, at_ - bytes_); }

 private:
  char bytes_[96];
  char* at_ = bytes_;
  char* end_ = bytes_ + sizeof bytes_;
};

template <std::size_t N>
void writeChanges(std::ostream& out, uint64_t frame, int32_t timeMs, const char* kind,
                  const std::array<int32_t, N>& now, std::array<int32_t, N>& last) {
  static_assert(N % kBlock == 0);
  if (std::memcmp(now.data(), last.data(), sizeof now) == 0) return;
  for (std::size_t block = 0; block < N; block += kBlock) {
    if (std::memcmp(now.data() + block, last.data() + block, kBlock * sizeof now[0]) == 0) continue;
    for (std::size_t i = block; i < block + kBlock; ++i) {
      if (now[i] == last[i]) continue;
      Line()
          .number(frame).put(',').number(timeMs).put(',').text(kind).put(',')
          .number(i).put(',').number(now[i]).put('\n')
          .writeTo(out);
      last[i] = now[i];
    }
  }
}

}  // namespace

TraceWriter::TraceWriter(std::ostream& out) : out_(out) {
  out_ << "frame,time_ms,kind,index,value\n";
}

void TraceWriter::frame(uint64_t frame, int32_t timeMs,
                        const std::array<int32_t, kPanelSize>& panel,
                        const std::array<int32_t, kSoundSize>& sound) {
  writeChanges(out_, frame, timeMs, "panel", panel, lastPanel_);
  writeChanges(out_, frame, timeMs, "sound", sound, lastSound_);
}

void TraceWriter::note(uint64_t frame, int32_t timeMs, int line, const std::string& text) {
  out_ << frame << ',' << timeMs << ",note," << line << ",\"";
  for (char c : text) {
    if (c == '"') out_ << '"';
    out_ << (c == '\n' || c == '\r' ? ' ' : c);
  }
  out_ << "\"\n";
}
