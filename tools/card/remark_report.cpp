#include "tools/card/remark_report.h"

#include <cstdio>

#include "tools/card/card_fixes.h"
#include "tools/card/remark_pages.h"
#include "tools/common/messages.h"

namespace {

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// A file name as a relative URI reference: '/' between folders, every other byte
// outside the unreserved characters percent-encoded.
std::string uriOf(std::string_view file) {
  std::string out;
  for (char c : file) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      out += c;
    } else if (c == '\\') {
      out += '/';
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      out += escaped;
    }
  }
  return out;
}

// Workflow command text: the data part escapes % CR LF; a property also : and ,.
std::string githubEscaped(std::string_view text, bool property) {
  std::string out;
  for (char c : text) {
    if (c == '%') {
      out += "%25";
    } else if (c == '\r') {
      out += "%0D";
    } else if (c == '\n') {
      out += "%0A";
    } else if (property && c == ':') {
      out += "%3A";
    } else if (property && c == ',') {
      out += "%2C";
    } else {
      out += c;
    }
  }
  return out;
}

const char* githubCommand(Severity severity) {
  switch (severity) {
    case Severity::kNote:
      return "notice";
    case Severity::kWarning:
      return "warning";
    case Severity::kError:
      break;
  }
  return "error";
}

// The title of a code with "N" for each of its parts, as tables list it.
std::string genericTitle(RemarkCode code) {
  const std::vector<std::string> parts(9, "N");
  return remarkTitle(code, parts);
}

// A fix in json: its safety, each edit as bytes of the file and the text put there (in
// UTF-8, as the terminal shows it), and the new name of the file.
void writeJsonFix(std::ostream& out, const RemarkFix& fix) {
  out << ",\"fix\":{\"safety\":" << jsonString(safetyName(fix.safety)) << ",\"edits\":[";
  for (std::size_t i = 0; i < fix.edits.size(); ++i) {
    const ByteEdit& e = fix.edits[i];
    out << (i ? "," : "") << "{\"offset\":" << e.offset << ",\"length\":" << e.length
        << ",\"text\":" << jsonString(terminalText(e.bytes)) << '}';
  }
  out << ']';
  if (!fix.newName.empty()) out << ",\"rename\":" << jsonString(terminalText(fix.newName));
  out << '}';
}

// A fix in SARIF: byte regions replaced; a new name, which SARIF has no change for,
// in the fix's properties beside an empty replacement.
void writeSarifFix(std::ostream& out, std::string_view file, const RemarkFix& fix) {
  out << ",\"fixes\":[{\"description\":{\"text\":" << jsonString(safetyName(fix.safety))
      << "},\"artifactChanges\":[{\"artifactLocation\":{\"uri\":" << jsonString(uriOf(file))
      << "},\"replacements\":[";
  std::vector<ByteEdit> edits = fix.edits;
  if (edits.empty()) edits.push_back({});
  for (std::size_t i = 0; i < edits.size(); ++i) {
    out << (i ? "," : "") << "{\"deletedRegion\":{\"byteOffset\":" << edits[i].offset
        << ",\"byteLength\":" << edits[i].length << "},\"insertedContent\":{\"text\":"
        << jsonString(terminalText(edits[i].bytes)) << "}}";
  }
  out << "]}],\"properties\":{\"safety\":" << jsonString(safetyName(fix.safety));
  if (!fix.newName.empty()) out << ",\"rename\":" << jsonString(terminalText(fix.newName));
  out << "}}]";
}

void writeJson(std::ostream& out, std::string_view file, const LintRemark& r) {
  out << "{\"file\":" << jsonString(file) << ",\"line\":" << r.line << ",\"column\":" << r.column;
  if (r.startColumn > 0) out << ",\"startColumn\":" << r.startColumn;
  if (r.endColumn > 0) out << ",\"endColumn\":" << r.endColumn;
  out << ",\"severity\":" << jsonString(severityName(severityOf(r.code)))
      << ",\"code\":" << jsonString(remarkId(r.code))
      << ",\"message\":" << jsonString(remarkTitle(r.code, r.args));
  if (r.field) out << ",\"text\":" << jsonString(*r.field);
  out << ",\"stored\":" << jsonString(r.instead) << ",\"hint\":" << jsonString(r.expected);
  if (r.fix) writeJsonFix(out, *r.fix);
  out << '}';
}

void writeSarifRules(std::ostream& out) {
  const auto catalogue = remarkCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const RemarkText& t = catalogue[i];
    const std::string does = remarkPageText(t.code, t.does);
    const std::string help =
        does + " " + remarkPageText(t.code, t.why) + " " + remarkPageText(t.code, t.fix);
    out << (i ? ",\n" : "\n") << "{\"id\":" << jsonString(t.id)
        << ",\"shortDescription\":{\"text\":" << jsonString(genericTitle(t.code))
        << "},\"fullDescription\":{\"text\":" << jsonString(does)
        << "},\"help\":{\"text\":" << jsonString(help)
        << "},\"defaultConfiguration\":{\"level\":" << jsonString(severityName(t.severity)) << "}}";
  }
}

