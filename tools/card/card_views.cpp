#include "tools/card/card_views.h"

#include <cstdio>

#include "base/blank_values.h"
#include "card/card_code.h"
#include "card/card_format.h"
#include "card/csv_reader.h"
#include "display/frame_rules.h"
#include "display/ruva.h"
#include "platform/platform.h"
#include "plugin/settings.h"
#include "tools/card/vehicle_reader.h"
#include "tools/common/messages.h"
#include "tools/common/text_layout.h"
#include "tools/platform/host_text.h"

namespace {

std::string text(const std::string& bytes) {
  return platform::utf8FromCodePage932(bytes);
}

std::string fixed(double value, int decimals) {
  char out[32];
  std::snprintf(out, sizeof out, "%.*f", decimals, value);
  return out;
}

// A label in a column of `width` terminal columns.
std::string label(Msg id, std::size_t width) {
  return padColumns(message(id), width);
}

// A column title right-aligned in `width` terminal columns.
std::string title(Msg id, std::size_t width) {
  const std::string text = message(id);
  const std::size_t columns = terminalColumns(text);
  return std::string(columns < width ? width - columns : 0, ' ') + text;
}

// The titles of the event and range tables, up to their end km column.
std::string tableTitles() {
  return "  #" + title(Msg::kPageStop, 6) + title(Msg::kViewStartKm, 10) +
         title(Msg::kViewEndKm, 8);
}

std::string rowText(RowType type) {
  return std::to_string(rowNumber(type));
}

std::string stopName(const CardRecord& card, int32_t index) {
  if (index < 0 || index >= card.stopCount) return "";
  return text(card.stopName[static_cast<std::size_t>(index)]);
}

}  // namespace

std::string cardTimeText(int32_t time) {
  if (time == CardRecord::kNoTime) return "--:--:--";
  if (time == kStopMarkTime) return "停";
  if (time == kPassMarkTime) return message(Msg::kViewPasses);
  if (time == kEndMarkTime) return "〓";
  // Card hours go on past 23 (a run over midnight), so 24 is a clock hour here.
  const int32_t hour = time / 10000;
  char out[32];
  std::snprintf(out, sizeof out, "%02d:%02d:%02d", hour, time / 100 - hour * 100,
                time - time / 100 * 100);
  return out;
}

