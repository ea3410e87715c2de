#include "tools/common/messages.h"

#include <cstdlib>

namespace {

// English and Japanese side by side. Japanese remarks are terse, in the words authors
// use for timetables (停車駅, 着時刻, 発時刻, 番線, キロ程, 列車番号, 地上子).
constexpr MessageText kCatalogue[] = {
    {Msg::kCardUsage,
     "usage: ruvacard check [OPTIONS] FILE...\n"
     "       ruvacard vehicle [OPTIONS] [--summary] [--drive] FOLDER\n"
     "       ruvacard show FILE\n"
     "       ruvacard preview FILE [--rows 3|5]\n"
     "       ruvacard code CODE [--vehicle FOLDER]\n"
     "       ruvacard scenario CARD [--vehicle FOLDER] [-o FILE]\n"
     "       ruvacard explain CODE\n"
     "       ruvacard format\n"
     "       ruvacard fix [--diff] [--unsafe-fixes] [--no-backup] FILE|FOLDER...\n"
     "       ruvacard export CARD [-o FILE]\n"
     "       ruvacard import TABLE [-o CARD]\n"
     "  check    what the module would read other than written (errors) and what\n"
     "           looks unintended (warnings), with line, column and remark code\n"
     "  vehicle  the settings, the card list and every card of a vehicle folder, then\n"
     "           a table of the card folders when anything was found (--summary: always);\n"
     "           --drive: also drives every card through the module, stop to stop\n"
     "  show     the card as read: header values, stops, event and range tables\n"
     "  preview  what the lists show with each stop as the current one\n"
     "  code     the card folder, file name and path that a card code selects\n"
     "  scenario a scenario script for ruvahost that drives the card from its first stop\n"
     "           to its last (vehicle: the folder above the card's; -o: into FILE)\n"
     "  explain  what a remark code means, why it matters and how to fix it\n"
     "  format   every row type and column of a card file, as the module reads them\n"
     "  fix      applies the fixes of the remarks that have one meaning and prints them;\n"
     "           FILE.bak keeps the original (--no-backup: not); --diff: only shows them;\n"
     "           --unsafe-fixes: the suggested fixes too (7:04 as 070400, レ as ↓)\n"
     "  export   the card as a UTF-8 CSV table for a spreadsheet, one row per card row\n"
     "  import   a Shift_JIS card from such a table, then checked as check does\n"
     "OPTIONS of check and vehicle:\n"
     "  --strict      warnings count as errors\n"
     "  --notes       also list the special forms recognised\n"
     "  --format F    text (default), json, sarif or github\n"
     "  --statistics  then the count of each remark code\n"
     "  --lang ja|en  the language of the messages (default: from LC_ALL, LC_MESSAGES, LANG)\n",
     "使い方: ruvacard check [オプション] ファイル...\n"
     "        ruvacard vehicle [オプション] [--summary] [--drive] フォルダー\n"
     "        ruvacard show ファイル\n"
     "        ruvacard preview ファイル [--rows 3|5]\n"
     "        ruvacard code コード [--vehicle フォルダー]\n"
     "        ruvacard scenario カード [--vehicle フォルダー] [-o ファイル]\n"
     "        ruvacard explain 報告コード\n"
     "        ruvacard format\n"
     "        ruvacard fix [--diff] [--unsafe-fixes] [--no-backup] ファイル|フォルダー...\n"
     "        ruvacard export カード [-o ファイル]\n"
     "        ruvacard import 表 [-o カード]\n"
     "  check    モジュールが書かれたとおりに読まない箇所（エラー）と、意図しないと\n"
     "           思われる箇所（警告）を行・列・報告コード付きで示す\n"
     "  vehicle  車両フォルダーの設定、カード一覧、すべてのカードを検査し、指摘があれば\n"
     "           カードフォルダーの表を出す（--summary：常に出す）。--drive：すべての\n"
     "           カードをモジュールで最初の駅から最後の駅まで走らせて確かめる\n"
     "  show     読み込んだとおりのカード：ヘッダーの値、駅、イベント表と範囲表\n"
     "  preview  各駅を現在駅としたときにリストに出る内容\n"
     "  code     カードコードが選ぶカードフォルダー、ファイル名、パス\n"
     "  scenario カードを最初の駅から最後の駅まで走らせる ruvahost のシナリオスクリプト\n"
     "           （車両：カードのフォルダーの 1 つ上。-o：ファイルに書き出す）\n"
     "  explain  報告コードの意味、影響、直し方\n"
     "  format   カードファイルの全行種別と全列（モジュールの読み方）\n"
     "  fix      直し方が 1 つに決まる指摘を直し、直した箇所を示す。元のファイルは\n"
     "           ファイル.bak に残す（--no-backup：残さない）。--diff：示すだけ。\n"
     "           --unsafe-fixes：推測による修正も行う（7:04 を 070400、レ を ↓）\n"
     "  export   カードを表計算ソフト用の UTF-8 の CSV 表に書き出す（カードの 1 行が 1 行）\n"
     "  import   その表から Shift_JIS のカードを書き、check と同じく検査する\n"
     "check と vehicle のオプション:\n"
     "  --strict      警告もエラーとする\n"
     "  --notes       認識した特殊な書き方も示す\n"
     "  --format F    text（既定）、json、sarif、github\n"
     "  --statistics  最後に報告コードごとの件数を示す\n"
     "  --lang ja|en  メッセージの言語（既定：LC_ALL、LC_MESSAGES、LANG による）\n"},
    {Msg::kUnknownOption, "unknown option {1}", "不明なオプション {1}"},
    {Msg::kUnknownCommand, "unknown command {1}", "不明なコマンド {1}"},
    {Msg::kSummaryOnlyForVehicle, "--summary is an option of vehicle",
     "--summary は vehicle のオプションです"},
    {Msg::kCheckNeedsFiles, "check needs at least one card file",
     "check にはカードファイルを 1 つ以上指定してください"},
    {Msg::kVehicleTakesOneFolder, "vehicle takes one vehicle folder",
     "vehicle には車両フォルダーを 1 つ指定してください"},
    {Msg::kVehicleFolderNotFound, "vehicle folder not found: {1}",
     "車両フォルダーが見つかりません: {1}"},
    {Msg::kRowsTakes3Or5, "--rows takes 3 or 5", "--rows には 3 か 5 を指定してください"},
    {Msg::kTakesOneCardFile, "{1} takes one card file",
     "{1} にはカードファイルを 1 つ指定してください"},
    {Msg::kNeedsACardFile, "{1} needs a card file", "{1} にはカードファイルが必要です"},
    {Msg::kCannotRead, "cannot read {1}", "{1} を読めません"},
    {Msg::kVehicleNeedsFolder, "--vehicle needs a folder", "--vehicle にはフォルダーが必要です"},
    {Msg::kCodeTakesOneCode, "code takes one card code",
     "code にはカードコードを 1 つ指定してください"},
    {Msg::kBadCardCode, "bad card code '{1}'", "カードコード '{1}' が不正です"},
    {Msg::kFormatTakes, "--format takes text, json, sarif or github",
     "--format には text、json、sarif、github のいずれかを指定してください"},
    {Msg::kStatisticsNotIn, "--statistics goes with --format text or github",
     "--statistics は --format text か github と使ってください"},
    {Msg::kExplainUsage, "explain takes one remark code, or --table error|warning|note",
     "explain には報告コードを 1 つ、または --table error|warning|note を指定してください"},
    {Msg::kUnknownRemarkCode, "unknown remark code '{1}'", "不明な報告コード '{1}'"},

    {Msg::kExplainDoes, "What the module does", "モジュールの動作"},
    {Msg::kExplainWhy, "Why it matters", "影響"},
    {Msg::kExplainWrong, "Wrong", "誤り"},
    {Msg::kExplainRight, "Right", "正しい例"},
    {Msg::kExplainFix, "Fix", "直し方"},
    {Msg::kTableCode, "Code", "コード"},
    {Msg::kTableRemark, "Remark", "報告"},
    {Msg::kTableFix, "Fix", "直し方"},

    {Msg::kRemarkTail, " ({1}; {2})", "（{1}。{2}）"},

    {Msg::kNoCardLoads, "no card loads from it", "カードは読み込まれない"},
    {Msg::kFolderNotCardFileExpected,
     "name a card file; check a vehicle folder with ruvacard vehicle",
     "カードファイルを指定してください。車両フォルダーは ruvacard vehicle で検査します"},
    {Msg::kReadableCardFile, "make the card file readable",
     "カードファイルを読めるようにしてください"},

    {Msg::kColCardName, "the card name", "カード名"},
    {Msg::kColHeaderCode, "the header code, an integer", "ヘッダーコード（整数）"},
    {Msg::kColHeaderText, "the header text", "ヘッダー文字列"},
    {Msg::kColTrainNumber, "the train number", "列車番号"},
    {Msg::kColNote, "a note", "メモ"},
    {Msg::kColStopRowReference, "the stop row it counts from, an integer",
     "起点とする駅の行番号（整数）"},
    {Msg::kColStartKm, "the start in km", "始点（km）"},
    {Msg::kColEndKm, "the end in km", "終点（km）"},
    {Msg::kColEventType, "the event type 0 to {1}", "イベントの種類 0～{1}"},
    {Msg::kColDistanceKm, "the distance in km", "距離（km）"},
    {Msg::kColValue, "an integer value", "値（整数）"},
    {Msg::kColAtMostRows, "split the run over two cards: a card takes at most {1} rows of type {2}",
     "運行を 2 枚のカードに分けてください（種別 {2} の行は 1 枚に {1} 行まで）"},
    {Msg::kColRunningTime, "the running time to the next stop in seconds",
     "次駅までの運転時分（秒）"},
    {Msg::kColStopName, "the stop name", "駅名"},
    {Msg::kColFirstTime, "the first time as HHMMSS, or one of {1}",
     "時刻 1（着時刻。HHMMSS または {1}）"},
    {Msg::kColSecondTime, "the second time as HHMMSS, or a mark",
     "時刻 2（発時刻。HHMMSS または記号）"},
    {Msg::kColStopNumber, "the stop's number", "番線（ホームの番号など）"},
    {Msg::kColSlashInteger, "an integer, or / and an integer", "整数、または / と整数"},
    {Msg::kColKmPost, "the km post in km", "キロ程（km）"},
    {Msg::kColHiddenPoint, "0, or 1 for a hidden timing point", "0、表示しない採時点なら 1"},
    {Msg::kColSectionLength, "the section length in km", "区間の長さ（km）"},
    {Msg::kColArrivalCue, "the arrival cue 0, 1 or 2", "到着の合図 0、1、2"},
    {Msg::kColKmDirection, "0 for a km post counting down from here, else 1",
     "ここからキロ程が減っていくなら 0、それ以外は 1"},
    {Msg::kColAttribute, "the attribute, an integer", "属性（整数）"},
    {Msg::kColStopText, "a text shown with the stop", "駅に添える文字列"},
    {Msg::kColStopCode, "the stop code", "駅コード"},
    {Msg::kColLastStopColumn, "0 to {1}; a stop row has columns 0 to {2}",
     "0～{1}。駅の行は列 0～{2}"},
    {Msg::kColNextStopAnnounced, "1 to let the next stop be announced, else 0",
     "次の停車駅を案内するなら 1、しないなら 0"},
    {Msg::kColInfoText, "the info text", "案内文"},
    {Msg::kColInfoIndex, "the info index, an integer", "案内番号（整数）"},
    {Msg::kColSecondTrainNumber, "the second train number", "第 2 列車番号"},
    {Msg::kColSecondFirstTime, "the second train's first time as HHMMSS",
     "第 2 列車の時刻 1（HHMMSS）"},
    {Msg::kColSecondSecondTime, "the second train's second time as HHMMSS",
     "第 2 列車の時刻 2（HHMMSS）"},
    {Msg::kColInteger, "an integer", "整数"},
    {Msg::kColSeeFormat, "see the card file format", "カードファイルの書式を参照"},

    {Msg::kStores, "stores {1}", "{1} を格納"},
    {Msg::kStoresAsAboveHighest, "stores {1}, as for a value above {2}",
     "{1} を格納（{2} より大きい値のときと同じ）"},
    {Msg::kReads, "reads {1}", "{1} と読む"},
    {Msg::kAsIntended, "as intended", "意図どおり"},
    {Msg::kRowIgnored, "the row is ignored", "この行は無視される"},
    {Msg::kNoRowTypeExpected, "begin the row with its row type, or the line with # for a comment",
     "行の最初に行種別を書くか、コメントなら行頭に # を付けてください"},
    {Msg::kUnknownRowTypeExpected,
     "write one of the row types {1}, or begin the line with # for a comment",
     "行種別 {1} のどれかを書くか、コメントなら行頭に # を付けてください"},
    {Msg::kWholeRowIgnored, "the whole row is ignored", "行全体が無視される"},
    {Msg::kValueNotStored, "the value is not stored, the earlier one stays",
     "値は格納されず、前の値のまま"},
    {Msg::kNotRead, "not read", "読まれない"},
    {Msg::kTimeExpectedStop, "write HHMMSS with hours 0 to 24 (070400 for 7:04), or {1} alone",
     "時は 0～24 の HHMMSS（7:04 は 070400）か、{1} だけを書いてください"},
    {Msg::kTimeExpected, "write HHMMSS with hours 0 to 24 (070400 for 7:04)",
     "時は 0～24 の HHMMSS で書いてください（7:04 は 070400）"},
    {Msg::kReadAsTime, "read as a time all the same", "それでも時刻として読まれる"},
    {Msg::kShows, "shows {1}", "{1} と表示"},
    {Msg::kPictureStop, "the 停 picture", "「停」の画像"},
    {Msg::kPictureArrow, "the arrow: the stop counts as passed", "矢印（通過扱い）"},
    {Msg::kPictureEnd, "the 〓 picture", "「〓」の画像"},
    {Msg::kShortTimeStores, "stores {1}, {2} after midnight", "{1} を格納（深夜 0 時過ぎの {2}）"},
    {Msg::kDisplayShows, "the display shows {1}", "表示は {1}"},
    {Msg::kTrainNumberExpected,
     "write one known prefix, at most four digits and one suffix letter, such as 回1234M",
     "既知の接頭記号 1 つ、4 桁までの数字、接尾記号 1 つで書いてください（例：回1234M）"},
    {Msg::kFirstRowIgnored, "the first row is ignored", "最初の行は無視される"},
    {Msg::kShiftJisNoMark, "save the card as Shift_JIS, without a byte order mark",
     "カードを BOM なしの Shift_JIS で保存してください"},
    {Msg::kReadAsShiftJis, "read as Shift_JIS, texts garble and train-number prefixes are lost",
     "Shift_JIS として読まれ、文字化けし、列車番号の接頭記号が失われる"},
    {Msg::kSavedInShiftJis, "save the card in Shift_JIS (code page 932)",
     "カードを Shift_JIS（コードページ 932）で保存してください"},
    {Msg::kLinesRunTogether, "the lines up to the next line feed run together as one",
     "次の LF までの行が 1 行につながる"},
    {Msg::kLineEnds, "save the card with LF or CR LF line ends",
     "行末を LF か CR LF にして保存してください"},
    {Msg::kNeverOpens, "the entry never opens a window", "この区間は決して開かない"},
    {Msg::kEventTypeRange, "write an event type from 0 to {1}",
     "イベントの種類は 0～{1} で書いてください"},
    {Msg::kLeavesCardMode, "the card beacon finds no stop and the display leaves card mode",
     "カード地上子で駅が見つからず、表示はカードモードを抜ける"},
    {Msg::kOneStopRowEach, "write one row of type {1} per stop",
     "1 駅につき種別 {1} の行を 1 行書いてください"},
    {Msg::kNeverApplies, "the entry never applies", "この行は決して適用されない"},
    {Msg::kStopRowNumbers, "write a stop row number from 0 to {1}: stop rows count from 0",
     "駅の行番号を 0～{1} で書いてください（駅の行は 0 から数えます）"},
    {Msg::kReachedAtOnce, "the next stop counts as reached at once", "次駅にすぐ着いた扱いになる"},
    {Msg::kSectionToNext, "write the length in km from this stop to the next row, such as 1.8",
     "この駅から次の行までの長さを km で書いてください（例：1.8）"},
    {Msg::kShowsNull, "the display shows the codes of the text NULL",
     "表示は文字列 NULL のコードになる"},
    {Msg::kTrainRowExpected, "add a row {1},TRAIN NUMBER, such as {1},1234M",
     "{1},列車番号 の行を書いてください（例：{1},1234M）"},
    {Msg::kCardCodeLoads, "card code {1} loads this card",
     "カードコード {1} でこのカードが読み込まれる"},
    {Msg::kAsFileNameSays, "write {1}, as the file name says",
     "ファイル名どおりに {1} と書いてください"},
    {Msg::kWriteColumn, "write {1}", "{1} を書いてください"},
    {Msg::kWriteColumnLike, "write {1}, such as {2}", "{1} を書いてください（例：{2}）"},
    {Msg::kWriteColumnsFrom, "write the columns from {1} on: a stop row has columns 0 to {2}",
     "列 {1} 以降も書いてください（駅の行は列 0～{2}）"},
    {Msg::kWriteByte, "write a number from 0 to {1}", "0～{1} の数を書いてください"},
    {Msg::kWriteAfterMidnight, "write {1} for a time after midnight, or the mark itself ({2})",
     "深夜 0 時過ぎの時刻なら {1}、記号なら記号そのもの（{2}）を書いてください"},
    {Msg::kWriteHalfWidth, "write it in half-width digits: {1}", "半角数字で {1} と書いてください"},
    {Msg::kWriteHhmmss, "write {1}, HHMMSS with the seconds",
     "秒まで書いた HHMMSS の {1} にしてください"},
    {Msg::kStoresTime, "stores {1}, {2}", "{1}（{2}）を格納"},
    {Msg::kWriteUnquoted, "write it without quote marks: {1}",
     "引用符を外して {1} と書いてください"},
    {Msg::kSaveWithoutQuotes, "save the card without quote marks", "引用符なしで保存してください"},
    {Msg::kQuotesKept, "the quote marks stay in the value", "引用符は値に残る"},
    {Msg::kQuotesSplit,
     "the comma inside the quotes splits the value, and every later column stands one off",
     "引用符の中のコンマで値が分かれ、後ろの列がすべて 1 列ずれる"},
    {Msg::kLaterColumnsShifted, "every later column is read one column off",
     "後ろの列がすべて 1 列ずれて読まれる"},
    {Msg::kWriteMissingColumn, "write column {1}, {2} (an empty field where it has nothing)",
     "列 {1}（{2}）を書いてください（値がなければ空の列）"},
    {Msg::kWriteDecimalPoint, "write {1}, with a full stop as decimal point",
     "小数点をピリオドにして {1} と書いてください"},
    {Msg::kCommaOutOfText, "write the text without a comma (、 in its place)",
     "文字列にコンマを使わないでください（代わりに 、）"},
    {Msg::kSelectedAtStand, "the next stop is selected while the train stands",
     "列車が止まったまま次の駅が選ばれる"},
    {Msg::kKmPostCountsUp, "the km post counts up from {1} km, but the next row stands at {2} km",
     "キロ程は {1} km から増えていくが、次の行は {2} km"},
    {Msg::kKmPostCountsDown,
     "the km post counts down from {1} km, but the next row stands at {2} km",
     "キロ程は {1} km から減っていくが、次の行は {2} km"},
    {Msg::kWriteKmDirection, "write {1} in column {2}, or correct the km post",
     "列 {2} に {1} を書くか、キロ程を直してください"},
    {Msg::kKmPostsApart, "the km posts {1} and {2} are {3} km apart",
     "キロ程 {1} と {2} の差は {3} km"},
    {Msg::kWriteSectionOf, "write {1}, the distance between the km posts, or correct a km post",
     "キロ程の差の {1} を書くか、キロ程を直してください"},
    {Msg::kListedAfter, "the display lists the stops in row order", "表示は行の順に駅を並べる"},
    {Msg::kRowsInOrder, "put the rows in running order, or correct the time",
     "行を走る順に並べるか、時刻を直してください"},
    {Msg::kLeavesBeforeArriving, "the stop is left before it is reached", "着く前に発つことになる"},
    {Msg::kArrivalFirst,
     "write the arrival as the first time and the departure, at or after it, as the second",
     "時刻 1 に着時刻、時刻 2 にそれ以降の発時刻を書いてください"},
    {Msg::kNoSound, "no arrival sound comes", "到着の音が鳴らない"},
    {Msg::kWriteCue, "write {1} or {2} for a cue, 0 for none",
     "合図には {1} か {2}、なしなら 0 を書いてください"},
    {Msg::kListsShow, "the five-row list and the next stop show {1}",
     "5 行のリストと次駅には {1} と表示"},
    {Msg::kRunningTimeShows, "the running time shows {1}", "運転時分は {1} と表示"},
    {Msg::kWriteZeroOrMore, "write 0 or a larger integer", "0 以上の整数を書いてください"},
    {Msg::kBeginWithNumber, "begin the text with its number, such as 2番線",
     "数から始めてください（例：2番線）"},
    {Msg::kNameCurrentRow, "name a stop row that becomes the current stop, such as {1}",
     "現在駅になる駅の行を指してください（例：{1}）"},
    {Msg::kWindowNeverOpens, "the window never opens", "区間は開かない"},
    {Msg::kStartBeforeEnd, "write the start before the end, such as {1},{2}",
     "始点を終点より前に書いてください（例：{1},{2}）"},
    {Msg::kTrainRunsKm, "the train runs {1} km from that stop row",
     "列車はその駅の行から {1} km 走る"},
    {Msg::kCountFromStopRow, "count the window in km from its stop row, within 0 to {1}",
     "区間は駅の行からの km で、0～{1} の中に書いてください"},
    {Msg::kStopWindowNeverOpens, "its stop window never opens; its km range still does",
     "駅の区間は開かない（キロ範囲は開く）"},
    {Msg::kRangeNeverOpens, "the range never opens", "範囲は開かない"},
    {Msg::kDifferentEnds, "write two different km posts", "異なる 2 つのキロ程を書いてください"},
    {Msg::kKmPostsReach, "the km posts of the run lie from {1} to {2} km",
     "走行のキロ程は {1}～{2} km"},
    {Msg::kRangeInKmPosts, "write the range within the km posts from {1} to {2}",
     "キロ程 {1}～{2} の中に範囲を書いてください"},

    {Msg::kDisableHasNoEffect, "the comment has no effect", "このコメントは効かない"},
    {Msg::kDisableExpected, "remove the code from the comment, or the comment",
     "コメントからそのコードを、またはコメントごと削除してください"},
    {Msg::kUnknownCodeExpected, "write a code as a remark line shows it, such as C301",
     "報告の行に示されたとおりにコードを書いてください（例：C301）"},

    {Msg::kKeysNotRead, "its keys are not read", "そのキーは読まれない"},
    {Msg::kOneSection, "put every key under one {1} section",
     "キーを 1 つの {1} セクションにまとめてください"},
    {Msg::kNameSectionAs, "name the section {1}", "セクション名を {1} にしてください"},
    {Msg::kWriteKeyValue, "write the key as KEY=VALUE, such as DispType=1",
     "キーは KEY=VALUE の形で書いてください（例：DispType=1）"},
    {Msg::kKeysUnder, "move the key under {1}", "キーを {1} の下に移してください"},
    {Msg::kOnlyFirstRead, "only the first one is read", "最初のものだけが読まれる"},
    {Msg::kEachKeyOnce, "delete one of the two: each key once",
     "どちらかを削除してください（各キーは 1 回だけ）"},
    {Msg::kReadsAsMissing, "the key reads as missing", "キーはないものとして読まれる"},
    {Msg::kNearestKey, "write {1}, the nearest known key",
     "似ている既知のキー {1} に直してください"},
    {Msg::kTheDefault, "the default {1}", "既定値 {1}"},
    {Msg::kAnInteger, "write an integer, such as 1", "整数を書いてください（例：1）"},
    {Msg::kReadsAs, "reads as {1}", "{1} と読まれる"},
    {Msg::kListHasRows, "the list has {1} rows", "リストは {1} 行になる"},
    {Msg::kThreeOrFive, "write 3 or 5", "3 か 5 を書いてください"},
    {Msg::kNoCardFound, "no card beacon finds a card", "どのカード地上子でもカードが見つからない"},
    {Msg::kCardListExpected, "write a card list with keys 0 to {1} in [{2}], such as 0=local",
     "[{2}] にキー 0～{1} のカード一覧を書いてください（例：0=local）"},
    {Msg::kEntryNumbers, "number the entries 0 to {1}, without leading zeros",
     "項目の番号は 0～{1} で、先頭に 0 を付けないでください"},
    {Msg::kEntryMissing, "the entry counts as missing: its card codes find no file",
     "この項目はないものとされ、そのカードコードではファイルが見つからない"},
    {Msg::kExistingFolder, "name an existing folder, from the vehicle folder",
     "車両フォルダーから見た、存在するフォルダーを書いてください"},
    {Msg::kCodesFindNoFile, "its card codes find no file",
     "そのカードコードではファイルが見つからない"},
    {Msg::kACardFolder, "name the card folder, not a file in it",
     "中のファイルではなく、カードフォルダーを書いてください"},
    {Msg::kFoundOnlyThere, "found only where that path exists", "そのパスがある環境でのみ見つかる"},
    {Msg::kFolderFromVehicle, "name the folder from the vehicle folder, such as local",
     "車両フォルダーからの相対パスで書いてください（例：local）"},
    {Msg::kNeverLoaded, "its cards are never loaded", "そのカードは読み込まれない"},
    {Msg::kCardNeverLoaded, "the card is never loaded", "このカードは読み込まれない"},
    {Msg::kEntriesUpTo, "use an entry from 0 to {1}", "項目 0～{1} を使ってください"},
    {Msg::kLoadFails, "Load reports failure; no card loads",
     "Load が失敗を返し、カードは読み込まれない"},
    {Msg::kOneCardFolder, "name at least one existing card folder",
     "存在するカードフォルダーを 1 つ以上書いてください"},
    {Msg::kSettingsDefaults, "every setting takes its default", "すべての設定が既定値になる"},
    {Msg::kReadableSettings, "make the settings file readable",
     "設定ファイルを読めるようにしてください"},
    {Msg::kFolderAtReachedEntry, "list the folder under an entry that card codes reach",
     "カードコードが指せる項目にフォルダーを書いてください"},
    {Msg::kNameSuchAs,
     "rename the file as a card code builds it, such as {1} (prefix, number, suffix)",
     "カードコードが作る名前にしてください（例：{1}、接頭記号・番号・接尾記号）"},
    {Msg::kRenameTo, "rename the file {1}, the name a card code builds for it",
     "ファイル名をカードコードが作る {1} にしてください"},
    {Msg::kNameInShiftJis,
     "give the file the same name in Shift_JIS bytes (convmv -f utf8 -t cp932)",
     "ファイル名を同じ名前の Shift_JIS にしてください（convmv -f utf8 -t cp932）"},
    {Msg::kTableEntry, "Entry", "項目"},
    {Msg::kTableFolder, "Folder", "フォルダー"},
    {Msg::kTableCards, "Cards", "カード"},
    {Msg::kTableWithErrors, "With errors", "エラーあり"},
    {Msg::kCardStaysInForce,
     "the module treats it as a card file that is not there: the card in force stays",
     "ないカードファイルとして扱われ、使用中のカードのまま"},
    {Msg::kCardUpTo,
     "keep the card file to at most {1} bytes, or move the file out of the card folder",
     "カードファイルを {1} バイト以下にするか、カードフォルダーの外へ移してください"},
    {Msg::kColumnsMoved, "the columns after the extra comma move by one: column {1} reads \"{2}\"",
     "余分なコンマの後ろの列が 1 列ずれ、列 {1} は \"{2}\" と読まれる"},
    {Msg::kDigitPlaceShows, "the display shows picture {1} in a place of the digits",
     "数字の桁に画像 {1} が表示される"},
    {Msg::kStaysAtFirstRow, "the display stays at this row for the whole run",
     "表示は運転中ずっとこの行のまま"},
    {Msg::kZeroInFirstRow, "write 0 in column {1} of the first stop row",
     "最初の駅の行の列 {1} に 0 を書いてください"},
    {Msg::kReadAsShiftJisText, "read as Shift_JIS, Japanese text garbles",
     "Shift_JIS として読まれ、日本語が文字化けする"},
    {Msg::kSettingsInShiftJis, "save the file in Shift_JIS (code page 932)",
     "ファイルを Shift_JIS（コードページ 932）で保存してください"},
    {Msg::kLineJoins, "line {1} joins this one and is not read",
     "{1} 行目はこの行につながり、読まれない"},
    {Msg::kVehiclePathBytes,
     "the path is {1} bytes long: the module reads neither settings file and no card loads",
     "パスは {1} バイトで、モジュールはどちらの設定ファイルも読まず、カードは読み込まれない"},
    {Msg::kPathAtMost, "move the vehicle to a folder whose path is at most {1} bytes long",
     "パスが {1} バイト以下のフォルダーに車両を移してください"},
    {Msg::kLooksForFolder, "the module looks for the folder \"{1}\", which does not exist",
     "モジュールは存在しないフォルダー \"{1}\" を探す"},
    {Msg::kCardsNotChecked, "its cards are not checked", "カードは検査されない"},
    {Msg::kReadableCardFolder, "make the card folder readable",
     "カードフォルダーを読めるようにしてください"},

    {Msg::kHostUsage,
     "usage: ruvahost [options] VEHICLE_FOLDER SCENARIO\n"
     "       ruvahost [options] --card CARD VEHICLE_FOLDER\n"
     "       ruvahost --diff TRACE_A TRACE_B\n"
     "Runs the module as if it sat in VEHICLE_FOLDER (which is left untouched) and plays\n"
     "the scenario script SCENARIO.\n"
     "  --card CARD     play instead the drive of the card file CARD from its first stop to\n"
     "                  its last, the script that ruvacard scenario writes\n"
     "  --module FILE   the built module (default: the one built with ruvahost)\n"
     "  --step MS       frame step in milliseconds (default 16)\n"
     "  --trace FILE    write every panel or sound change per frame as CSV\n"
     "  --html FILE     write the whole run as one page to scrub through, frame by frame\n"
     "  --compare TRACE with --html: put the run of TRACE (a file that --trace wrote) beside\n"
     "                  this one on the page, frame by frame, and mark where they differ\n"
     "  --diff A B      print the first frames in which the traces A and B differ: exit\n"
     "                  status 0 when they never differ, 1 when they do, 2 for bad input\n"
     "  --out FOLDER    where snapshot pictures go (default: the current folder)\n"
     "  --keep-going    play the whole script past failed expectations and list them all\n"
     "                  (--html does this too)\n"
     "  --quiet         do not print what show prints, notes, and what card beacons load\n"
     "  --lang ja|en    the language of the messages (default: from LC_ALL, LC_MESSAGES, LANG)\n"
     "Exit status: 0 every expectation held, 1 an expectation failed, 2 bad input.\n",
     "使い方: ruvahost [オプション] 車両フォルダー シナリオ\n"
     "        ruvahost [オプション] --card カード 車両フォルダー\n"
     "        ruvahost --diff トレースA トレースB\n"
     "モジュールを車両フォルダーに置かれたものとして動かし（フォルダーは変更しません）、\n"
     "シナリオスクリプトを再生します。\n"
     "  --card カード      シナリオの代わりに、カードファイルを最初の駅から最後の駅まで\n"
     "                     走らせる（ruvacard scenario が書くスクリプト）\n"
     "  --module ファイル  ビルドしたモジュール（既定：ruvahost と一緒にビルドしたもの）\n"
     "  --step ミリ秒      フレームの刻み（既定 16）\n"
     "  --trace ファイル   フレームごとのパネルと音の変化を CSV で書き出す\n"
     "  --html ファイル    走行全体をフレーム単位でたどれる 1 枚のページに書き出す\n"
     "  --compare トレース --html と併用：トレース（--trace が書いたファイル）の走行を\n"
     "                     ページ上でこの走行とフレームごとに並べ、異なる所に印を付ける\n"
     "  --diff A B         トレース A と B が異なる最初のフレームを示す。終了ステータスは\n"
     "                     0 相違なし、1 相違あり、2 入力の誤り\n"
     "  --out フォルダー   スナップショット画像の出力先（既定：現在のフォルダー）\n"
     "  --keep-going       期待値が外れてもスクリプトを最後まで再生し、外れをすべて示す\n"
     "                     （--html でも同じ）\n"
     "  --quiet            show の出力、注記、カード地上子で読み込んだカードを表示しない\n"
     "  --lang ja|en       メッセージの言語（既定：LC_ALL、LC_MESSAGES、LANG による）\n"
     "終了ステータス: 0 すべての期待値どおり、1 期待値が外れた、2 入力の誤り\n"},
    {Msg::kNeedsValue, "{1} needs a value", "{1} には値が必要です"},
    {Msg::kBadStep, "bad --step '{1}': expected milliseconds from 1 to 60000",
     "--step '{1}' が不正です：1～60000 のミリ秒を指定してください"},
    {Msg::kExpectedVehicleAndScenario, "expected a vehicle folder and a scenario file",
     "車両フォルダーとシナリオファイルを指定してください"},
    {Msg::kScenarioNotFound, "scenario not found: {1}", "シナリオが見つかりません: {1}"},
    {Msg::kCannotLoadModule, "cannot load the module {1}: {2}",
     "モジュール {1} を読み込めません: {2}"},
    {Msg::kDoesNotExport, "{1} does not export {2}", "{1} は {2} をエクスポートしていません"},
    {Msg::kCannotWriteTrace, "cannot write the trace {1}", "トレース {1} を書き込めません"},
    {Msg::kCannotWritePage, "cannot write the page {1}", "ページ {1} を書き込めません"},
    {Msg::kReplayTitle, "{1} in {2}: ruvahost replay", "{2} の {1}：ruvahost 再生"},
    {Msg::kExpectationsFailed, "{1} of {2} expectations failed",
     "期待値 {2} 件中 {1} 件が外れました"},
    {Msg::kFramesOverLimit, "this would run {1} frames; the limit is {2}",
     "{1} フレームを動かすことになり、上限の {2} を超える"},
    {Msg::kHostTimePastLimit, "the host time runs past 2147483647 ms",
     "ホストの時刻が 2147483647 ms を超える"},
    {Msg::kExpectedGot, "expected {1} {2} = {3}, got {4} (frame {5})",
     "{1} {2} は {3} のはずが {4}（フレーム {5}）"},
    {Msg::kPanelWord, "panel", "パネル"},
    {Msg::kSoundWord, "sound", "サウンド"},
    {Msg::kStandstillDistance, "cannot cover a distance from standstill to standstill",
     "停止から停止までの距離は走れない"},
    {Msg::kZeroSpeedDistance, "cannot drive a distance at a speed of 0 km/h: set a speed first",
     "速度 0 km/h では距離を走れない：先に速度を設定してください"},
    {Msg::kCannotWrite, "cannot write {1}", "{1} を書き込めません"},
    {Msg::kModuleNotFound, "module not found: {1}", "モジュールが見つかりません: {1}"},
    {Msg::kCannotCreateTemporary, "cannot create a temporary folder", "一時フォルダーを作れません"},
    {Msg::kCannotCopyModule, "cannot copy the module into {1}: {2}",
     "モジュールを {1} にコピーできません: {2}"},
    {Msg::kCannotMirror, "cannot mirror {1} into {2}", "{1} を {2} に写せません"},
    {Msg::kCannotReadVehicle, "cannot read the vehicle folder {1}: {2}",
     "車両フォルダー {1} を読めません: {2}"},
    {Msg::kCardLoadPrefix, "card {1}: ", "カード {1}: "},
    {Msg::kCardLoadStops, "{1}, {2}", "{1}、{2}"},
    {Msg::kCardLoadNoStops, "{1} has no stops: the display runs without a card",
     "{1} には駅がない：表示はカードなしで動く"},
    {Msg::kCardLoadNoFile, "no file {1}", "ファイル {1} がない"},
    {Msg::kCardLoadFolderNotListed,
     " (card folder {1} is not in RUVA_ICCard.ini, or its folder does not exist)",
     "（カードフォルダー {1} が RUVA_ICCard.ini にないか、そのフォルダーがない）"},
    {Msg::kCardLoadNothingBefore,
     "; no card with stops was read before: the display runs without a card",
     "。駅のあるカードはまだ読み込まれていない：表示はカードなしで動く"},
    {Msg::kCardLoadStays, "; {1} stays, from its first stop ({2})",
     "。{1} のまま、最初の駅から（{2}）"},
    {Msg::kOneStop, "1 stop", "1 駅"},
    {Msg::kStops, "{1} stops", "{1} 駅"},
    {Msg::kLabelFrame, "frame", "フレーム"},
    {Msg::kLabelHostTime, "host time", "ホスト時刻"},
    {Msg::kLabelSpeed, "speed", "速度"},
    {Msg::kLabelRun, "run", "走行距離"},
    {Msg::kLabelLegacyLayout, "legacy layout", "旧レイアウト"},
    {Msg::kLabelStandardLayout, "standard layout", "標準レイアウト"},
    {Msg::kLabelFiveRowList, "five-row list", "5 行リスト"},
    {Msg::kLabelSevenRowList, "seven-row list", "7 行リスト"},
    {Msg::kLabelUnitLamps, "unit lamps", "ユニット表示灯"},
    {Msg::kListSeparator, ", ", "、"},
    {Msg::kShowClock, "Clock", "時計"},
    {Msg::kShowSpeed, "Speed", "速度"},
    {Msg::kShowKmPost, "Km post", "キロ程"},
    {Msg::kShowModeLamp, "Mode lamp", "モード表示灯"},
    {Msg::kOn, "on", "点灯"},
    {Msg::kOff, "off", "消灯"},
    {Msg::kShowTrain, "Train", "列車番号"},
    {Msg::kShowNumberParts, "(prefix {1}, digits{2}, suffix {3})",
     "（接頭 {1}、数字{2}、接尾 {3}）"},
    {Msg::kShowSecondTrain, "2nd train", "第 2 列車"},
    {Msg::kShowTimes, "times", "時刻"},
    {Msg::kShowProgress, "Progress", "進行"},
    {Msg::kShowCode, "code", "コード"},
    {Msg::kShowCues, "Cues: panel {1} = {2}, {3} = {4}, {5} = {6}",
     "合図: パネル {1} = {2}、{3} = {4}、{5} = {6}"},
    {Msg::kShowMarkerLamp, "Marker lamp", "標識灯"},
    {Msg::kShowStopByte, "Stop byte", "駅バイト"},
    {Msg::kShowHeader, "Header", "ヘッダー"},
    {Msg::kShowByte, "byte", "バイト"},
    {Msg::kShowNumber, "number", "番号"},
    {Msg::kShowNextStop, "Next stop", "次停車駅"},
    {Msg::kShowAttr, "attr", "属性"},
    {Msg::kShowNo, "no.", "番線"},
    {Msg::kShowCardRow, "card row", "カード行"},
    {Msg::kShowDest, "Dest", "行先"},
    {Msg::kShowInfo, "Info", "案内"},
    {Msg::kShowIndex, "index", "案内番号"},
    {Msg::kShowRow, "Row", "行"},
    {Msg::kShowAttrTitle, "Attr", "属性"},
    {Msg::kShowTime1, "Time 1", "時刻 1"},
    {Msg::kShowTime2, "Time 2", "時刻 2"},
    {Msg::kShowGap, "Gap", "間隔"},
    {Msg::kShowNoTitle, "No.", "番線"},
    {Msg::kShowCardStop, "Card stop", "カードの駅"},
    {Msg::kShowLast, "last", "終着駅"},
    {Msg::kShowUnits, "Units", "ユニット"},
    {Msg::kShowUnitKey, "(P powering, B braking, . idle)", "（P 力行、B 制動、. 惰行）"},
    {Msg::kShowSounds, "Sounds", "サウンド"},
    {Msg::kShowStarted, "Started", "鳴動開始"},
    {Msg::kShowNone, "none", "なし"},
    {Msg::kSvgKmPost, "km post", "キロ程"},
    {Msg::kSvgMode, "mode", "モード"},
    {Msg::kSvgRow, "row", "行"},
    {Msg::kSvgTime1, "time 1", "時刻 1"},
    {Msg::kSvgTime2, "time 2", "時刻 2"},
    {Msg::kSvgGap, "gap", "間隔"},
    {Msg::kSvgCardStop, "card stop", "カードの駅"},
    {Msg::kSvgProgress, "progress {1}   cues {2}={3} {4}={5} {6}={7}",
     "進行 {1}   合図 {2}={3} {4}={5} {6}={7}"},
    {Msg::kSvgUnits, "units", "ユニット"},
    {Msg::kSvgSoundsStarted, "sounds started:", "鳴動開始:"},
    {Msg::kPageOneFrameBack, "one frame back (←)", "1 フレーム戻る (←)"},
    {Msg::kPagePlayOrPause, "play or pause (space)", "再生・一時停止 (スペース)"},
    {Msg::kPagePlay, "play", "再生"},
    {Msg::kPagePause, "pause", "一時停止"},
    {Msg::kPageOneFrameOn, "one frame on (→)", "1 フレーム進む (→)"},
    {Msg::kPagePlayingSpeed, "playing speed", "再生速度"},
    {Msg::kPageHint, "← → one frame, space plays; the address names the frame shown",
     "← → で 1 フレーム、スペースで再生。アドレスは表示中のフレームを指す"},
    {Msg::kPageFilter, "filter: index, value or meaning", "絞り込み: 番号、値、意味"},
    {Msg::kPageArray, "array", "配列"},
    {Msg::kPageIndex, "index", "番号"},
    {Msg::kPageValue, "value", "値"},
    {Msg::kPageMeaning, "meaning", "意味"},
    {Msg::kPageStartedInFrame, "sounds started in this frame:", "このフレームで鳴り始めた音:"},
    {Msg::kPageFrames, "frames", "フレーム"},
    {Msg::kPageStop, "stop", "駅"},
    {Msg::kPageBeacon, "beacon", "地上子"},
    {Msg::kPageExpect, "expect", "期待値"},
    {Msg::kMarkerBeacon, "beacon {1} {2}", "地上子 {1} {2}"},
    {Msg::kMarkerLine, "line {1}: {2}", "{1} 行目: {2}"},
    {Msg::kPagePlot, "plot", "グラフ"},
    {Msg::kPagePlotThis, "draw this value over the whole run (again: take the plot away)",
     "この値を走行全体のグラフにする（もう一度押すとグラフを消す）"},
    {Msg::kPagePlotHint,
     "wheel or + − zoom, drag moves, a click shows that frame; the address names the plots",
     "ホイールか + − で拡大・縮小、ドラッグで移動、クリックでそのフレームを表示。"
     "アドレスはグラフも指す"},
    {Msg::kPageZoomIn, "zoom in (+)", "拡大 (+)"},
    {Msg::kPageZoomOut, "zoom out (−)", "縮小 (−)"},
    {Msg::kPageWholeRun, "whole run", "走行全体"},
    {Msg::kPageClosePlot, "take this plot away", "このグラフを消す"},
    {Msg::kPageIdle, "idle", "惰行"},
    {Msg::kPagePowering, "powering", "力行"},
    {Msg::kPageBraking, "braking", "制動"},
    {Msg::kPageSoundOff, "off", "停止"},
    {Msg::kPageSoundOn, "on", "鳴動"},
    {Msg::kPageSoundStart, "start", "鳴動開始"},
    {Msg::kPageSoundKeep, "keep", "そのまま"},
    {Msg::kPageOtherRun, "in {1}", "{1} では"},
    {Msg::kPageFirstDifference, "first difference from {1}: frame {2}",
     "{1} との最初の相違: フレーム {2}"},
    {Msg::kPageNoDifference, "no frame differs from {1}", "{1} と異なるフレームはありません"},
    {Msg::kPageDifferingFrames, "frames that differ from {1}", "{1} と異なるフレーム"},
    {Msg::kCompareNeedsHtml, "--compare puts a trace beside the run on the page: add --html FILE",
     "--compare はトレースをページの走行と並べて示す：--html ファイル も指定してください"},
    {Msg::kDiffTakesTwo, "--diff takes two trace files: ruvahost --diff A.csv B.csv",
     "--diff にはトレースファイルを 2 つ指定してください：ruvahost --diff A.csv B.csv"},
    {Msg::kCannotReadTrace, "cannot read the trace {1}", "トレース {1} を読めません"},
    {Msg::kTraceBadHeader,
     "{1}:1:1: not a trace: its first line must be frame,time_ms,kind,index,value; nothing is "
     "compared; give a file that ruvahost --trace wrote",
     "{1}:1:1: トレースではない：1 行目は frame,time_ms,kind,index,value のはず。何も比べない。"
     "ruvahost --trace が書いたファイルを指定してください"},
    {Msg::kTraceBadRow,
     "{1}:{2}:{3}: not a trace row: expected frame,time_ms,kind (panel, sound or note),index "
     "(0 to 255),value, each a whole number; nothing is compared; write the trace again with "
     "ruvahost --trace",
     "{1}:{2}:{3}: トレースの行ではない：frame,time_ms,kind（panel、sound、note）,index（0～255）,"
     "value（いずれも整数）のはず。何も比べない。ruvahost --trace でトレースを書き直してください"},
    {Msg::kTraceFrameBack,
     "{1}:{2}:1: frame {3} after frame {4}: the frames of a trace only go on; nothing is "
     "compared; write the trace again with ruvahost --trace",
     "{1}:{2}:1: フレーム {4} の後にフレーム {3}：トレースのフレームは増える一方のはず。"
     "何も比べない。"
     "ruvahost --trace でトレースを書き直してください"},
    {Msg::kDiffSame, "{1} and {2}: every frame holds the same panel and sound values",
     "{1} と {2}: すべてのフレームでパネルとサウンドの値が同じ"},
    {Msg::kDiffSpans,
     "{1} / {2}: {3} spans of frames differ; the first {4}, with the values at the first "
     "frame of each:",
     "{1} / {2}: {3} か所のフレームの範囲で異なる。"
     "最初の {4} か所と、それぞれの最初のフレームの値:"},
    {Msg::kDiffFrame, "frame {1}:", "フレーム {1}:"},
    {Msg::kDiffFrames, "frames {1} to {2}:", "フレーム {1}～{2}:"},
    {Msg::kDiffFromFrameOn, "frame {1} to the end:", "フレーム {1} から最後まで:"},
    {Msg::kDiffMore, "{1} more", "ほか {1} 個"},
    {Msg::kScnBadStep, "bad frame step: expected 'step MS' with MS from 1 to 60000",
     "フレームの刻みが不正：'step MS'（MS は 1～60000）と書く"},
    {Msg::kScnBadTime, "bad time: expected 'time HH:MM:SS' or 'time MS'",
     "時刻が不正：'time HH:MM:SS' または 'time MS' と書く"},
    {Msg::kScnBadSpeedUnit, "bad speed unit '{1}': use km/h",
     "速度の単位 '{1}' が不正：km/h を使う"},
    {Msg::kScnBadSpeed, "bad speed: expected 'speed KMH'", "速度が不正：'speed KMH' と書く"},
    {Msg::kScnRampUsage, "expected '{1} to KMH over DISTANCE m' or '{1} to KMH in DURATION s'",
     "'{1} to KMH over DISTANCE m' または '{1} to KMH in DURATION s' と書く"},
    {Msg::kScnBadSpeedChange, "bad speed change: {1}", "速度の変化が不正：{1}"},
    {Msg::kScnBadDistance, "bad distance: {1}", "距離が不正：{1}"},
    {Msg::kScnBadDuration, "bad duration: {1}", "時間が不正：{1}"},
    {Msg::kScnDriveUsage, "expected 'drive DISTANCE m' or 'drive DISTANCE km'",
     "'drive DISTANCE m' または 'drive DISTANCE km' と書く"},
    {Msg::kScnWaitUntilUsage, "bad time: expected 'wait until HH:MM:SS'",
     "時刻が不正：'wait until HH:MM:SS' と書く"},
    {Msg::kScnBadFrameCount, "bad frame count", "フレーム数が不正"},
    {Msg::kScnWaitUsage, "expected 'wait DURATION s', 'wait DURATION ms' or 'wait N frames'",
     "'wait DURATION s'、'wait DURATION ms' または 'wait N frames' と書く"},
    {Msg::kScnDoorUsage, "expected 'door open' or 'door close'",
     "'door open' または 'door close' と書く"},
    {Msg::kScnBadBeacon, "bad beacon: expected 'beacon TYPE DATA' with two integers",
     "地上子が不正：'beacon TYPE DATA'（整数 2 つ）と書く"},
    {Msg::kScnBadHandle, "bad handle: expected 'handle power|brake|reverser N'",
     "ハンドルが不正：'handle power|brake|reverser N' と書く"},
    {Msg::kScnUnknownHandle, "unknown handle '{1}': use power, brake or reverser",
     "不明なハンドル '{1}'：power、brake、reverser のいずれか"},
    {Msg::kScnBadTraction, "bad traction: expected 'traction VALUE'",
     "traction が不正：'traction VALUE' と書く"},
    {Msg::kScnTakesNothing, "'{1}' takes nothing after it", "'{1}' の後には何も書かない"},
    {Msg::kScnBadInput, "bad input: expected 'input {1} = V' or 'input {2} = V'",
     "input が不正：'input {1} = V' または 'input {2} = V' と書く"},
    {Msg::kScnNotAnInput, "panel {1} is not an input: only {2} and {3} are",
     "パネル {1} は入力ではない：入力は {2} と {3} だけ"},
    {Msg::kScnSnapshotUsage, "expected 'snapshot FILE.svg'", "'snapshot FILE.svg' と書く"},
    {Msg::kScnExpectUsage,
     "expected 'expect panel N = V', 'expect sound N = V' or 'expect panel N-M = V...'",
     "'expect panel N = V'、'expect sound N = V' または 'expect panel N-M = V...' と書く"},
    {Msg::kScnBadExpectation, "bad expectation: {1}", "期待値が不正：{1}"},
    {Msg::kScnUnknownArray, "unknown array '{1}': use panel or sound",
     "不明な配列 '{1}'：panel か sound を使う"},
    {Msg::kScnBadIndex, "bad index '{1}'", "番号 '{1}' が不正"},
    {Msg::kScnBadIndexRange, "bad index range '{1}'", "番号の範囲 '{1}' が不正"},
    {Msg::kScnIndexOutOfRange, "index out of 0..255: '{1}'", "番号が 0..255 の範囲外：'{1}'"},
    {Msg::kScnBadValue, "bad value '{1}'", "値 '{1}' が不正"},
    {Msg::kScnValueCount, "expected {1} values for '{2}', got {3}",
     "'{2}' には値が {1} 個必要だが {3} 個"},
    {Msg::kScnUnknownCommand, "unknown command '{1}'", "不明なコマンド '{1}'"},
    {Msg::kScnSnapshotOutside,
     "snapshot '{1}' would be written outside the --out folder: name a file under it, "
     "without '..' and not from the root",
     "スナップショット '{1}' は --out のフォルダーの外に書かれる：'..' を含まない、"
     "そのフォルダーからの名前にする"},
    {Msg::kScnBeyondFloat,
     "'{1}' does not fit the 32-bit number the host passes (at most about 3.4e38 either way)",
     "'{1}' はホストが渡す 32 ビットの数値に収まらない（正負とも約 3.4e38 まで）"},
    {Msg::kInterrupted, "interrupted: the run stopped here", "中断：ここで再生を止めた"},
    {Msg::kUnexpectedFailure, "stopped by an unexpected failure: {1}",
     "予期しない失敗で止まった: {1}"},
    {Msg::kFormatRow, "Row type", "行種別"},
    {Msg::kFormatColumn, "Column", "列"},
    {Msg::kFormatReadAs, "Read as", "読み方"},
    {Msg::kFormatWhenBad, "When it does not convert", "変換できないとき"},
    {Msg::kFormatHolds, "What to write", "書くもの"},
    {Msg::kFormatRowsAtMost, "{1} (at most {2} rows)", "{1}（{2} 行まで）"},
    {Msg::kFormatRowLast, "{1} (the last row counts)", "{1}（最後の行が有効）"},
    {Msg::kKindText, "text", "文字列"},
    {Msg::kKindInteger, "integer", "整数"},
    {Msg::kKindReal, "real", "実数"},
    {Msg::kKindTime, "time HHMMSS, or {1}; before 01:00:00 counts from 24:00:00",
     "時刻 HHMMSS、または {1}。01:00:00 より前は 24:00:00 からと数える"},
    {Msg::kKindPlainTime, "time HHMMSS, stored as written", "時刻 HHMMSS（書いたとおりに格納）"},
    {Msg::kKindFifth, "integer ÷ {1}; /N stores {2} + N ÷ {1}",
     "整数 ÷ {1}。/N は {2} + N ÷ {1} を格納"},
    {Msg::kKindLowByte, "integer, its low 8 bits", "整数（下位 8 ビット）"},
    {Msg::kKindFlag, "integer: set when not 0", "整数：0 以外なら設定"},
    {Msg::kKindZeroFlag, "integer: set when 0", "整数：0 なら設定"},
    {Msg::kKindStopCode, "text, and the number its digits form", "文字列と、その数字が作る番号"},
    {Msg::kKindStopMark, "integer 0 to {1}; a larger one is recomputed",
     "整数 0～{1}。それより大きい値は計算し直す"},
    {Msg::kKindNotRead, "not read", "読まれない"},
    {Msg::kBadCountsAs, "counts as {1}", "{1} とみなす"},
    {Msg::kViewCardName, "Card name", "カード名"},
    {Msg::kViewHeader, "Header", "ヘッダー"},
    {Msg::kViewHeaderValues, "code {1}, text \"{2}\"", "コード {1}、文字列 \"{2}\""},
    {Msg::kViewTrainNumber, "Train number", "列車番号"},
    {Msg::kViewSecondTrain, "Second train", "第 2 列車番号"},
    {Msg::kViewNote, "Note", "メモ"},
    {Msg::kViewAnnounce, "Announce ({1})", "次駅案内 ({1})"},
    {Msg::kViewInfo, "Info ({1})", "案内 ({1})"},
    {Msg::kViewInfoValues, "{1}, index {2}", "{1}、案内番号 {2}"},
    {Msg::kViewStops, "Stops: {1}", "駅: {1}"},
    {Msg::kViewStopColumns,
     "row  time 1      time 2    run s  no.     A    B  km post  hidden  section km  "
     "cue  c12 c13 c14  c16  km   attr  c21  code        name",
     "行   時刻 1      時刻 2    運転秒 番線    A    B  キロ程   非表示  駅間 km     "
     "合図 c12 c13 c14  c16  キロ 属性  c21  コード      駅名"},
    {Msg::kViewHiddenYes, "yes", "○"},
    {Msg::kViewKmUp, "up", "増"},
    {Msg::kViewKmDown, "down", "減"},
    {Msg::kViewPasses, "↓ (passes)", "↓（通過）"},
    {Msg::kViewEventWindows, "Event windows (row type {1})", "イベント区間（種別 {1} の行）"},
    {Msg::kViewRanges, "Ranges (row type {1})", "範囲（種別 {1} の行）"},
    {Msg::kViewEmptyEntries,
     "(Entries left empty hold zeros; an all-zero entry is not listed, but still takes part.)",
     "（空の項目は 0 を持つ。すべて 0 の項目は表示しないが、処理には加わる）"},
    {Msg::kViewCurrentStop, "== Current stop: row {1} {2}", "== 現在駅: 行 {1} {2}"},
    {Msg::kViewFiveRowList, "Five-row list", "5 行リスト"},
    {Msg::kViewSevenRowList, "Seven-row list", "7 行リスト"},
    {Msg::kViewProgressCode, "Progress code", "進行コード"},
    {Msg::kViewToNextStop, "to the next stop {1} m", "次駅まで {1} m"},
    {Msg::kViewUp, " (up)", "（増加）"},
    {Msg::kViewDown, " (down)", "（減少）"},
    {Msg::kViewFurther, "further", "以遠"},
    {Msg::kViewCardCode, "Card code", "カードコード"},
    {Msg::kViewPrefix, "Prefix", "接頭記号"},
    {Msg::kViewNumber, "Number", "番号"},
    {Msg::kViewSuffix, "Suffix", "接尾記号"},
    {Msg::kViewFileName, "File name", "ファイル名"},
    {Msg::kViewVehicle, "Vehicle", "車両"},
    {Msg::kViewPathTooLong, "folder path too long", "フォルダーのパスが長すぎる"},
    {Msg::kViewCardList, "Card list", "カード一覧"},
    {Msg::kViewNoSuchFolder, " (no such folder: taken as NULL)",
     "（そのフォルダーはない：NULL として扱う）"},
    {Msg::kViewPath, "Path", "パス"},
    {Msg::kViewNotAbsolute, "cannot be made absolute", "絶対パスにできない"},
    {Msg::kViewFound, "Found", "ファイル"},
    {Msg::kViewFoundYes, "yes", "あり"},
    {Msg::kViewFoundNo, "no: the beacon hands back the card read last",
     "なし：地上子は最後に読んだカードを返す"},
    {Msg::kViewExtra, "extra", "番線"},
    {Msg::kViewStartKm, "start km", "開始 km"},
    {Msg::kViewEndKm, "end km", "終了 km"},
    {Msg::kViewType, "type", "種類"},
    {Msg::kViewDistanceKm, "distance km", "距離 km"},
    {Msg::kMeanHour, "{1} hour", "{1}（時）"},
    {Msg::kMeanMinute, "{1} minute", "{1}（分）"},
    {Msg::kMeanSecond, "{1} second", "{1}（秒）"},
    {Msg::kMeanSecondFives, "{1} second / 5", "{1}（秒 / 5）"},
    {Msg::kMeanPrefix, "{1} prefix", "{1}の接頭記号"},
    {Msg::kMeanDigit, "{1} digit {2}", "{1}の数字 {2} 桁目"},
    {Msg::kMeanSuffix, "{1} suffix", "{1}の接尾記号"},
    {Msg::kMeanAttribute, "{1}: attribute", "{1}: 属性"},
    {Msg::kMeanTime, "{1}: time", "{1}: 時刻"},
    {Msg::kMeanNumber, "{1}: number", "{1}: 番号"},
    {Msg::kMeanTime1, "{1}: time 1", "{1}: 時刻 1"},
    {Msg::kMeanTime2, "{1}: time 2", "{1}: 時刻 2"},
    {Msg::kMeanGap, "{1}: gap", "{1}: 間隔"},
    {Msg::kMeanValueA, "{1}: value A", "{1}: 値 A"},
    {Msg::kMeanValueB, "{1}: value B", "{1}: 値 B"},
    {Msg::kMeanClockHours, "clock hours", "時計（時）"},
    {Msg::kMeanClockMinutes, "clock minutes", "時計（分）"},
    {Msg::kMeanClockSeconds, "clock seconds", "時計（秒）"},
    {Msg::kMeanSpeedHundreds, "speed hundreds digit", "速度の百の位"},
    {Msg::kMeanSpeedTens, "speed tens digit", "速度の十の位"},
    {Msg::kMeanSpeedOnes, "speed ones digit", "速度の一の位"},
    {Msg::kMeanModeLamp, "mode lamp", "モード表示灯"},
    {Msg::kMeanKmWhole, "km post: whole km", "キロ程: km の位"},
    {Msg::kMeanKmHundreds, "km post: hundreds of metres", "キロ程: 100 m の位"},
    {Msg::kMeanProgressCode, "progress code", "進行コード"},
    {Msg::kMeanCueVariant, "cue variant (type 0)", "合図の種類（種別 0）"},
    {Msg::kMeanCueKind, "cue kind (types 2, 3)", "合図の区別（種別 2、3）"},
    {Msg::kMeanCueSum, "cue variants summed", "合図の種類の合計"},
    {Msg::kMeanTrainNumber, "train number", "列車番号"},
    {Msg::kMeanSecondNumber, "second train number", "第 2 列車番号"},
    {Msg::kMeanSecondTime1, "second train time 1", "第 2 列車の時刻 1"},
    {Msg::kMeanSecondTime2, "second train time 2", "第 2 列車の時刻 2"},
    {Msg::kMeanStopByte, "current stop's card byte", "現在駅のカードのバイト"},
    {Msg::kMeanMarkerLamp, "marker lamp", "標識灯"},
    {Msg::kMeanHeaderByte, "card header byte", "カードのヘッダーのバイト"},
    {Msg::kMeanHeaderNumber, "card header number", "カードのヘッダーの番号"},
    {Msg::kMeanNextStop, "next stop", "次停車駅"},
    {Msg::kMeanDest, "dest", "行先"},
    {Msg::kMeanInfo, "info", "案内"},
    {Msg::kMeanInfoIndex, "info: index", "案内: 番号"},
    {Msg::kMeanRow, "row {1}", "行 {1}"},
    {Msg::kMeanLastStop, "last stop", "最後の駅"},
    {Msg::kMeanUnitLamp, "unit {1} lamp", "ユニット {1} 表示灯"},
    {Msg::kSoundArrival1, "arrival cue 1", "到着の合図 1"},
    {Msg::kSoundArrival2, "arrival cue 2", "到着の合図 2"},
    {Msg::kSoundBrakeTone, "brake tone", "ブレーキ音"},
    {Msg::kSoundType0, "type-0 event cue", "種別 0 のイベントの合図"},
    {Msg::kSoundType1, "type-1 event cue", "種別 1 のイベントの合図"},
    {Msg::kSoundType23, "type-2/3 event cue", "種別 2/3 のイベントの合図"},
    {Msg::kSoundRangeStop, "range stop cue", "範囲の停車の合図"},
    {Msg::kSoundKmRange, "km range cue", "キロ程範囲の合図"},
    {Msg::kSoundBlankScreen, "blank-screen tone", "画面消去の音"},
    {Msg::kSoundNearPoint, "near-point cue", "接近点の合図"},

    {Msg::kDriveHeader,
     "Drives {1} (train {2}) from its first stop row to its last, as a driver would.\n"
     "Written by ruvacard scenario; play it with: ruvahost VEHICLE_FOLDER THIS_SCRIPT\n"
     "The train speeds up at {3} km/h/s and brakes at {4} km/h/s; each run goes at the\n"
     "speed, from {5} to {6} km/h, that brings it to a stand at the card's arrival time.\n"
     "It stands {7} m short of each stop, {8} m more for each row passed on the way, so\n"
     "that the doors, not running past, make the stop the current one. Host times after\n"
     "midnight count on past 24:00: 24:05:00 is 00:05:00 of the next day.",
     "{1}（列車番号 {2}）を、運転士が運転するように最初の駅の行から最後の行まで走らせます。\n"
     "ruvacard scenario が書いたスクリプトです。再生: ruvahost 車両フォルダー このスクリプト\n"
     "加速は {3} km/h/s、減速は {4} km/h/s。各駅間は、カードの着時刻に停車するよう\n"
     "{5}～{6} km/h の速度で走ります。\n"
     "停車位置は各駅の {7} m 手前（途中で通過する行ごとにさらに {8} m 手前）で、駅を\n"
     "現在駅にするのは行き過ぎではなくドアの開扉です。午前 0 時を過ぎたホスト時刻は\n"
     "24:00 から数え続けて書きます（24:05:00 は翌日の 00:05:00）。"},
    {Msg::kDriveRow, "row {1} {2}", "駅の行 {1} {2}"},
    {Msg::kDriveFirstRow,
     "{1}: the train stands with its doors open; the card beacon loads the card, code {2}",
     "{1}：ドアを開けて停車中。カード地上子でカードを読み込む（コード {2}）"},
    {Msg::kDriveLeg,
     "{1} to {2}: {3} m at {4} km/h, stands at {5} (the card: arrives {6}, departs {7})",
     "{1} から {2}：{3} m を {4} km/h で走り、{5} に停車（カード：{6} 着、{7} 発）"},
    {Msg::kDriveNoRun, "{1} to {2}: {3} m, too short to run; the doors close and open again",
     "{1} から {2}：{3} m で走る距離がない。ドアを閉めて、もう一度開ける"},
    {Msg::kDriveNoDeparture, "{1}: the card gives no departure time; stands {2} s",
     "{1}：カードに発時刻がない。{2} 秒停車する"},
    {Msg::kDriveLate, "{1}: stands past the departure time {2}; leaves after {3} s",
     "{1}：発時刻 {2} を過ぎて停車。{3} 秒後に発車する"},
    {Msg::kDriveNoteFirst, "{1}: card {2} loaded, departs {3}",
     "{1}：カード {2} を読み込み、{3} 発"},
    {Msg::kDriveNoteStand, "{1}: stands (the card: arrives {2}, departs {3})",
     "{1}：停車（カード：{2} 着、{3} 発）"},
    {Msg::kDriveNoteLast, "{1}: stands at the last stop (the card: arrives {2})",
     "{1}：終着（カード：{2} 着）"},
    {Msg::kDriveNotePass, "{1}: passes", "{1}：通過"},
    {Msg::kDriveNoteHidden, "{1}: a hidden timing point, driven over",
     "{1}：リストに載らない行（9 列）、そのまま走り過ぎる"},
    {Msg::kDriveNoStops,
     "{1}: no stop rows, nothing to drive (a card beacon for this card leaves card mode; give "
     "the card one row of type 7 per stop)",
     "{1}：駅の行がなく、走らせるものがない（このカードのカード地上子ではカードモードから外れる。"
     "1 駅につき 1 行、種別 7 の行を書く）"},
    {Msg::kDriveNoCode,
     "{1}: no card code selects this file, so no card beacon loads it (a card beacon builds "
     "prefix, number, suffix and .csv, such as 回1234A.csv in card folder 0 or 1001234A.csv in "
     "card folder 1; ruvacard code shows the name a code builds)",
     "{1}：このファイルを選ぶカードコードがなく、どのカード地上子も読み込まない（カード地上子は"
     "接頭記号、番号、接尾記号、.csv で名前を作る。例：カードフォルダー 0 の 回1234A.csv、"
     "カードフォルダー 1 の 1001234A.csv。コードが作る名前は ruvacard code で確かめられる）"},
    {Msg::kDriveFolderNotListed,
     "{1}: card code {2} looks in card folder {3}, which RUVA_ICCard.ini of {4} does not name, or "
     "whose folder does not exist (the card beacon finds no card; name the card's folder as "
     "entry {3}, or give the vehicle folder the card belongs to)",
     "{1}：カードコード {2} はカードフォルダー {3} を探すが、{4} の RUVA_ICCard.ini がその項目を"
     "書いていないか、そのフォルダーがない（カード地上子はカードを見つけられない。カードの"
     "フォルダーを項目 {3} に書くか、カードが属する車両フォルダーを指定する）"},
    {Msg::kDriveElsewhere,
     "{1}: card code {2} makes the module read {3} in {4}, not this file (the card beacon loads "
     "that one if it exists; put the card there, or give the vehicle folder the card belongs to)",
     "{1}：カードコード {2} でモジュールが読むのは {4} の {3} で、このファイルではない（カード"
     "地上子はそちらがあればそちらを読み込む。カードをそこに置くか、カードが属する車両"
     "フォルダーを指定する）"},
    {Msg::kDriveVehiclePathTooLong,
     "{1}: the path of the vehicle folder {2} is too long for the module",
     "{1}：車両フォルダー {2} のパスがモジュールには長すぎる"},
    {Msg::kCannotWriteFile, "cannot write {1}", "{1} を書き込めません"},
    {Msg::kExpectedVehicleForCard, "with --card, expected one vehicle folder",
     "--card のときは車両フォルダーを 1 つ指定してください"},
    {Msg::kWaitUntilPast, "wait until {1} has passed: the host time is already {2}",
     "wait until {1} はもう過ぎている：ホスト時刻はすでに {2}"},
    {Msg::kWaitUntilNextDay, "; for {1} of the next day write {2}", "。翌日の {1} なら {2} と書く"},

    {Msg::kDriveCheckMeanwhile, "from {1} to this stop the display is at {2}",
     "{1}からこの駅まで、表示は{2}"},
    {Msg::kDriveCheckBehind, "the display is still at {1}", "表示はまだ{1}のまま"},
    {Msg::kDriveCheckStays, "the display stays at {1}", "表示は{1}で止まったまま"},
    {Msg::kDriveCheckNoStop, "the display shows no stop of the card", "表示にカードの駅が出ない"},
    {Msg::kDriveCheckShowsBlank, "shows {1}: hour 24 is the display's blank hour",
     "{1}と表示される（24 時は表示の空欄）"},
    {Msg::kDriveCheckNeverShown, "no place of the display shows it during the drive",
     "運転中、表示のどこにも出ない"},
    {Msg::kDriveCheckCueNever, "it never sounds while the display is at {1}",
     "表示が{1}のあいだ一度も鳴らない"},
    {Msg::kDriveCheckCueFewer, "it sounds for {1} of the {2} rows of {3}",
     "{3}の {2} 行のうち {1} 行分しか鳴らない"},
    {Msg::kDriveCheckKmNever, "it never sounds with the km post from {1} to {2} km",
     "キロ程 {1}～{2} km のあいだ一度も鳴らない"},
    {Msg::kDriveCheckRunHint,
     "check the hidden flags (column {1}) and the section lengths (column {2}) of the rows "
     "before it, such as 0 and 1.8",
     "それより前の行の非表示（{1} 列）と駅間の長さ（{2} 列、例 0 と 1.8）を確かめてください"},
    {Msg::kDriveCheckTimeHint, "give the stop a time from 01:00:00 on, whose hour the display shows",
     "時も表示される 01:00:00 以降の時刻にしてください"},
    {Msg::kDriveCheckListedHint,
     "move the time to a stop that the lists reach (ruvacard preview shows them)",
     "リストに載る駅（ruvacard preview で確かめられます）に時刻を書いてください"},
    {Msg::kDriveCheckEventHint,
     "write a stop row (column {1}), points (columns {2} and {3}) and type (column {4}) whose "
     "window the run opens",
     "運転中に区間が開くよう、駅の行（{1} 列）、地点（{2} 列と {3} 列）、種類（{4} 列）を直してください"},
    {Msg::kDriveCheckRangeHint,
     "write a stop row (column {1}), km range (columns {2} and {3}) and distance (column {4}) "
     "that the run reaches",
     "運転中に届くよう、駅の行（{1} 列）、キロ程の範囲（{2} 列と {3} 列）、距離（{4} 列）を直してください"},
    {Msg::kDriveCheckOption, "--drive is an option of vehicle",
     "--drive は vehicle のオプションです"},
    {Msg::kFixNeedsFiles, "fix needs at least one card file or card folder",
     "fix にはカードファイルかカードフォルダーを 1 つ以上指定してください"},
    {Msg::kFixedSafe, "fixed",
     "修正"},
    {Msg::kFixedSuggested, "fixed as suggested",
     "推測で修正"},
    {Msg::kFixRenamed, "{1}: renamed to {2}, in the Shift_JIS bytes that a card code builds",
     "{1}: 名前をカードコードが作る Shift_JIS の {2} に変更"},
    {Msg::kFixKeptAs, "{1}: the original is kept as {2}",
     "{1}: 元のファイルを {2} として残しました"},
    {Msg::kFixWouldAddRemarks, "{1}: left as it was: the fixes would leave {2} remarks where there are {3}",
     "{1}: 変更しません（修正すると指摘が {3} 件から {2} 件に増えるため）"},
    {Msg::kFixSuggestionsLeft, "{1}: {2} suggested fixes not applied: see them with --diff --unsafe-fixes, apply them with --unsafe-fixes",
     "{1}: 推測による修正 {2} 件は適用していません（--diff --unsafe-fixes で確認、--unsafe-fixes で適用）"},
    {Msg::kFixNameTaken, "{1}: cannot rename to {2}: a file of that name is there; the file is left as it was",
     "{1}: {2} に名前を変更できません（同じ名前のファイルがあります）。ファイルは元のままです"},
    {Msg::kFixNoCardFiles, "{1}: no card file (*.csv) in this folder",
     "{1}: このフォルダーにカードファイル（*.csv）がありません"},
    {Msg::kReadFailed, "{1}: cannot read it; nothing was changed",
     "{1}: 読めません。何も変更していません"},
    {Msg::kWriteFailed, "{1}: cannot write it ({2}); the file is left as it was",
     "{1}: 書き込めません（{2}）。ファイルは元のままです"},
    {Msg::kExportNotShiftJis, "{1}:{2}:{3}: not Shift_JIS text (a byte order mark, or text saved in UTF-8): a table could not give the card back as it is; run ruvacard fix on it first",
     "{1}:{2}:{3}: Shift_JIS の文字列ではありません（バイト順マーク、または UTF-8 で保存された文字列）。表からカードを元どおりに戻せないため、先に ruvacard fix で直してください"},
    {Msg::kImportNeedsTable, "import needs one table (a CSV file)",
     "import には表（CSV ファイル）を 1 つ指定してください"},
    {Msg::kWouldOverwriteInput, "{1} would write over {2}, the file it reads; name another file with -o",
     "{1} が読み込むファイル {2} を上書きしてしまいます。-o で別のファイルを指定してください"},
    {Msg::kImportNoRowType, "{1}:1: the header row has no column \"{2}\"; begin the table with the header row that ruvacard export writes",
     "{1}:1: 見出し行に「{2}」の列がありません。表の最初に ruvacard export が書く見出し行を置いてください"},
    {Msg::kImportExtraColumn, "{1}:1:{2}: \"{3}\" is no column of a card; the column is left out",
     "{1}:1:{2}: 「{3}」はカードの列ではありません。この列は読みません"},
    {Msg::kImportRepeatedColumn, "{1}:1:{2}: the column \"{3}\" stands twice; the first is read",
     "{1}:1:{2}: 列「{3}」が 2 回あります。最初の列を読みます"},
    {Msg::kImportOtherRowsColumn, "{1}:{2}:{3}: \"{4}\" is no column of row type {5}; the value is left out",
     "{1}:{2}:{3}: 「{4}」は行種別 {5} の列ではありません。この値は読みません"},
    {Msg::kImportNoRow, "{1}:{2}:{3}: the row has no row type; its other values are left out",
     "{1}:{2}:{3}: 行種別のない行です。ほかの値は読みません"},
    {Msg::kImportBadCount, "{1}:{2}:{3}: \"{4}\" is no number of columns; the row gets the columns of its row type",
     "{1}:{2}:{3}: 「{4}」は列数ではありません。行種別の列をすべて書きます"},
    {Msg::kImportNotEncodable, "{1}:{2}:{3}: the character {4} ({5}) in column \"{6}\" has no Shift_JIS code; no card is written: write another character there",
     "{1}:{2}:{3}: 列「{6}」の文字 {4}（{5}）は Shift_JIS にありません。カードは書き出しません。別の文字にしてください"},
    {Msg::kImportNotUtf8, "{1}:{2}:{3}: the table is not UTF-8 text; no card is written: save the table as UTF-8 CSV",
     "{1}:{2}:{3}: 表が UTF-8 の文字列ではありません。カードは書き出しません。表を UTF-8 の CSV で保存してください"},
    {Msg::kImportOpenQuote, "{1}:{2}: a quoted field is not closed; no card is written: close it with a quote mark",
     "{1}:{2}: 引用符で始まる値が閉じていません。カードは書き出しません。引用符で閉じてください"},
};

static_assert(std::size(kCatalogue) == static_cast<std::size_t>(Msg::kCount),
              "one catalogue entry per message id");

constexpr bool catalogueIsWhole() {
  for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
    const MessageText& text = kCatalogue[i];
    if (static_cast<std::size_t>(text.id) != i || !saidInBoth(text.english, text.japanese)) {
      return false;
    }
  }
  return true;
}
static_assert(catalogueIsWhole(),
              "every message id in order, in both languages with the same placeholders");

