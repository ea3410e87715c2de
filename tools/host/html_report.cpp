#include "tools/host/html_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/common/messages.h"
#include "tools/host/panel_meanings.h"
#include "tools/host/screen.h"

namespace {

// The page template; the build embeds tools/host/report_page.html here.
constexpr const char kPage[] =
#include "report_page.inc"
    ;

// The page holds its numbers as doubles, exact for every integer up to 2^53: values up to
// 2^52 keep each step between two of them exact too.
constexpr double kMaxTenths = 4503599627370496.0;  // 2^52

// A number as the picture prints it with one decimal, in tenths: the page prints the
// tenths back and so reads exactly as the picture does. Beyond 450 billion km or km/h it
// stops at that bound.
int64_t tenths(double value) {
  if (!(std::fabs(value) * 10.0 < kMaxTenths))
    return static_cast<int64_t>(value < 0.0 ? -kMaxTenths : kMaxTenths);
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string digits;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != '.') digits += *c;
  }
  return std::strtoll(digits.c_str(), nullptr, 10);
}

// A JSON string that may stand inside a <script> element: every '<' escaped, so no
// "</script>" or "<!--" can end or confuse it.
std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c == '<') {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string htmlText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else {
      out += c;
    }
  }
  return out;
}

void writeRuns(std::ostream& out, const ChangeList& list) {
  out << '[';
  const std::vector<int64_t>& runs = list.runs();
  for (std::size_t i = 0; i < runs.size(); ++i) out << (i ? "," : "") << runs[i];
  out << ']';
}

void writeLists(std::ostream& out, const std::vector<ChangeList>& lists) {
  out << '[';
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (i) out << ",\n";
    writeRuns(out, lists[i]);
  }
  out << ']';
}

template <std::size_t N>
void writeStrings(std::ostream& out, const std::array<std::string, N>& strings) {
  out << '[';
  for (std::size_t i = 0; i < N; ++i) out << (i ? "," : "") << jsonString(strings[i]);
  out << ']';
}

// The words of the page, each named in the template by its message id without the k:
// "{{T:LabelFrame}}".
struct PageWord {
  std::string_view key;
  Msg id;
};
constexpr PageWord kPageWords[] = {
    {"LabelFrame", Msg::kLabelFrame},
    {"LabelHostTime", Msg::kLabelHostTime},
    {"LabelSpeed", Msg::kLabelSpeed},
    {"LabelRun", Msg::kLabelRun},
    {"PanelWord", Msg::kPanelWord},
    {"SoundWord", Msg::kSoundWord},
    {"PageIndex", Msg::kPageIndex},
    {"ShowNone", Msg::kShowNone},
    {"ListSeparator", Msg::kListSeparator},
    {"PageOneFrameBack", Msg::kPageOneFrameBack},
    {"PagePlayOrPause", Msg::kPagePlayOrPause},
    {"PagePlay", Msg::kPagePlay},
    {"PagePause", Msg::kPagePause},
    {"PageOneFrameOn", Msg::kPageOneFrameOn},
    {"PagePlayingSpeed", Msg::kPagePlayingSpeed},
    {"PageHint", Msg::kPageHint},
    {"PageFilter", Msg::kPageFilter},
    {"PageArray", Msg::kPageArray},
    {"PageValue", Msg::kPageValue},
    {"PageMeaning", Msg::kPageMeaning},
    {"PageStartedInFrame", Msg::kPageStartedInFrame},
    {"PageFrames", Msg::kPageFrames},
    {"PageStop", Msg::kPageStop},
    {"PageBeacon", Msg::kPageBeacon},
    {"PageExpect", Msg::kPageExpect},
};

std::string pageWord(std::string_view key) {
  for (const PageWord& word : kPageWords) {
    if (word.key == key) return message(word.id);
  }
  return std::string(key);
}

// The template with each "{{NAME}}" replaced by what `fill` writes for it.
template <typename Fill>
void writeTemplate(std::ostream& out, const std::string& page, Fill fill) {
  std::size_t at = 0;
  for (;;) {
    const std::size_t open = page.find("{{", at);
    const std::size_t close = open == std::string::npos ? open : page.find("}}", open);
    if (close == std::string::npos) break;
    out << page.substr(at, open - at);
    fill(page.substr(open + 2, close - open - 2));
    at = close + 2;
  }
  out << page.substr(at);
}

}  // namespace

void ChangeList::set(uint64_t frame, int64_t value) {
  if (value == last_) return;
  const auto frameStep = static_cast<int64_t>(frame - lastFrame_);
  const int64_t valueStep = value - last_;
  const std::size_t n = runs_.size();
  if (n >= 3 && runs_[n - 2] == frameStep && runs_[n - 1] == valueStep) {
    ++runs_[n - 3];
  } else {
    runs_.insert(runs_.end(), {1, frameStep, valueStep});
  }
  lastFrame_ = frame;
  last_ = value;
}

