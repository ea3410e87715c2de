// The kilometre post as the display shows it.
#ifndef RUVA_DISPLAY_KM_POST_H_
#define RUVA_DISPLAY_KM_POST_H_

#include <array>
#include <cstdint>

// The four display digits of a kilometre post given in metres: hundreds, tens and
// units of kilometres, then hundreds of metres. The first two are blank (10) while
// they would be leading zeros; from 1000 km on the first is 10 or more. A NaN or a
// post beyond the int32 range is cut to INT32_MIN, as the processor would.
std::array<int32_t, 4> kmPostDigits(double kmPost);

#endif  // RUVA_DISPLAY_KM_POST_H_
