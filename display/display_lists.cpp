// The reveal: the displayed lists are blanked and the rows whose time has come, by
// `animTimer`, are copied back from the card lists or the beacon lists. A row appears
// every 100 ms after a change of stop; the further stop comes last.
//
// A full composition is a few hundred integer copies. A frame composes afresh only after
// a change of mode or of the source lists; otherwise it copies the rows that came up
// since the last frame, and once the reveal is complete it copies nothing.
#include <cstddef>

#include "base/blank_values.h"
#include "display/frame_rules.h"
#include "display/ruva.h"

namespace {

struct Column {
  FixedList CRuva::*shown;
  FixedList CRuva::*source;
};

// Seven-row columns in card mode. The extra comes last: row 6 shows every column but it.
constexpr Column kCardList7[] = {
    {&CRuva::dispList7Attr, &CRuva::list7Attr},
    {&CRuva::dispList7Time1Hour, &CRuva::list7Time1Hour},
    {&CRuva::dispList7Time1Min, &CRuva::list7Time1Min},
    {&CRuva::dispList7Time1Sec, &CRuva::list7Time1Sec},
    {&CRuva::dispList7Time2Hour, &CRuva::list7Time2Hour},
    {&CRuva::dispList7Time2Min, &CRuva::list7Time2Min},
    {&CRuva::dispList7Time2Sec, &CRuva::list7Time2Sec},
    {&CRuva::dispList7Extra, &CRuva::list7Extra},
};
constexpr std::size_t kLastStopColumns = std::size(kCardList7) - 1;

constexpr Column kCardList5[] = {
    {&CRuva::dispList5Attr, &CRuva::list5Attr},
    {&CRuva::dispList5Time1Hour, &CRuva::list5Time1Hour},
    {&CRuva::dispList5Time1Min, &CRuva::list5Time1Min},
    {&CRuva::dispList5Time1Sec, &CRuva::list5Time1Sec},
    {&CRuva::dispList5Time2Hour, &CRuva::list5Time2Hour},
    {&CRuva::dispList5Time2Min, &CRuva::list5Time2Min},
    {&CRuva::dispList5Time2Sec, &CRuva::list5Time2Sec},
    {&CRuva::dispList5Number, &CRuva::list5Number},
    {&CRuva::dispList5GapMin, &CRuva::list5GapMin},
    {&CRuva::dispList5GapSec, &CRuva::list5GapSec},
    {&CRuva::dispList5ColA, &CRuva::list5ColA},
    {&CRuva::dispList5ColB, &CRuva::list5ColB},
};

// In beacon mode both displayed lists read the same beacon columns.
constexpr Column kBeaconList7[] = {
    {&CRuva::dispList7Attr, &CRuva::bcnCurAttr7},
    {&CRuva::dispList7Time1Hour, &CRuva::bcnCurTime1Hour7},
    {&CRuva::dispList7Time1Min, &CRuva::bcnCurTime1Min7},
    {&CRuva::dispList7Time1Sec, &CRuva::bcnCurTime1Sec7},
    {&CRuva::dispList7Time2Hour, &CRuva::bcnCurTime2Hour7},
    {&CRuva::dispList7Time2Min, &CRuva::bcnCurTime2Min7},
    {&CRuva::dispList7Time2Sec, &CRuva::bcnCurTime2Sec7},
    {&CRuva::dispList7Extra, &CRuva::bcnCurExtra7},
};

constexpr Column kBeaconList5[] = {
    {&CRuva::dispList5Attr, &CRuva::bcnCurAttr7},
    {&CRuva::dispList5Time1Hour, &CRuva::bcnCurTime1Hour7},
    {&CRuva::dispList5Time1Min, &CRuva::bcnCurTime1Min7},
    {&CRuva::dispList5Time1Sec, &CRuva::bcnCurTime1Sec7},
    {&CRuva::dispList5Time2Hour, &CRuva::bcnCurTime2Hour7},
    {&CRuva::dispList5Time2Min, &CRuva::bcnCurTime2Min7},
    {&CRuva::dispList5Time2Sec, &CRuva::bcnCurTime2Sec7},
    {&CRuva::dispList5Number, &CRuva::bcnCurExtra7},
    {&CRuva::dispList5GapMin, &CRuva::bcnCurGapMin5},
    {&CRuva::dispList5GapSec, &CRuva::bcnCurGapSec5},
    {&CRuva::dispList5ColA, &CRuva::bcnCurColA5},
    {&CRuva::dispList5ColB, &CRuva::bcnCurColB5},
};

constexpr std::size_t kFurtherRow = 5;  // comes up after rows 0 to 4
constexpr std::size_t kLastStopRow = 6;
static_assert(kRevealedRows == static_cast<int32_t>(kFurtherRow + 1),
              "the further stop is the last row to come up");

void copyRow(CRuva& r, const Column* columns, std::size_t count, std::size_t row) {
  for (std::size_t i = 0; i < count; ++i) (r.*columns[i].shown)[row] = (r.*columns[i].source)[row];
}

// The seven-row display shows a first time only as the hour-26 mark: any other hour
// goes blank, while its minutes and seconds stay as copied.
void applyHourRule(CRuva& r, std::size_t row) {
  if (r.dispList7Time1Hour[row] != kMarkHour) r.dispList7Time1Hour[row] = kNoHour;
}

// The rows that come up at reveal stage `stage` (1 to kRevealedRows), from one source.
template <std::size_t N7, std::size_t N5>
void revealRowsOf(CRuva& r, const Column (&list7)[N7], const Column (&list5)[N5], int32_t stage) {
  if (stage == kRevealedRows) {
    copyRow(r, list7, N7, kFurtherRow);
    applyHourRule(r, kFurtherRow);
    return;
  }
  const auto row = static_cast<std::size_t>(stage - 1);
  copyRow(r, list5, N5, row);
  copyRow(r, list7, N7, row);
  applyHourRule(r, row);
}

void showNextStop(CRuva& r, int32_t attr, int32_t hour, int32_t minute, int32_t second,
                  int32_t number) {
  r.dispNextAttr = attr;
  r.dispNextHour = hour;
  r.dispNextMin = minute;
  r.dispNextSec = second;
  r.dispNextNumber = number;
}

// Brings up what stages `from` + 1 to `to` show. Stages touch rows of their own, so
// stage by stage gives what all of them at once gives; within a stage the beacon
// values come second so that they win should both modes ever be set.
void revealStages(CRuva& r, int32_t from, int32_t to) {
  if (from == 0 && to > 0) {
    if (r.cardMode) {
      showNextStop(r, r.nextStopAttr, r.nextStopTime1Hour, r.nextStopTime1Min,
                   r.nextStopTime1Sec, r.nextStopNumber);
    }
    if (r.beaconMode) {
      showNextStop(r, r.bcnCurCode, r.bcnCurHour, r.bcnCurMin, r.bcnCurSec, r.bcnCurCode2);
    }
  }
  for (int32_t stage = from + 1; stage <= to; ++stage) {
    if (r.cardMode) revealRowsOf(r, kCardList7, kCardList5, stage);
    if (r.beaconMode) revealRowsOf(r, kBeaconList7, kBeaconList5, stage);
  }
}

int32_t modeBits(const CRuva& r) {
  return (r.cardMode ? 1 : 0) | (r.beaconMode ? 2 : 0);
}

int32_t stageOf(const CRuva& r) {
  return modeBits(r) == 0 ? 0 : revealStage(r.animTimer);
}

}  // namespace

void CRuva::composeDisplayLists() {
  blankDisplayedLists();
  // The last stop of the run stays on the display through the whole reveal.
  if (cardMode) copyRow(*this, kCardList7, kLastStopColumns, kLastStopRow);
  const int32_t stage = stageOf(*this);
  revealStages(*this, 0, stage);
  composedVersion = listsVersion;
  composedMode = modeBits(*this);
  composedStage = stage;
}

void CRuva::revealDisplayLists() {
  const int32_t stage = stageOf(*this);
  if (composedMode != modeBits(*this) || composedVersion != listsVersion || stage < composedStage) {
    composeDisplayLists();
    return;
  }
  if (stage == composedStage) return;
  revealStages(*this, composedStage, stage);
  composedStage = stage;
}
