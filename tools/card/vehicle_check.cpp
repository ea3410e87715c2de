#include "tools/card/vehicle_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "platform/platform.h"
#include "platform/profile_text.h"
#include "plugin/settings.h"
#include "tools/card/card_file_check.h"
#include "tools/card/card_names.h"
#include "tools/card/lint_remark.h"
#include "tools/card/vehicle_reader.h"
#include "tools/common/messages.h"
#include "tools/common/text_layout.h"
#include "tools/platform/host_files.h"
#include "tools/platform/host_text.h"

namespace {

// One section or key line of a settings file.
struct IniLine {
  int32_t line = 0;
  int32_t column = 0;  // of the name, from 1
  bool isSection = false;
  bool hasValue = false;  // a key line with '='
  std::string name;
  std::string section;  // the section a key line lies in
};

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The section and key lines, for naming what the reader would not find; the values
// themselves are always taken through the module's reader. The lines are the reader's
// own, so a line that a double-byte character joins to the one before it is not one.
std::vector<IniLine> iniLines(std::string_view text) {
  std::vector<IniLine> lines;
  std::string section;
  platform::walkProfileLines(text, [&](const platform::ProfileLine& at) {
    IniLine entry;
    entry.line = at.line;
    entry.column = at.column;
    entry.isSection = at.isSection;
    entry.hasValue = at.hasValue;
    entry.name = platform::profileBytes(at.name);
    // Comments are keys to the reader, but keys that nothing reads.
    if (!at.isSection && !at.name.empty() && (at.name.front() == ';' || at.name.front() == '#')) {
      return true;
    }
    if (entry.isSection) {
      section = entry.name;
    } else {
      entry.section = section;
    }
    lines.push_back(std::move(entry));
    return true;
  });
  return lines;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

LintRemark remarkAt(const IniLine& at, RemarkCode code, std::string_view field, std::string instead,
                    std::string expected) {
  LintRemark r = makeRemark(at.line, at.column, code, std::move(instead), std::move(expected));
  r.field = terminalText(field);
  r.startColumn = at.column;
  // A section's name stands between its brackets.
  const std::size_t length = at.name.size() + (at.isSection ? 2 : 0);
  r.endColumn = at.column + static_cast<int32_t>(length);
  return r;
}

LintRemark fileRemark(RemarkCode code, std::string instead, std::string expected) {
  return makeRemark(0, 0, code, std::move(instead), std::move(expected));
}

bool plainInteger(std::string_view value) {
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) value.remove_prefix(1);
  return !value.empty() &&
         std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool hasHighByte(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; });
}

// A settings file that the reader takes as code page 932 but that holds UTF-8 text: the
// same bytes with a UTF-8 mark, which the reader then reads as the author meant them;
// empty for any other file.
std::string meantAsUtf8(std::string_view text) {
  std::size_t mark = 0;
  const bool high = std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
  if (platform::profileEncoding(text, mark) != platform::ProfileEncoding::kCodePage932 || !high ||
      !isUtf8(text)) {
    return "";
  }
  return std::string(platform::kUtf8ByteOrderMark) + std::string(text);
}

// The lines of a settings file that a double-byte character hides, and, when none does
// and no remark has named the cause yet (`causeTold`), a file that is UTF-8.
void lintEncoding(std::string_view text, bool causeTold, std::vector<LintRemark>& out) {
  const std::string meant = meantAsUtf8(text);
  // In a UTF-8 file the character that hides the next line is, in an editor, the last one
  // of its line.
  std::map<int32_t, int32_t> lastColumns;
  platform::walkProfileLines(meant, [&](const platform::ProfileLine& at) {
    lastColumns[at.line] = at.column + static_cast<int32_t>(at.text.size()) - 1;
    return true;
  });
  platform::walkProfileLines(text, [&](const platform::ProfileLine& at) {
    if (at.lastLine == at.line) return true;
    std::string hidden = std::to_string(at.line + 1);
    for (int32_t line = at.line + 2; line <= at.lastLine; ++line) {
      hidden += ", " + std::to_string(line);
    }
    const auto last = lastColumns.find(at.line);
    const int32_t column = last != lastColumns.end() ? last->second : at.joinColumn;
    LintRemark r =
        makeRemark(at.line, column, RemarkCode::kLineHidden, message(Msg::kLineJoins, {hidden}),
                   message(Msg::kSettingsInShiftJis));
    r.args = {hidden};
    r.startColumn = column;
    r.endColumn = column + 1;
    out.push_back(std::move(r));
    causeTold = true;
    return true;
  });
  if (causeTold || meant.empty()) return;
  platform::walkProfileLines(meant, [&](const platform::ProfileLine& at) {
    if (!hasHighByte(at.text)) return true;
    LintRemark r = makeRemark(at.line, at.column, RemarkCode::kSettingsInUtf8,
                              message(Msg::kReadAsShiftJisText), message(Msg::kSettingsInShiftJis));
    r.field = platform::utf8FromCodePage932(platform::profileBytes(at.text));
    r.startColumn = at.column;
    r.endColumn = at.column + static_cast<int32_t>(at.text.size());
    out.push_back(std::move(r));
    return false;
  });
}

