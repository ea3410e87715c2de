// The kilometre post and the section and stop distances, moved once per frame.
#include "display/km_post.h"

#include "display/ruva.h"
#include "display/safe_arithmetic.h"

std::array<int32_t, 4> kmPostDigits(double kmPost) {
  std::array<int32_t, 4> digits{};
  digits[0] = kmPost < 100000.0 ? 10 : truncateToInt32(kmPost) / 100000;
  digits[1] = kmPost < 10000.0 ? 10 : truncateToInt32(kmPost / 10000.0 - (digits[0] % 10) * 10.0);
  double units = kmPost / 1000.0;
  if (kmPost >= 10000.0) units = units - (digits[0] % 10) * 100.0 - (digits[1] % 10) * 10.0;
  digits[2] = truncateToInt32(units);
  digits[3] = truncateToInt32(kmPost / 100.0) % 10;
  return digits;
}

void CRuva::advanceKmPost() {
  kmPost = kmCountUp ? kmPost + frameDistance : kmPost - frameDistance;
  if (kmPost < 0.0) kmPost = 0.0;
  sectionRemain -= frameDistance;
  stopRemain -= frameDistance;

  if (sectionRemain < 0.0 && stopRemain > 0.0) {
    // A card whose sections run out before its stop would send the index past the
    // per-stop tables; then the post keeps integrating instead.
    const int64_t next = static_cast<int64_t>(curStopIndex) + sectionOffset + 1;
    if (next >= 0 && next < CardRecord::kStopSlots) {
      sectionOffset += 1;
      const auto k = static_cast<std::size_t>(next);
      sectionRemain = card.stopDistanceKm[k] * 1000.0;
      kmPost = card.stopKmPost[k] * 1000.0;
      kmCountUp = !card.stopKmCountDown[k];
    }
  }

  const std::array<int32_t, 4> digits = kmPostDigits(kmPost);
  kmDigits.assign(4, 0);
  for (std::size_t i = 0; i < digits.size(); ++i) kmDigits[i] = digits[i];
}
