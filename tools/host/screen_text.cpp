#include <algorithm>
#include <cstdio>
#include <sstream>

#include "tools/common/messages.h"
#include "tools/common/text_layout.h"
#include "tools/host/display_codes.h"
#include "tools/host/screen.h"

namespace {

std::string numberLine(const TrainNumberCodes& codes) {
  std::string digits;
  for (int32_t digit : codes.digits) digits += " " + std::to_string(digit);
  return padRight(trainNumberText(codes), 10) +
         message(Msg::kShowNumberParts,
                 {std::to_string(codes.prefix), digits, std::to_string(codes.suffix)});
}

std::string recordLine(Msg label, const StopRecord& record) {
  std::string line = padColumns(message(label), 12);
  if (record.attr)
    line += padColumns(message(Msg::kShowAttr) + " " + std::to_string(*record.attr), 10);
  if (record.time.minute) line += padRight(timeText(record.time), 11);
  if (record.number) line += message(Msg::kShowNo) + " " + std::to_string(*record.number);
  return line;
}

// A label of the text screen followed by a space and its value.
std::string labelled(Msg label, const std::string& value) {
  return message(label) + " " + value;
}

std::string lamp(bool on) {
  return message(on ? Msg::kOn : Msg::kOff);
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
  const std::string separator = message(Msg::kListSeparator);
  std::string name =
      message(layout.useLegacyDisp ? Msg::kLabelLegacyLayout : Msg::kLabelStandardLayout);
  name += separator + message(layout.dispType ? Msg::kLabelFiveRowList : Msg::kLabelSevenRowList);
  if (!layout.useLegacyDisp && layout.unitDispEnable)
    name += separator + message(Msg::kLabelUnitLamps);
  return name;
}

std::string renderText(const PanelView& view, const ScreenContext& context) {
  std::ostringstream out;
  char line[160];
  out << "== " << labelled(Msg::kLabelFrame, std::to_string(context.frame)) << "  "
      << labelled(Msg::kLabelHostTime, hostTimeText(context.hostTimeMs));
  std::snprintf(line, sizeof line, "%.1f km/h", context.speedKmh);
  out << "  " << labelled(Msg::kLabelSpeed, line);
  std::snprintf(line, sizeof line, "%.1f m", context.odometerM);
  out << "  " << labelled(Msg::kLabelRun, line) << "  (" << layoutName(view.layout) << ")\n";

  std::snprintf(line, sizeof line, "%02d:%02d:%02d", view.clockHour, view.clockMinute,
                view.clockSecond);
  out << padColumns(message(Msg::kShowClock), 12) << line;
  std::snprintf(line, sizeof line, "%3d km/h", view.speedDigits[0]);
  out << "    " << labelled(Msg::kShowSpeed, line) << "    "
      << labelled(Msg::kShowKmPost, kmPostText(view.kmHigh, view.kmLow));
  if (view.modeLamp) out << "    " << labelled(Msg::kShowModeLamp, lamp(*view.modeLamp));
  out << "\n";
  out << padColumns(message(Msg::kShowTrain), 12) << numberLine(view.number) << "\n";
  if (view.secondNumber) {
    out << padColumns(message(Msg::kShowSecondTrain), 12) << numberLine(*view.secondNumber) << "  "
        << labelled(Msg::kShowTimes,
                    timeText(*view.secondTime1) + " / " + timeText(*view.secondTime2))
        << "\n";
  }
  out << padColumns(message(Msg::kShowProgress), 12)
      << labelled(Msg::kShowCode, std::to_string(view.progressCode)) << "    "
      << message(Msg::kShowCues,
                 {std::to_string(panel::kVariantType0), std::to_string(view.variantType0),
                  std::to_string(panel::kVariantSum), std::to_string(view.variantSum),
                  std::to_string(panel::kKindType23), std::to_string(view.kindType23)});
  if (view.markerLamp) out << "    " << labelled(Msg::kShowMarkerLamp, lamp(*view.markerLamp));
  if (view.stopByte) out << "    " << labelled(Msg::kShowStopByte, std::to_string(*view.stopByte));
  out << "\n";
  if (view.headerByte) {
    out << padColumns(message(Msg::kShowHeader), 12)
        << labelled(Msg::kShowByte, std::to_string(*view.headerByte)) << "    "
        << labelled(Msg::kShowNumber, std::to_string(*view.headerNumber)) << "\n";
  }
  if (view.next) {
    out << recordLine(Msg::kShowNextStop, *view.next);
    const NamedStop& next = context.stops.nextStop;
    if (next.row >= 0) {
      out << "    " << labelled(Msg::kShowCardRow, std::to_string(next.row)) << "  " << next.name;
    }
    out << "\n";
  }
  if (view.dest) out << recordLine(Msg::kShowDest, *view.dest) << "\n";
  if (view.info) {
    out << recordLine(Msg::kShowInfo, *view.info) << "    "
        << labelled(Msg::kShowIndex, optionalText(view.infoIndex)) << "\n";
  }

  const bool gaps = !view.rows.empty() && view.rows[0].gap.minute.has_value();
  const bool columns = !view.rows.empty() && view.rows[0].colA.has_value();
  const std::vector<NamedStop>& stops = context.stops.rows;
  const bool named = anyRowNamed(context.stops);
  const std::string numberTitle = message(Msg::kShowNoTitle);
  out << padColumns(message(Msg::kShowRow), 5) << padColumns(message(Msg::kShowAttrTitle), 6)
      << padColumns(message(Msg::kShowTime1), 11) << padColumns(message(Msg::kShowTime2), 9)
      << (gaps ? "  " + padColumns(message(Msg::kShowGap), 5) : "")
      << std::string(6 - std::min<std::size_t>(6, terminalColumns(numberTitle)), ' ') << numberTitle
      << (columns ? "    A    B" : "") << (named ? "  " + message(Msg::kShowCardStop) : "") << "\n";
  auto rowLine = [&](const std::string& label, const ListRow& row, const NamedStop& stop) {
    out << padColumns(label, 5) << padRight(optionalText(row.attr), 6)
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
  if (view.lastStop.attr) {
    rowLine(message(Msg::kShowLast), view.lastStop, context.stops.lastStop);
  }

  if (!view.units.empty()) {
    out << padColumns(message(Msg::kShowUnits), 11);
    for (int32_t state : view.units) out << ' ' << unitLetter(state);
    out << "    " << message(Msg::kShowUnitKey) << "\n";
  }
  out << padColumns(message(Msg::kShowSounds), 11);
  for (const auto& [index, value] : view.sounds) out << ' ' << index << '=' << value;
  out << "\n";
  out << padColumns(message(Msg::kShowStarted), 11);
  if (context.soundsStarted.empty()) out << " " << message(Msg::kShowNone);
  for (const SoundStart& start : context.soundsStarted) {
    out << ' ' << start.index << ' ' << soundLabel(start.index) << " ("
        << labelled(Msg::kLabelFrame, std::to_string(start.frame)) << ");";
  }
  out << "\n";
  return out.str();
}
