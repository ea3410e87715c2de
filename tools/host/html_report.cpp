#include "tools/host/html_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <unordered_map>

#include "tools/common/messages.h"
#include "tools/host/display_codes.h"
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
  // Far from a half tenth, the nearest tenth is what printing rounds to; near one, the
  // exact decimal digits decide.
  const double scaled = value * 10.0;
  const double nearest = std::nearbyint(scaled);
  if (std::fabs(std::fabs(scaled - nearest) - 0.5) > 1e-6 * (1.0 + std::fabs(scaled)) &&
      std::fabs(scaled) < 1e12)
    return static_cast<int64_t>(nearest);
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

void writeLists(std::ostream& out, const std::vector<ChangeList>& lists) {
  out << '[';
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (i) out << ",\n";
    lists[i].writeCode(out);
  }
  out << ']';
}

// The digits of the page's base 64 numbers: each carries five bits, the sixth says that
// more follow.
constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Runs of the table are the characters U+00A0 to U+00FF, one byte each in the page's memory.
constexpr unsigned kTableFirst = 0xA0;
constexpr std::size_t kTableSize = 96;

void writeBase64(std::string& out, uint64_t value) {
  while (value >= 32) {
    out += kDigits[32 | (value & 31)];
    value >>= 5;
  }
  out += kDigits[value];
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
    {"PagePlot", Msg::kPagePlot},
    {"PagePlotThis", Msg::kPagePlotThis},
    {"PagePlotHint", Msg::kPagePlotHint},
    {"PageZoomIn", Msg::kPageZoomIn},
    {"PageZoomOut", Msg::kPageZoomOut},
    {"PageWholeRun", Msg::kPageWholeRun},
    {"PageClosePlot", Msg::kPageClosePlot},
};

std::string pageWord(std::string_view key) {
  for (const PageWord& word : kPageWords) {
    if (word.key == key) return message(word.id);
  }
  return std::string(key);
}

// The letter of each ValueKind, as the page reads it.
constexpr char kKindLetters[] = "qclupxs";