// Shared by both files: the one section that is read, and the keys in it. `known`
// answers whether a key of that section is read, with the expectation when it is not.
template <typename KnownKey>
void lintSections(const std::vector<IniLine>& lines, std::string_view section, KnownKey known,
                  RemarkCode unknownKey, std::vector<LintRemark>& out) {
  bool sectionSeen = false;
  bool inSection = false;
  std::set<std::string> keys;
  const std::string wanted = "[" + std::string(section) + "]";
  for (const IniLine& line : lines) {
    if (line.isSection) {
      const bool same = lower(line.name) == lower(section);
      if (same && sectionSeen) {
        out.push_back(remarkAt(line, RemarkCode::kSecondSection, line.name,
                               message(Msg::kKeysNotRead), message(Msg::kOneSection, {wanted})));
      } else if (!same) {
        out.push_back(remarkAt(line, RemarkCode::kUnknownSection, line.name,
                               message(Msg::kKeysNotRead), message(Msg::kNameSectionAs, {wanted})));
      }
      inSection = same && !sectionSeen;
      sectionSeen = sectionSeen || same;
      continue;
    }
    if (!inSection) {
      if (line.section.empty()) {
        out.push_back(remarkAt(line, RemarkCode::kKeyBeforeSection, line.name,
                               message(Msg::kNotRead), message(Msg::kKeysUnder, {wanted})));
      }
      continue;
    }
    std::string expected;
    if (!known(line.name, expected)) {
      out.push_back(remarkAt(line, unknownKey, line.name, message(Msg::kNotRead), expected));
    } else if (!keys.insert(lower(line.name)).second) {
      out.push_back(remarkAt(line, RemarkCode::kRepeatedKey, line.name,
                             message(Msg::kOnlyFirstRead), message(Msg::kEachKeyOnce)));
    } else if (!line.hasValue) {
      out.push_back(remarkAt(line, RemarkCode::kNoEquals, line.name, message(Msg::kReadsAsMissing),
                             message(Msg::kWriteKeyValue)));
    }
  }
}

void lintDisplaySettings(std::string_view text, std::vector<LintRemark>& out) {
  const std::vector<IniLine> lines = iniLines(text);
  lintSections(
      lines, kDisplaySettingsSection,
      [](const std::string& name, std::string& expected) {
        std::string_view nearest;
        std::size_t best = SIZE_MAX;
        for (const DisplaySettingKey& key : kDisplaySettingKeys) {
          if (lower(key.name) == lower(name)) return true;
          const std::size_t distance = editDistance(name, key.name);
          if (distance < best) {
            best = distance;
            nearest = key.name;
          }
        }
        expected = message(Msg::kNearestKey, {nearest});
        return false;
      },
      RemarkCode::kUnknownKey, out);
  lintEncoding(text, false, out);
  std::set<std::string> told;
  for (const IniLine& line : lines) {
    if (line.isSection || !line.hasValue || lower(line.section) != lower(kDisplaySettingsSection) ||
        !told.insert(lower(line.name)).second) {
      continue;
    }
    for (std::size_t k = 0; k < std::size(kDisplaySettingKeys); ++k) {
      const DisplaySettingKey& key = kDisplaySettingKeys[k];
      if (lower(key.name) != lower(line.name)) continue;
      const std::optional<std::string> value =
          platform::findProfileValue(text, kDisplaySettingsSection, key.name);
      if (!value) break;
      const int32_t read = platform::profileIntFromText(*value);
      if (value->empty()) {
        out.push_back(remarkAt(line, RemarkCode::kEmptyValue, *value,
                               message(Msg::kTheDefault, {std::to_string(key.fallback)}),
                               message(Msg::kAnInteger)));
      } else if (!plainInteger(*value)) {
        out.push_back(remarkAt(line, RemarkCode::kNotPlainInteger, *value,
                               message(Msg::kReadsAs, {std::to_string(read)}),
                               message(Msg::kAnInteger)));
      } else if (k == kStopListRowsKey && stopListRows(read) != read) {
        out.push_back(remarkAt(line, RemarkCode::kNotRowCount, *value,
                               message(Msg::kListHasRows, {std::to_string(stopListRows(read))}),
                               message(Msg::kThreeOrFive)));
      }
      break;
    }
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const LintRemark& a, const LintRemark& b) { return a.line < b.line; });
}

