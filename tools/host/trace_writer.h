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
  using Panel = std::array<int32_t, kPanelSize>;
  using Sound = std::array<int32_t, kSoundSize>;

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
  bool frame(uint64_t frame, int32_t timeMs, const Panel& panel, const Sound& sound) {
    if (!changed_(panel, lastPanel_, sound, lastSound_)) return false;
    writeFrame_(out_, lines_.get(), frame, timeMs, panel, lastPanel_, sound, lastSound_);
    return true;
  }

  // Records a note made after frame `frame` (0 before the first), whose host time was
  // `timeMs`, by script line `line`: "frame,time_ms,note,LINE,"TEXT"", the text (UTF-8,
  // one line) in double quotes with each double quote in it doubled.
  void note(uint64_t frame, int32_t timeMs, int line, const std::string& text);

 private:
  std::ostream& out_;
  // Both 32 bytes a compare where the processor has them, else 16.
  bool (*changed_)(const Panel&, const Panel&, const Sound&, const Sound&);
  void (*writeFrame_)(std::ostream&, char*, uint64_t, int32_t, const Panel&, Panel&, const Sound&,
                      Sound&);
  std::unique_ptr<char[]> lines_;  // the lines of a frame, formatted before they are written
  Panel lastPanel_{};
  Sound lastSound_{};
};

#endif  // RUVA_TOOLS_HOST_TRACE_WRITER_H_