Language gLanguage = Language::kEnglish;

bool isSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

std::span<const MessageText> messageCatalogue() {
  return kCatalogue;
}

void setLanguage(Language language) {
  gLanguage = language;
}

Language language() {
  return gLanguage;
}

bool chooseLanguage(std::vector<std::string>& args, const char* lcAll, const char* lcMessages,
                    const char* lang, Language& chosen) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--lang") continue;
    if (i + 1 >= args.size() || (args[i + 1] != "ja" && args[i + 1] != "en")) return false;
    chosen = args[i + 1] == "ja" ? Language::kJapanese : Language::kEnglish;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
               args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    return true;
  }
  const char* locale = isSet(lcAll) ? lcAll : isSet(lcMessages) ? lcMessages : lang;
  const bool japanese = isSet(locale) && std::string_view(locale).substr(0, 2) == "ja";
  chosen = japanese ? Language::kJapanese : Language::kEnglish;
  return true;
}

bool setLanguageFromCommandLine(std::vector<std::string>& args, std::string& error) {
  Language chosen = Language::kEnglish;
  if (!chooseLanguage(args, std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                      chosen)) {
    error = "--lang takes ja or en";
    return false;
  }
  setLanguage(chosen);
  return true;
}

std::string messageIn(Language language, Msg id, std::initializer_list<std::string_view> args) {
  const MessageText& text = kCatalogue[static_cast<std::size_t>(id)];
  return filledText(language == Language::kJapanese ? text.japanese : text.english,
                    std::span<const std::string_view>(args.begin(), args.size()));
}

std::string message(Msg id, std::initializer_list<std::string_view> args) {
  return messageIn(gLanguage, id, args);
}

std::string filledText(std::string_view pattern, std::span<const std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9' && pattern[i + 2] == '}') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < args.size()) {
        out += args[index];
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}
