// The --trace output: one CSV line for every panel or sound index whose value changed
// in a frame, for plotting or for diffing two runs, and note lines that say what the
// script noted and what each card beacon loaded.
#ifndef RUVA_TOOLS_HOST_TRACE_WRITER_H_
#define RUVA_TOOLS_HOST_TRACE_WRITER_H_

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "tools/host/panel_view.h"

class TraceWriter {
 public:
  // Writes the header line "frame,time_ms,kind,index,value".
  explicit TraceWriter(std::ostream& out);
  // The same; `wide` false keeps to 16 bytes a compare even where the processor has
  // wider ones, so that tests run that path on every machine.
  TraceWriter(std::ostream& out, bool wide);

  // Records the arrays after frame `frame` (at host time `timeMs`): every index whose
  // value differs from the previous call, panel indices first, in index order. The
  // first call compares with all zeros, the arrays a host starts with. True when some
  // value changed. Inline, so that a frame that changes nothing costs its caller the
  // compare alone.
  bool frame(uint64_t frame, int32_t timeMs, const std::array<int32_t, kPanelSize>& panel,
             const std::array<int32_t, kSoundSize>& sound) {
    if (!changed_(panel, lastPanel_, sound, lastSound_)) return false;
    writeChanges(frame, timeMs, panel, sound);
    return true;
  }

  // Records a note made after frame `frame` (0 before the first), whose host time was
  // `timeMs`, by script line `line`: "frame,time_ms,note,LINE,"TEXT"", the text (UTF-8,
  // one line) in double quotes with each double quote in it doubled.
  void note(uint64_t frame, int32_t timeMs, int line, const std::string& text);

 private:
  using Panel = std::array<int32_t, kPanelSize>;
  using Sound = std::array<int32_t, kSoundSize>;

  void writeChanges(uint64_t frame, int32_t timeMs, const Panel& panel, const Sound& sound);

  std::ostream& out_;
  bool wide_;  // the processor compares 32 bytes at once
  bool (*changed_)(const Panel&, const Panel&, const Sound&, const Sound&);  // for wide_
  std::unique_ptr<char[]> lines_;  // the lines of a frame, formatted before they are written
  std::array<int32_t, kPanelSize> lastPanel_{};
  std::array<int32_t, kSoundSize> lastSound_{};
};

#endif  // RUVA_TOOLS_HOST_TRACE_WRITER_H_
