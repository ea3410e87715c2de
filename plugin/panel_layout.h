// The panel layout: which element of the host's panel and sound arrays carries which
// value of the display, in both layouts (standard and legacy) and both list families
// (seven rows and five rows). The module's panel map writes through these names and
// the tools read back through them; no other code holds an index number.
//
// A row k of a list sits at base + step × k. Times are three elements in a row: hour,
// minute, second (in most places the second divided by 5).
#ifndef RUVA_PLUGIN_PANEL_LAYOUT_H_
#define RUVA_PLUGIN_PANEL_LAYOUT_H_

namespace panel {

// Written in every layout.
inline constexpr int kClockHour = 10;  // minute and second follow
inline constexpr int kVariantSum = 81;
inline constexpr int kVariantType0 = 198;
inline constexpr int kProgressCode = 199;
inline constexpr int kSpeedWhole = 230;  // hundreds, tens and ones digits follow
inline constexpr int kKindType23 = 248;
inline constexpr int kTrainNumber = 100;  // prefix; four digits and the suffix follow

// Read from the host every frame: the inhibit inputs of the near cues.
inline constexpr int kInhibitNearType3 = 82;
inline constexpr int kInhibitNearType2 = 83;

// Shared by several variants.
inline constexpr int kDestAttr = 106;      // both layouts, all but standard five rows
inline constexpr int kLastStopAttr = 107;  // the same
inline constexpr int kNextStop = 110;      // attr (standard seven rows: info index)
inline constexpr int kNextStopTime = 111;  // hour, minute, second
inline constexpr int kNextStopNumber = 115;
inline constexpr int kListAttr = 130;     // step 1
inline constexpr int kListTime1 = 140;    // step 3
inline constexpr int kListTime2 = 160;    // step 3
inline constexpr int kListNumber = 190;   // step 1; the extra column of seven rows
inline constexpr int kListGap = 180;      // five rows: minute, second / 5; step 2
inline constexpr int kListColumns = 200;  // five rows: column A, column B; step 2

// Standard layout, both families.
inline constexpr int kUnits = 20;  // eight lamps, only with "UnitDispEnable"
inline constexpr int kKmWhole = 98;
inline constexpr int kKmTenths = 99;
inline constexpr int kModeLamp = 114;
inline constexpr int kSecondNumber = 116;  // prefix; four digits and the suffix follow
inline constexpr int kSecondTime1 = 122;   // hour, minute, second
inline constexpr int kSecondTime2 = 125;   // hour, minute, second
inline constexpr int kStopCardByte = 128;
inline constexpr int kMarkerLamp = 129;

// Standard layout, seven rows: row 5 of the first times has minute and second only,
// the second times have no hour, and the last stop's second time stands apart.
inline constexpr int kRow5Time1 = kListTime1 + 3 * 5 + 1;  // minute, second / 5
inline constexpr int kHeaderByte = 178;
inline constexpr int kHeaderNumber = 179;
inline constexpr int kDestNumber = 180;
inline constexpr int kDestTime = 181;       // hour, minute, second
inline constexpr int kLastStopTime2 = 184;  // hour, minute, second

// Legacy layout.
inline constexpr int kLegacyNextAttr = 116;  // five rows
inline constexpr int kLegacyKmWhole = 207;
inline constexpr int kLegacyKmTenths = 208;
inline constexpr int kLegacyUnits = 213;  // four lamps, always

// Rows shown.
inline constexpr int kUnitCount = 8;
inline constexpr int kLegacyUnitCount = 4;
inline constexpr int kSevenRowsShown = 6;  // row 6, the last stop, has places of its own
inline constexpr int kFiveRows = 5;
inline constexpr int kStandardGapRows = 5;
inline constexpr int kStandardColumnRows = 5;
inline constexpr int kLegacyGapRows = 4;
inline constexpr int kLegacyColumnRows = 3;

// The sound array: which of the display's cue values each index carries, and what it
// cues. CRuva's soundOut[3] and soundOut[4] go nowhere.
struct SoundSlot {
  int index;
  int cue;  // element of CRuva::soundOut
  const char* name;
};
inline constexpr SoundSlot kSoundSlots[] = {
    {14, 0, "arrival cue 1"},    {15, 2, "arrival cue 2"},    {16, 1, "brake tone"},
    {60, 5, "type-0 event cue"}, {61, 6, "type-1 event cue"}, {62, 7, "type-2/3 event cue"},
    {63, 9, "range stop cue"},   {64, 10, "km range cue"},    {65, 11, "blank-screen tone"},
    {66, 8, "near-point cue"},
};

// The smallest arrays that every layout fits in.
inline constexpr int kPanelMinSize = 249;
inline constexpr int kSoundMinSize = 67;

}  // namespace panel

#endif  // RUVA_PLUGIN_PANEL_LAYOUT_H_