void writeSarifResult(std::ostream& out, std::string_view file, const LintRemark& r) {
  out << "{\"ruleId\":" << jsonString(remarkId(r.code))
      << ",\"ruleIndex\":" << static_cast<std::size_t>(r.code)
      << ",\"level\":" << jsonString(severityName(severityOf(r.code)))
      << ",\"message\":{\"text\":" << jsonString(remarkMessage(r)) << "}"
      << ",\"locations\":[{\"physicalLocation\":{\"artifactLocation\":{\"uri\":"
      << jsonString(uriOf(file)) << "}";
  if (r.line > 0) {
    out << ",\"region\":{\"startLine\":" << r.line;
    if (r.startColumn > 0) out << ",\"startColumn\":" << r.startColumn;
    if (r.endColumn > 0) out << ",\"endColumn\":" << r.endColumn;
    out << '}';
  }
  out << "}}]";
  if (r.fix) writeSarifFix(out, file, *r.fix);
  out << '}';
}

}  // namespace

bool reportFormatNamed(std::string_view name, ReportFormat& format) {
  constexpr std::pair<std::string_view, ReportFormat> kNames[] = {
      {"text", ReportFormat::kText},
      {"json", ReportFormat::kJson},
      {"sarif", ReportFormat::kSarif},
      {"github", ReportFormat::kGithub},
  };
  for (const auto& [known, value] : kNames) {
    if (name == known) {
      format = value;
      return true;
    }
  }
  return false;
}

LintCounts RemarkReport::add(std::string_view file, std::vector<LintRemark> remarks,
                             std::string_view text, CommentStyle style) {
  if (!text.empty()) applyDisableComments(text, style, remarks);
  if (!text.empty() && style == CommentStyle::kCard) attachCardFixes(text, remarks);
  LintCounts counts;
  for (LintRemark& r : remarks) {
    const Severity severity = severityOf(r.code);
    if (severity == Severity::kError) ++counts.errors;
    if (severity == Severity::kWarning) ++counts.warnings;
    ++perCode_[static_cast<std::size_t>(r.code)];
    switch (format_) {
      case ReportFormat::kText:
        out_ << remarkLine(file, r) << '\n';
        break;
      case ReportFormat::kGithub:
        out_ << "::" << githubCommand(severity) << " file=" << githubEscaped(file, true);
        if (r.line > 0) out_ << ",line=" << r.line;
        if (r.line > 0 && r.startColumn > 0) out_ << ",col=" << r.startColumn;
        if (r.line > 0 && r.endColumn > 0) out_ << ",endColumn=" << r.endColumn;
        out_ << ",title=" << remarkId(r.code) << "::" << githubEscaped(remarkMessage(r), false)
             << '\n';
        break;
      case ReportFormat::kJson:
      case ReportFormat::kSarif:
        kept_.push_back({std::string(file), std::move(r)});
        break;
    }
  }
  counts_.errors += counts.errors;
  counts_.warnings += counts.warnings;
  return counts;
}

void RemarkReport::addText(const std::string& text) {
  if (format_ == ReportFormat::kText) out_ << text;
}

void RemarkReport::finish(bool statistics) {
  if (format_ == ReportFormat::kJson) {
    out_ << '[';
    for (std::size_t i = 0; i < kept_.size(); ++i) {
      out_ << (i ? ",\n" : "\n");
      writeJson(out_, kept_[i].file, kept_[i].remark);
    }
    out_ << (kept_.empty() ? "]\n" : "\n]\n");
  } else if (format_ == ReportFormat::kSarif) {
    out_ << "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\",\"version\":\"2.1.0\","
            "\"runs\":[{\"tool\":{\"driver\":{\"name\":\"ruvacard\",\"rules\":[";
    writeSarifRules(out_);
    out_ << "]}},\n\"results\":[";
    for (std::size_t i = 0; i < kept_.size(); ++i) {
      out_ << (i ? ",\n" : "\n");
      writeSarifResult(out_, kept_[i].file, kept_[i].remark);
    }
    out_ << "]}]}\n";
  }
  if (!statistics) return;
  for (std::size_t i = 0; i < perCode_.size(); ++i) {
    if (perCode_[i] == 0) continue;
    const auto code = static_cast<RemarkCode>(i);
    char count[16];
    std::snprintf(count, sizeof count, "%6d", perCode_[i]);
    out_ << remarkId(code) << count << "  " << genericTitle(code) << '\n';
  }
}
