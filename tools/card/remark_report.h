// The remarks of one checker run, file by file, written in the format asked for:
//   text    FILE:LINE:COL: error|warning|note: WHAT: "FIELD" (INSTEAD; EXPECTED) [CODE]
//   json    one array, one object per remark
//   sarif   a SARIF 2.1.0 log, one rule per remark code
//   github  workflow commands: ::error file=FILE,line=LINE,col=COL,title=CODE::MESSAGE
// Text and github lines are written as the files come; json and sarif at the end.
#ifndef RUVA_TOOLS_CARD_REMARK_REPORT_H_
#define RUVA_TOOLS_CARD_REMARK_REPORT_H_

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/disable_comments.h"
#include "tools/card/lint_remark.h"

enum class ReportFormat : uint8_t { kText, kJson, kSarif, kGithub };

// The format named `name` ("text", "json", "sarif", "github"); false for another name.
bool reportFormatNamed(std::string_view name, ReportFormat& format);

class RemarkReport {
 public:
  RemarkReport(ReportFormat format, std::ostream& out) : format_(format), out_(out) {}

  // The remarks on the file shown as `file`, in line order. Where the file's contents
  // `text` are given, its disable comments (in `style`) silence what they name first.
  // The file's counts after that.
  LintCounts add(std::string_view file, std::vector<LintRemark> remarks, std::string_view text = {},
                 CommentStyle style = CommentStyle::kCard);

  // Lines for people beside the remarks (the table of card folders): the text format
  // alone writes them.
  void addText(const std::string& text);

  // Writes what waits for the end of the run: the json or sarif document, and with
  // `statistics` the count of every code that was remarked on, in code order.
  void finish(bool statistics);

  const LintCounts& counts() const { return counts_; }

 private:
  struct Entry {
    std::string file;
    LintRemark remark;
  };

  ReportFormat format_;
  std::ostream& out_;
  LintCounts counts_;
  std::vector<Entry> kept_;  // json and sarif
  std::array<int, static_cast<std::size_t>(RemarkCode::kCount)> perCode_{};
};

#endif  // RUVA_TOOLS_CARD_REMARK_REPORT_H_
