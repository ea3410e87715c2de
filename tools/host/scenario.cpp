#include "tools/host/scenario.h"

#include <charconv>
#include <cmath>
#include <limits>

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

// Parses one line that holds a command; false with `message` set when it is bad.
bool parseCommand(std::string_view line, const std::vector<std::string_view>& w, Command& c,
                  std::string& message) {
  const std::string_view verb = w[0];
  const std::size_t n = w.size();
  auto fail = [&message](std::string text) {
    message = std::move(text);
    return false;
  };

  if (verb == "step") {
    c.kind = CommandKind::kStep;
    if (n != 2 || !parseInteger(w[1], c.integer) || c.integer <= 0 || c.integer > kMaxStepMs) {
      return fail("bad frame step: expected 'step MS' with MS from 1 to 60000");
    }
    return true;
  }
  if (verb == "time") {
    c.kind = CommandKind::kTime;
    if (n != 2 || !parseClockTime(w[1], c.integer)) {
      return fail("bad time: expected 'time HH:MM:SS' or 'time MS'");
    }
    return true;
  }
  if (verb == "speed") {
    c.kind = CommandKind::kSpeed;
    double kmh = 0.0;
    if (n == 3 && w[2] != "km/h")
      return fail("bad speed unit '" + std::string(w[2]) + "': use km/h");
    if ((n != 2 && n != 3) || !parseNumber(w[1], kmh))
      return fail("bad speed: expected 'speed KMH'");
    c.number = kmh;
    return true;
  }
  if (verb == "accelerate" || verb == "brake") {
    c.kind = CommandKind::kRamp;
    const std::string usage = "expected '" + std::string(verb) + " to KMH over DISTANCE m' or '" +
                              std::string(verb) + " to KMH in DURATION s'";
    std::size_t at = 3;
    if (n < 5 || w[1] != "to" || !parseNumber(w[2], c.number))
      return fail("bad speed change: " + usage);
    if (at < n && w[at] == "km/h") ++at;
    if (at + 1 >= n) return fail("bad speed change: " + usage);
    if (w[at] == "over") {
      c.byDistance = true;
      if (!parseQuantity(w, at + 1, kDistanceUnits, c.amount) || c.amount <= 0.0) {
        return fail("bad distance: " + usage);
      }
    } else if (w[at] == "in") {
      if (!parseQuantity(w, at + 1, kDurationUnits, c.amount) || c.amount <= 0.0) {
        return fail("bad duration: " + usage);
      }
    } else {
      return fail("bad speed change: " + usage);
    }
    return true;
  }
  if (verb == "drive") {
    c.kind = CommandKind::kDrive;
    if (!parseQuantity(w, 1, kDistanceUnits, c.amount)) {
      return fail("bad distance: expected 'drive DISTANCE m' or 'drive DISTANCE km'");
    }
    return true;
  }
  if (verb == "wait") {
    c.kind = CommandKind::kWait;
    if (n == 3 && w[1] == "until") {
      c.kind = CommandKind::kWaitUntil;
      if (!parseClockTime(w[2], c.integer)) return fail("bad time: expected 'wait until HH:MM:SS'");
      return true;
    }
    if (n == 3 && (w[2] == "frames" || w[2] == "frame")) {
      c.byDistance = true;
      if (!parseInteger(w[1], c.integer) || c.integer < 0) return fail("bad frame count");
      return true;
    }
    if (!parseQuantity(w, 1, kDurationUnits, c.amount)) {
      return fail(
          "bad duration: expected 'wait DURATION s', 'wait DURATION ms' or 'wait N frames'");
    }
    return true;
  }
  if (verb == "door") {
    if (n == 2 && w[1] == "open") {
      c.kind = CommandKind::kDoorOpen;
      return true;
    }
    if (n == 2 && w[1] == "close") {
      c.kind = CommandKind::kDoorClose;
      return true;
    }
    return fail("expected 'door open' or 'door close'");
  }
  if (verb == "beacon") {
    c.kind = CommandKind::kBeacon;
    if (n != 3 || !parseInteger(w[1], c.integer) || !parseInteger(w[2], c.value)) {
      return fail("bad beacon: expected 'beacon TYPE DATA' with two integers");
    }
    return true;
  }
  if (verb == "handle") {
    c.kind = CommandKind::kHandle;
    if (n != 3 || !parseInteger(w[2], c.value)) {
      return fail("bad handle: expected 'handle power|brake|reverser N'");
    }
    if (w[1] == "power") {
      c.handle = Handle::kPower;
    } else if (w[1] == "brake") {
      c.handle = Handle::kBrake;
    } else if (w[1] == "reverser") {
      c.handle = Handle::kReverser;
    } else {
      return fail("unknown handle '" + std::string(w[1]) + "': use power, brake or reverser");
    }
    return true;
  }
  if (verb == "traction") {
    c.kind = CommandKind::kTraction;
    if (n != 2 || !parseNumber(w[1], c.number))
      return fail("bad traction: expected 'traction VALUE'");
    return true;
  }
  if (verb == "restart") {
    c.kind = CommandKind::kRestart;
    if (n != 1) return fail("'restart' takes nothing after it");
    return true;
  }
  if (verb == "input") {
    c.kind = CommandKind::kInput;
    const bool withEquals = n == 4 && w[2] == "=";
    if ((n != 3 && !withEquals) || !parseInteger(w[1], c.integer) ||
        !parseInteger(w[withEquals ? 3 : 2], c.value)) {
      return fail("bad input: expected 'input 82 = V' or 'input 83 = V'");
    }
    if (c.integer != 82 && c.integer != 83) {
      return fail("panel " + std::to_string(c.integer) + " is not an input: only 82 and 83 are");
    }
    return true;
  }
  if (verb == "show") {
    c.kind = CommandKind::kShow;
    if (n != 1) return fail("'show' takes nothing after it");
    return true;
  }
  if (verb == "snapshot") {
    c.kind = CommandKind::kSnapshot;
    if (n != 2) return fail("expected 'snapshot FILE.svg'");
    c.text = std::string(w[1]);
    return true;
  }
  if (verb == "expect") {
    c.kind = CommandKind::kExpect;
    const std::string usage =
        "expected 'expect panel N = V', 'expect sound N = V' or "
        "'expect panel N-M = V...'";
    if (n < 5 || w[3] != "=") return fail("bad expectation: " + usage);
    if (w[1] == "panel") {
      c.array = HostArray::kPanel;
    } else if (w[1] == "sound") {
      c.array = HostArray::kSound;
    } else {
      return fail("unknown array '" + std::string(w[1]) + "': use panel or sound");
    }
    const std::string_view range = w[2];
    const std::size_t dash = range.find('-', 1);
    int32_t first = 0;
    int32_t last = 0;
    if (dash == std::string_view::npos) {
      if (!parseInteger(range, first)) return fail("bad index '" + std::string(range) + "'");
      last = first;
    } else if (!parseInteger(range.substr(0, dash), first) ||
               !parseInteger(range.substr(dash + 1), last) || last < first) {
      return fail("bad index range '" + std::string(range) + "'");
    }
    if (first < 0 || last > 255) return fail("index out of 0..255: '" + std::string(range) + "'");
    c.integer = first;
    for (std::size_t at = 4; at < n; ++at) {
      int32_t value = 0;
      if (!parseInteger(w[at], value)) return fail("bad value '" + std::string(w[at]) + "'");
      c.values.push_back(value);
    }
    if (c.values.size() != static_cast<std::size_t>(last - first + 1)) {
      return fail("expected " + std::to_string(last - first + 1) + " values for '" +
                  std::string(range) + "', got " + std::to_string(c.values.size()));
    }
    return true;
  }
  if (verb == "note") {
    c.kind = CommandKind::kNote;
    c.text = joinFrom(line, w, 1);
    return true;
  }
  return fail("unknown command '" + std::string(verb) + "'");
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
