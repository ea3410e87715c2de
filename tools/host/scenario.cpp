#include "tools/host/scenario.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>

#include "plugin/panel_layout.h"
#include "tools/common/messages.h"

namespace {

constexpr int32_t kMaxStepMs = 60000;

struct Unit {
  std::string_view name;
  double scale;  // to metres or milliseconds
};

constexpr Unit kDistanceUnits[] = {{"m", 1.0}, {"km", 1000.0}};
constexpr Unit kDurationUnits[] = {{"ms", 1.0}, {"s", 1000.0}, {"min", 60000.0}};

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    std::size_t end = at;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    if (end > at) words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

bool parseNumber(std::string_view text, double& out) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return false;
  out = value;
  return true;
}

// A speed or traction value as the host passes it, a 32-bit float: a larger one has no
// float to become.
bool fitsHostFloat(double value) {
  return std::fabs(value) <= std::numeric_limits<float>::max();
}

bool parseInteger(std::string_view text, int32_t& out) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  out = value;
  return true;
}

// Reads the rest of a line, from word `at` on, as one non-negative quantity in one of
// `units`: "500 m", "500m", "1.5 km". Returns the quantity in the base unit.
template <std::size_t N>
bool parseQuantity(const std::vector<std::string_view>& words, std::size_t at,
                   const Unit (&units)[N], double& out) {
  std::string_view number;
  std::string_view unit;
  if (words.size() == at + 2) {
    number = words[at];
    unit = words[at + 1];
  } else if (words.size() == at + 1) {
    const std::string_view word = words[at];
    std::size_t split = word.size();
    while (split > 0 && ((word[split - 1] >= 'a' && word[split - 1] <= 'z'))) --split;
    number = word.substr(0, split);
    unit = word.substr(split);
  } else {
    return false;
  }
  double value = 0.0;
  if (!parseNumber(number, value) || value < 0.0) return false;
  for (const Unit& candidate : units) {
    if (candidate.name == unit) {
      out = value * candidate.scale;
      return true;
    }
  }
  return false;
}

std::string joinFrom(std::string_view line, const std::vector<std::string_view>& words,
                     std::size_t at) {
  if (at >= words.size()) return {};
  const std::size_t start = static_cast<std::size_t>(words[at].data() - line.data());
  const std::size_t end =
      static_cast<std::size_t>(words.back().data() + words.back().size() - line.data());
  return std::string(line.substr(start, end - start));
}

// A command line: its text with the comment cut, and its words, the verb first.
struct Line {
  std::string_view text;
  const std::vector<std::string_view>& w;
  std::size_t n() const { return w.size(); }
};

bool fail(std::string& message, std::string text) {
  message = std::move(text);
  return false;
}

bool parseStep(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kStep;
  if (l.n() != 2 || !parseInteger(l.w[1], c.integer) || c.integer <= 0 || c.integer > kMaxStepMs) {
    return fail(message, ::message(Msg::kScnBadStep));
  }
  return true;
}

bool parseTime(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kTime;
  if (l.n() != 2 || !parseClockTime(l.w[1], c.integer)) {
    return fail(message, ::message(Msg::kScnBadTime));
  }
  return true;
}

bool parseSpeed(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kSpeed;
  double kmh = 0.0;
  if (l.n() == 3 && l.w[2] != "km/h") {
    return fail(message, ::message(Msg::kScnBadSpeedUnit, {l.w[2]}));
  }
  if ((l.n() != 2 && l.n() != 3) || !parseNumber(l.w[1], kmh)) {
    return fail(message, ::message(Msg::kScnBadSpeed));
  }
  if (!fitsHostFloat(kmh)) return fail(message, ::message(Msg::kScnBeyondFloat, {l.w[1]}));
  c.number = kmh;
  return true;
}

// "accelerate" and "brake".
bool parseRamp(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kRamp;
  const std::string verb(l.w[0]);
  const std::string usage = ::message(Msg::kScnRampUsage, {verb});
  const std::size_t n = l.n();
  std::size_t at = 3;
  if (n < 5 || l.w[1] != "to" || !parseNumber(l.w[2], c.number)) {
    return fail(message, ::message(Msg::kScnBadSpeedChange, {usage}));
  }
  if (!fitsHostFloat(c.number)) return fail(message, ::message(Msg::kScnBeyondFloat, {l.w[2]}));
  if (at < n && l.w[at] == "km/h") ++at;
  if (at + 1 >= n) return fail(message, ::message(Msg::kScnBadSpeedChange, {usage}));
  if (l.w[at] == "over") {
    c.byDistance = true;
    if (!parseQuantity(l.w, at + 1, kDistanceUnits, c.amount) || c.amount <= 0.0) {
      return fail(message, ::message(Msg::kScnBadDistance, {usage}));
    }
  } else if (l.w[at] == "in") {
    if (!parseQuantity(l.w, at + 1, kDurationUnits, c.amount) || c.amount <= 0.0) {
      return fail(message, ::message(Msg::kScnBadDuration, {usage}));
    }
  } else {
    return fail(message, ::message(Msg::kScnBadSpeedChange, {usage}));
  }
  return true;
}

