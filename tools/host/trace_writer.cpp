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

// Folded in halves, so that a vector register need not be taken apart lane by lane.
inline bool any(const Lanes& bits) {
  using Half = uint64_t __attribute__((vector_size(16)));
  Half low;
  Half high;
  std::memcpy(&low, &bits, sizeof low);
  std::memcpy(&high, reinterpret_cast<const char*>(&bits) + sizeof low, sizeof high);
  const Half both = low | high;
  return (both[0] | both[1]) != 0;
}

template <std::size_t N>
inline bool differ(const int32_t* now, const int32_t* last) {
  Lanes bits{};
  gatherDifferences<N>(bits, now, last);
  return any(bits);
}

using PanelArray = TraceWriter::Panel;
using SoundArray = TraceWriter::Sound;

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

bool anyChangedNarrow(const PanelArray& panel, const PanelArray& lastPanel, const SoundArray& sound,
                      const SoundArray& lastSound) {
  return anyChanged(panel, lastPanel, sound, lastSound);
}

RUVA_WIDE bool anyChangedWide(const PanelArray& panel, const PanelArray& lastPanel,
                              const SoundArray& sound, const SoundArray& lastSound) {
  return anyChanged(panel, lastPanel, sound, lastSound);
}

// The lines of one frame, "frame,time_ms,kind,index,value" each, gathered in a buffer and
// written at once. Every line of a frame starts with the same "frame,time_ms,kind,",
// formatted once into a prefix of fixed capacity, so that copying it takes a fixed number
// of stores.
struct FrameLines {
  static constexpr std::size_t kPrefixCapacity = 48;
  char prefix[kPrefixCapacity] = {};
  std::size_t prefixSize;
  std::size_t kindAt;  // where the kind starts in the prefix
  char* at;            // where the next line goes
};

[[gnu::always_inline]] inline void startLines(FrameLines& lines, char* buffer, uint64_t frame,
                                              int32_t timeMs) {
  char* end = lines.prefix + FrameLines::kPrefixCapacity;
  char* p = std::to_chars(lines.prefix, end, frame).ptr;
  *p++ = ',';
  p = std::to_chars(p, end, timeMs).ptr;
  *p++ = ',';
  lines.kindAt = static_cast<std::size_t>(p - lines.prefix);
  lines.at = buffer;
}

// `kind` with its comma: the same length for both arrays.
constexpr std::size_t kKindSize = 6;

[[gnu::always_inline]] inline void setKind(FrameLines& lines, const char (&kind)[kKindSize + 1]) {
  std::memcpy(lines.prefix + lines.kindAt, kind, kKindSize);
  lines.prefixSize = lines.kindAt + kKindSize;
}

[[gnu::always_inline]] inline void addLine(FrameLines& lines, std::size_t index, int32_t value) {
  std::memcpy(lines.at, lines.prefix, FrameLines::kPrefixCapacity);
  char* p = lines.at + lines.prefixSize;
  p = std::to_chars(p, p + 4, index).ptr;
  *p++ = ',';
  p = std::to_chars(p, p + 11, value).ptr;
  *p++ = '\n';
  lines.at = p;
}

// Finds the values of `now` that differ from `last`, a block of 32 and then eight at a
// time, adds a line for each and brings `last` up to date.
template <std::size_t N>
[[gnu::always_inline]] inline void addChanges(FrameLines& lines, const std::array<int32_t, N>& now,
                                              std::array<int32_t, N>& last) {
  static_assert(N % kBlock == 0);
  for (std::size_t block = 0; block < N; block += kBlock) {
    if (!differ<kBlock>(now.data() + block, last.data() + block)) continue;
    for (std::size_t eight = block; eight < block + kBlock; eight += 8) {
      if (!differ<8>(now.data() + eight, last.data() + eight)) continue;
      for (std::size_t i = eight; i < eight + 8; ++i) {
        if (now[i] == last[i]) continue;
        addLine(lines, i, now[i]);
        last[i] = now[i];
      }
    }
  }
}

// The lines of a frame in which something changed, panel indices first.
[[gnu::always_inline]] inline void writeFrame(std::ostream& out, char* buffer, uint64_t frame,
                                              int32_t timeMs, const PanelArray& panel,
                                              PanelArray& lastPanel, const SoundArray& sound,
                                              SoundArray& lastSound) {
  FrameLines lines;
  startLines(lines, buffer, frame, timeMs);
  setKind(lines, "panel,");
  addChanges(lines, panel, lastPanel);
  setKind(lines, "sound,");
  addChanges(lines, sound, lastSound);
  // Straight to the stream's buffer, past the checks that write() makes on every call; a
  // short write still marks the stream failed.
  const std::streamsize size = lines.at - buffer;
  if (out.rdbuf()->sputn(buffer, size) != size) out.setstate(std::ios::badbit);
}

void writeFrameNarrow(std::ostream& out, char* buffer, uint64_t frame, int32_t timeMs,
                      const PanelArray& panel, PanelArray& lastPanel, const SoundArray& sound,
                      SoundArray& lastSound) {
  writeFrame(out, buffer, frame, timeMs, panel, lastPanel, sound, lastSound);
}

RUVA_WIDE void writeFrameWide(std::ostream& out, char* buffer, uint64_t frame, int32_t timeMs,
                              const PanelArray& panel, PanelArray& lastPanel,
                              const SoundArray& sound, SoundArray& lastSound) {
  writeFrame(out, buffer, frame, timeMs, panel, lastPanel, sound, lastSound);
}

// The longest line: a 20-digit frame, an 11-character time, the kind, a 3-digit index and
// an 11-character value, with their commas and the newline.
constexpr std::size_t kLongestPrefix = 20 + 1 + 11 + 1 + kKindSize;
static_assert(kLongestPrefix <= FrameLines::kPrefixCapacity);
static_assert(kPanelSize <= 1000 && kSoundSize <= 1000);
constexpr std::size_t kLineCapacity = 64;
static_assert(kLongestPrefix + 3 + 1 + 11 + 1 <= kLineCapacity);

// The most a frame writes: a line for every value of both arrays, and room past the last
// one for a whole prefix copy.
constexpr std::size_t kFrameCapacity =
    (kPanelSize + kSoundSize) * kLineCapacity + FrameLines::kPrefixCapacity;

}  // namespace

TraceWriter::TraceWriter(std::ostream& out) : TraceWriter(out, true) {}

TraceWriter::TraceWriter(std::ostream& out, bool wide)
    : out_(out),
      changed_(wide && wideCompares() ? anyChangedWide : anyChangedNarrow),
      writeFrame_(wide && wideCompares() ? writeFrameWide : writeFrameNarrow),
      lines_(new char[kFrameCapacity]) {
  out_ << "frame,time_ms,kind,index,value\n";
}

void TraceWriter::note(uint64_t frame, int32_t timeMs, int line, const std::string& text) {
  out_ << frame << ',' << timeMs << ",note," << line << ",\"";
  for (char c : text) {
    if (c == '"') out_ << '"';
    out_ << (c == '\n' || c == '\r' ? ' ' : c);
  }
  out_ << "\"\n";
}
