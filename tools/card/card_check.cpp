#include "tools/card/card_check.h"

#include "card/card_diagnostics.h"
#include "card/parser.h"
#include "platform/host_text.h"

namespace {

class CheckListener final : public CardDiagnostics {
 public:
  CheckListener(std::string_view name, bool withNotes, std::ostream& out)
      : name_(name), withNotes_(withNotes), out_(out) {}

  void remark(const CardRemark& r) override {
    const char* kind = "note";
    switch (r.kind) {
      case CardRemarkKind::kMark:
        ++counts.marks;
        if (!withNotes_) return;
        break;
      case CardRemarkKind::kFallback:
        ++counts.fallbacks;
        kind = "fallback";
        break;
      case CardRemarkKind::kIgnored:
        ++counts.ignored;
        kind = "ignored";
        break;
    }
    out_ << name_ << ':' << r.line << ':' << r.column << ": " << kind << ": " << r.reason << ": \""
         << platform::utf8FromCodePage932(r.text) << '"';
    if (!r.stored.empty()) out_ << " -> " << platform::utf8FromCodePage932(r.stored);
    out_ << '\n';
  }

  CheckCounts counts;

 private:
  std::string_view name_;
  bool withNotes_;
  std::ostream& out_;
};

}  // namespace

CheckCounts checkCard(std::string_view name, std::string_view bytes, bool withNotes,
                      std::ostream& out) {
  CheckListener listener(name, withNotes, out);
  parseCardText(bytes, &listener);
  return listener.counts;
}
