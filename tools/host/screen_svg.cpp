// The display as an SVG picture. One drawing serves both the snapshot files and the
// replay page (html_report.cpp): the picture is a list of elements, and the page stores,
// per frame, which element strings this drawing produced. The page only puts those
// strings together and fills in the one live line (frame, time, speed, run), so a
// snapshot and the page at the same frame cannot show different things.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "tools/common/messages.h"
#include "tools/common/text_layout.h"
#include "tools/host/display_codes.h"
#include "tools/host/screen.h"

namespace {

constexpr int kWidth = 880;
constexpr int kCardRowX = 720;  // the card stops beside the rows: card row, then name
constexpr int kNameX = 756;
constexpr int kRowHeight = 26;

// Text content of the picture: whatever bytes a stop name holds, the file stays XML.
std::string escaped(const std::string& text) {
  std::string out;
  for (char c : visibleText(text)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

class Picture {
 public:
  void text(int x, int y, const std::string& content, int size = 16, const char* colour = "#e8f0ff",
            const char* anchor = "start", const char* id = nullptr) {
    std::string element = "<text";
    if (id != nullptr) element.append(" id=\"").append(id).append("\"");
    element.append(" x=\"").append(std::to_string(x)).append("\" y=\"").append(std::to_string(y));
    element.append("\" font-size=\"").append(std::to_string(size)).append("\" fill=\"");
    element.append(colour).append("\" text-anchor=\"").append(anchor).append("\">");
    element.append(escaped(content)).append("</text>\n");
    elements_.push_back(std::move(element));
  }
  void rect(int x, int y, int w, int h, const char* fill, const char* stroke = "none") {
    std::string element = "<rect x=\"";
    element.append(std::to_string(x)).append("\" y=\"").append(std::to_string(y));
    element.append("\" width=\"").append(std::to_string(w)).append("\" height=\"");
    element.append(std::to_string(h)).append("\" fill=\"").append(fill).append("\" stroke=\"");
    element.append(stroke).append("\"/>\n");
    elements_.push_back(std::move(element));
  }
  void lamp(int x, int y, bool on, const char* colour) {
    std::string element = "<circle cx=\"";
    element.append(std::to_string(x)).append("\" cy=\"").append(std::to_string(y));
    element.append("\" r=\"8\" fill=\"").append(on ? colour : "#2a3140");
    element.append("\" stroke=\"#8090a8\"/>\n");
    elements_.push_back(std::move(element));
  }
  // The start tag (without a namespace, which only the file needs) and the background
  // go first, now that the height is known.
  std::vector<std::string> finish(int height) {
    std::ostringstream start;
    start << "<svg width=\"" << kWidth << "\" height=\"" << height << "\" viewBox=\"0 0 " << kWidth
          << " " << height << "\" font-family=\"" << kScreenFonts << "\">\n";
    elements_.insert(elements_.begin(),
                     {start.str(), "<rect width=\"100%\" height=\"100%\" fill=\"#10151f\"/>\n"});
    return std::move(elements_);
  }

 private:
  std::vector<std::string> elements_;
};

const char* unitColour(int32_t state) {
  return state == 1 ? "#40d060" : state == 2 ? "#f05040" : "#2a3140";
}

}  // namespace

std::vector<std::string> drawScreen(const PanelView& view, const ScreenContext& context) {
  Picture picture;
  char line[128];

  picture.rect(0, 0, kWidth, 64, "#1d3a6e");
  std::snprintf(line, sizeof line, "%02d:%02d:%02d", view.clockHour, view.clockMinute,
                view.clockSecond);
  picture.text(16, 42, line, 30, "#ffffff", "start", "clock");
  picture.text(200, 42, trainNumberText(view.number), 30, "#ffd860", "start", "train");
  std::snprintf(line, sizeof line, "%d km/h", view.speedDigits[0]);
  picture.text(470, 42, line, 26, "#ffffff");
  picture.text(kWidth - 16, 28,
               message(Msg::kSvgKmPost) + " " + kmPostText(view.kmHigh, view.kmLow), 16, "#c8d8f0",
               "end");
  if (view.modeLamp) {
    picture.lamp(kWidth - 100, 46, *view.modeLamp, "#60c0ff");
    picture.text(kWidth - 16, 51, message(Msg::kSvgMode), 14, "#c8d8f0", "end");
  }

  // A card stop's row and name, with ids `id` + "card" and `id` + "name".
  auto cardStop = [&](int y0, const NamedStop& stop, const std::string& id) {
    if (stop.row < 0) return;
    picture.text(kCardRowX, y0, std::to_string(stop.row), 18, "#a0b4d0", "start",
                 (id + "card").c_str());
    picture.text(kNameX, y0, stop.name, 18, "#ffffff", "start", (id + "name").c_str());
  };
  int y = 92;
  auto record = [&](Msg label, const std::optional<StopRecord>& stop) {
    if (!stop) return;
    std::string content = padColumns(message(label), 9);
    if (stop->attr) content += "  " + message(Msg::kShowAttr) + " " + std::to_string(*stop->attr);
    if (stop->time.minute) content += "  " + timeText(stop->time);
    if (stop->number) content += "  " + message(Msg::kShowNo) + " " + std::to_string(*stop->number);
    picture.text(16, y, content, 18);
    y += 26;
  };
  if (view.next) cardStop(y, context.stops.nextStop, "next-");
  record(Msg::kShowNextStop, view.next);
  record(Msg::kShowDest, view.dest);
  record(Msg::kShowInfo, view.info);
  if (view.secondNumber) {
    picture.text(16, y,
                 message(Msg::kShowSecondTrain) + " " + trainNumberText(*view.secondNumber) + "  " +
                     timeText(*view.secondTime1) + " / " + timeText(*view.secondTime2),
                 16, "#c8d8f0");
    y += 26;
  }

  y += 8;
  picture.rect(8, y - 20, kWidth - 16, kRowHeight, "#26324a");
  const bool gaps = !view.rows.empty() && view.rows[0].gap.minute.has_value();
  const int numberX = gaps ? 500 : 420;
  picture.text(16, y, message(Msg::kSvgRow), 16, "#a0b4d0");
  picture.text(70, y, message(Msg::kShowAttr), 16, "#a0b4d0");
  picture.text(130, y, message(Msg::kSvgTime1), 16, "#a0b4d0");
  picture.text(270, y, message(Msg::kSvgTime2), 16, "#a0b4d0");
  if (gaps) picture.text(410, y, message(Msg::kSvgGap), 16, "#a0b4d0");
  picture.text(numberX, y, message(Msg::kShowNo), 16, "#a0b4d0");
  const std::vector<NamedStop>& stops = context.stops.rows;
  if (anyRowNamed(context.stops)) {
    picture.text(kCardRowX, y, message(Msg::kSvgCardStop), 16, "#a0b4d0");
  }
  y += kRowHeight;
  // `key` names the row's elements ("row-" + key + "-…") in every language.
  auto row = [&](const std::string& key, const std::string& label, const ListRow& r, bool shaded,
                 const NamedStop& stop) {
    const std::string id = "row-" + key + "-";
    if (shaded) picture.rect(8, y - 19, kWidth - 16, kRowHeight, "#161d2b");
    picture.text(16, y, label, 18, "#a0b4d0");
    picture.text(70, y, optionalText(r.attr), 18);
    picture.text(130, y, timeText(r.time1), 18, "#e8f0ff", "start", (id + "time1").c_str());
    picture.text(270, y, timeText(r.time2), 18, "#e8f0ff", "start", (id + "time2").c_str());
    if (gaps && r.gap.minute) picture.text(410, y, timeText(r.gap), 18);
    picture.text(numberX, y, optionalText(r.number), 18);
    if (r.colA) {
      picture.text(580, y, "A " + std::to_string(*r.colA), 18, "#c8d8f0");
      picture.text(660, y, "B " + std::to_string(*r.colB), 18, "#c8d8f0");
    }
    cardStop(y, stop, id);
    y += kRowHeight;
  };
  for (std::size_t k = 0; k < view.rows.size(); ++k) {
    row(std::to_string(k), std::to_string(k), view.rows[k], k % 2 == 1,
        k < stops.size() ? stops[k] : NamedStop{});
  }
  if (view.lastStop.attr) {
    row("last", message(Msg::kShowLast), view.lastStop, view.rows.size() % 2 == 1,
        context.stops.lastStop);
  }

  y += 16;
  picture.text(16, y,
               message(Msg::kSvgProgress,
                       {std::to_string(view.progressCode), std::to_string(panel::kVariantType0),
                        std::to_string(view.variantType0), std::to_string(panel::kVariantSum),
                        std::to_string(view.variantSum), std::to_string(panel::kKindType23),
                        std::to_string(view.kindType23)}),
               16, "#c8d8f0");
  if (!view.units.empty()) {
    const std::string label = message(Msg::kSvgUnits);
    picture.text(430, y, label, 16, "#c8d8f0");
    // The lamps start past the label, half a font size per column of it.
    const int lampsX = std::max(490, 430 + static_cast<int>(terminalColumns(label)) * 8 + 12);
    for (std::size_t i = 0; i < view.units.size(); ++i) {
      picture.rect(lampsX + static_cast<int>(i) * 30, y - 15, 22, 18, unitColour(view.units[i]),
                   "#8090a8");
    }
  }
  y += 28;
  // Three starts to a line keep the longest names inside the picture.
  const std::string startedTitle = message(Msg::kSvgSoundsStarted);
  std::string started = startedTitle;
  if (context.soundsStarted.empty()) started += " " + message(Msg::kShowNone);
  for (std::size_t i = 0; i < context.soundsStarted.size(); ++i) {
    const SoundStart& start = context.soundsStarted[i];
    if (i > 0 && i % 3 == 0) {
      picture.text(16, y, started, 14, "#ffb060");
      y += 20;
      started = std::string(terminalColumns(startedTitle), ' ');
    }
    started += " " + std::to_string(start.index) + " " + soundLabel(start.index) + ";";
  }
  picture.text(16, y, started, 14, "#ffb060");
  y += 24;
  std::snprintf(line, sizeof line, "  %s %.1f km/h  %s %.1f m", message(Msg::kLabelSpeed).c_str(),
                context.speedKmh, message(Msg::kLabelRun).c_str(), context.odometerM);
  picture.text(16, y,
               message(Msg::kLabelFrame) + " " + std::to_string(context.frame) + "  " +
                   message(Msg::kLabelHostTime) + " " + hostTimeText(context.hostTimeMs) + line,
               12, "#7080a0", "start", "frame-line");
  y += 16;
  picture.text(16, y, layoutName(view.layout), 12, "#7080a0");
  return picture.finish(y + 12);
}

std::string renderSvg(const PanelView& view, const ScreenContext& context) {
  const std::vector<std::string> elements = drawScreen(view, context);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
  svg += elements[0].substr(4);
  for (std::size_t i = 1; i < elements.size(); ++i) svg += elements[i];
  return svg + "</svg>\n";
}