bool parseDrive(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kDrive;
  if (!parseQuantity(l.w, 1, kDistanceUnits, c.amount)) {
    return fail(message, ::message(Msg::kScnBadDistance, {::message(Msg::kScnDriveUsage)}));
  }
  return true;
}

bool parseWait(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kWait;
  if (l.n() == 3 && l.w[1] == "until") {
    c.kind = CommandKind::kWaitUntil;
    if (!parseClockTime(l.w[2], c.integer)) {
      return fail(message, ::message(Msg::kScnWaitUntilUsage));
    }
    return true;
  }
  if (l.n() == 3 && (l.w[2] == "frames" || l.w[2] == "frame")) {
    c.byFrames = true;
    if (!parseInteger(l.w[1], c.integer) || c.integer < 0) {
      return fail(message, ::message(Msg::kScnBadFrameCount));
    }
    return true;
  }
  if (!parseQuantity(l.w, 1, kDurationUnits, c.amount)) {
    return fail(message, ::message(Msg::kScnBadDuration, {::message(Msg::kScnWaitUsage)}));
  }
  return true;
}

bool parseDoor(const Line& l, Command& c, std::string& message) {
  if (l.n() == 2 && l.w[1] == "open") {
    c.kind = CommandKind::kDoorOpen;
    return true;
  }
  if (l.n() == 2 && l.w[1] == "close") {
    c.kind = CommandKind::kDoorClose;
    return true;
  }
  return fail(message, ::message(Msg::kScnDoorUsage));
}

bool parseBeacon(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kBeacon;
  if (l.n() != 3 || !parseInteger(l.w[1], c.integer) || !parseInteger(l.w[2], c.value)) {
    return fail(message, ::message(Msg::kScnBadBeacon));
  }
  return true;
}

bool parseHandle(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kHandle;
  if (l.n() != 3 || !parseInteger(l.w[2], c.value)) {
    return fail(message, ::message(Msg::kScnBadHandle));
  }
  if (l.w[1] == "power") {
    c.handle = Handle::kPower;
  } else if (l.w[1] == "brake") {
    c.handle = Handle::kBrake;
  } else if (l.w[1] == "reverser") {
    c.handle = Handle::kReverser;
  } else {
    return fail(message, ::message(Msg::kScnUnknownHandle, {l.w[1]}));
  }
  return true;
}

bool parseTraction(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kTraction;
  if (l.n() != 2 || !parseNumber(l.w[1], c.number)) {
    return fail(message, ::message(Msg::kScnBadTraction));
  }
  if (!fitsHostFloat(c.number)) return fail(message, ::message(Msg::kScnBeyondFloat, {l.w[1]}));
  return true;
}

// "restart" and "show".
bool parseBare(const Line& l, Command& c, std::string& message) {
  c.kind = l.w[0] == "restart" ? CommandKind::kRestart : CommandKind::kShow;
  if (l.n() != 1) return fail(message, ::message(Msg::kScnTakesNothing, {l.w[0]}));
  return true;
}

// The panel indices that the module reads from the host.
bool parseInput(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kInput;
  const std::string first = std::to_string(panel::kInhibitNearType3);
  const std::string second = std::to_string(panel::kInhibitNearType2);
  const bool withEquals = l.n() == 4 && l.w[2] == "=";
  if ((l.n() != 3 && !withEquals) || !parseInteger(l.w[1], c.integer) ||
      !parseInteger(l.w[withEquals ? 3 : 2], c.value)) {
    return fail(message, ::message(Msg::kScnBadInput, {first, second}));
  }
  if (c.integer != panel::kInhibitNearType3 && c.integer != panel::kInhibitNearType2) {
    return fail(message,
                ::message(Msg::kScnNotAnInput, {std::to_string(c.integer), first, second}));
  }
  return true;
}

bool parseSnapshot(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kSnapshot;
  if (l.n() != 2) return fail(message, ::message(Msg::kScnSnapshotUsage));
  c.text = std::string(l.w[1]);
  // The picture goes under --out and nowhere else: no name from a root or a drive, no
  // step up out of the folder.
  const std::filesystem::path name(c.text);
  bool climbs = name.has_root_name() || name.has_root_directory();
  for (const std::filesystem::path& part : name) climbs = climbs || part == "..";
  if (climbs) return fail(message, ::message(Msg::kScnSnapshotOutside, {l.w[1]}));
  return true;
}