void showCard(const CardRecord& card, std::ostream& out) {
  out << label(Msg::kViewCardName, 15) << text(card.cardName) << "\n"
      << label(Msg::kViewHeader, 15)
      << message(Msg::kViewHeaderValues,
                 {std::to_string(static_cast<int>(card.headerCode)), text(card.headerText)})
      << "\n"
      << label(Msg::kViewTrainNumber, 15) << text(card.trainNumber) << "\n"
      << label(Msg::kViewSecondTrain, 15) << text(card.secondTrainNumber) << "   "
      << message(Msg::kShowTimes) << " " << cardTimeText(card.secondTime1) << " / "
      << cardTimeText(card.secondTime2) << "\n"
      << label(Msg::kViewNote, 15) << text(card.cardNote) << "\n"
      << padColumns(message(Msg::kViewAnnounce, {rowText(RowType::kAnnounce)}), 15)
      << card.cardValue8 << "\n"
      << padColumns(message(Msg::kViewInfo, {rowText(RowType::kInfo)}), 15)
      << message(Msg::kViewInfoValues, {text(card.cardText11), std::to_string(card.cardValue11)})
      << "\n\n";

  out << message(Msg::kViewStops, {std::to_string(static_cast<int>(card.stopCount))}) << "\n"
      << message(Msg::kViewStopColumns) << "\n";
  for (std::size_t i = 0; i < card.stopCount; ++i) {
    const std::string number = text(card.stopText5[i]);
    const std::string code =
        text(card.stopCode[i]) + " (" + std::to_string(card.stopCodeNumber[i]) + ")";
    out << padLeft(std::to_string(i), 3) << "  " << padRight(cardTimeText(card.stopTime1[i]), 12)
        << padRight(cardTimeText(card.stopTime2[i]), 10)
        << padLeft(std::to_string(card.stopGapSec[i]), 5) << "  " << padRight(number, 5)
        << padLeft(std::to_string(card.stopCol6[i]), 4)
        << padLeft(std::to_string(card.stopCol7[i]), 5) << padLeft(fixed(card.stopKmPost[i], 1), 9)
        << "  " << padColumns(card.stopFlag9[i] ? message(Msg::kViewHiddenYes) : "-", 6)
        << padLeft(fixed(card.stopDistanceKm[i], 1), 11)
        << padLeft(std::to_string(card.stopCol11[i]), 5)
        << padLeft(std::to_string(card.stopCol12[i]), 5)
        << padLeft(std::to_string(card.stopCol13[i]), 4)
        << padLeft(std::to_string(card.stopCol14[i]), 4)
        << padLeft(std::to_string(card.stopCol16[i]), 5) << "  "
        << padColumns(message(card.stopKmCountDown[i] ? Msg::kViewKmDown : Msg::kViewKmUp), 4)
        << padLeft(std::to_string(card.stopAttr[i]), 6)
        << padLeft(std::to_string(card.stopCol21[i]), 5) << "  " << padRight(code, 12)
        << text(card.stopName[i]) << "  " << text(card.stopText15[i]) << "\n";
  }

  out << "\n"
      << message(Msg::kViewEventWindows, {rowText(RowType::kEvent)}) << "\n"
      << tableTitles() << title(Msg::kViewType, 6) << "\n";
  for (std::size_t i = 0; i < card.eventType.size(); ++i) {
    if (card.eventStopIndex[i] == 0 && card.eventStartKm[i] == 0.0 && card.eventEndKm[i] == 0.0 &&
        card.eventType[i] == 0) {
      continue;
    }
    out << padLeft(std::to_string(i), 3) << padLeft(std::to_string(card.eventStopIndex[i]), 6)
        << padLeft(fixed(card.eventStartKm[i], 3), 10) << padLeft(fixed(card.eventEndKm[i], 3), 8)
        << padLeft(std::to_string(card.eventType[i]), 6) << "   "
        << stopName(card, card.eventStopIndex[i]) << "\n";
  }
  out << "\n"
      << message(Msg::kViewRanges, {rowText(RowType::kRange)}) << "\n"
      << tableTitles() << title(Msg::kViewDistanceKm, 13) << title(Msg::kPageValue, 7) << "\n";
  for (std::size_t i = 0; i < card.rangeValue.size(); ++i) {
    if (card.rangeStopIndex[i] == 0 && card.rangeStartKm[i] == 0.0 && card.rangeEndKm[i] == 0.0 &&
        card.rangeDistanceKm[i] == 0.0 && card.rangeValue[i] == 0) {
      continue;
    }
    out << padLeft(std::to_string(i), 3) << padLeft(std::to_string(card.rangeStopIndex[i]), 6)
        << padLeft(fixed(card.rangeStartKm[i], 3), 10) << padLeft(fixed(card.rangeEndKm[i], 3), 8)
        << padLeft(fixed(card.rangeDistanceKm[i], 3), 13)
        << padLeft(std::to_string(card.rangeValue[i]), 7) << "   "
        << stopName(card, card.rangeStopIndex[i]) << "\n";
  }
  out << message(Msg::kViewEmptyEntries) << "\n";
}

