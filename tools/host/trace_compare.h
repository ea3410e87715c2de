// Two runs side by side: a trace written by --trace read back as the arrays it describes,
// frame by frame, and the indices at which two runs' arrays differ. `ruvahost --diff`
// prints where two traces part; `--compare` puts a trace beside the run on the page.
#ifndef RUVA_TOOLS_HOST_TRACE_COMPARE_H_
#define RUVA_TOOLS_HOST_TRACE_COMPARE_H_

#include <array>
#include <cstdint>
#include <istream>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "tools/host/panel_view.h"

struct Arrays {
  std::array<int32_t, kPanelSize> panel{};
  std::array<int32_t, kSoundSize> sound{};
  bool operator==(const Arrays&) const = default;
};

// The arrays that a trace describes, from the all-zero arrays of the start on.
class TraceReplay {
 public:
  static constexpr uint64_t kEnd = std::numeric_limits<uint64_t>::max();

  // `name` names the file in messages. Reads the header at once.
  TraceReplay(std::istream& in, std::string name);

  // Applies every change up to frame `frame`; false on a row that is no trace row.
  bool advanceTo(uint64_t frame);
  // The frame of the next change, kEnd after the last.
  uint64_t nextFrame() const { return next_.frame; }
  const Arrays& arrays() const { return arrays_; }
  // "FILE:LINE:COL: what is wrong; what to do", in the language of the messages.
  const std::string& error() const { return error_; }
  bool failed() const { return !error_.empty(); }

 private:
  struct Row {
    uint64_t frame = kEnd;
    bool sound = false;
    int index = 0;
    int32_t value = 0;
  };
  bool readRow();

  std::istream& in_;
  std::string name_;
  int line_ = 1;
  uint64_t lastFrame_ = 0;
  Row next_;
  Arrays arrays_;
  std::string error_;
};

struct Difference {
  bool sound;
  int index;
  int32_t ours;
  int32_t theirs;
};

// Every index at which the arrays differ, panel indices first, in index order.
std::vector<Difference> differences(const Arrays& ours, const Arrays& theirs);

// "panel 110 = 1 / 3", the value of `ours` first.
std::string differenceText(const Difference& difference);

// `ruvahost --diff A B`: prints the first spans of frames in which the traces A and B
// differ, with the values at the first frame of each. 0 when they never differ, 1 when
// they do, 2 when a file cannot be read or is no trace (`error` says why).
int diffTraces(const std::string& a, const std::string& b, std::ostream& out, std::string& error);

#endif  // RUVA_TOOLS_HOST_TRACE_COMPARE_H_