struct CardFolder {
  int32_t entry = 0;
  std::string name;  // as the card list writes it
  std::string path;  // where the module looks
  std::vector<std::string> files;
};

// Checks the card list that `reader` read in `vehicle`, finding `anyFolder`, and returns
// the card folders that exist and can be read, in entry order.
std::vector<CardFolder> lintCardList(const CCsvread& reader, bool anyFolder,
                                     const std::string& vehicle, std::string_view shownFolder,
                                     RemarkReport& report) {
  const std::string file = std::string(shownFolder) + "/" + std::string(kCardListFile);
  std::vector<LintRemark> remarks;
  std::vector<CardFolder> folders;
  std::string text;
  if (!platform::readFile(reader.cardListPath, text)) {
    remarks.push_back(fileRemark(
        RemarkCode::kNoCardList, message(Msg::kNoCardFound),
        message(Msg::kCardListExpected,
                {std::to_string(reader.cardList.size() - 1), std::string(kCardListSection)})));
    report.add(file, std::move(remarks));
    return folders;
  }
  const std::string meant = meantAsUtf8(text);
  bool causeTold = false;
  const auto entries = static_cast<int32_t>(reader.cardList.size());
  const std::vector<IniLine> lines = iniLines(text);
  lintSections(
      lines, kCardListSection,
      [entries](const std::string& name, std::string& expected) {
        int32_t entry = -1;
        if (plainInteger(name) && name.size() <= 2) entry = std::stoi(name);
        expected = message(Msg::kEntryNumbers, {std::to_string(entries - 1)});
        return entry >= 0 && entry < entries && std::to_string(entry) == name;
      },
      RemarkCode::kUnknownEntry, remarks);
  std::set<std::string> seen;
  for (const IniLine& line : lines) {
    if (line.isSection || !line.hasValue || lower(line.section) != lower(kCardListSection) ||
        !plainInteger(line.name) || line.name.size() > 2 || !seen.insert(line.name).second) {
      continue;
    }
    const int32_t entry = std::stoi(line.name);
    if (entry >= entries || std::to_string(entry) != line.name) continue;
    const std::optional<std::string> value =
        platform::findProfileValue(text, kCardListSection, line.name);
    if (!value) continue;
    const std::string& inForce = reader.cardList[static_cast<std::size_t>(entry)];
    const std::string path = platform::appendPath(vehicle, inForce);
    // "NULL" is how the list writes "no folder"; it names one only where one exists.
    if (*value == kNullEntry && !platform::pathExists(path)) continue;
    const std::optional<std::string> meantValue =
        meant.empty() ? std::nullopt
                      : platform::findProfileValue(meant, kCardListSection, line.name);
    if (inForce == kNullEntry && meantValue && *meantValue != *value) {
      // The value read is a folder name in other characters than the author wrote.
      LintRemark r =
          remarkAt(line, RemarkCode::kCardFolderInUtf8, *value,
                   message(Msg::kLooksForFolder, {platform::utf8FromCodePage932(*value)}),
                   message(Msg::kSettingsInShiftJis));
      r.field = platform::utf8FromCodePage932(*meantValue);
      remarks.push_back(std::move(r));
      causeTold = true;
    } else if (inForce == kNullEntry && *value != kNullEntry) {
      remarks.push_back(remarkAt(line, RemarkCode::kCardFolderNotFound, *value,
                                 message(Msg::kEntryMissing), message(Msg::kExistingFolder)));
    } else if (!platform::isFolder(path)) {
      remarks.push_back(remarkAt(line, RemarkCode::kNotAFolder, *value,
                                 message(Msg::kCodesFindNoFile), message(Msg::kACardFolder)));
    } else if (std::optional<std::vector<std::string>> files = platform::folderFiles(path)) {
      folders.push_back({entry, *value, path, std::move(*files)});
    } else {
      remarks.push_back(remarkAt(line, RemarkCode::kCardFolderUnreadable, *value,
                                 message(Msg::kCardsNotChecked),
                                 message(Msg::kReadableCardFolder)));
    }
    if (platform::isAbsolutePath(*value)) {
      remarks.push_back(remarkAt(line, RemarkCode::kAbsolutePath, *value,
                                 message(Msg::kFoundOnlyThere), message(Msg::kFolderFromVehicle)));
    }
    if (entry > highestCardFolder()) {
      remarks.push_back(
          remarkAt(line, RemarkCode::kNoCodeReachesEntry, line.name, message(Msg::kNeverLoaded),
                   message(Msg::kEntriesUpTo, {std::to_string(highestCardFolder())})));
    }
  }
  if (!anyFolder) {
    remarks.push_back(fileRemark(RemarkCode::kNoCardFolder, message(Msg::kLoadFails),
                                 message(Msg::kOneCardFolder)));
  }
  lintEncoding(text, causeTold, remarks);
  std::stable_sort(remarks.begin(), remarks.end(),
                   [](const LintRemark& a, const LintRemark& b) { return a.line < b.line; });
  report.add(file, std::move(remarks), text, CommentStyle::kSettings);
  return folders;
}