bool parseExpect(const Line& l, Command& c, std::string& message) {
  c.kind = CommandKind::kExpect;
  const std::string usage = ::message(Msg::kScnExpectUsage);
  const std::size_t n = l.n();
  if (n < 5 || l.w[3] != "=") return fail(message, ::message(Msg::kScnBadExpectation, {usage}));
  if (l.w[1] == "panel") {
    c.array = HostArray::kPanel;
  } else if (l.w[1] == "sound") {
    c.array = HostArray::kSound;
  } else {
    return fail(message, ::message(Msg::kScnUnknownArray, {l.w[1]}));
  }
  const std::string range(l.w[2]);
  const std::size_t dash = range.find('-', 1);
  int32_t first = 0;
  int32_t last = 0;
  if (dash == std::string::npos) {
    if (!parseInteger(range, first)) return fail(message, ::message(Msg::kScnBadIndex, {range}));
    last = first;
  } else if (!parseInteger(std::string_view(range).substr(0, dash), first) ||
             !parseInteger(std::string_view(range).substr(dash + 1), last) || last < first) {
    return fail(message, ::message(Msg::kScnBadIndexRange, {range}));
  }
  if (first < 0 || last > 255) return fail(message, ::message(Msg::kScnIndexOutOfRange, {range}));
  c.integer = first;
  for (std::size_t at = 4; at < n; ++at) {
    int32_t value = 0;
    if (!parseInteger(l.w[at], value)) {
      return fail(message, ::message(Msg::kScnBadValue, {l.w[at]}));
    }
    c.values.push_back(value);
  }
  if (c.values.size() != static_cast<std::size_t>(last - first + 1)) {
    return fail(message, ::message(Msg::kScnValueCount, {std::to_string(last - first + 1), range,
                                                         std::to_string(c.values.size())}));
  }
  return true;
}

bool parseNote(const Line& l, Command& c, std::string&) {
  c.kind = CommandKind::kNote;
  c.text = joinFrom(l.text, l.w, 1);
  return true;
}

struct Verb {
  std::string_view name;
  bool (*parse)(const Line& line, Command& command, std::string& message);
};

constexpr Verb kVerbs[] = {
    {"step", parseStep},       {"time", parseTime},         {"speed", parseSpeed},
    {"accelerate", parseRamp}, {"brake", parseRamp},        {"drive", parseDrive},
    {"wait", parseWait},       {"door", parseDoor},         {"beacon", parseBeacon},
    {"handle", parseHandle},   {"traction", parseTraction}, {"restart", parseBare},
    {"input", parseInput},     {"show", parseBare},         {"snapshot", parseSnapshot},
    {"expect", parseExpect},   {"note", parseNote},
};

// Parses one line that holds a command; false with `message` set when it is bad.
bool parseCommand(std::string_view line, const std::vector<std::string_view>& words, Command& c,
                  std::string& message) {
  for (const Verb& verb : kVerbs) {
    if (verb.name == words[0]) return verb.parse(Line{line, words}, c, message);
  }
  return fail(message, ::message(Msg::kScnUnknownCommand, {words[0]}));
}

}  // namespace

bool parseClockTime(std::string_view text, int32_t& ms) {
  if (text.find(':') == std::string_view::npos) return parseInteger(text, ms) && ms >= 0;
  std::string_view fraction;
  if (const std::size_t dot = text.find('.'); dot != std::string_view::npos) {
    fraction = text.substr(dot + 1);
    text = text.substr(0, dot);
    if (fraction.size() != 3) return false;
  }
  int32_t fields[3] = {0, 0, 0};
  int count = 0;
  for (;;) {
    const std::size_t colon = text.find(':');
    const std::string_view digits = text.substr(0, colon);
    if (count == 3 || digits.empty() || digits.front() < '0' || digits.front() > '9' ||
        !parseInteger(digits, fields[count])) {
      return false;
    }
    ++count;
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
  }
  int32_t milli = 0;
  if (count < 2 || fields[1] > 59 || fields[2] > 59) return false;
  if (!fraction.empty() &&
      (count != 3 || fraction.front() < '0' || !parseInteger(fraction, milli))) {
    return false;
  }
  const int64_t total = int64_t{fields[0]} * 3600000 + fields[1] * 60000 + fields[2] * 1000 + milli;
  if (total > std::numeric_limits<int32_t>::max()) return false;
  ms = static_cast<int32_t>(total);
  return true;
}

bool parseScenario(std::string_view text, Scenario& scenario, ScenarioError& error) {
  int lineNumber = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A note keeps its '#'; anywhere else it starts a comment.
    const std::vector<std::string_view> head = splitWords(line);
    if (head.empty() || head[0].front() == '#') continue;
    if (head[0] != "note") {
      const std::size_t hash = line.find('#');
      if (hash != std::string_view::npos) line = line.substr(0, hash);
    }
    const std::vector<std::string_view> words = splitWords(line);
    Command command;
    command.line = lineNumber;
    std::string message;
    if (!parseCommand(line, words, command, message)) {
      error = {lineNumber, message};
      return false;
    }
    scenario.commands.push_back(std::move(command));
  }
  return true;
}
