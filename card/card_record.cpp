#include "card/card_record.h"

#include <memory>
#include <utility>

CardRecord::CardRecord() {
  // Only the first row of the stop table carries defaults of its own; the rest are
  // zeros and empty texts until a stop row fills them.
  stopName[0] = "NULL";
  stopTime1[0] = kNoTime;
  stopTime2[0] = kNoTime;
  stopText5[0] = "NULL";
  stopCol6[0] = 200;
  stopDistanceKm[0] = 100.0;
  stopText15[0] = "NULL";
}

CardRecord& CardRecord::operator=(CardRecord&& other) noexcept {
  // A defaulted member-wise move would empty the lists when moving onto itself.
  if (this != &other) {
    std::destroy_at(this);
    std::construct_at(this, std::move(other));
  }
  return *this;
}
