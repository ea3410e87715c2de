#include "plugin/panel_map.h"

#include "display/safe_arithmetic.h"

namespace {

// The km post as three digits in one value plus the hundreds of metres; 300 and 10
// without a card.
int32_t kmWhole(const CRuva& d) {
  if (!d.cardMode) return 300;
  return wrappingAdd(100 * (d.kmDigits[0] % 10) + 10 * (d.kmDigits[1] % 10), d.kmDigits[2]);
}
int32_t kmTenths(const CRuva& d) {
  return d.cardMode ? d.kmDigits[3] : 10;
}

// Rows 0 to rows - 1 of a list at base + step × row.
void writeRows(int32_t* panel, int base, int step, const FixedList& list, int rows) {
  for (int k = 0; k < rows; ++k) panel[base + step * k] = list[static_cast<std::size_t>(k)];
}

// Minute and second at base + 3k and base + 3k + 1, the seconds in steps of five.
void writeMinuteSecondRows(int32_t* panel, int base, const FixedList& minute,
                           const FixedList& second, int rows) {
  for (int k = 0; k < rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    panel[base + 3 * k] = minute[row];
    panel[base + 3 * k + 1] = second[row] / 5;
  }
}

// Time triples at base + 3k, the seconds in steps of five.
void writeTimeRows(int32_t* panel, int base, const FixedList& hour, const FixedList& minute,
                   const FixedList& second, int rows) {
  writeRows(panel, base, 3, hour, rows);
  writeMinuteSecondRows(panel, base + 1, minute, second, rows);
}

// Two columns side by side at base + 2k; the second one in steps of five if asked.
void writePairRows(int32_t* panel, int base, const FixedList& first, const FixedList& second,
                   int rows, int secondDivisor) {
  for (int k = 0; k < rows; ++k) {
    const auto row = static_cast<std::size_t>(k);
    panel[base + 2 * k] = first[row];
    panel[base + 2 * k + 1] = second[row] / secondDivisor;
  }
}

void writeTrainNumber(const CRuva& d, int32_t* panel) {
  panel[100] = d.numberPrefix;
  writeRows(panel, 101, 1, d.numberDigits, 5);
}

void writeNextStop(const CRuva& d, int32_t nextAttr, int32_t* panel) {
  panel[110] = nextAttr;
  panel[111] = d.dispNextHour;
  panel[112] = d.dispNextMin;
  panel[113] = d.dispNextSec / 5;
  panel[115] = d.dispNextNumber;
}

void writeStandard(const CRuva& d, const PanelVariant& variant, int32_t* panel) {
  if (variant.unitDispEnable) writeRows(panel, 20, 1, d.unitState, 8);
  panel[98] = kmWhole(d);
  panel[99] = kmTenths(d);
  writeTrainNumber(d, panel);
  panel[114] = (d.cardMode || d.beaconMode) ? 1 : 0;
  panel[116] = d.secondNumberPrefix;
  writeRows(panel, 117, 1, d.secondNumberDigits, 5);
  panel[122] = d.cardTime1Hour;
  panel[123] = d.cardTime1Min;
  panel[124] = d.cardTime1Sec;
  panel[125] = d.cardTime2Hour;
  panel[126] = d.cardTime2Min;
  panel[127] = d.cardTime2Sec;
  panel[128] = d.curStopCardByte;
  panel[129] = d.auxIndicator ? 1 : 0;

  if (variant.dispType) {
    // The five-row family has no sixth row: 135, 155 to 157, 175 to 177 and 195 stay.
    writeNextStop(d, d.stopAnnounce == 1 ? variant.nextStopType : d.dispNextAttr, panel);
    writeRows(panel, 130, 1, d.dispList5Attr, 5);
    writeTimeRows(panel, 140, d.dispList5Time1Hour, d.dispList5Time1Min, d.dispList5Time1Sec, 5);
    writeTimeRows(panel, 160, d.dispList5Time2Hour, d.dispList5Time2Min, d.dispList5Time2Sec, 5);
    writePairRows(panel, 180, d.dispList5GapMin, d.dispList5GapSec, 5, 5);
    writeRows(panel, 190, 1, d.dispList5Number, 5);
    writePairRows(panel, 200, d.dispList5ColA, d.dispList5ColB, 5, 1);
    return;
  }
  panel[106] = d.destAttr;
  panel[107] = d.dispList7Attr[6];
  panel[110] = d.infoIdx;
  panel[111] = d.infoHour;
  panel[112] = d.infoMin;
  panel[113] = d.infoSec;
  panel[115] = d.infoNumber;
  writeRows(panel, 130, 1, d.dispList7Attr, 6);
  writeTimeRows(panel, 140, d.dispList5Time1Hour, d.dispList5Time1Min, d.dispList5Time1Sec, 5);
  // Row 5 of the first times shows minutes and seconds only, the second times no hours.
  panel[156] = d.dispList7Time1Min[5];
  panel[157] = d.dispList7Time1Sec[5] / 5;
  writeMinuteSecondRows(panel, 161, d.dispList7Time2Min, d.dispList7Time2Sec, 6);
  panel[178] = d.cardHeaderByte;
  panel[179] = d.cardHeaderNumber;
  panel[180] = d.destNumber;
  panel[181] = d.destHour;
  panel[182] = d.destMin;
  panel[183] = d.destSec;
  panel[184] = d.dispList7Time2Hour[6];
  panel[185] = d.dispList7Time2Min[6];
  panel[186] = d.dispList7Time2Sec[6];
  writeRows(panel, 190, 1, d.dispList7Extra, 6);
}

void writeLegacy(const CRuva& d, const PanelVariant& variant, int32_t* panel) {
  writeTrainNumber(d, panel);
  panel[106] = d.destAttr;
  panel[107] = d.dispList7Attr[6];

  if (variant.dispType) {
    int32_t nextAttr = d.dispNextAttr;
    if (d.stopAnnounce == 1) {
      nextAttr = variant.nextStopType != 0 ? wrappingAdd(variant.nextStopType, d.dispNextAttr) : 0;
    }
    writeNextStop(d, nextAttr, panel);
    panel[116] = d.dispNextAttr;
    writeRows(panel, 130, 1, d.dispList5Attr, 5);
    writeTimeRows(panel, 140, d.dispList5Time1Hour, d.dispList5Time1Min, d.dispList5Time1Sec, 5);
    writeTimeRows(panel, 160, d.dispList5Time2Hour, d.dispList5Time2Min, d.dispList5Time2Sec, 5);
    writePairRows(panel, 180, d.dispList5GapMin, d.dispList5GapSec, 4, 5);
    writeRows(panel, 190, 1, d.dispList5Number, 5);
    writePairRows(panel, 200, d.dispList5ColA, d.dispList5ColB, 3, 1);
  } else {
    writeRows(panel, 130, 1, d.dispList7Attr, 6);
    writeTimeRows(panel, 140, d.dispList7Time1Hour, d.dispList7Time1Min, d.dispList7Time1Sec, 6);
    writeTimeRows(panel, 160, d.dispList7Time2Hour, d.dispList7Time2Min, d.dispList7Time2Sec, 6);
  }

  panel[207] = kmWhole(d);
  panel[208] = kmTenths(d);
  writeRows(panel, 213, 1, d.unitState, 4);
}

}  // namespace

void writeLayoutPanel(const CRuva& display, const PanelVariant& variant, int32_t* panel) {
  if (display.useLegacyDisp) {
    writeLegacy(display, variant, panel);
  } else {
    writeStandard(display, variant, panel);
  }
}

void writeSoundArray(const CRuva& display, int32_t* sound) {
  sound[14] = display.soundOut[0];
  sound[15] = display.soundOut[2];
  sound[16] = display.soundOut[1];
  sound[60] = display.soundOut[5];
  sound[61] = display.soundOut[6];
  sound[62] = display.soundOut[7];
  sound[63] = display.soundOut[9];
  sound[64] = display.soundOut[10];
  sound[65] = display.soundOut[11];
  sound[66] = display.soundOut[8];
}
