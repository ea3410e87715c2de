// Look-ups in the tables of train-number marks; a card beacon or a stop selection
// makes a few, never a frame.
#include "card/train_number_marks.h"

namespace {

template <std::size_t N>
std::string_view findText(const NumberMark (&marks)[N], int32_t NumberMark::*numbering,
                          int32_t code) {
  if (code < 0) return {};
  for (const NumberMark& mark : marks) {
    if (mark.*numbering == code) return mark.text;
  }
  return {};
}

}  // namespace

std::string_view cardPrefixText(int32_t code) {
  return findText(kPrefixMarks, &NumberMark::cardCode, code);
}

std::string_view cardSuffixText(int32_t code) {
  return findText(kSuffixMarks, &NumberMark::cardCode, code);
}

std::string_view displayPrefixText(int32_t code) {
  return findText(kPrefixMarks, &NumberMark::displayCode, code);
}

std::string_view displaySuffixText(int32_t code) {
  return findText(kSuffixMarks, &NumberMark::displayCode, code);
}
