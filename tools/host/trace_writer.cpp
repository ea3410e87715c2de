#include "tools/host/trace_writer.h"

namespace {

template <std::size_t N>
void writeChanges(std::ostream& out, uint64_t frame, int32_t timeMs, const char* kind,
                  const std::array<int32_t, N>& now, std::array<int32_t, N>& last) {
  for (std::size_t i = 0; i < N; ++i) {
    if (now[i] == last[i]) continue;
    out << frame << ',' << timeMs << ',' << kind << ',' << i << ',' << now[i] << '\n';
    last[i] = now[i];
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
