#include <cstdio>
#include <sstream>

#include "tools/common/text_layout.h"
#include "tools/host/display_codes.h"
#include "tools/host/screen.h"

namespace {

std::string numberLine(const TrainNumberCodes& codes) {
  std::string digits;
  for (int32_t digit : codes.digits) digits += " " + std::to_string(digit);
  return padRight(trainNumberText(codes), 10) + "(prefix " + std::to_string(codes.prefix) +
         ", digits" + digits + ", suffix " + std::to_string(codes.suffix) + ")";
}

std::string recordLine(const char* label, const StopRecord& record, const char* attrLabel) {
  std::string line = padRight(label, 12);
  if (record.attr)
    line += padRight(std::string(attrLabel) + " " + std::to_string(*record.attr), 10);
  if (record.time.minute) line += padRight(timeText(record.time), 11);
  if (record.number) line += "no. " + std::to_string(*record.number);
  return line;
}

char unitLetter(int32_t state) {
  switch (state) {
    case 0:
      return '.';
    case 1:
      return 'P';
    case 2:
      return 'B';
    default:
      return '?';
  }
}

}  // namespace

std::string layoutName(const Layout& layout) {
  std::string name = layout.useLegacyDisp ? "legacy layout" : "standard layout";
  name += layout.dispType ? ", five-row list" : ", seven-row list";
  if (!layout.useLegacyDisp && layout.unitDispEnable) name += ", unit lamps";
  return name;
}

std::string renderText(const PanelView& view, const ScreenContext& context) {
  std::ostringstream out;
  char line[160];
  out << "== frame " << context.frame << "  host time " << hostTimeText(context.hostTimeMs);
  std::snprintf(line, sizeof line, "  speed %.1f km/h  run %.1f m", context.speedKmh,
                context.odometerM);
  out << line << "  (" << layoutName(view.layout) << ")\n";

  std::snprintf(line, sizeof line, "Clock       %02d:%02d:%02d    Speed %3d km/h    Km post %s",
                view.clockHour, view.clockMinute, view.clockSecond, view.speedDigits[0],
                kmPostText(view.kmHigh, view.kmLow).c_str());
  out << line;
  if (view.modeLamp) out << "    Mode lamp " << (*view.modeLamp ? "on" : "off");
  out << "\n";
  out << "Train       " << numberLine(view.number) << "\n";
  if (view.secondNumber) {
    out << "2nd train   " << numberLine(*view.secondNumber) << "  times "
        << timeText(*view.secondTime1) << " / " << timeText(*view.secondTime2) << "\n";
  }
  out << "Progress    code " << view.progressCode << "    Cues: panel 198 = " << view.variantType0
      << ", 81 = " << view.variantSum << ", 248 = " << view.kindType23;
  if (view.markerLamp) out << "    Marker lamp " << (*view.markerLamp ? "on" : "off");
  if (view.stopByte) out << "    Stop byte " << *view.stopByte;
  out << "\n";
  if (view.headerByte) {
    out << "Header      byte " << *view.headerByte << "    number " << *view.headerNumber << "\n";
  }
  if (view.next) {
    out << recordLine("Next stop", *view.next, "attr");
    const NamedStop& next = context.stops.nextStop;
    if (next.row >= 0) out << "    card row " << next.row << "  " << next.name;
    out << "\n";
  }
  if (view.dest) out << recordLine("Dest", *view.dest, "attr") << "\n";
  if (view.info) {
    out << recordLine("Info", *view.info, "attr") << "    index " << optionalText(view.infoIndex)
        << "\n";
  }

  const bool gaps = !view.rows.empty() && view.rows[0].gap.minute.has_value();
  const bool columns = !view.rows.empty() && view.rows[0].colA.has_value();
  const std::vector<NamedStop>& stops = context.stops.rows;
  const bool named = anyRowNamed(context.stops);
  out << "Row  Attr  Time 1     Time 2   " << (gaps ? "  Gap  " : "") << "   No."
      << (columns ? "    A    B" : "") << (named ? "  Card stop" : "") << "\n";
  auto rowLine = [&](const std::string& label, const ListRow& row, const NamedStop& stop) {
    out << padRight(label, 5) << padRight(optionalText(row.attr), 6)
        << padRight(timeText(row.time1), 11) << padRight(timeText(row.time2), 11);
    if (gaps) out << padRight(row.gap.minute ? timeText(row.gap) : "", 7);
    std::snprintf(line, sizeof line, "%4s", optionalText(row.number).c_str());
    out << line;
    if (columns && row.colA) {
      std::snprintf(line, sizeof line, " %4d %4d", *row.colA, *row.colB);
      out << line;
    }
    if (stop.row >= 0) out << padLeft(std::to_string(stop.row), 6) << "  " << stop.name;
    out << "\n";
  };
  for (std::size_t k = 0; k < view.rows.size(); ++k)
    rowLine(std::to_string(k), view.rows[k], k < stops.size() ? stops[k] : NamedStop{});
  if (view.lastStop.attr) rowLine("last", view.lastStop, context.stops.lastStop);

  if (!view.units.empty()) {
    out << "Units      ";
    for (int32_t state : view.units) out << ' ' << unitLetter(state);
    out << "    (P powering, B braking, . idle)\n";
  }
  out << "Sounds     ";
  for (const auto& [index, value] : view.sounds) out << ' ' << index << '=' << value;
  out << "\n";
  out << "Started    ";
  if (context.soundsStarted.empty()) out << " none";
  for (const SoundStart& start : context.soundsStarted) {
    out << ' ' << start.index << ' ' << soundName(start.index) << " (frame " << start.frame << ");";
  }
  out << "\n";
  return out.str();
}
