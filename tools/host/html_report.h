// `ruvahost --html`: the whole run as one self-contained page to scrub through. The
// recorder keeps, for every frame, the host time, speed and run, both arrays and the
// display picture's elements, each as its changes only; the page (report_page.html,
// built in) reads them back, draws any frame and plots any value over the run. With a
// trace to compare, it keeps that run's arrays beside them, and how many indices differ.
#ifndef RUVA_TOOLS_HOST_HTML_REPORT_H_
#define RUVA_TOOLS_HOST_HTML_REPORT_H_

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tools/host/scenario_runner.h"
#include "tools/host/stop_names.h"
#include "tools/host/trace_compare.h"

// The changes of one value over the frames, stored as the page reads them: runs of
// (count, frame step, value step), each run repeating the same step `count` times.
// Steady values cost nothing and even ramps (the clock of the frames) one run.
class ChangeList {
 public:
  explicit ChangeList(int64_t initial = 0) : last_(initial) {}
  // The value after frame `frame` (frames come in increasing order).
  void set(uint64_t frame, int64_t value);
  const std::vector<int64_t>& runs() const { return runs_; }
  // The runs as the page stores them: "[[C,F,V,...],"CODE"]", the most frequent runs in a
  // table and CODE a string of one character per run of the table, or three numbers in
  // base 64 (count − 1, frame step, sign and size of the value step) for the others.
  void writeCode(std::ostream& out) const;

 private:
  std::vector<int64_t> runs_;
  uint64_t lastFrame_ = 0;
  int64_t last_;
};

struct ReportMarker {
  uint64_t frame;
  std::string kind;  // "stop", "beacon", "sound" or "expect"
  std::string label;
};

class ReportRecorder : public RunObserver {
 public:
  // `names` (may be null) names the rows and the stops; it must outlive the recorder.
  explicit ReportRecorder(const StopNames* names);

  void frameDone(const ScenarioRunner& runner) override;
  void beaconPassed(uint64_t frame, int32_t type, int32_t data, const std::string& note) override;
  void expectationFailed(uint64_t frame, const RunFailure& failure) override;

  // Puts the run of `trace` (which must outlive the recorder), named `name`, beside
  // this one; a trace that turns out bad stops the comparison where it went wrong.
  void compareWith(TraceReplay* trace, const std::string& name);

  // The page, titled `title`: HTML with its style, script and data inside, UTF-8.
  void writeHtml(std::ostream& out, const std::string& title) const;

  const std::vector<ReportMarker>& markers() const { return markers_; }

 private:
  int64_t intern(const std::string& element);

  void compare(uint64_t frame, bool changed);
  void writeOther(std::ostream& out) const;

  const StopNames* names_;
  uint64_t frames_ = 0;
  Layout layout_;
  std::vector<ChangeList> panel_{kPanelSize};
  std::vector<ChangeList> sound_{kSoundSize};
  std::vector<ChangeList> picture_;  // per element slot: the index in strings_, -1 for none
  ChangeList time_, speed_, run_;    // host ms; km/h and m in tenths as the picture rounds them
  double lastSpeed_ = 0.0, lastRun_ = 0.0;
  std::vector<std::string> strings_;
  std::map<std::string, int64_t> stringIndex_;
  std::array<int32_t, kPanelSize> lastPanel_{};
  std::array<int32_t, kSoundSize> lastSound_{};
  int lastStop_ = -1;  // as NamedLists::current, of the card read as lastCard_
  int lastCard_ = 0;
  // The names of the last picture, which hold while the lists and the card stay.
  PanelView namedView_;
  NamedLists named_;
  int namedCard_ = 0;
  std::vector<ReportMarker> markers_;

  TraceReplay* other_ = nullptr;
  std::string otherName_;
  Arrays otherLast_;
  std::vector<ChangeList> otherPanel_{kPanelSize};
  std::vector<ChangeList> otherSound_{kSoundSize};
  ChangeList differing_;  // how many indices differ
  uint64_t firstDifference_ = 0;
  std::vector<Difference> firstDifferences_;
};

#endif  // RUVA_TOOLS_HOST_HTML_REPORT_H_