ReportRecorder::ReportRecorder(const StopNames* names) : names_(names) {}

int64_t ReportRecorder::intern(const std::string& element) {
  const auto [it, added] = stringIndex_.emplace(element, static_cast<int64_t>(strings_.size()));
  if (added) strings_.push_back(element);
  return it->second;
}

void ReportRecorder::frameDone(const ScenarioRunner& runner) {
  const uint64_t frame = runner.frames();
  frames_ = frame;
  const auto& panel = runner.panel();
  const auto& sound = runner.sound();
  time_.set(frame, runner.hostTimeMs());
  speed_.set(frame, tenths(runner.speedKmh()));
  run_.set(frame, tenths(runner.odometerM()));

  ScreenContext context;
  std::string started;
  for (const panel::SoundSlot& entry : panel::kSoundSlots) {
    if (sound[entry.index] != 1) continue;
    context.soundsStarted.push_back({entry.index, frame});
    started +=
        (started.empty() ? "" : ", ") + std::to_string(entry.index) + " " + soundLabel(entry.index);
  }
  if (!started.empty()) markers_.push_back({frame, "sound", started});

  // The picture only changes with the arrays (the frame line is filled in by the page).
  if (frame == 1 || panel != lastPanel_ || sound != lastSound_) {
    const PanelView view = runner.view();
    if (frame == 1) layout_ = view.layout;
    if (names_ != nullptr) {
      context.stops = names_->find(view);
      const int current = context.stops.current;
      // A card read since numbers its stops afresh.
      if (current >= 0 && (current != lastStop_ || names_->cardsRead() != lastCard_)) {
        markers_.push_back({frame, "stop", names_->stops()[static_cast<std::size_t>(current)]});
        lastStop_ = current;
        lastCard_ = names_->cardsRead();
      }
    }
    const std::vector<std::string> elements = drawScreen(view, context);
    if (picture_.size() < elements.size()) picture_.resize(elements.size(), ChangeList(-1));
    for (std::size_t i = 0; i < picture_.size(); ++i)
      picture_[i].set(frame, i < elements.size() ? intern(elements[i]) : -1);
  }
  for (int i = 0; i < kPanelSize; ++i) panel_[static_cast<std::size_t>(i)].set(frame, panel[i]);
  for (int i = 0; i < kSoundSize; ++i) sound_[static_cast<std::size_t>(i)].set(frame, sound[i]);
  lastPanel_ = panel;
  lastSound_ = sound;
}

void ReportRecorder::beaconPassed(uint64_t frame, int32_t type, int32_t data,
                                  const std::string& note) {
  std::string label = message(Msg::kMarkerBeacon, {std::to_string(type), std::to_string(data)});
  if (!note.empty()) label += ", " + note;
  markers_.push_back({frame + 1, "beacon", label});
}

void ReportRecorder::expectationFailed(uint64_t frame, const RunFailure& failure) {
  markers_.push_back({frame, "expect",
                      message(Msg::kMarkerLine, {std::to_string(failure.line), failure.message})});
}

void ReportRecorder::writeHtml(std::ostream& out, const std::string& title) const {
  writeTemplate(out, kPage, [&](const std::string& name) {
    if (name.substr(0, 2) == "T:") {
      out << htmlText(pageWord(name.substr(2)));
    } else if (name == "TITLE") {
      out << htmlText(title);
    } else if (name == "FONTS") {
      out << kScreenFonts;
    } else if (name == "DATA") {
      out << "{\"frames\":" << frames_ << ",\n\"layout\":" << jsonString(layoutName(layout_))
          << ",\n\"time\":";
      writeRuns(out, time_);
      out << ",\n\"speed\":";
      writeRuns(out, speed_);
      out << ",\n\"run\":";
      writeRuns(out, run_);
      out << ",\n\"panelMeanings\":";
      writeStrings(out, panelMeanings(layout_));
      out << ",\n\"soundMeanings\":";
      writeStrings(out, soundMeanings());
      out << ",\n\"markers\":[";
      for (std::size_t i = 0; i < markers_.size(); ++i) {
        const ReportMarker& m = markers_[i];
        // A beacon after the last frame, or an expectation before the first, shows at
        // the nearest frame there is.
        const uint64_t frame = std::max<uint64_t>(1, std::min(m.frame, frames_));
        out << (i ? ",\n" : "") << '[' << frame << ',' << jsonString(m.kind) << ','
            << jsonString(m.label) << ']';
      }
      out << "],\n\"strings\":[";
      for (std::size_t i = 0; i < strings_.size(); ++i)
        out << (i ? ",\n" : "") << jsonString(strings_[i]);
      out << "],\n\"picture\":";
      writeLists(out, picture_);
      out << ",\n\"panel\":";
      writeLists(out, panel_);
      out << ",\n\"sound\":";
      writeLists(out, sound_);
      out << '}';
    }
  });
}