void previewCard(const CardRecord& card, int32_t rows, std::ostream& out) {
  // A display state of its own, driven the way a run drives the module's.
  auto display = std::make_unique<CRuva>();
  display->resetForTrain();
  display->D01ABnum = stopListRows(rows);
  display->card = CardRecord(card);
  const int32_t revealed = kRevealComplete + 1;  // every row of the reveal has come up

  for (int32_t k = 0; k < card.stopCount; ++k) {
    // The card beacon makes the first row current, hidden or not.
    if (k > 0 && card.stopFlag9[static_cast<std::size_t>(k)]) continue;
    CRuva& d = *display;
    d.selectStop(k);
    d.animTimer = revealed;
    d.composeDisplayLists();
    out << message(Msg::kViewCurrentStop, {std::to_string(k), stopName(card, k)}) << "\n";
    out << label(Msg::kShowNextStop, 15) << clockText(d.dispNextHour, d.dispNextMin, d.dispNextSec)
        << "  " << message(Msg::kShowAttr) << " " << d.dispNextAttr << "  " << message(Msg::kShowNo)
        << " " << d.dispNextNumber << "\n";
    out << label(Msg::kViewFiveRowList, 15) << label(Msg::kSvgRow, 3) << title(Msg::kShowAttr, 6)
        << "  " << label(Msg::kSvgTime1, 10) << label(Msg::kSvgTime2, 10) << label(Msg::kSvgGap, 7)
        << title(Msg::kShowNo, 3) << "    A    B  " << message(Msg::kPageStop) << "\n";
    for (std::size_t r = 0; r < d.dispList5Attr.size(); ++r) {
      out << "               " << padLeft(std::to_string(r), 3)
          << padLeft(std::to_string(d.dispList5Attr[r]), 6) << "  "
          << padRight(
                 clockText(d.dispList5Time1Hour[r], d.dispList5Time1Min[r], d.dispList5Time1Sec[r]),
                 10)
          << padRight(
                 clockText(d.dispList5Time2Hour[r], d.dispList5Time2Min[r], d.dispList5Time2Sec[r]),
                 10)
          << padRight(clockText(24, d.dispList5GapMin[r], d.dispList5GapSec[r]).substr(3), 7)
          << padLeft(std::to_string(d.dispList5Number[r]), 3)
          << padLeft(std::to_string(d.dispList5ColA[r]), 5)
          << padLeft(std::to_string(d.dispList5ColB[r]), 5) << "  "
          << (d.dispList5Attr[r] != 0 || d.dispList5Time1Hour[r] != 24
                  ? stopName(card, d.list5StopIdx[r])
                  : "")
          << "\n";
    }
    out << label(Msg::kViewSevenRowList, 15) << label(Msg::kSvgRow, 3) << title(Msg::kShowAttr, 6)
        << "  " << label(Msg::kSvgTime1, 10) << label(Msg::kSvgTime2, 10)
        << title(Msg::kViewExtra, 5) << "  " << message(Msg::kPageStop) << "\n";
    for (std::size_t r = 0; r < d.dispList7Attr.size(); ++r) {
      const std::string mark = r == 5   ? message(Msg::kViewFurther)
                               : r == 6 ? message(Msg::kShowLast)
                                        : std::string();
      out << "               " << padLeft(std::to_string(r), 3)
          << padLeft(std::to_string(d.dispList7Attr[r]), 6) << "  "
          << padRight(
                 clockText(d.dispList7Time1Hour[r], d.dispList7Time1Min[r], d.dispList7Time1Sec[r]),
                 10)
          << padRight(
                 clockText(d.dispList7Time2Hour[r], d.dispList7Time2Min[r], d.dispList7Time2Sec[r]),
                 10)
          << padLeft(std::to_string(d.dispList7Extra[r]), 5) << "  "
          << stopName(card, d.list7StopIdx[r]) << (mark.empty() ? std::string() : " (" + mark + ")")
          << "\n";
    }
    const std::string attr = "  " + message(Msg::kShowAttr) + " ";
    const std::string number = "  " + message(Msg::kShowNo) + " ";
    out << label(Msg::kShowDest, 15) << clockText(d.destHour, d.destMin, d.destSec) << attr
        << d.destAttr << number << d.destNumber << "\n";
    out << label(Msg::kShowInfo, 15) << clockText(d.infoHour, d.infoMin, d.infoSec) << "  "
        << message(Msg::kShowIndex) << " " << d.infoIdx << number << d.infoNumber << "\n";
    out << label(Msg::kViewProgressCode, 15) << d.progressCode << "    "
        << message(Msg::kViewToNextStop, {fixed(d.stopRemain, 0)}) << "    "
        << message(Msg::kSvgKmPost) << " " << fixed(d.kmPost / 1000.0, 1)
        << message(d.kmCountUp ? Msg::kViewUp : Msg::kViewDown) << "\n\n";
  }
}

bool explainCardCode(int32_t code, const std::string& vehicle, std::ostream& out) {
  const CardCodeParts parts = splitCardCode(code);
  out << label(Msg::kViewCardCode, 13) << code << "\n"
      << label(Msg::kTableFolder, 13) << parts.folderIndex << "\n"
      << label(Msg::kViewPrefix, 13) << parts.prefixCode << "  "
      << text(std::string(cardPrefixText(parts.prefixCode))) << "\n"
      << label(Msg::kViewNumber, 13) << parts.number << "\n"
      << label(Msg::kViewSuffix, 13) << parts.suffixCode << "  "
      << text(std::string(cardSuffixText(parts.suffixCode))) << "\n"
      << label(Msg::kViewFileName, 13) << text(parts.fileName) << "\n";
  if (vehicle.empty()) return true;

  std::string folder;
  const std::unique_ptr<CCsvread> reader =
      platform::makeAbsolute(vehicle, folder) ? readerInVehicle(folder) : nullptr;
  if (!reader) {
    out << label(Msg::kViewVehicle, 13) << message(Msg::kViewPathTooLong) << "\n";
    return false;
  }
  char written[CCsvread::kPathSize] = {};
  const std::string key = std::to_string(parts.folderIndex);
  platform::readProfileString(std::string(kCardListSection).c_str(), key.c_str(),
                              std::string(kNullEntry).c_str(), written, sizeof written,
                              reader->cardListPath);
  const std::string entry(reader->cardFolder(parts.folderIndex));
  out << label(Msg::kViewCardList, 13) << reader->cardListPath << ": " << key << "="
      << text(written);
  if (entry != written) out << message(Msg::kViewNoSuchFolder);
  out << "\n";
  std::string path;
  if (!reader->cardFilePath(parts, path)) {
    out << label(Msg::kViewPath, 13) << message(Msg::kViewNotAbsolute) << "\n";
    return false;
  }
  const bool found = platform::canOpenFile(path);
  out << label(Msg::kViewPath, 13) << text(path) << "\n"
      << label(Msg::kViewFound, 13) << message(found ? Msg::kViewFoundYes : Msg::kViewFoundNo)
      << "\n";
  return found;
}
