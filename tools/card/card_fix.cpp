#include "tools/card/card_fix.h"

#include <algorithm>

#include "tools/card/card_fixes.h"
#include "tools/card/card_lint.h"
#include "tools/card/disable_comments.h"

namespace {

// Enough for every fix to follow from the one before it; each pass shortens the list.
constexpr int kMostPasses = 8;

// The remarks that `fix` acts on, with their fixes: disable comments heeded, as `check`
// reports them.
std::vector<LintRemark> remarksOf(std::string_view bytes, std::string_view fileName) {
  std::vector<LintRemark> remarks = lintCard(bytes, fileName, false);
  applyDisableComments(bytes, CommentStyle::kCard, remarks);
  attachCardFixes(bytes, remarks);
  return remarks;
}

int32_t countOf(const std::vector<LintRemark>& remarks) {
  return static_cast<int32_t>(std::count_if(remarks.begin(), remarks.end(), [](const LintRemark& r) {
    return severityOf(r.code) != Severity::kNote;
  }));
}

bool overlaps(const ByteEdit& a, const ByteEdit& b) {
  const std::size_t aEnd = a.offset + a.length;
  const std::size_t bEnd = b.offset + b.length;
  return a.offset == b.offset || (a.offset < bEnd && b.offset < aEnd);
}

// One pass: the fixes whose edits touch no edit taken before them, in remark order.
std::string applyPass(std::string_view bytes, const std::vector<LintRemark>& remarks,
                      bool suggestions, std::vector<AppliedFix>& applied) {
  std::vector<ByteEdit> taken;
  for (const LintRemark& r : remarks) {
    if (!r.fix || r.fix->edits.empty()) continue;
    if (r.fix->safety == FixSafety::kSuggestion && !suggestions) continue;
    const bool free = std::none_of(r.fix->edits.begin(), r.fix->edits.end(), [&](const ByteEdit& e) {
      return std::any_of(taken.begin(), taken.end(), [&e](const ByteEdit& t) { return overlaps(e, t); });
    });
    if (!free) continue;
    taken.insert(taken.end(), r.fix->edits.begin(), r.fix->edits.end());
    AppliedFix done;
    done.line = r.line;
    done.column = r.column;
    done.code = r.code;
    done.args = r.args;
    done.safety = r.fix->safety;
    if (r.fix->edits.size() == 1 && r.fix->edits[0].length > 0 && !r.fix->edits[0].bytes.empty()) {
      done.oneEdit = true;
      done.before = std::string(bytes.substr(r.fix->edits[0].offset, r.fix->edits[0].length));
      done.after = r.fix->edits[0].bytes;
    }
    applied.push_back(std::move(done));
  }
  std::sort(taken.begin(), taken.end(),
            [](const ByteEdit& a, const ByteEdit& b) { return a.offset < b.offset; });
  std::string out;
  std::size_t at = 0;
  for (const ByteEdit& e : taken) {
    out.append(bytes.substr(at, e.offset - at));
    out += e.bytes;
    at = e.offset + e.length;
  }
  out.append(bytes.substr(at));
  return out;
}

int32_t suggestionsIn(const std::vector<LintRemark>& remarks) {
  return static_cast<int32_t>(std::count_if(remarks.begin(), remarks.end(), [](const LintRemark& r) {
    return r.fix && r.fix->safety == FixSafety::kSuggestion;
  }));
}

}  // namespace

FixedCard fixCardText(std::string_view bytes, std::string_view fileName, bool suggestions) {
  FixedCard fixed;
  fixed.bytes = std::string(bytes);
  std::vector<LintRemark> remarks = remarksOf(bytes, fileName);
  fixed.remarksBefore = countOf(remarks);
  for (int pass = 0; pass < kMostPasses; ++pass) {
    std::string next = applyPass(fixed.bytes, remarks, suggestions, fixed.applied);
    if (next == fixed.bytes) break;
    fixed.bytes = std::move(next);
    remarks = remarksOf(fixed.bytes, fileName);
  }
  fixed.remarksAfter = countOf(remarks);
  fixed.suggestionsLeft = suggestions ? 0 : suggestionsIn(remarks);
  if (fixed.remarksAfter > fixed.remarksBefore) {
    fixed.wouldAddRemarks = true;
    fixed.bytes = std::string(bytes);
    fixed.applied.clear();
  }
  return fixed;
}