// What the values of each kind of lane stand for, by kind letter.
void writeValueNames(std::ostream& out) {
  auto names = [&](char kind, std::initializer_list<std::pair<int, std::string>> values) {
    out << '"' << kind << "\":{";
    bool first = true;
    for (const auto& [value, name] : values) {
      out << (first ? "" : ",") << '"' << value << "\":" << jsonString(name);
      first = false;
    }
    out << '}';
  };
  out << '{';
  names('l', {{0, message(Msg::kOff)}, {1, message(Msg::kOn)}});
  out << ',';
  names('u', {{0, message(Msg::kPageIdle)},
              {1, message(Msg::kPagePowering)},
              {2, message(Msg::kPageBraking)}});
  out << ',';
  names('s', {{-10000, message(Msg::kPageSoundOff)},
              {0, message(Msg::kPageSoundOn)},
              {1, message(Msg::kPageSoundStart)},
              {2, message(Msg::kPageSoundKeep)}});
  // The picture codes that have a picture.
  for (const auto& [kind, text] : {std::pair{'p', &prefixText}, std::pair{'x', &suffixText}}) {
    out << ",\"" << kind << "\":{";
    bool first = true;
    for (int32_t code = 0; code <= 99; ++code) {
      const std::string shown = text(code);
      if (shown.empty()) continue;
      out << (first ? "" : ",") << '"' << code << "\":" << jsonString(shown);
      first = false;
    }
    out << '}';
  }
  out << '}';
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

void ChangeList::writeCode(std::ostream& out) const {
  using Run = std::tuple<int64_t, int64_t, int64_t>;
  struct RunHash {
    std::size_t operator()(const Run& r) const {
      const auto [c, f, v] = r;
      return std::hash<uint64_t>()(static_cast<uint64_t>(c) * 1000003u +
                                   static_cast<uint64_t>(f) * 7919u + static_cast<uint64_t>(v));
    }
  };
  std::unordered_map<Run, std::size_t, RunHash> counts;
  for (std::size_t i = 0; i < runs_.size(); i += 3)
    ++counts[{runs_[i], runs_[i + 1], runs_[i + 2]}];
  std::vector<std::pair<std::size_t, Run>> frequent;
  for (const auto& [run, count] : counts) {
    if (count > 1) frequent.emplace_back(count, run);
  }
  std::sort(frequent.begin(), frequent.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  if (frequent.size() > kTableSize) frequent.resize(kTableSize);
  std::unordered_map<Run, std::size_t, RunHash> table;
  out << "[[";
  for (std::size_t i = 0; i < frequent.size(); ++i) {
    const auto [c, f, v] = frequent[i].second;
    out << (i ? "," : "") << c << ',' << f << ',' << v;
    table.emplace(frequent[i].second, i);
  }
  out << "],\"";
  std::string code;
  for (std::size_t i = 0; i < runs_.size(); i += 3) {
    const Run run{runs_[i], runs_[i + 1], runs_[i + 2]};
    const auto entry = table.find(run);
    if (entry != table.end()) {
      const unsigned c = kTableFirst + static_cast<unsigned>(entry->second);  // as UTF-8
      code += static_cast<char>(0xC0 | (c >> 6));
      code += static_cast<char>(0x80 | (c & 0x3F));
      continue;
    }
    const int64_t step = runs_[i + 2];
    const uint64_t size = step < 0 ? 0 - static_cast<uint64_t>(step) : static_cast<uint64_t>(step);
    writeBase64(code, static_cast<uint64_t>(runs_[i] - 1));
    writeBase64(code, static_cast<uint64_t>(runs_[i + 1]));
    // The sign in the lowest bit of the first digit, so the page never forms a number
    // beyond 2^53.
    code += kDigits[(size >= 16 ? 32 : 0) | ((size & 15) << 1) | (step < 0 ? 1 : 0)];
    if (size >= 16) writeBase64(code, size >> 4);
  }
  out << code << "\"]";
}

ReportRecorder::ReportRecorder(const StopNames* names) : names_(names) {}

void ReportRecorder::compareWith(TraceReplay* trace, const std::string& name) {
  other_ = trace;
  otherName_ = name;
}

void ReportRecorder::compare(uint64_t frame, bool changed) {
  if (other_ == nullptr || other_->failed()) return;
  if (other_->nextFrame() <= frame) {
    if (!other_->advanceTo(frame)) return;
    const Arrays& now = other_->arrays();
    for (std::size_t i = 0; i < now.panel.size(); ++i) {
      if (now.panel[i] != otherLast_.panel[i]) otherPanel_[i].set(frame, now.panel[i]);
    }
    for (std::size_t i = 0; i < now.sound.size(); ++i) {
      if (now.sound[i] != otherLast_.sound[i]) otherSound_[i].set(frame, now.sound[i]);
    }
    otherLast_ = now;
    changed = true;
  }
  if (!changed) return;
  Arrays ours;
  ours.panel = lastPanel_;
  ours.sound = lastSound_;
  const std::vector<Difference> found = differences(ours, otherLast_);
  differing_.set(frame, static_cast<int64_t>(found.size()));
  if (!found.empty() && firstDifference_ == 0) {
    firstDifference_ = frame;
    firstDifferences_ = found;
  }
}

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
  if (runner.speedKmh() != lastSpeed_ || frame == 1) speed_.set(frame, tenths(runner.speedKmh()));
  if (runner.odometerM() != lastRun_ || frame == 1) run_.set(frame, tenths(runner.odometerM()));
  lastSpeed_ = runner.speedKmh();
  lastRun_ = runner.odometerM();

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
  const bool changed = panel != lastPanel_ || sound != lastSound_;
  if (frame == 1 || changed) {
    const PanelView view = runner.view();
    if (frame == 1) layout_ = view.layout;
    if (names_ != nullptr) {
      // Naming the stops compares the lists with every stop of the card: done again only
      // when the lists, the layout or the card change.
      auto settings = [](const Layout& l) {
        return std::tie(l.useLegacyDisp, l.D01ABnum, l.dispType, l.unitDispEnable,
                        l.nextStopTypeSetting);
      };
      if (frame == 1 || names_->cardsRead() != namedCard_ || view.rows != namedView_.rows ||
          !(view.lastStop == namedView_.lastStop) || view.next != namedView_.next ||
          settings(view.layout) != settings(namedView_.layout)) {
        named_ = names_->find(view);
        namedView_ = view;
        namedCard_ = names_->cardsRead();
      }
      context.stops = named_;
      const int current = context.stops.current;
      // A card read since numbers its stops afresh.
      if (current >= 0 && (current != lastStop_ || names_->cardsRead() != lastCard_)) {
        markers_.push_back({frame, "stop", names_->stops()[static_cast<std::size_t>(current)]});
        lastStop_ = current;
        lastCard_ = names_->cardsRead();
      }
    }
    std::vector<std::string> elements = drawScreen(view, context);
    // The clock's text, a new one every second, is filled in by the page from the clock's
    // panel indices, as the picture writes it; kept, it would fill the page.
    for (std::string& element : elements) {
      if (element.find(" id=\"clock\"") == std::string::npos) continue;
      const std::size_t open = element.find('>') + 1;
      element.erase(open, element.rfind('<') - open);
    }
    if (picture_.size() < elements.size()) picture_.resize(elements.size(), ChangeList(-1));
    for (std::size_t i = 0; i < picture_.size(); ++i)
      picture_[i].set(frame, i < elements.size() ? intern(elements[i]) : -1);
  }
  if (changed) {
    for (std::size_t i = 0; i < panel.size(); ++i) {
      if (panel[i] != lastPanel_[i]) panel_[i].set(frame, panel[i]);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
      if (sound[i] != lastSound_[i]) sound_[i].set(frame, sound[i]);
    }
    lastPanel_ = panel;
    lastSound_ = sound;
  }
  compare(frame, changed || frame == 1);
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

void ReportRecorder::writeOther(std::ostream& out) const {
  out << ",\n\"other\":";
  if (other_ == nullptr) {
    out << "null";
    return;
  }
  out << "{\"name\":" << jsonString(otherName_) << ",\n\"first\":" << firstDifference_;
  // The first difference as plots to open: the indices that differ there, a few at most.
  constexpr std::size_t kPlotsShown = 6;
  std::string plots;
  for (std::size_t i = 0; i < firstDifferences_.size() && i < kPlotsShown; ++i) {
    const Difference& d = firstDifferences_[i];
    plots += (i ? "," : "") + std::string(d.sound ? "s" : "") + std::to_string(d.index);
  }
  out << ",\n\"firstPlots\":" << jsonString(plots)
      << ",\n\"head\":" << jsonString(message(Msg::kPageOtherRun, {otherName_}))
      << ",\n\"firstText\":"
      << jsonString(firstDifference_ == 0 ? message(Msg::kPageNoDifference, {otherName_})
                                          : message(Msg::kPageFirstDifference,
                                                    {otherName_, std::to_string(firstDifference_)}))
      << ",\n\"differingTitle\":" << jsonString(message(Msg::kPageDifferingFrames, {otherName_}))
      << ",\n\"differing\":";
  differing_.writeCode(out);
  out << ",\n\"panel\":";
  writeLists(out, otherPanel_);
  out << ",\n\"sound\":";
  writeLists(out, otherSound_);
  out << '}';
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
      time_.writeCode(out);
      out << ",\n\"speed\":";
      speed_.writeCode(out);
      out << ",\n\"run\":";
      run_.writeCode(out);
      const PanelMeanings meanings = panelMeanings(layout_);
      out << ",\n\"panelMeanings\":";
      writeStrings(out, meanings.texts);
      out << ",\n\"soundMeanings\":";
      writeStrings(out, soundMeanings());
      out << ",\n\"clock\":" << panel::kClockHour;
      out << ",\n\"panelKinds\":\"";
      for (ValueKind kind : meanings.kinds) out << kKindLetters[static_cast<std::size_t>(kind)];
      out << "\",\n\"valueNames\":";
      writeValueNames(out);
      writeOther(out);
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
