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

namespace {

// The digits of a post and what decides them: the hundreds of metres whole, and the
// two thresholds below which leading digits are blank. Each of these rises with the
// post, and, with them fixed, so does every digit; so two posts that agree in all of
// them give the same digits to every post between them.
struct DigitsKey {
  std::array<int32_t, 4> digits;
  int32_t hundreds;
  bool belowTens;
  bool belowHundreds;
  bool operator==(const DigitsKey& o) const {
    return digits == o.digits && hundreds == o.hundreds && belowTens == o.belowTens &&
           belowHundreds == o.belowHundreds;
  }
};

DigitsKey digitsKey(double kmPost) {
  return {kmPostDigits(kmPost), truncateToInt32(kmPost / 100.0), kmPost < 10000.0,
          kmPost < 100000.0};
}

// Far below the post where the conversions saturate and the digits stop rising.
constexpr double kSpannedPosts = 1e9;

// Sets the digits of the km post and the span of posts known to share them: the post
// itself, widened to the ends of its 100 m when those give the same key.
void findKmDigitsSpan(CRuva& r) {
  const double post = r.kmPost;
  const DigitsKey key = digitsKey(post);
  r.kmDigitsSpanValue = key.digits;
  r.kmDigitsLow = 1.0;  // empty: a post outside the range is worked out every frame
  r.kmDigitsHigh = 0.0;
  if (!(post >= 0.0 && post < kSpannedPosts)) return;
  const double cell = key.hundreds * 100.0;
  const double low = cell + 0.001;
  const double high = cell + 99.999;
  r.kmDigitsLow = low < post && digitsKey(low) == key ? low : post;
  r.kmDigitsHigh = high > post && digitsKey(high) == key ? high : post;
}

}  // namespace

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

  if (!(kmDigitsLow <= kmPost && kmPost <= kmDigitsHigh)) findKmDigitsSpan(*this);
  kmDigits.assign(4, 0);
  for (std::size_t i = 0; i < kmDigitsSpanValue.size(); ++i) kmDigits[i] = kmDigitsSpanValue[i];
}
