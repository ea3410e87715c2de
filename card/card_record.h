// One parsed card file: the run's header texts, its stop table and its kilometre tables.
//
// A value type copied and moved whole. Texts are bytes in the card file's code page.
// Times are HHMMSS integers; 246060 stands for no time.
#ifndef RUVA_CARD_CARD_RECORD_H_
#define RUVA_CARD_CARD_RECORD_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/blank_values.h"

// The times a card stores for its marks: hours 25 to 27, which show as pictures.
inline constexpr int32_t kStopMarkTime = kStopMarkHour * 10000 + 6060;  // 停
inline constexpr int32_t kPassMarkTime = kMarkHour * 10000 + 6060;      // ↓ → ←
inline constexpr int32_t kEndMarkTime = kEndMarkHour * 10000 + 6060;    // 〓

// The time that a stop row stores for `value`: times before 01:00:00 count on past
// midnight (hour 24).
inline int32_t storedStopTime(int32_t value) { return value < 10000 ? value + 240000 : value; }

// True for 260000 to 269999: a first time in hour 26 marks the stop instead of timing it.
inline bool isHour26Mark(int32_t hhmmss) {
  return hhmmss >= 260000 && hhmmss <= 269999;
}

class CardRecord final {
 public:
  static constexpr int kStopSlots = 64;   // per-stop tables; at most 63 rows are ever filled
  static constexpr int kEventSlots = 32;  // row type 5
  static constexpr int kRangeSlots = 16;  // row type 6
  static constexpr int32_t kNoTime = 246060;

  CardRecord();
  CardRecord(const CardRecord&) = default;
  CardRecord(CardRecord&&) noexcept = default;
  // Member-wise move; the moved-from strings and lists end empty. Moving onto itself
  // leaves the record as it was.
  CardRecord& operator=(CardRecord&& other) noexcept;
  CardRecord& operator=(const CardRecord&) = delete;
  ~CardRecord() = default;

  std::string cardName = "NULL";
  uint8_t headerCode = 0;
  std::string headerText = "NULL";
  std::array<int32_t, kStopSlots> stopCol16{};
  std::vector<std::string> stopCode;      // 64 entries once a file has been parsed
  std::vector<int32_t> stopCodeNumber;    // 64 entries once a file has been parsed
  std::string trainNumber = "NULL";
  std::array<int32_t, kStopSlots> stopGapSec{};
  std::array<std::string, kStopSlots> stopName;
  std::array<int32_t, kStopSlots> stopTime1{};
  std::array<int32_t, kStopSlots> stopTime2{};
  std::array<std::string, kStopSlots> stopText5;
  std::array<int32_t, kStopSlots> stopCol6{};
  std::array<int32_t, kStopSlots> stopCol7{};
  std::array<double, kStopSlots> stopKmPost{};
  std::array<bool, kStopSlots> stopFlag9{};
  std::array<double, kStopSlots> stopDistanceKm{};
  std::array<uint8_t, kStopSlots> stopCol11{};
  std::array<uint8_t, kStopSlots> stopCol12{};
  std::array<uint8_t, kStopSlots> stopCol13{};
  std::array<uint8_t, kStopSlots> stopCol14{};
  std::array<std::string, kStopSlots> stopText15;
  std::array<bool, kStopSlots> stopKmCountDown{};
  std::array<int32_t, kStopSlots> stopAttr{};
  uint8_t stopCount = 0;
  std::string cardNote = "NULL";
  std::array<int32_t, kEventSlots> eventStopIndex{};
  std::array<double, kEventSlots> eventStartKm{};
  std::array<double, kEventSlots> eventEndKm{};
  std::array<int32_t, kEventSlots> eventType{};
  std::array<int32_t, kRangeSlots> rangeStopIndex{};
  std::array<double, kRangeSlots> rangeStartKm{};
  std::array<double, kRangeSlots> rangeEndKm{};
  std::array<double, kRangeSlots> rangeDistanceKm{};
  std::array<int32_t, kRangeSlots> rangeValue{};
  int32_t cardValue8 = 0;
  std::string cardText11 = "NULL";
  int32_t cardValue11 = 0;
  std::string secondTrainNumber = "NULL";
  int32_t secondTime1 = kNoTime;
  int32_t secondTime2 = kNoTime;
  std::array<int32_t, kStopSlots> stopCol21{};
};

#endif  // RUVA_CARD_CARD_RECORD_H_