bool isCardFile(std::string_view name) {
  const std::size_t extension = kCardFileExtension.size();
  return name.size() > extension &&
         lower(name.substr(name.size() - extension)) == lower(kCardFileExtension);
}

std::string cardNameHint(int32_t entry) {
  if (entry > highestCardFolder()) return message(Msg::kFolderAtReachedEntry);
  // 回1234A in the entry's folder.
  const auto example = static_cast<int32_t>(cardCodeOf(entry, 3, 1234, 0));
  return message(Msg::kNameSuchAs, {terminalText(splitCardCode(example).fileName)});
}

// One card folder and the entries of the card list that name it.
struct FolderEntries {
  CardFolder folder;  // as its first entry names it
  std::vector<int32_t> entries;
};

// The card folders, each once with every entry that lists it: a card in it loads for
// the codes of any of them.
std::vector<FolderEntries> foldersOnce(const std::vector<CardFolder>& folders) {
  std::vector<FolderEntries> once;
  for (const CardFolder& folder : folders) {
    auto same = std::find_if(once.begin(), once.end(), [&folder](const FolderEntries& known) {
      std::error_code ec;
      return std::filesystem::equivalent(platform::fileSystemPath(known.folder.path),
                                         platform::fileSystemPath(folder.path), ec);
    });
    if (same == once.end()) {
      once.push_back({folder, {folder.entry}});
    } else {
      same->entries.push_back(folder.entry);
    }
  }
  return once;
}

// The remark on a card file that no card code of `entries` names, if none does.
std::optional<LintRemark> cardNameRemark(const std::string& name,
                                         const std::vector<int32_t>& entries) {
  auto reached = [&entries](std::string_view fileName) {
    return std::any_of(entries.begin(), entries.end(), [fileName](int32_t entry) {
      return cardCodeForFileName(fileName, entry).has_value();
    });
  };
  if (reached(name)) return std::nullopt;
  // A name typed on a system that names files in UTF-8 holds other bytes than the
  // Shift_JIS name that a card code builds.
  const bool highBytes =
      std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
  const std::string shiftJis = highBytes && isUtf8(name) ? platform::toCodePage932(name) : "";
  if (!shiftJis.empty() && reached(shiftJis)) {
    LintRemark r = fileRemark(RemarkCode::kFileNameInUtf8, message(Msg::kCardNeverLoaded),
                              message(Msg::kNameInShiftJis));
    r.fix = RemarkFix{FixSafety::kSafe, {}, shiftJis};
    return r;
  }
  std::string hint = cardNameHint(entries.front());
  for (int32_t entry : entries) {
    const std::optional<std::string> moved =
        cardFileNameInFolder(shiftJis.empty() ? name : shiftJis, entry);
    if (moved) {
      hint = message(Msg::kRenameTo, {terminalText(*moved)});
      break;
    }
  }
  std::string listed;
  for (int32_t entry : entries) {
    if (!listed.empty()) listed += message(Msg::kListSeparator);
    listed += std::to_string(entry);
  }
  LintRemark r = fileRemark(RemarkCode::kNoCodeNamesFile, message(Msg::kCardNeverLoaded), hint);
  r.args = {listed};
  return r;
}

}  // namespace

