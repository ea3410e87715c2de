// Stop selection: makes one card stop the current stop and rebuilds the stop lists,
// the next, further, last and dest stops, the distances and the km post from it.
//
// Runs in a frame or a beacon call; every list is a FixedList, so nothing here
// touches the heap. Cost: a few passes over at most 64 stops.
#include <algorithm>
#include <cstddef>
#include <string>

#include "base/blank_values.h"
#include "card/number_conversion.h"
#include "display/blank_lists.h"
#include "display/ruva.h"
#include "display/stop_values.h"
#include "route/clock_time.h"
#include "route/train_number.h"

namespace {

constexpr int32_t kNotClockTime2 = 240000;  // a second time from here on is no clock time
constexpr double kBeyondLastStop = 1000000.0;

void storeTrainNumber(const TrainNumberCode& code, int32_t& prefix, FixedList& digits) {
  prefix = code.prefix;
  digits.assign(5, 0);
  for (std::size_t i = 0; i < 4; ++i) digits[i] = code.digits[i];
  digits[4] = code.suffix;
}

void setTime(FixedList& hour, FixedList& minute, FixedList& second, std::size_t row,
             const ClockTime& t) {
  hour[row] = t.hour;
  minute[row] = t.minute;
  second[row] = t.second;
}

void decodeTrainNumbers(CRuva& r) {
  const CardRecord& card = r.card;
  storeTrainNumber(decodeTrainNumber(card.trainNumber), r.numberPrefix, r.numberDigits);
  const TrainNumberCode second = decodeTrainNumber(card.secondTrainNumber);
  storeTrainNumber(second, r.secondNumberPrefix, r.secondNumberDigits);
  r.auxIndicator = second.markerFound;
  if (card.secondTrainNumber == "NULL") return;
  const ClockTime first = splitTime(card.secondTime1);
  r.cardTime1Hour = first.hour;
  r.cardTime1Min = first.minute;
  r.cardTime1Sec = first.second;
  const ClockTime last = splitTime(card.secondTime2);
  r.cardTime2Hour = last.hour;
  r.cardTime2Min = last.minute;
  r.cardTime2Sec = last.second;
}

// Row `row` of the seven-row list from card stop `idx`; the attr is shown as it stands.
void fillList7Row(CRuva& r, std::size_t row, int32_t idx) {
  const CardRecord& card = r.card;
  r.list7StopIdx[row] = idx;
  r.list7Attr[row] = card.stopAttr[idx];
  setTime(r.list7Time1Hour, r.list7Time1Min, r.list7Time1Sec, row,
          splitTimeClamped(card.stopTime1[idx]));
  setTime(r.list7Time2Hour, r.list7Time2Min, r.list7Time2Sec, row,
          splitTimeClamped(card.stopTime2[idx]));
  stopTextNumber(card.stopText5[idx], r.list7Extra[row]);
}

void blankList7Times(CRuva& r, std::size_t row) {
  const ClockTime none{kNoHour, kNoMinute, kNoSecond};
  setTime(r.list7Time1Hour, r.list7Time1Min, r.list7Time1Sec, row, none);
  setTime(r.list7Time2Hour, r.list7Time2Min, r.list7Time2Sec, row, none);
}

void setInfoRecord(CRuva& r) {
  r.infoIdx = r.card.cardValue11;
  r.infoHour = r.list7Time1Hour[6];
  r.infoMin = r.list7Time1Min[6];
  r.infoSec = r.list7Time1Sec[6];
  r.infoNumber = r.list7Extra[6];
}

// The five-row list holds the first five unflagged stops from `k` on; the next stop is
// the first unflagged one after `k` that is not marked with hour 26.
void buildList5AndNextStop(CRuva& r, int32_t k, int32_t count) {
  const CardRecord& card = r.card;
  r.blankNextStop();

  blankLists(r, kList5Lists);
  // Seven elements here (five elsewhere) for the columns that share their layout with
  // the seven-row list; only rows 0 to 4 are ever filled or shown.
  for (std::size_t i = 0; i < kList5SevenRowColumns; ++i) {
    (r.*kList5Lists[i].list).assign(7, kList5Lists[i].value);
  }

  std::size_t row = 0;
  bool found = false;
  for (int32_t idx = k; idx < count; ++idx) {
    if (!card.stopFlag9[idx] && row < 5) {
      r.list5StopIdx[row] = idx;
      r.list5Attr[row] = shownAttribute(card.stopAttr[idx]);
      setTime(r.list5Time1Hour, r.list5Time1Min, r.list5Time1Sec, row,
              splitTimeClamped(card.stopTime1[idx]));
      setTime(r.list5Time2Hour, r.list5Time2Min, r.list5Time2Sec, row,
              splitTimeClamped(card.stopTime2[idx]));
      r.list5ColA[row] = card.stopCol6[idx];
      r.list5ColB[row] = card.stopCol7[idx];
      if (row > 0) {
        // The gap belongs to the row before: the time from that stop to this one.
        const int32_t v = card.stopGapSec[r.list5StopIdx[row - 1]];
        r.list5GapMin[row - 1] = shownGapMinutes(v);
        r.list5GapSec[row - 1] = shownGapSeconds(v);
      }
      stopTextNumber(card.stopText5[idx], r.list5Number[row]);
      ++row;
    }
    if (idx != k && !isHour26Mark(card.stopTime1[idx]) && !card.stopFlag9[idx] && !found) {
      r.nextStopAttr = shownAttribute(card.stopAttr[idx]);
      const ClockTime t = splitTimeClamped(card.stopTime1[idx]);
      r.nextStopTime1Hour = t.hour;
      r.nextStopTime1Min = t.minute;
      r.nextStopTime1Sec = t.second;
      stopTextNumber(card.stopText5[idx], r.nextStopNumber);
      r.nextStopIdx = idx;
      found = true;
    }
    if (row == 5 && found) break;  // nothing later can change either
  }
}

// Rows 0 to N-1: the first unflagged stops; row 5: a further stop with clock times
// beyond them; row 6: the last stop of the run, shown only when there is a further stop.
void buildList7(CRuva& r, int32_t k, int32_t count) {
  const CardRecord& card = r.card;
  blankLists(r, kList7Lists);
  r.list7StopIdx.assign(7, kNoStop);

  const std::size_t rows = r.D01ABnum == 3 ? 3 : 5;
  std::size_t row = 0;
  bool far = false;
  for (int32_t idx = k; idx < count; ++idx) {
    if (!card.stopFlag9[idx] && row < rows) {
      fillList7Row(r, row, idx);
      ++row;
    }
    // Compared with row 4 also in the three-row layout, where row 4 holds no stop: the
    // further stop may then be the stop of the last listed row itself.
    if (card.stopTime2[idx] < kNotClockTime2 && !isHour26Mark(card.stopTime1[idx]) && row == rows &&
        !far && idx > r.list7StopIdx[4]) {
      fillList7Row(r, 5, idx);
      far = true;
      break;  // the listed rows are complete once the further stop is found
    }
  }
  if (r.list7StopIdx[5] != kNoStop) fillList7Row(r, 6, count - 1);
  setInfoRecord(r);
}

// At a stop without clock times (a passing point or a mark) the dest record shows the
// last stop behind the train that has them, and row 0 loses its times.
void buildDestRecord(CRuva& r, int32_t k) {
  const CardRecord& card = r.card;
  r.destAttr = 0;
  r.destHour = kNoHour;
  r.destMin = kNoMinute;
  r.destSec = kNoSecond;
  if (card.stopTime2[k] < kNotClockTime2 && !isHour26Mark(card.stopTime1[k])) return;
  for (int32_t j = k - 1; j >= 0; --j) {
    if (card.stopTime2[j] >= kNotClockTime2 || isHour26Mark(card.stopTime1[j])) continue;
    r.destAttr = shownAttribute(card.stopAttr[j]);
    const ClockTime t = splitTimeClamped(card.stopTime2[j]);
    r.destHour = t.hour;
    r.destMin = t.minute;
    r.destSec = t.second;
    blankList7Times(r, 0);
    stopTextNumber(card.stopText5[j], r.destNumber);
    return;
  }
}

// Near the end of the run the listed rows stay as they were; only the further and last
// rows go blank and the progress base counts the remaining stops.
void freezeList7(CRuva& r, int32_t remaining) {
  for (std::size_t row = 5; row < 7; ++row) {
    r.list7StopIdx[row] = kNoStop;
    r.list7Attr[row] = 0;
    blankList7Times(r, row);
  }
  setInfoRecord(r);
  r.progressBase = 20 - 4 * remaining;
  r.progressCode = r.progressBase;
}

void setDistances(CRuva& r, int32_t k, int32_t count) {
  const CardRecord& card = r.card;
  r.sectionRemain = card.stopDistanceKm[k] * 1000.0;
  r.sectionOffset = 0;
  double remain = 0.0;
  for (int32_t i = k; i < r.list5StopIdx[1]; ++i) remain += card.stopDistanceKm[i] * 1000.0;
  r.stopRemain = remain;
  if (k >= count - 1) {
    r.sectionRemain = kBeyondLastStop;
    r.stopRemain = kBeyondLastStop;
  }
  r.stopDistance = r.sectionRemain;
  r.travelled = r.stopRemain;
  r.stopCue = card.stopCol11[k];
  r.kmPost = card.stopKmPost[k] * 1000.0;
  r.kmCountUp = !card.stopKmCountDown[k];
}

}  // namespace

void CRuva::selectStop(int32_t stopIndex) {
  ++listsVersion;
  decodeTrainNumbers(*this);

  // A card never holds more stops than its tables; the bound keeps every index inside.
  const int32_t count = std::min<int32_t>(card.stopCount, CardRecord::kStopSlots);
  const bool previousKnown = curStopIndex >= 0 && curStopIndex < CardRecord::kStopSlots;
  curStopCardByte = previousKnown ? card.stopCol14[curStopIndex] : 0;
  cardHeaderByte = card.headerCode;
  cardHeaderNumber = leadingInt(card.headerText);
  if (count != 0 && !beaconMode) cardMode = true;

  const int32_t k = stopIndex;
  if (k < 0 || k > count - 1) return;
  curStopIndex = k;
  buildList5AndNextStop(*this, k, count);
  const int32_t remaining = count - k;
  if (remaining >= 5) {
    buildList7(*this, k, count);
    buildDestRecord(*this, k);
    progressCode = progressBase;
  } else {
    freezeList7(*this, remaining);
  }
  setDistances(*this, k, count);
  animTimer = 0;
}
