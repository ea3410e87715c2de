#include "plugin/panel_map.h"

#include <cstddef>
#include <utility>

#include "base/blank_values.h"
#include "display/safe_arithmetic.h"
#include "plugin/panel_layout.h"

namespace {

// The km post as three digits in one value plus the hundreds of metres; blank without
// a card.
int32_t kmWhole(const CRuva& d) {
  if (!d.cardMode) return kNoKmWhole;
  return wrappingAdd(100 * (d.kmDigits[0] % 10) + 10 * (d.kmDigits[1] % 10), d.kmDigits[2]);
}
int32_t kmTenths(const CRuva& d) {
  return d.cardMode ? d.kmDigits[3] : kNoKmTenths;
}

// Rows 0 to Rows - 1 of a list at base + step × row, one store each: as a loop, the
// compiler would hand the short copies of step 1 to a library call.
template <std::size_t... Row>
void writeRowsOf(int32_t* __restrict panel, int base, int step, const FixedList& list,
                 std::index_sequence<Row...>) {
  ((panel[base + step * static_cast<int>(Row)] = list[Row]), ...);
}
template <int Rows>
void writeRows(int32_t* __restrict panel, int base, int step, const FixedList& list) {
  writeRowsOf(panel, base, step, list, std::make_index_sequence<Rows>{});
}

// Minute and second at base + 3k and base + 3k + 1, the seconds in steps of five.
void writeMinuteSecondRows(int32_t* __restrict panel, int base, const FixedList& minute,
                           const FixedList& second, int rows) {
  for (int k = 0; k < rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    panel[base + 3 * k] = minute[row];
    panel[base + 3 * k + 1] = second[row] / 5;
  }
}

// Time triples at base + 3k, the seconds in steps of five.
template <int Rows>
void writeTimeRows(int32_t* __restrict panel, int base, const FixedList& hour,
                   const FixedList& minute, const FixedList& second) {
  writeRows<Rows>(panel, base, 3, hour);
  writeMinuteSecondRows(panel, base + 1, minute, second, Rows);
}

// Two columns side by side at base + 2k; the second one in steps of five if asked.
void writePairRows(int32_t* __restrict panel, int base, const FixedList& first,
                   const FixedList& second, int rows, int secondDivisor) {
  for (int k = 0; k < rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    panel[base + 2 * k] = first[row];
    panel[base + 2 * k + 1] = second[row] / secondDivisor;
  }
}

void writeTrainNumber(const CRuva& d, int32_t* __restrict panel) {
  panel[panel::kTrainNumber] = d.numberPrefix;
  writeRows<5>(panel, panel::kTrainNumber + 1, 1, d.numberDigits);
}

void writeNextStop(const CRuva& d, int32_t nextAttr, int32_t* __restrict panel) {
  panel[panel::kNextStop] = nextAttr;
  panel[panel::kNextStopTime] = d.dispNextHour;
  panel[panel::kNextStopTime + 1] = d.dispNextMin;
  panel[panel::kNextStopTime + 2] = d.dispNextSec / 5;
  panel[panel::kNextStopNumber] = d.dispNextNumber;
}

void writeDestAndLastAttr(const CRuva& d, int32_t* __restrict panel) {
  panel[panel::kDestAttr] = d.destAttr;
  panel[panel::kLastStopAttr] = d.dispList7Attr[6];
}

// The five-row list after the next-stop record; the layouts differ only in how many
// rows of gaps and of columns A and B they show.
void writeFiveRows(const CRuva& d, int gapRows, int columnRows, int32_t* __restrict panel) {
  writeRows<panel::kFiveRows>(panel, panel::kListAttr, 1, d.dispList5Attr);
  writeTimeRows<panel::kFiveRows>(panel, panel::kListTime1, d.dispList5Time1Hour,
                                  d.dispList5Time1Min, d.dispList5Time1Sec);
  writeTimeRows<panel::kFiveRows>(panel, panel::kListTime2, d.dispList5Time2Hour,
                                  d.dispList5Time2Min, d.dispList5Time2Sec);
  writePairRows(panel, panel::kListGap, d.dispList5GapMin, d.dispList5GapSec, gapRows, 5);
  writeRows<panel::kFiveRows>(panel, panel::kListNumber, 1, d.dispList5Number);
  writePairRows(panel, panel::kListColumns, d.dispList5ColA, d.dispList5ColB, columnRows, 1);
}

void writeStandard(const CRuva& d, const DisplaySettings& v, int32_t* __restrict panel) {
  if (v.unitDispEnable) writeRows<panel::kUnitCount>(panel, panel::kUnits, 1, d.unitState);
  panel[panel::kKmWhole] = kmWhole(d);
  panel[panel::kKmTenths] = kmTenths(d);
  writeTrainNumber(d, panel);
  panel[panel::kModeLamp] = (d.cardMode || d.beaconMode) ? 1 : 0;
  panel[panel::kSecondNumber] = d.secondNumberPrefix;
  writeRows<5>(panel, panel::kSecondNumber + 1, 1, d.secondNumberDigits);
  panel[panel::kSecondTime1] = d.cardTime1Hour;
  panel[panel::kSecondTime1 + 1] = d.cardTime1Min;
  panel[panel::kSecondTime1 + 2] = d.cardTime1Sec;
  panel[panel::kSecondTime2] = d.cardTime2Hour;
  panel[panel::kSecondTime2 + 1] = d.cardTime2Min;
  panel[panel::kSecondTime2 + 2] = d.cardTime2Sec;
  panel[panel::kStopCardByte] = d.curStopCardByte;
  panel[panel::kMarkerLamp] = d.auxIndicator ? 1 : 0;

  if (v.dispType) {
    // The five-row family has no sixth row: the places of row 5 keep what the host left.
    writeNextStop(d, d.stopAnnounce == 1 ? v.nextStopTypeSetting : d.dispNextAttr, panel);
    writeFiveRows(d, panel::kStandardGapRows, panel::kStandardColumnRows, panel);
    return;
  }
  writeDestAndLastAttr(d, panel);
  panel[panel::kNextStop] = d.infoIdx;
  panel[panel::kNextStopTime] = d.infoHour;
  panel[panel::kNextStopTime + 1] = d.infoMin;
  panel[panel::kNextStopTime + 2] = d.infoSec;
  panel[panel::kNextStopNumber] = d.infoNumber;
  writeRows<panel::kSevenRowsShown>(panel, panel::kListAttr, 1, d.dispList7Attr);
  writeTimeRows<panel::kFiveRows>(panel, panel::kListTime1, d.dispList5Time1Hour,
                                  d.dispList5Time1Min, d.dispList5Time1Sec);
  // Row 5 of the first times shows minutes and seconds only, the second times no hours.
  panel[panel::kRow5Time1] = d.dispList7Time1Min[5];
  panel[panel::kRow5Time1 + 1] = d.dispList7Time1Sec[5] / 5;
  writeMinuteSecondRows(panel, panel::kListTime2 + 1, d.dispList7Time2Min, d.dispList7Time2Sec,
                        panel::kSevenRowsShown);
  panel[panel::kHeaderByte] = d.cardHeaderByte;
  panel[panel::kHeaderNumber] = d.cardHeaderNumber;
  panel[panel::kDestNumber] = d.destNumber;
  panel[panel::kDestTime] = d.destHour;
  panel[panel::kDestTime + 1] = d.destMin;
  panel[panel::kDestTime + 2] = d.destSec;
  panel[panel::kLastStopTime2] = d.dispList7Time2Hour[6];
  panel[panel::kLastStopTime2 + 1] = d.dispList7Time2Min[6];
  panel[panel::kLastStopTime2 + 2] = d.dispList7Time2Sec[6];
  writeRows<panel::kSevenRowsShown>(panel, panel::kListNumber, 1, d.dispList7Extra);
}

void writeLegacy(const CRuva& d, const DisplaySettings& v, int32_t* __restrict panel) {
  writeTrainNumber(d, panel);
  writeDestAndLastAttr(d, panel);

  if (v.dispType) {
    int32_t nextAttr = d.dispNextAttr;
    if (d.stopAnnounce == 1) {
      const int32_t type = v.nextStopTypeSetting;
      nextAttr = type != 0 ? wrappingAdd(type, d.dispNextAttr) : 0;
    }
    writeNextStop(d, nextAttr, panel);
    panel[panel::kLegacyNextAttr] = d.dispNextAttr;
    writeFiveRows(d, panel::kLegacyGapRows, panel::kLegacyColumnRows, panel);
  } else {
    writeRows<panel::kSevenRowsShown>(panel, panel::kListAttr, 1, d.dispList7Attr);
    writeTimeRows<panel::kSevenRowsShown>(panel, panel::kListTime1, d.dispList7Time1Hour,
                                          d.dispList7Time1Min, d.dispList7Time1Sec);
    writeTimeRows<panel::kSevenRowsShown>(panel, panel::kListTime2, d.dispList7Time2Hour,
                                          d.dispList7Time2Min, d.dispList7Time2Sec);
  }

  panel[panel::kLegacyKmWhole] = kmWhole(d);
  panel[panel::kLegacyKmTenths] = kmTenths(d);
  writeRows<panel::kLegacyUnitCount>(panel, panel::kLegacyUnits, 1, d.unitState);
}

}  // namespace

// The host's panel array never overlaps the display state; saying so (__restrict) lets
// the copies go without the overlap checks the compiler would otherwise make.
void writeLayoutPanel(const CRuva& display, const DisplaySettings& variant,
                      int32_t* __restrict panel) {
  if (variant.useLegacyDisp) {
    writeLegacy(display, variant, panel);
  } else {
    writeStandard(display, variant, panel);
  }
}

void writeSoundArray(const CRuva& display, int32_t* sound) {
  for (const panel::SoundSlot& slot : panel::kSoundSlots) {
    sound[slot.index] = display.soundOut[slot.cue];
  }
}