void checkVehicle(const std::string& folder, std::string_view shownFolder, bool withNotes,
                  bool withTable, RemarkReport& report, const MoreCardRemarks& more) {
  // The folder's path as the module's own reads name it.
  std::string vehicle;
  if (!platform::makeAbsolute(folder, vehicle)) vehicle = folder;
  bool anyFolder = false;
  const std::unique_ptr<CCsvread> reader = readerInVehicle(vehicle, &anyFolder);
  if (!reader) {
    // The module reads nothing here; what it would read elsewhere is no concern of it.
    LintRemark r = fileRemark(RemarkCode::kVehiclePathTooLong,
                              message(Msg::kVehiclePathBytes, {std::to_string(vehicle.size())}),
                              message(Msg::kPathAtMost, {std::to_string(kLongestVehicleFolder)}));
    report.add(shownFolder, {std::move(r)});
    return;
  }
  std::string settings;
  const std::string settingsPath = platform::appendPath(vehicle, kDisplaySettingsFile);
  if (platform::pathExists(settingsPath)) {
    std::vector<LintRemark> remarks;
    if (platform::readFile(settingsPath, settings)) {
      lintDisplaySettings(settings, remarks);
    } else {
      remarks.push_back(fileRemark(RemarkCode::kSettingsUnreadable, message(Msg::kSettingsDefaults),
                                   message(Msg::kReadableSettings)));
    }
    report.add(std::string(shownFolder) + "/" + std::string(kDisplaySettingsFile),
               std::move(remarks), settings, CommentStyle::kSettings);
  }

  struct Row {
    int32_t entry;
    std::string folder, cards, failed;
  };
  std::vector<Row> table;
  for (const FolderEntries& listed :
       foldersOnce(lintCardList(*reader, anyFolder, vehicle, shownFolder, report))) {
    const CardFolder& cardFolder = listed.folder;
    int32_t cards = 0;
    int32_t failed = 0;
    const std::string shownCardFolder =
        std::string(shownFolder) + "/" + terminalText(cardFolder.name) + "/";
    for (const std::string& name : cardFolder.files) {
      if (!isCardFile(name)) continue;
      ++cards;
      std::string bytes;
      std::vector<LintRemark> remarks;
      const std::string cardFile = platform::appendPath(cardFolder.path, name);
      if (checkCardFile(cardFile, name, withNotes, bytes, remarks) && more) {
        std::vector<LintRemark> added = more(cardFile, vehicle);
        remarks.insert(remarks.end(), added.begin(), added.end());
        std::stable_sort(remarks.begin(), remarks.end(),
                         [](const LintRemark& a, const LintRemark& b) {
                           return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
      }
      if (std::optional<LintRemark> unnamed = cardNameRemark(name, listed.entries)) {
        remarks.insert(remarks.begin(), std::move(*unnamed));
      }
      const LintCounts card = report.add(shownCardFolder + terminalText(name), std::move(remarks),
                                         bytes, CommentStyle::kCard);
      failed += card.errors > 0 ? 1 : 0;
    }
    for (int32_t entry : listed.entries) {
      table.push_back(
          {entry, terminalText(cardFolder.name), std::to_string(cards), std::to_string(failed)});
    }
  }
  std::sort(table.begin(), table.end(),
            [](const Row& a, const Row& b) { return a.entry < b.entry; });
  const LintCounts& counts = report.counts();
  const bool remarked = counts.errors > 0 || counts.warnings > 0;
  if (table.empty() || !(remarked || withTable)) return;
  const std::string titles[] = {message(Msg::kTableEntry), message(Msg::kTableFolder),
                                message(Msg::kTableCards)};
  const std::size_t entryWidth = std::max<std::size_t>(5, terminalColumns(titles[0]));
  const std::size_t cardsWidth = std::max<std::size_t>(5, terminalColumns(titles[2]));
  std::size_t width = terminalColumns(titles[1]);
  for (const Row& row : table) width = std::max(width, terminalColumns(row.folder));
  std::ostringstream out;
  out << padColumns(titles[0], entryWidth) << "  " << padColumns(titles[1], width) << "  "
      << padColumns(titles[2], cardsWidth) << "  " << message(Msg::kTableWithErrors) << "\n";
  for (const Row& row : table) {
    out << padColumns(std::to_string(row.entry), entryWidth) << "  "
        << padColumns(row.folder, width) << "  " << padColumns(row.cards, cardsWidth) << "  "
        << row.failed << "\n";
  }
  report.addText(out.str());
}
