// The tools' messages for people in English and Japanese: one catalogue keyed by id,
// the language chosen once at start from --lang or the locale. What scripts and
// editors read (the FILE:LINE:COL: error|warning|note: prefix, exit statuses, the CSV
// trace) never goes through it.
#ifndef RUVA_TOOLS_COMMON_MESSAGES_H_
#define RUVA_TOOLS_COMMON_MESSAGES_H_

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Language : uint8_t { kEnglish, kJapanese };

enum class Msg : uint16_t {
  // ruvacard: usage and command line
  kCardUsage,
  kUnknownOption,
  kUnknownCommand,
  kSummaryOnlyForVehicle,
  kCheckNeedsFiles,
  kVehicleTakesOneFolder,
  kVehicleFolderNotFound,
  kRowsTakes3Or5,
  kTakesOneCardFile,
  kNeedsACardFile,
  kCannotRead,
  kVehicleNeedsFolder,
  kCodeTakesOneCode,
  kBadCardCode,
  // the frame of each checker remark
  kRemarkTail,
  // check: files that are no cards
  kNoCardLoads,
  kFolderNotCardFile,
  kFolderNotCardFileExpected,
  kCannotBeRead,
  kReadableCardFile,
  // card checker: what each column is for
  kColCardName,
  kColHeaderCode,
  kColHeaderText,
  kColTrainNumber,
  kColNote,
  kColAtMost32EventRows,
  kColStopRowReference,
  kColStartKm,
  kColEndKm,
  kColEventType,
  kColAtMost16RangeRows,
  kColDistanceKm,
  kColValue,
  kColAtMost63StopRows,
  kColRunningTime,
  kColStopName,
  kColFirstTime,
  kColSecondTime,
  kColStopNumber,
  kColSlashInteger,
  kColKmPost,
  kColHiddenPoint,
  kColSectionLength,
  kColArrivalCue,
  kColKmDirection,
  kColAttribute,
  kColStopCode,
  kColLastStopColumn,
  kColNextStopAnnounced,
  kColInfoText,
  kColInfoIndex,
  kColSecondTrainNumber,
  kColSecondFirstTime,
  kColSecondSecondTime,
  kColInteger,
  kColSeeFormat,
  // card checker: the parser's reasons
  kReasonTextAfterNumber,
  kReasonColumnMissing,
  kReasonIntegerOutOfRange,
  kReasonNotInteger,
  kReasonNumberOutOfRange,
  kReasonNotNumber,
  kReasonColumnMissingEnd,
  kReasonTimeMark,
  kReasonSlashForm,
  kReasonSlashNoInteger,
  kReasonCodeDigits,
  kReasonArrivalCueAbove2,
  kReasonStoredAsAbove2,
  kReasonColumnsFromMissing,
  kReasonColumnMissingTextKept,
  kReasonEventRowsTaken,
  kReasonRangeRowsTaken,
  kReasonStopRowsTaken,
  // card checker: remarks of its own
  kStores,
  kReads,
  kAsIntended,
  kNoRowType,
  kRowIgnored,
  kNoRowTypeExpected,
  kUnknownRowType,
  kUnknownRowTypeExpected,
  kWholeRowIgnored,
  kValueNotStored,
  kNotRead,
  kTimeExpectedStop,
  kTimeExpected,
  kNegativeTime,
  kReadAsTime,
  kMinutesOver59,
  kShows,
  kHourIsMark,
  kPictureStop,
  kPictureArrow,
  kPictureEnd,
  kHourNotHourNorMark,
  kShortTime,
  kShortTimeStores,
  kTrainNumberNotShown,
  kDisplayShows,
  kTrainNumberExpected,
  kByteOrderMark,
  kFirstRowIgnored,
  kShiftJisNoMark,
  kTextInUtf8,
  kReadAsShiftJis,
  kSavedInShiftJis,
  kLoneCr,
  kLinesRunTogether,
  kLineEnds,
  kEventTypeNot0To3,
  kNeverOpens,
  kEventType0To3,
  kEmptyFile,
  kLeavesCardMode,
  kOneStopRowEach,
  kNoStopRows,
  kNamesMissingStopRow,
  kNeverApplies,
  kStopRowNumbers,
  kZeroSection,
  kReachedAtOnce,
  kSectionToNext,
  kNoTrainNumber,
  kShowsNull,
  kTrainRowExpected,
  kTrainNumberNotFileName,
  kCardCodeLoads,
  kAsFileNameSays,
  // vehicle check: settings and card list
  kSecondSection,
  kKeysNotRead,
  kOneSection,
  kUnknownSection,
  kKeyBeforeSection,
  kKeysUnder,
  kUnknownKey,
  kRepeatedKey,
  kOnlyFirstRead,
  kEachKeyOnce,
  kNoEquals,
  kReadsAsMissing,
  kNearestKey,
  kEmptyValue,
  kTheDefault,
  kAnInteger,
  kNotPlainInteger,
  kReadsAs,
  kNotRowCount,
  kListHasRows,
  kThreeOrFive,
  kNoCardList,
  kNoCardFound,
  kCardListExpected,
  kEntryNumbers,
  kCardFolderNotFound,
  kEntryMissing,
  kExistingFolder,
  kNotAFolder,
  kCodesFindNoFile,
  kACardFolder,
  kAbsolutePath,
  kFoundOnlyThere,
  kFolderFromVehicle,
  kNoCodeReachesEntry,
  kNeverLoaded,
  kCardNeverLoaded,
  kEntriesUpTo,
  kNoCardFolder,
  kLoadFails,
  kOneCardFolder,
  kSettingsDefaults,
  kReadableSettings,
  kNoCodeNamesFile,
  kFolderAtReachedEntry,
  kNameSuchAs,
  kTableEntry,
  kTableFolder,
  kTableCards,
  kTableWithErrors,
  // ruvahost: usage, command line and run
  kHostUsage,
  kNeedsValue,
  kBadStep,
  kExpectedVehicleAndScenario,
  kScenarioNotFound,
  kCannotLoadModule,
  kDoesNotExport,
  kCannotWriteTrace,
  kCannotWritePage,
  kReplayTitle,
  kExpectationsFailed,
  kFramesOverLimit,
  kHostTimePastLimit,
  kExpectedGot,
  kPanelWord,
  kSoundWord,
  kStandstillDistance,
  kZeroSpeedDistance,
  kCannotWrite,
  kModuleNotFound,
  kCannotCreateTemporary,
  kCannotCopyModule,
  kCannotMirror,
  kCannotReadVehicle,
  kCardLoadPrefix,
  kCardLoadStops,
  kCardLoadNoStops,
  kCardLoadNoFile,
  kCardLoadFolderNotListed,
  kCardLoadNothingBefore,
  kCardLoadStays,
  kOneStop,
  kStops,
  kCount  // not a message: the number of ids
};

