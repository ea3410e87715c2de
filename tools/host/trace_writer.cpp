#include "tools/host/trace_writer.h"

#include <charconv>
#include <cstring>

namespace {

// Almost every frame changes nothing (in the drive of a card, one frame in 27 changes a
// value): both arrays are first compared whole, with no branch inside, and only then a
// block of 32 values at a time to find the values that changed.
constexpr std::size_t kBlock = 32;

// Eight values at a time, in the compiler's vectors: 32 bytes an instruction where the
// processor has them, two halves of 16 elsewhere.
using Lanes = uint32_t __attribute__((vector_size(32)));

// Gathers the bits that differ between two runs of N values into eight lanes.
template <std::size_t N>
inline void gatherDifferences(Lanes& bits, const int32_t* now, const int32_t* last) {
  static_assert(N % 8 == 0);
#pragma GCC unroll 32
  for (std::size_t i = 0; i < N; i += 8) {
    Lanes a;
    Lanes b;
    std::memcpy(&a, now + i, sizeof a);
    std::memcpy(&b, last + i, sizeof b);
    bits |= a ^ b;
  }
}

inline bool any(const Lanes& bits) {
  uint32_t any = 0;
  for (int lane = 0; lane < 8; ++lane) any |= bits[lane];
  return any != 0;
}

template <std::size_t N>
inline bool differ(const int32_t* now, const int32_t* last) {
  Lanes bits{};
  gatherDifferences<N>(bits, now, last);
  return any(bits);
}

using PanelArray = std::array<int32_t, kPanelSize>;
using SoundArray = std::array<int32_t, kSoundSize>;

// Whether anything changed in either array since the last frame: the one question almost
// every frame asks, once for both arrays.
inline bool anyChanged(const PanelArray& panel, const PanelArray& lastPanel,
                       const SoundArray& sound, const SoundArray& lastSound) {
  Lanes bits{};
  gatherDifferences<kPanelSize>(bits, panel.data(), lastPanel.data());
  gatherDifferences<kSoundSize>(bits, sound.data(), lastSound.data());
  return any(bits);
}

// Wide where the processor has 32-byte vectors, as almost every one in use does.
#if defined(__x86_64__) || defined(__i386__)
#define RUVA_WIDE __attribute__((target("avx2")))
bool wideCompares() {
  return __builtin_cpu_supports("avx2");
}
#else
#define RUVA_WIDE
bool wideCompares() {
  return false;
}
#endif

RUVA_WIDE bool anyChangedWide(const PanelArray& panel, const PanelArray& lastPanel,
                              const SoundArray& sound, const SoundArray& lastSound) {
  return anyChanged(panel, lastPanel, sound, lastSound);
}

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
[[gnu::always_inline]] inline void writeChanges(std::ostream& out, uint64_t frame, int32_t timeMs,
                                                const char* kind, const std::array<int32_t, N>& now,
                                                std::array<int32_t, N>& last) {
  static_assert(N % kBlock == 0);
  for (std::size_t block = 0; block < N; block += kBlock) {
    if (!differ<kBlock>(now.data() + block, last.data() + block)) continue;
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

// The lines of a frame in which something changed, with the same wide compares.
[[gnu::always_inline]] inline void writeFrame(std::ostream& out, uint64_t frame, int32_t timeMs,
                                              const PanelArray& panel, PanelArray& lastPanel,
                                              const SoundArray& sound, SoundArray& lastSound) {
  writeChanges(out, frame, timeMs, "panel", panel, lastPanel);
  writeChanges(out, frame, timeMs, "sound", sound, lastSound);
}

void writeFrameNarrow(std::ostream& out, uint64_t frame, int32_t timeMs, const PanelArray& panel,
                      PanelArray& lastPanel, const SoundArray& sound, SoundArray& lastSound) {
  writeFrame(out, frame, timeMs, panel, lastPanel, sound, lastSound);
}

RUVA_WIDE void writeFrameWide(std::ostream& out, uint64_t frame, int32_t timeMs,
                              const PanelArray& panel, PanelArray& lastPanel,
                              const SoundArray& sound, SoundArray& lastSound) {
  writeFrame(out, frame, timeMs, panel, lastPanel, sound, lastSound);
}

}  // namespace

TraceWriter::TraceWriter(std::ostream& out) : TraceWriter(out, true) {}

TraceWriter::TraceWriter(std::ostream& out, bool wide) : out_(out), wide_(wide && wideCompares()) {
  out_ << "frame,time_ms,kind,index,value\n";
}

void TraceWriter::frame(uint64_t frame, int32_t timeMs,
                        const std::array<int32_t, kPanelSize>& panel,
                        const std::array<int32_t, kSoundSize>& sound) {
  const bool changed = wide_ ? anyChangedWide(panel, lastPanel_, sound, lastSound_)
                             : anyChanged(panel, lastPanel_, sound, lastSound_);
  if (!changed) return;
  (wide_ ? writeFrameWide : writeFrameNarrow)(out_, frame, timeMs, panel, lastPanel_, sound,
                                              lastSound_);
}

void TraceWriter::note(uint64_t frame, int32_t timeMs, int line, const std::string& text) {
  out_ << frame << ',' << timeMs << ",note," << line << ",\"";
  for (char c : text) {
    if (c == '"') out_ << '"';
    out_ << (c == '\n' || c == '\r' ? ' ' : c);
  }
  out_ << "\"\n";
}
