// The correction a remark may carry when it has one meaning: bytes of the file replaced,
// or the file renamed. `ruvacard fix` applies them; json and sarif output carry them.
#ifndef RUVA_TOOLS_CARD_REMARK_FIX_H_
#define RUVA_TOOLS_CARD_REMARK_FIX_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FixSafety : uint8_t {
  kSafe,        // cannot change what the author meant: applied by `fix`
  kSuggestion,  // what the author most likely meant: applied with --unsafe-fixes only
};

// `length` bytes of the file from `offset` on give way to `bytes`.
struct ByteEdit {
  std::size_t offset = 0;
  std::size_t length = 0;
  std::string bytes;
};

struct RemarkFix {
  FixSafety safety = FixSafety::kSafe;
  std::vector<ByteEdit> edits;  // in file order, none overlapping another
  std::string newName;          // the file's new name (code page 932 bytes), or empty
};

// "safe" or "suggestion", as the machine formats write it.
const char* safetyName(FixSafety safety);

#endif  // RUVA_TOOLS_CARD_REMARK_FIX_H_
