// The values that stand for nothing on the display, shared by every layer and the tools.
//
// A time on the display is an hour, a minute and a second; 24, 60 and 60 show no time.
// Panel seconds shown in steps of five read 12 for no time. A digit place of 10 shows
// nothing, a train-number prefix of 50 and a suffix of 40 show no picture, and a sound
// value of kNoCue leaves the host's sound as it is.
#ifndef RUVA_BASE_BLANK_VALUES_H_
#define RUVA_BASE_BLANK_VALUES_H_

#include <cstdint>

inline constexpr int32_t kBlankDigit = 10;
inline constexpr int32_t kNoHour = 24;
inline constexpr int32_t kNoMinute = 60;
inline constexpr int32_t kNoSecond = 60;
inline constexpr int32_t kNoSecondInFives = kNoSecond / 5;
inline constexpr int32_t kStopMarkHour = 25;  // 停
inline constexpr int32_t kMarkHour = 26;      // ↓; a first time in this hour marks a stop
inline constexpr int32_t kEndMarkHour = 27;   // 〓
inline constexpr int32_t kNoPrefix = 50;
inline constexpr int32_t kNoSuffix = 40;
inline constexpr int32_t kNoCue = -10000;
inline constexpr int32_t kNoStop = -1;  // a stop index that names no card stop
// The km post without a card: whole kilometres and hundreds of metres.
inline constexpr int32_t kNoKmWhole = 300;
inline constexpr int32_t kNoKmTenths = kBlankDigit;

#endif  // RUVA_BASE_BLANK_VALUES_H_
