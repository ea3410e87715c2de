// What a card parse can tell its caller about the rows and columns it could not take
// as written. The module parses without a listener; the card checker for authors and
// the tests listen. Listening never changes what is parsed.
#ifndef RUVA_CARD_CARD_DIAGNOSTICS_H_
#define RUVA_CARD_CARD_DIAGNOSTICS_H_

#include <cstdint>
#include <string_view>

// How a remark bears on the card.
enum class CardRemarkKind : uint8_t {
  kMark,      // a special form was recognised (a time mark, a "/" value): as intended
  kFallback,  // the column did not hold what it should; a fixed value was stored
  kIgnored,   // the row, or the rest of it, was not taken at all
  kCut,       // the column began with a number, which was stored; the text after it was not read
};

// One remark. The views are valid only during the call that hands them over.
struct CardRemark {
  int32_t line = 0;    // line number in the file, from 1
  int32_t column = 0;  // field index in the line; 0 is the row type
  CardRemarkKind kind = CardRemarkKind::kFallback;
  std::string_view text;    // the field as read ("end" for the column after the last)
  std::string_view stored;  // what was stored instead, as text; empty when nothing was
  std::string_view reason;  // a short explanation for the card's author
};

// Receives the remarks of one parse in reading order.
class CardDiagnostics {
 public:
  virtual ~CardDiagnostics() = default;
  virtual void remark(const CardRemark& remark) = 0;
};

#endif  // RUVA_CARD_CARD_DIAGNOSTICS_H_