// One entry of the catalogue. Placeholders {1} to {9} stand for the variable parts,
// which each language may place where it needs them.
struct MessageText {
  Msg id;
  const char* english;
  const char* japanese;
};

// The whole catalogue, in the order of the ids.
std::span<const MessageText> messageCatalogue();

// The language of every later message; English until set.
void setLanguage(Language language);
Language language();

// The language a command line and locale ask for: "--lang ja" or "--lang en" (removed
// from `args`) forces it; otherwise the first set one of LC_ALL, LC_MESSAGES and LANG
// (null or empty counts as unset) gives Japanese when it starts with "ja". False, with
// `args` untouched, when --lang lacks its value or names another language.
bool chooseLanguage(std::vector<std::string>& args, const char* lcAll, const char* lcMessages,
                    const char* lang, Language& chosen);

// Sets the language from `args` (which lose --lang) and the process environment.
// False for a bad --lang, with `error` set (in English: no language is chosen yet).
bool setLanguageFromCommandLine(std::vector<std::string>& args, std::string& error);

// The message `id` in `language` with {1}, {2}, … replaced by `args`.
std::string messageIn(Language language, Msg id, std::initializer_list<std::string_view> args = {});

// The message `id` in the current language with {1}, {2}, … replaced by `args`.
std::string message(Msg id, std::initializer_list<std::string_view> args = {});

// `text` in the current language when it is the English of one of `ids` with its
// placeholders filled (each filled part translated the same way, if it can be);
// unchanged otherwise.
std::string translatedFrom(std::string_view text, std::span<const Msg> ids);

#endif  // RUVA_TOOLS_COMMON_MESSAGES_H_
