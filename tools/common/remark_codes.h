// The checker's remarks as data: one stable code per kind of remark, its severity, its
// words in both languages and its page for `ruvacard explain`.
//
// A code is a letter and three digits. The letter says which file the remark is about
// and the first digit what in it; numbers are never reused, even for a remark that is
// gone (kRetiredRemarkCodes keeps those). The groups:
//   C1xx card file as a whole     C2xx rows          C3xx columns and numbers
//   C4xx times                    C5xx train numbers C6xx stop references, windows, sections,
//                                                    km posts, cues
//   C7xx card file names          C8xx special forms recognised (notes)
//   S1xx settings-file sections and keys (both files)
//   S2xx display settings values  S3xx the card list and its folders
//   M1xx the checker's own comments (disable comments)
//   D1xx what driving a card through the module shows (ruvacard vehicle --drive)
#ifndef RUVA_TOOLS_COMMON_REMARK_CODES_H_
#define RUVA_TOOLS_COMMON_REMARK_CODES_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/common/messages.h"

enum class Severity : uint8_t {
  kNote,     // a special form, recognised as intended (only with --notes)
  kWarning,  // legal, but probably not meant
  kError,    // the module reads something other than what the author wrote
};

enum class RemarkCode : uint16_t {
  kEmptyFile,
  kNoStopRows,
  kByteOrderMark,
  kTextInUtf8,
  kLoneCr,
  kCardIsFolder,
  kCardUnreadable,
  kCardTooLarge,
  kNoRowType,
  kUnknownRowType,
  kTableFull,
  kColumnSeemsMissing,
  kFieldSplit,
  kStopRowTooLong,
  kNotInteger,
  kIntegerOutOfRange,
  kNotNumber,
  kNumberOutOfRange,
  kColumnMissing,
  kTextIsEnd,
  kTextMissing,
  kColumnsMissing,
  kTextAfterNumber,
  kSlashWithoutInteger,
  kCodeDigitsOutOfRange,
  kLowBitsKept,
  kFullWidthDigits,
  kQuotedField,
  kShownOtherwise,
  kNegativeTime,
  kMinutesOver59,
  kHourIsMark,
  kHourNotHourNorMark,
  kShortTime,
  kShortSecondTrainTime,
  kDepartureBeforeArrival,
  kEarlierThanRowBefore,
  kTrainNumberNotShown,
  kNoTrainNumber,
  kTrainNumberNotFileName,
  kLetterAmongDigits,
  kNamesMissingStopRow,
  kEventTypeWithoutWindow,
  kZeroSection,
  kNegativeSection,
  kEmptyWindow,
  kWindowOutsideRun,
  kKmRangeOutsideRun,
  kEntryOnHiddenRow,
  kEntryOnRowNeverCurrent,
  kCueWithoutSound,
  kKmPostsAgainstDirection,
  kSectionDisagreesWithKmPosts,
  kFirstStopHidden,
  kNoCodeNamesFile,
  kFileNameInUtf8,
  kTimeMark,
  kSlashForm,
  kStopMarkRecomputed,
  kUnknownSection,
  kSecondSection,
  kKeyBeforeSection,
  kUnknownKey,
  kRepeatedKey,
  kNoEquals,
  kSettingsInUtf8,
  kLineHidden,
  kVehiclePathTooLong,
  kSettingsUnreadable,
  kEmptyValue,
  kNotPlainInteger,
  kNotRowCount,
  kNoCardList,
  kNoCardFolder,
  kUnknownEntry,
  kCardFolderNotFound,
  kNotAFolder,
  kAbsolutePath,
  kNoCodeReachesEntry,
  kCardFolderInUtf8,
  kCardFolderUnreadable,
  kUnusedDisable,
  kUnknownDisableCode,
  kNeverNextStop,
  kTimeNotShown,
  kEventCueSilent,
  kRangeCueSilent,
  kDisplayStalls,
  kRunEndsEarly,
  kCount  // not a remark: the number of codes
};

// A text in both languages.
struct Words {
  const char* english;
  const char* japanese;
};

// One remark of the catalogue. The title is what the remark line says; {1} to {9}
// stand for its arguments. The rest is its page: what the module does, why it matters,
// a wrong and a right line (the same in both languages), and the fix; their {1} to {9}
// stand for facts of the module that the page names (remarkPageArgs).
struct RemarkText {
  RemarkCode code;
  const char* id;  // "C301"
  Severity severity;
  Words title;
  Words does;
  Words why;
  const char* wrong;
  const char* right;
  Words fix;
};

// The whole catalogue, in the order of the codes.
std::span<const RemarkText> remarkCatalogue();

// Codes that once named a remark that is gone; never given to a new one.
std::span<const char* const> retiredRemarkCodes();

const RemarkText& remarkText(RemarkCode code);
Severity severityOf(RemarkCode code);
std::string_view remarkId(RemarkCode code);
const char* severityName(Severity severity);

// The code that `id` names, in any case ("c301" too); none for an unknown one.
std::optional<RemarkCode> remarkCodeOf(std::string_view id);

// The remark's title in `language` with {1}, {2}, … replaced by `args`.
std::string remarkTitleIn(Language language, RemarkCode code, std::span<const std::string> args);
// The same in the current language.
std::string remarkTitle(RemarkCode code, std::span<const std::string> args = {});

// `words` in `language`, or in the current language.
const char* inLanguage(Language language, const Words& words);
const char* inLanguage(const Words& words);

#endif  // RUVA_TOOLS_COMMON_REMARK_CODES_H_
