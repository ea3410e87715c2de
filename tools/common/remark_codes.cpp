#include "tools/common/remark_codes.h"

#include <array>
#include <cctype>
#include <vector>

namespace {

// A stop row as it should be written, with every column it has.
#define GOOD_STOP "7,150,桜川,083000,083030,1,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,,A01,0"

using S = Severity;
using R = RemarkCode;

// A new remark goes at the end of its group with the next free number of the group.
constexpr RemarkText kRemarks[] = {
    // C1xx: the card file as a whole
    {R::kEmptyFile,
     "C101",
     S::kError,
     {"empty file", "空のファイル"},
     {"A card file without rows loads as a card without stops.",
      "行のないカードファイルは、駅のないカードとして読み込まれる。"},
     {"The card beacon finds no stop and the display leaves card mode.",
      "カード地上子で駅が見つからず、表示はカードモードを抜ける。"},
     "(nothing)",
     GOOD_STOP,
     {"Write one row of type {1} per stop.", "1 駅につき種別 {1} の行を 1 行書いてください。"}},
    {R::kNoStopRows,
     "C102",
     S::kError,
     {"no stop rows", "駅の行がない"},
     {"The card has no row of type {1}, so it has no stops.",
      "種別 {1} の行がないので、カードに駅がない。"},
     {"The card beacon finds no stop and the display leaves card mode.",
      "カード地上子で駅が見つからず、表示はカードモードを抜ける。"},
     "3,1234M",
     "3,1234M\n" GOOD_STOP,
     {"Write one row of type {1} per stop.", "1 駅につき種別 {1} の行を 1 行書いてください。"}},
    {R::kByteOrderMark,
     "C103",
     S::kError,
     {"UTF-8 byte order mark before the row type", "行種別の前に UTF-8 のバイト順マーク（BOM）"},
     {"The three bytes of the mark stand before the row type of the first row, which then "
      "does not begin with an integer.",
      "BOM の 3 バイトが最初の行種別の前にあり、その行は整数で始まらなくなる。"},
     {"The first row is ignored.", "最初の行が無視される。"},
     "(BOM)3,1234M",
     "3,1234M",
     {"Save the card as Shift_JIS without a byte order mark.",
      "カードは BOM なしの Shift_JIS で保存してください。"}},
    {R::kTextInUtf8,
     "C104",
     S::kError,
     {"text in UTF-8", "文字列が UTF-8"},
     {"The module reads every text as Shift_JIS (code page 932) bytes.",
      "モジュールはすべての文字列を Shift_JIS（コードページ 932）のバイト列として読む。"},
     {"Names garble and train-number prefixes are lost.",
      "駅名が文字化けし、列車番号の接頭記号が失われる。"},
     "3,回1234M (saved as UTF-8)",
     "3,回1234M (saved as Shift_JIS)",
     {"Save the card as Shift_JIS (code page 932).",
      "カードは Shift_JIS（コードページ 932）で保存してください。"}},
    {R::kLoneCr,
     "C105",
     S::kError,
     {"line ends in CR alone", "行末が CR のみ"},
     {"The module ends lines at LF only; a CR alone stays inside the line.",
      "モジュールは LF でしか行を分けず、CR だけの行末は行の中に残る。"},
     {"The lines up to the next LF run together as one row.",
      "次の LF までの行が 1 行につながる。"},
     "3,1234M(CR)7,...",
     "3,1234M(CR LF)7,...",
     {"Save the card with LF or CR LF line ends.", "行末を LF か CR LF にして保存してください。"}},
    {R::kCardIsFolder,
     "C106",
     S::kError,
     {"a folder, not a card file", "カードファイルではなくフォルダー"},
     {"A folder cannot be read as a card.", "フォルダーはカードとして読めない。"},
     {"No card loads from it.", "カードは読み込まれない。"},
     "ruvacard check local",
     "ruvacard check local/1234M.csv",
     {"Name a card file; check a vehicle folder with ruvacard vehicle.",
      "カードファイルを指定してください。車両フォルダーは ruvacard vehicle で検査します。"}},
    {R::kCardUnreadable,
     "C107",
     S::kError,
     {"cannot be read", "読めない"},
     {"The file cannot be opened or read.", "ファイルを開けないか、読めない。"},
     {"No card loads from it.", "カードは読み込まれない。"},
     "(a file without read permission)",
     "(a readable file)",
     {"Make the card file readable.", "カードファイルを読めるようにしてください。"}},
    {R::kCardTooLarge,
     "C108",
     S::kError,
     {"larger than {1} bytes", "{1} バイトを超える"},
     {"A card beacon reads at most {1} bytes of a card file; a larger file counts as a card "
      "file that is not there.",
      "カード地上子が読むカードファイルは {1} バイトまで。それより大きいファイルは、ない"
      "カードファイルとされる。"},
     {"The card beacon keeps the card in force, as for a missing file.",
      "ファイルがないときと同じく、カード地上子は使用中のカードをそのまま残す。"},
     "(a log or a video saved as 1234M.csv)",
     "(a card file of a few kilobytes)",
     {"Keep a card file to at most {1} bytes (a card of 63 stop rows takes a few kilobytes) "
      "and move other files out of the card folder.",
      "カードファイルは {1} バイト以下にし（駅 63 行のカードでも数 KB）、ほかのファイルは"
      "カードフォルダーの外へ移してください。"}},

    // C2xx: rows
    {R::kNoRowType,
     "C201",
     S::kError,
     {"no row type", "行種別がない"},
     {"Column 0 does not begin with an integer, so the row is ignored.",
      "列 0 が整数で始まらないので、行は無視される。"},
     {"What the row holds is lost.", "行に書いた内容が失われる。"},
     "x7,150,桜川",
     GOOD_STOP,
     {"Begin the row with its row type; begin a comment line with #.",
      "行の最初に行種別を書いてください。コメント行は # で始めます。"}},
    {R::kUnknownRowType,
     "C202",
     S::kWarning,
     {"unknown row type", "不明な行種別"},
     {"The row type is a number that the card format does not have; the row is ignored.",
      "行種別がカードの書式にない番号なので、行は無視される。"},
     {"A mistyped row type loses the row.", "種別を打ち間違えると、その行が失われる。"},
     "9,a note",
     "# a note",
     {"Use a row type of the card format; if the row is a comment, begin it with #.",
      "カードの書式にある種別を使ってください。コメントなら行頭に # を付けてください。"}},
    {R::kTableFull,
     "C203",
     S::kError,
     {"{1} rows of type {2} already taken", "種別 {2} の行はすでに {1} 行ある"},
     {"A card holds at most {1} stops, {2} event rows and {3} range rows; rows beyond are "
      "ignored whole.",
      "1 枚のカードに入るのは駅 {1} 行、イベント行 {2} 行、範囲行 {3} 行まで。それを超える行は"
      "まるごと無視される。"},
     {"The stops or windows of the rows beyond are missing.", "超えた行の駅や区間が欠ける。"},
     "(one stop row more than the card holds)",
     "(the rest of the run on a second card)",
     {"Split a longer run over two cards.", "それより長い運行は 2 枚のカードに分けてください。"}},
    {R::kColumnSeemsMissing,
     "C204",
     S::kError,
     {"column {1} seems missing: the fields after it stand one column early",
      "列 {1} が抜けているらしい：それより後ろの値が 1 列ずつ前にずれている"},
     {"The module reads each field by its place in the row. With one column left out, every "
      "later field lands in the column before its own; the checker names the column whose "
      "insertion makes the whole row read as written, instead of every column it spoils.",
      "モジュールは各値を行の中の位置で読む。1 列抜けると、後ろの値がすべて 1 つ前の列に入る。"
      "検査ツールは、崩れた列を 1 つずつ挙げる代わりに、補えば行全体が書いたとおりに読める列を"
      "示す。"},
     {"Times, distances and flags of the stop go wrong together.",
      "駅の時刻・距離・フラグがまとめて狂う。"},
     "7,150,桜川,083000,083030,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,,A01,0",
     GOOD_STOP,
     {"Write the missing column (an empty field, two commas in a row, where it has nothing), "
      "so that every later field stands in its own column.",
      "抜けた列を書いてください（値がなければコンマを 2 つ続けた空の列）。後ろの値がそれぞれ"
      "正しい列に戻ります。"}},
    {R::kFieldSplit,
     "C205",
     S::kError,
     {"a comma splits column {1}: the fields after it stand one column late",
      "列 {1} がコンマで分かれている：それより後ろの値が 1 列ずつ後ろにずれている"},
     {"Every comma ends a field; nothing is quoted. A comma inside a name or a number (13,6 "
      "for 13.6) makes two fields of one, and every later field lands one column late.",
      "コンマはすべて値の区切りで、引用符による囲みもない。名前や数値の中のコンマ（13.6 の"
      "つもりの 13,6）で 1 つの値が 2 つに分かれ、後ろの値がすべて 1 列後ろにずれる。"},
     {"Times, distances and flags of the stop go wrong together.",
      "駅の時刻・距離・フラグがまとめて狂う。"},
     "7,150,桜川,083000,083030,1,50,20,12,5,0,1.8,1,0,0,1,,0,1,1,,A01,0",
     GOOD_STOP,
     {"Write a decimal point as a full stop (12.5, not 12,5) and keep commas out of names.",
      "小数点はピリオドで書き（12,5 ではなく 12.5）、名前にコンマを入れないでください。"}},
    {R::kStopRowTooLong,
     "C206",
     S::kError,
     {"stop row of more than {1} columns", "{1} 列を超える駅の行"},
     {"A stop row has columns 0 to {1}, which the module reads by their place: a comma typed "
      "inside a text moves every later column by one, and column {1} reads what was meant "
      "for the column before it.",
      "駅の行は列 0～{1} で、モジュールは列を位置で読む。文字列の中に打ったコンマで後ろの列が "
      "1 列ずつずれ、列 {1} にはその前の列のつもりの値が入る。"},
     {"The last columns of the stop hold other values than written.",
      "その駅の後ろのほうの列が、書いた値とは違う値になる。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,乗換,快速,A01,0",
     "7,150,桜川,083000,083030,1,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,乗換、快速,A01,0",
     {"Write the text without a comma; use 、 in its place.",
      "文字列にコンマを使わないでください（代わりに 、）。"}},

    // C3xx: columns and numbers
    {R::kNotInteger,
     "C301",
     S::kError,
     {"not an integer", "整数ではない"},
     {"An integer column does not begin with an integer; the module stores the column's "
      "fallback value, ignores the row or keeps the earlier value, as the remark says.",
      "整数の列が整数で始まらない。モジュールは列の代替値を格納するか、行を無視するか、前の"
      "値のままにする（報告に示す）。"},
     {"The display shows the fallback, not what was meant.",
      "意図した値ではなく代替値が表示される。"},
     "7,abc,桜川,083000,083030",
     GOOD_STOP,
     {"Write the integer that the column needs (given in the remark).",
      "その列に必要な整数（報告に示す）を書いてください。"}},
    {R::kIntegerOutOfRange,
     "C302",
     S::kError,
     {"integer out of range", "整数が範囲外"},
     {"The integer does not fit in 32 bits; it is treated like one that does not convert.",
      "整数が 32 ビットに収まらず、変換できない値と同じに扱われる。"},
     {"The display shows the fallback, not what was meant.",
      "意図した値ではなく代替値が表示される。"},
     "7,99999999999,桜川",
     GOOD_STOP,
     {"Write an integer from -2147483648 to 2147483647.",
      "-2147483648～2147483647 の整数を書いてください。"}},
    {R::kNotNumber,
     "C303",
     S::kError,
     {"not a number", "数値ではない"},
     {"A column of kilometres does not begin with a number; the module stores the fallback "
      "or ignores the row, as the remark says.",
      "キロの列が数値で始まらない。モジュールは代替値を格納するか、行を無視する（報告に示す）。"},
     {"Distances and windows go wrong.", "距離や区間がずれる。"},
     "5,0,abc,0.5,1",
     "5,0,0.2,0.5,1",
     {"Write the number with a full stop as decimal point (12.5, not 12,5).",
      "小数点はピリオドで数値を書いてください（12,5 ではなく 12.5）。"}},
    {R::kNumberOutOfRange,
     "C304",
     S::kError,
     {"number out of range", "数値が範囲外"},
     {"The number is too large or too small for the module to hold; it is treated like one "
      "that does not convert.",
      "数値が大きすぎるか小さすぎて保持できず、変換できない値と同じに扱われる。"},
     {"Distances and windows go wrong.", "距離や区間がずれる。"},
     "5,0,1e999,0.5,1",
     "5,0,0.2,0.5,1",
     {"Write the distance in kilometres.", "距離を km で書いてください。"}},
    {R::kColumnMissing,
     "C305",
     S::kError,
     {"short row: column missing", "列の足りない行：この列がない"},
     {"The row ends before this column; the column reads the text \"end\", which is no "
      "number.",
      "行がこの列の前で終わり、この列は数値でない文字列 \"end\" と読まれる。"},
     {"The column's value is lost; a column left out in the middle shifts the rest, so that "
      "the section length lands in the hidden-point column and the stop is no longer listed.",
      "この列の値が失われる。途中の列を抜かすと残りがずれ、駅間距離が非表示の列に入って、その駅は"
      "リストに載らなくなる。"},
     "7,150,桜川,083000",
     GOOD_STOP,
     {"Give the row all its columns: a stop row has columns 0 to {1}.",
      "行にすべての列を書いてください。駅の行は列 0～{1} です。"}},
    {R::kTextIsEnd,
     "C306",
     S::kError,
     {"short row: column missing, its text reads \"end\"",
      "列の足りない行：この列がなく、文字列は \"end\" と読まれる"},
     {"The row ends before this text column, which stores the text \"end\".",
      "行がこの文字列の列の前で終わり、文字列 \"end\" が格納される。"},
     {"The text \"end\" shows where a name was meant.", "名前の代わりに \"end\" となる。"},
     "0",
     "0,Local 1234M",
     {"Write the text the column needs.", "その列に必要な文字列を書いてください。"}},
    {R::kTextMissing,
     "C307",
     S::kError,
     {"short row: column missing, text kept", "列の足りない行：この列がなく、文字列は前のまま"},
     {"The row ends two columns before this text column; the text stays what it was.",
      "行がこの文字列の列より 2 列以上前で終わり、文字列は前のまま。"},
     {"The text of an earlier row, or the default NULL, stays.",
      "前の行の文字列、または既定の NULL のまま。"},
     "1",
     "1,3,3号車",
     {"Write every column of the row.", "行のすべての列を書いてください。"}},
    {R::kColumnsMissing,
     "C308",
     S::kError,
     {"short row: columns from {1} on are missing; those values keep their defaults",
      "列の足りない行：列 {1} 以降がなく、その値は既定値のまま"},
     {"A stop row that ends early leaves the columns it lacks at their defaults.",
      "途中で終わる駅の行では、ない列は既定値のまま。"},
     {"Kilometre posts, sections and cues of the stop are lost.",
      "その駅のキロ程、区間、合図が失われる。"},
     "7,150,桜川,083000,083030",
     GOOD_STOP,
     {"Give the row all its columns: a stop row has columns 0 to {1}.",
      "行にすべての列を書いてください。駅の行は列 0～{1} です。"}},
    {R::kTextAfterNumber,
     "C309",
     S::kError,
     {"text after the number is not read", "数値の後ろの文字は読まれない"},
     {"A number column is read up to the first character that cannot continue the number: "
      "8h30 reads 8, 1.8 in an integer column reads 1, 12km reads 12.",
      "数値の列は、数値の続きにならない最初の文字の手前まで読まれる。8h30 は 8、整数の列の "
      "1.8 は 1、12km は 12 と読まれる。"},
     {"The value stored is not the one written.", "書いた値とは違う値が格納される。"},
     "7,150,桜川,8h30",
     GOOD_STOP,
     {"Write the number alone (spaces after it are fine).",
      "数値だけを書いてください（後ろの空白はかまいません）。"}},
    {R::kSlashWithoutInteger,
     "C310",
     S::kError,
     {"\"/\" not followed by an integer", "\"/\" の後に整数がない"},
     {"The slash form is / and an integer; without the integer the column stores 0.",
      "スラッシュ形式は / と整数。整数がないと 0 が格納される。"},
     {"The value shows 0.", "値は 0 と表示される。"},
     "/x",
     "/30",
     {"Write / and an integer.", "/ の後ろに整数を書いてください。"}},
    {R::kCodeDigitsOutOfRange,
     "C311",
     S::kError,
     {"code digits out of range", "コードの数字が範囲外"},
     {"The digits of the stop code, read as one number, exceed 2147483647; the number "
      "stored is 0.",
      "駅コードの数字をつなげた数が 2147483647 を超え、0 が格納される。"},
     {"The stop code's number is lost.", "駅コードの番号が失われる。"},
     "A12345678901",
     "A123",
     {"Keep the stop code's digits within nine digits.",
      "駅コードの数字は 9 桁以内にしてください。"}},
    {R::kLowBitsKept,
     "C312",
     S::kError,
     {"number outside 0 to 255: only its low 8 bits are kept",
      "0～255 の範囲外の数：下位 8 ビットだけが残る"},
     {"The header code and stop columns {1} to {2} are kept in 8 bits: the module stores the "
      "low 8 bits of the number, so 256 stores 0 and -1 stores 255.",
      "ヘッダーコードと駅の行の列 {1}～{2} は 8 ビットで保持され、数の下位 8 ビットが格納"
      "される。256 は 0、-1 は 255 になる。"},
     {"The display shows another value than the one written, without a word.",
      "書いた値とは違う値が、何の知らせもなく表示される。"},
     "1,300,3号車",
     "1,3,3号車",
     {"Write a number from 0 to 255.", "0～255 の数を書いてください。"}},
    {R::kFullWidthDigits,
     "C313",
     S::kError,
     {"full-width digits", "全角数字"},
     {"The module reads only the half-width digits 0 to 9 as a number; full-width digits such "
      "as １５０ are text to it, so the column does not convert.",
      "モジュールが数として読むのは半角の 0～9 だけ。１５０ のような全角数字は文字列とみなされ、"
      "列は変換されない。"},
     {"The column takes its fallback value, or the row is ignored.",
      "列は代替値になるか、行が無視される。"},
     "7,１５０,桜川,083000,083030",
     "7,150,桜川,083000,083030",
     {"Write the number in half-width digits (150, not １５０); the half-width mode of the "
      "input method, or a spreadsheet's ASC function, converts them.",
      "数は半角で書いてください（１５０ ではなく 150）。IME の半角入力や表計算の ASC 関数で"
      "変換できます。"}},
    {R::kQuotedField,
     "C314",
     S::kError,
     {"quoted field: the quotes are part of the value", "引用符付きの値：引用符も値の一部になる"},
     {"The module knows no quoting: the quote marks that a spreadsheet puts around a field stay "
      "in it, so a number in quotes does not convert and a name shows its quotes; a comma "
      "inside the quotes still ends the field.",
      "モジュールは引用符による囲みを知らない。表計算ソフトが値を囲む引用符はそのまま残り、"
      "引用符付きの数は変換されず、名前には引用符が付く。引用符の中のコンマでも値は分かれる。"},
     {"Every quoted column of the row is read otherwise than meant.",
      "引用符付きの列はどれも意図とは違って読まれる。"},
     "7,\"150\",\"桜川\",\"083000\",\"083030\"",
     "7,150,桜川,083000,083030",
     {"Save the card as CSV without quote marks, or delete them.",
      "引用符なしの CSV で保存するか、引用符を消してください。"}},
    {R::kShownOtherwise,
     "C315",
     S::kWarning,
     {"the display does not show this value as written", "この値は書いたとおりには表示されない"},
     {"The stop lists show no negative attribute or running time, and show the stop number "
      "(column {1}) and the header number only as the integer at the front of their text; "
      "anything else shows as 0.",
      "停車駅リストは負の属性や運転時分を表示せず、番線（列 {1}）とヘッダーの番号は文字列の"
      "先頭の整数だけを表示する。それ以外は 0 と表示される。"},
     {"The display shows 0 where something else was meant.",
      "意図した値の代わりに 0 が表示される。"},
     "7,-30,桜川,083000,083030,二",
     "7,30,桜川,083000,083030,2",
     {"Write 0 or a larger integer; begin a stop number or header text with its number (2番線, "
      "not 二番線).",
      "0 以上の整数を書いてください。番線やヘッダー文字列は数から始めます（二番線 ではなく "
      "2番線）。"}},

    // C4xx: times
    {R::kNegativeTime,
     "C401",
     S::kError,
     {"negative time", "負の時刻"},
     {"A negative number is read as a time all the same.", "負の数でも時刻として読まれる。"},
     {"The display shows a time that is no clock time.", "時計にない時刻が表示される。"},
     "7,150,桜川,-83000",
     GOOD_STOP,
     {"Write the time as HHMMSS with hours 0 to 24.",
      "時刻は HHMMSS（時は 0～24）で書いてください。"}},
    {R::kMinutesOver59,
     "C402",
     S::kError,
     {"minutes or seconds of 60 or more", "分または秒が 60 以上"},
     {"Times are HHMMSS; the minutes and seconds are shown as written.",
      "時刻は HHMMSS で、分と秒は書いたとおりに表示される。"},
     {"106130 shows 10:61:30.", "106130 は 10:61:30 と表示される。"},
     "7,150,桜川,106130",
     "7,150,桜川,110130",
     {"Write the time as HHMMSS: 110130 for 11:01:30.",
      "時刻は HHMMSS で書いてください。11:01:30 は 110130 です。"}},
    {R::kHourIsMark,
     "C403",
     S::kWarning,
     {"hour {1} is a mark, not a clock hour", "{1} 時は時刻ではなく記号"},
     {"Hours 25, 26 and 27 show the 停 picture, the arrow (the stop counts as passed) and 〓. "
      "A first time in hour 26 is the pass mark and gives no remark.",
      "25、26、27 時は「停」の画像、矢印（通過扱い）、〓 を表示する。26 時の時刻 1 は通過の記号"
      "なので報告しない。"},
     {"A time meant after midnight shows as a mark.", "深夜 0 時過ぎのつもりの時刻が記号になる。"},
     "7,150,桜川,251000",
     "7,150,桜川,011000",
     {"Write a time after midnight from 0 (1500 is 00:15:00, 11000 is 01:10:00); write the "
      "mark itself (停 ↓ 〓) for a mark.",
      "深夜 0 時過ぎの時刻は 0 時から書いてください（1500 は 00:15:00、11000 は 01:10:00）。"
      "記号なら記号そのもの（停 ↓ 〓）を書きます。"}},
    {R::kHourNotHourNorMark,
     "C404",
     S::kError,
     {"hour {1} is neither an hour nor a mark", "{1} 時は時刻でも記号でもない"},
     {"Hours above 27 are shown as written.", "27 を超える時は書いたとおりに表示される。"},
     {"The display shows an hour that no clock has.", "時計にない時が表示される。"},
     "7,150,桜川,301000",
     "7,150,桜川,061000",
     {"Hours run from 0 to 24; hours 25 to 27 are the marks 停, ↓ and 〓.",
      "時は 0～24 です。25～27 は記号の 停、↓、〓 です。"}},
    {R::kShortTime,
     "C405",
     S::kWarning,
     {"a short time reads as HHMMSS, not HHMM", "短い時刻は HHMM ではなく HHMMSS として読まれる"},
     {"Times are HHMMSS: 1500 is 00:15:00, which is moved past midnight to 24:15:00. A time "
      "written with three or four digits is taken for HHMM; five or six (83000, 000130) read "
      "as meant.",
      "時刻は HHMMSS。1500 は 00:15:00 で、深夜 0 時過ぎの 24:15:00 になる。3 桁か 4 桁で書いた"
      "時刻を HHMM とみなす。5 桁か 6 桁（83000、000130）は意図どおりに読まれる。"},
     {"A time meant as 15:00 shows as a quarter past midnight.",
      "15:00 のつもりが深夜 0 時 15 分になる。"},
     "7,150,桜川,1500",
     "7,150,桜川,150000",
     {"Write the time with its seconds: 150000 for 15:00.",
      "時刻は秒まで書いてください。15:00 は 150000 です。"}},
    {R::kShortSecondTrainTime,
     "C406",
     S::kWarning,
     {"a short time of the second train reads as HHMMSS, not HHMM",
      "第 2 列車の短い時刻は HHMM ではなく HHMMSS として読まれる"},
     {"The times of the second train (rows of type {1}) are HHMMSS, stored as written: 0915 is "
      "00:09:15.",
      "第 2 列車の時刻（種別 {1} の行）は HHMMSS で、書いたとおりに格納される。0915 は 00:09:15。"},
     {"A time meant as 9:15 shows as nine past midnight.", "9:15 のつもりが深夜 0 時 9 分になる。"},
     "12,通1301M,0915,0930",
     "12,通1301M,091500,093000",
     {"Write the time with its seconds: 091500 for 9:15.",
      "時刻は秒まで書いてください。9:15 は 091500 です。"}},
    {R::kDepartureBeforeArrival,
     "C407",
     S::kWarning,
     {"departure before the arrival", "発時刻が着時刻より前"},
     {"The first time of a stop row is its arrival, the second its departure; the display shows "
      "both as written. A time more than 12 hours before the other counts as one of the next "
      "day.",
      "駅の行の時刻 1 は着時刻、時刻 2 は発時刻で、表示は書いたとおり。もう一方より 12 時間を"
      "超えて前の時刻は翌日のものとみなす。"},
     {"A stop left before it is reached is a slip of the pen, mostly two times swapped.",
      "着く前に発つのは書き誤りで、たいてい 2 つの時刻が入れ替わっている。"},
     "7,150,桜川,083030,083000",
     "7,150,桜川,083000,083030",
     {"Write the arrival as the first time and the departure, at or after it, as the second.",
      "時刻 1 に着時刻、時刻 2 にそれ以降の発時刻を書いてください。"}},
    {R::kEarlierThanRowBefore,
     "C408",
     S::kWarning,
     {"earlier than the row before", "前の行より早い時刻"},
     {"The train meets the rows in their order. A time more than 12 hours before the one above "
      "counts as one of the next day, so a run past midnight (235800, then 000130) reads as "
      "meant.",
      "列車は行の順に進む。前の行より 12 時間を超えて早い時刻は翌日のものとみなすので、深夜 0 時を"
      "またぐ運行（235800 の次に 000130）は意図どおり読まれる。"},
     {"A row out of order or a mistyped time: the display lists the stops in row order.",
      "行の順番違いか時刻の打ち間違い。表示は行の順に駅を並べる。"},
     "7,150,桜川,083230,083300\n7,150,東浜,082900,083000",
     "7,150,東浜,082900,083000\n7,150,桜川,083230,083300",
     {"Put the rows in running order, and compare the time with the row above.",
      "行を走る順に並べ、前の行の時刻と見比べてください。"}},

    // C5xx: train numbers
    {R::kTrainNumberNotShown,
     "C501",
     S::kError,
     {"train number not shown as written", "列車番号が書いたとおりに表示されない"},
     {"The display shows one prefix from its list, four digits and one suffix letter.",
      "表示できるのは、一覧にある接頭記号 1 つ、数字 4 桁、接尾記号 1 つ。"},
     {"12345A shows 2345A, 回試1234A shows 1234A.",
      "12345A は 2345A、回試1234A は 1234A と表示される。"},
     "3,12345A",
     "3,2345A",
     {"Write one known prefix, at most four digits and one suffix letter (no D).",
      "既知の接頭記号 1 つ、4 桁までの数字、接尾記号 1 つ（D を除く）で書いてください。"}},
    {R::kNoTrainNumber,
     "C502",
     S::kWarning,
     {"no train number", "列車番号がない"},
     {"Without a row of type {1} the train number is the text NULL.",
      "種別 {1} の行がないと、列車番号は文字列 NULL になる。"},
     {"The display shows the codes of the letters of NULL.",
      "表示には NULL の文字のコードが出る。"},
     GOOD_STOP,
     "3,1234M\n" GOOD_STOP,
     {"Give the card a row {1},TRAIN NUMBER.", "{1},列車番号 の行を書いてください。"}},
    {R::kTrainNumberNotFileName,
     "C503",
     S::kWarning,
     {"train number does not match the file name", "列車番号がファイル名と一致しない"},
     {"A card loads for the card code that its file name says, whatever its train number.",
      "カードは、列車番号にかかわらず、ファイル名が示すカードコードで読み込まれる。"},
     {"The train shows a number other than the one its card was chosen by.",
      "カードを選んだ番号とは違う列車番号が表示される。"},
     "1235A.csv: 3,1234A",
     "1235A.csv: 3,1235A",
     {"Make the train number agree with the file name.",
      "列車番号をファイル名に合わせてください。"}},
    {R::kLetterAmongDigits,
     "C504",
     S::kError,
     {"letter among the digits of the train number", "列車番号の数字の中に文字"},
     {"The display shows the four places in front of the last character as digits; a letter "
      "there gives a picture number above 9, which is no digit (12A4B puts 17 in the tens).",
      "表示は最後の文字の前の 4 桁を数字として出す。そこに文字があると 9 を超える画像番号になり、"
      "数字にならない（12A4B は十の位が 17）。"},
     {"That place of the train number shows a wrong picture or none.",
      "列車番号のその桁に違う画像が出るか、何も出ない。"},
     "3,12A4B",
     "3,1234B",
     {"Write only digits between the prefix and the suffix letter.",
      "接頭記号と接尾記号のあいだには数字だけを書いてください。"}},

    // C6xx: stop references, event windows, sections
    {R::kNamesMissingStopRow,
     "C601",
     S::kError,
     {"names a stop row the card does not have", "カードにない駅の行を指している"},
     {"Event and range rows count stop rows from 0; an entry for a stop row that does not "
      "exist never applies.",
      "イベント行と範囲行は駅の行を 0 から数えて指す。ない行を指す項目は決して効かない。"},
     {"The cue or range of the entry never comes.", "その項目の合図や範囲は決して来ない。"},
     "5,4,0.2,0.5,1 (a card of 4 stops)",
     "5,3,0.2,0.5,1",
     {"Count stop rows from 0.", "駅の行は 0 から数えてください。"}},
    {R::kEventTypeWithoutWindow,
     "C602",
     S::kError,
     {"event type {1} is not 0 to {2}", "イベントの種類 {1} は 0～{2} でない"},
     {"The display opens windows for event types 0 to {1} only.",
      "表示が区間を開くのはイベントの種類 0～{1} だけ。"},
     {"The entry never opens a window.", "この区間は決して開かない。"},
     "5,0,0.2,0.5,4",
     "5,0,0.2,0.5,1",
     {"Write an event type from 0 to {1}.", "イベントの種類は 0～{1} で書いてください。"}},
    {R::kZeroSection,
     "C603",
     S::kWarning,
     {"section length 0 before the last stop", "終着駅の手前で区間の長さが 0"},
     {"Column {1} is the length to the next row; with 0 the next stop counts as reached at "
      "once.",
      "列 {1} は次の行までの長さ。0 だと次駅にすぐ着いた扱いになる。"},
     {"The display skips to the stop after.", "表示が次の駅へ飛ぶ。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,0,0.0,1,0,0,1,,0,1,1,,A01,0",
     GOOD_STOP,
     {"Write the length in km from this stop to the next row.",
      "この駅から次の行までの長さを km で書いてください。"}},
    {R::kNegativeSection,
     "C604",
     S::kWarning,
     {"negative section length", "区間の長さが負"},
     {"Column {1} is the length to the next row; a negative length counts as run already, so "
      "the next stop is selected while the train still stands.",
      "列 {1} は次の行までの長さ。負の長さは走り終えたものとされ、列車が止まったまま次の駅が"
      "選ばれる。"},
     {"The display moves on to the next stop before the train leaves.",
      "発車前に表示が次の駅へ進む。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,0,-1.8,1,0,0,1,,0,1,1,,A01,0",
     GOOD_STOP,
     {"Write the length in km from this stop to the next row, such as 1.8.",
      "この駅から次の行までの長さを km で書いてください（例：1.8）。"}},
    {R::kEmptyWindow,
     "C605",
     S::kWarning,
     {"the window never opens: its start is not before its end",
      "区間が開かない：始点が終点より前にない"},
     {"An event window of type 0 is open while the run from its stop lies between its start "
      "and its end, and a km range while the km post lies between its two ends (in either "
      "order). With the start at or after the end, or both ends of a range equal, nothing lies "
      "between.",
      "種類 0 のイベント区間は駅からの走行距離が始点と終点の間にある間、キロ範囲はキロ程が両端"
      "（順序は問わない）の間にある間だけ開く。始点が終点以降だったり、範囲の両端が同じだったり"
      "すると、その間がない。"},
     {"The cue of the entry never comes.", "その項目の合図は決して来ない。"},
     "5,1,2.2,1.9,0",
     "5,1,1.9,2.2,0",
     {"Write the start before the end (1.9,2.2), or two different km posts for a range.",
      "始点を終点より前に（1.9,2.2）、範囲なら異なる 2 つのキロ程を書いてください。"}},
    {R::kWindowOutsideRun,
     "C606",
     S::kWarning,
     {"the window lies outside the run from stop row {1}", "区間が駅の行 {1} からの走行の外にある"},
     {"An event window counts the kilometres run from its stop row: from 0 to the length to the "
      "next stop (the sections up to it), the run while that stop is the current one.",
      "イベント区間は駅の行から走った距離で数える。その駅が現在駅である間の走行、つまり 0 から"
      "次の停車駅までの長さ（そこまでの区間の和）の間だけ。"},
     {"The cue of the entry never comes.", "その項目の合図は決して来ない。"},
     "5,1,5.0,5.5,0 (stop row 1 runs 2.1 km)",
     "5,1,1.9,2.2,0",
     {"Write the window's kilometres from its stop row, not as km posts: 0.3 is 300 m past the "
      "stop.",
      "区間は駅の行からの距離で書いてください（キロ程ではありません）。0.3 は駅の 300 m 先です。"}},
    {R::kKmRangeOutsideRun,
     "C607",
     S::kWarning,
     {"the km range lies outside the km posts of the run", "キロ範囲が走行のキロ程の外にある"},
     {"A km range is open while the km post lies between its ends; from each stop row the km "
      "post runs from the row's km post (column {1}) along its section. A range that no section "
      "reaches never opens.",
      "キロ範囲はキロ程が両端の間にある間だけ開く。キロ程は各駅の行のキロ程（列 {1}）から、その"
      "区間に沿って進む。どの区間も届かない範囲は開かない。"},
     {"The cue of the entry never comes.", "その項目の合図は決して来ない。"},
     "6,2,45.0,50.0,0.3,1 (km posts 0.0 to 5.9)",
     "6,2,4.5,5.0,0.3,1",
     {"Write the range in the km posts of the card's stop rows.",
      "範囲はカードの駅の行のキロ程で書いてください。"}},
    {R::kEntryOnHiddenRow,
     "C608",
     S::kWarning,
     {"names a hidden stop row", "表示しない駅の行を指している"},
     {"A stop row with column {1} set is never the current stop: the event windows of its entries "
      "never open, nor the stop window of its range rows (their km ranges still do).",
      "列 {1} を立てた駅の行は現在駅にならない。その行を指すイベント区間も、範囲行の駅の区間も"
      "開かない（範囲行のキロ範囲は開く）。"},
     {"The cue of the entry never comes.", "その項目の合図は決して来ない。"},
     "5,4,0.2,0.5,1 (stop row 4 is a hidden timing point)",
     "5,3,1.7,2.0,1",
     {"Name the stop row before the hidden point (hidden rows count too), and count the window "
      "from there.",
      "表示しない地点の手前の駅の行を指し（表示しない行も数えます）、区間はそこから数えてくだ"
      "さい。"}},
    {R::kEntryOnRowNeverCurrent,
     "C609",
     S::kWarning,
     {"names stop row {1}, which never becomes the current stop",
      "駅の行 {1} を指しているが、その行は現在駅にならない"},
     {"From the first stop row on, each stop change makes the next listed stop the current one; "
      "a row that the run skips (one after a hidden first row) is never current, unless a "
      "beacon selects it at a stand.",
      "最初の駅の行から、駅が変わるたびに次に表示される駅が現在駅になる。走行が飛ばす行（表示し"
      "ない最初の行の次の行など）は、停車中に地上子で選ばない限り現在駅にならない。"},
     {"The cue of the entry never comes.", "その項目の合図は決して来ない。"},
     "5,1,0.2,0.5,1 (stop row 0 hidden)",
     "5,2,0.2,0.5,1",
     {"Name a stop row that the run reaches; ruvacard preview shows each one.",
      "走行が通る駅の行を指してください。ruvacard preview で各行を確かめられます。"}},
    {R::kCueWithoutSound,
     "C610",
     S::kWarning,
     {"arrival cue {1} starts no sound", "到着の合図 {1} では音が鳴らない"},
     {"Column {1} starts the first arrival cue with {2} and the second with {3}; 0 and every "
      "other value start none.",
      "列 {1} は {2} で 1 つ目、{3} で 2 つ目の到着の合図を鳴らす。0 やほかの値では鳴らない。"},
     {"No arrival sound comes at the stop.", "その駅では到着の音が鳴らない。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,0,1.8,3,0,0,1,,0,1,1,,A01,0",
     GOOD_STOP,
     {"Write {2} or {3} for a cue, 0 for none.",
      "合図には {2} か {3}、なしなら 0 を書いてください。"}},
    {R::kKmPostsAgainstDirection,
     "C611",
     S::kWarning,
     {"the km posts run against the row's km direction", "キロ程が行のキロの向きと逆に進む"},
     {"Column {1} says whether the km post counts up from the row (any value but 0) or down "
      "(0); the next row's km post lies the other way.",
      "列 {1} は、その行からキロ程が増える（0 以外）か減る（0）かを示す。次の行のキロ程が逆の"
      "向きにある。"},
     {"The km post runs away from the next row's and jumps back at it.",
      "キロ程が次の行のキロ程から離れていき、そこで飛ぶ。"},
     "km post 12.5, column 17 = 0, next row 14.3",
     "km post 12.5, column 17 = 1, next row 14.3",
     {"Write 0 in column {1} where the km posts fall from the row, 1 where they rise; or correct "
      "the km post.",
      "キロ程が減っていく行の列 {1} には 0、増えていく行には 1 "
      "を書くか、キロ程を直してください。"}},
    {R::kSectionDisagreesWithKmPosts,
     "C612",
     S::kWarning,
     {"section length disagrees with the km posts by more than {1} km",
      "区間の長さがキロ程と {1} km を超えて食い違う"},
     {"The km post runs from a row's km post by its section length, and at the next row it is "
      "set to that row's km post. The checker allows {1} km, the last digit the display shows.",
      "キロ程は行のキロ程から区間の長さだけ進み、次の行でその行のキロ程になる。検査ツールは"
      "表示の最後の桁である {1} km まで許す。"},
     {"The km post jumps where the next row begins.", "次の行に入るところでキロ程が飛ぶ。"},
     "km post 12.5, section 1.8, next row 15.0",
     "km post 12.5, section 2.5, next row 15.0",
     {"Make the section length the distance between the two km posts (15.0 - 12.5 = 2.5), or "
      "correct a km post.",
      "区間の長さを 2 つのキロ程の差（15.0 - 12.5 = 2.5）にするか、キロ程を直してください。"}},
    {R::kFirstStopHidden,
     "C613",
     S::kError,
     {"the first stop row is hidden", "最初の駅の行が表示しない行になっている"},
     {"The card beacon makes the first stop row current whatever column {1} says; with the "
      "row hidden, the run selects it again at every stop.",
      "カード地上子は列 {1} にかかわらず最初の駅の行を現在駅にする。その行が表示しない行だと、"
      "運転中は駅ごとにまたその行が選ばれる。"},
     {"The display never moves on: the next stop, the lists and the cues stay at the first "
      "stop for the whole run.",
      "表示が先へ進まず、次駅、リスト、合図は運転中ずっと最初の駅のまま。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,1,1.8,1,0,0,1,,0,1,1,,A01,0 (the first stop row)",
     GOOD_STOP,
     {"Write 0 in column {1} of the first stop row; a run starts at a stop the display shows.",
      "最初の駅の行の列 {1} は 0 にしてください。運転は表示される駅から始まります。"}},

    // C7xx: card file names
    {R::kNoCodeNamesFile,
     "C701",
     S::kError,
     {"no card code names this file in entry {1}",
      "項目 {1} でこのファイルを指すカードコードがない"},
     {"A card beacon builds the file name from its code: prefix, number, suffix and .csv; "
      "in entry 1 and up the number carries the entry in its millions.",
      "カード地上子はコードから接頭記号・番号・接尾記号・.csv の順に名前を作る。項目 1 以降で"
      "は、番号の百万の位に項目番号が入る。"},
     {"The card is never loaded.", "このカードは読み込まれない。"},
     "rapid/2345S.csv (entry 1)",
     "rapid/1002345S.csv",
     {"Name the file as a card code builds it; ruvacard code shows the name a code builds.",
      "カードコードが作る名前にしてください。コードが作る名前は ruvacard code で確かめられます。"}},
    {R::kFileNameInUtf8,
     "C702",
     S::kError,
     {"the file name is UTF-8", "ファイル名が UTF-8"},
     {"A card beacon builds the card's file name in Shift_JIS bytes (code page 932); a name "
      "kept as UTF-8 bytes is another name to it, so no card code finds the file.",
      "カード地上子はカードのファイル名を Shift_JIS（コードページ 932）のバイト列で作る。UTF-8 の"
      "バイト列の名前は別の名前になり、どのカードコードでも見つからない。"},
     {"The card is never loaded.", "このカードは読み込まれない。"},
     "回1234A.csv (the name in UTF-8 bytes)",
     "回1234A.csv (the name in Shift_JIS bytes)",
     {"Give the file its name in Shift_JIS: ruvacard fix renames it, or rename it yourself "
      "(convmv -f utf8 -t cp932).",
      "ファイル名を Shift_JIS にしてください。ruvacard fix で名前を変えるか、自分で変えます"
      "（convmv -f utf8 -t cp932）。"}},

    // C8xx: special forms recognised (notes)
    {R::kTimeMark,
     "C801",
     S::kNote,
     {"time mark", "時刻の記号"},
     {"停 ↓ → ← 〓 stand for a time; each stores the time of its picture.",
      "停 ↓ → ← 〓 は時刻の代わりで、それぞれの画像の時刻を格納する。"},
     {"The mark shows as intended.", "記号が意図どおり表示される。"},
     "7,150,桜川,pass",
     "7,150,桜川,↓",
     {"Nothing to fix.", "直す必要はありません。"}},
    {R::kSlashForm,
     "C802",
     S::kNote,
     {"\"/\" form: 40 + value / 5", "\"/\" 形式：40 + 値 / 5"},
     {"/30 stores 40 + 30 / 5 = 46.", "/30 は 40 + 30 / 5 = 46 を格納する。"},
     {"The value shows as intended.", "値が意図どおり表示される。"},
     "/x",
     "/30",
     {"Nothing to fix.", "直す必要はありません。"}},
    {R::kStopMarkRecomputed,
     "C803",
     S::kNote,
     {"values above {1} become 1 for a first time in hour {2}, else 0",
      "{1} を超える値は、時刻 1 が {2} 時（通過の記号）なら 1、それ以外は 0 になる"},
     {"Column {1} keeps 0 to {2}; a larger value is recomputed from the first time.",
      "列 {1} は 0～{2} を保つ。それより大きい値は時刻 1 から計算し直される。"},
     {"The value stored is not the one written.", "書いた値とは違う値が格納される。"},
     "...,A01,9",
     "...,A01,1",
     {"Write a value from 0 to {2} if the value is meant as written (column {1}).",
      "書いた値のままにしたいなら 0～{2} を書いてください（列 {1}）。"}},

    // S1xx: sections and keys of the settings files
    {R::kUnknownSection,
     "S101",
     S::kError,
     {"unknown section", "不明なセクション"},
     {"The module reads one section of each settings file; keys in any other are not read.",
      "モジュールは各設定ファイルの 1 つのセクションだけを読み、ほかのセクションのキーは"
      "読まれない。"},
     {"The settings in it take their defaults.", "その設定は既定値になる。"},
     "[Display]",
     "[Disp]",
     {"Put the keys under the section the file is read by: [Disp] or [ICCard].",
      "キーは読まれるセクション（[Disp] または [ICCard]）の下に書いてください。"}},
    {R::kSecondSection,
     "S102",
     S::kError,
     {"second section of the name", "同じ名前の 2 つ目のセクション"},
     {"Only the first section of the name is read.",
      "同じ名前のセクションは最初のものだけが読まれる。"},
     {"The keys of the second section are not read.", "2 つ目のセクションのキーは読まれない。"},
     "[Disp] ... [Disp]",
     "[Disp]",
     {"Put all the keys under one section.", "キーは 1 つのセクションの下にまとめてください。"}},
    {R::kKeyBeforeSection,
     "S103",
     S::kError,
     {"key before any section", "セクションより前のキー"},
     {"A key before the first section belongs to no section and is not read.",
      "最初のセクションより前のキーはどのセクションにも属さず、読まれない。"},
     {"The setting takes its default.", "その設定は既定値になる。"},
     "DispType=1\n[Disp]",
     "[Disp]\nDispType=1",
     {"Put the keys under their section.", "キーはセクションの下に書いてください。"}},
    {R::kUnknownKey,
     "S104",
     S::kError,
     {"unknown key", "不明なキー"},
     {"The module reads only the keys it knows; the remark names the nearest one.",
      "モジュールは既知のキーだけを読む。報告には最も近いキーを示す。"},
     {"The setting meant stays at its default.", "意図した設定は既定値のまま。"},
     "DispTyp=1",
     "DispType=1",
     {"Write the key as the remark names it (DispTyp → DispType, UnitDispEnabled → "
      "UnitDispEnable).",
      "報告が示すキーに直してください（DispTyp → DispType、UnitDispEnabled → "
      "UnitDispEnable）。"}},
    {R::kRepeatedKey,
     "S105",
     S::kError,
     {"repeated key", "キーの重複"},
     {"Only the first of two keys of the same name is read.",
      "同じ名前のキーは最初のものだけが読まれる。"},
     {"A later value meant to win is not read.", "後に書いた値は読まれない。"},
     "D01ABnum=3\nD01ABnum=5",
     "D01ABnum=5",
     {"Write each key once.", "各キーは 1 回だけ書いてください。"}},
    {R::kNoEquals,
     "S106",
     S::kError,
     {"no '=' after the key", "キーの後に '=' がない"},
     {"A key without = reads as missing.", "= のないキーはないものとして読まれる。"},
     {"The setting takes its default.", "その設定は既定値になる。"},
     "DispType 1",
     "DispType=1",
     {"Write the key as KEY=VALUE.", "キーは KEY=VALUE の形で書いてください。"}},
    {R::kSettingsInUtf8,
     "S107",
     S::kWarning,
     {"settings file in UTF-8", "設定ファイルが UTF-8"},
     {"The module reads a settings file without a byte order mark as Shift_JIS (code page "
      "932) bytes.",
      "モジュールは BOM のない設定ファイルを Shift_JIS（コードページ 932）のバイト列として読む。"},
     {"Japanese text garbles; a line that ends in Japanese can hide the line after it, and a "
      "folder name in Japanese names another folder.",
      "日本語が文字化けし、日本語で終わる行は次の行を隠すことがあり、日本語のフォルダー名は別の"
      "フォルダーを指す。"},
     "; 表示の設定 (saved as UTF-8)",
     "; 表示の設定 (saved as Shift_JIS)",
     {"Save the settings file as Shift_JIS (code page 932).",
      "設定ファイルは Shift_JIS（コードページ 932）で保存してください。"}},
    {R::kLineHidden,
     "S108",
     S::kError,
     {"line ends in the first byte of a double-byte character: line {1} is hidden",
      "行末が 2 バイト文字の 1 バイト目：{1} 行目が隠れる"},
     {"The settings reader takes the byte after a Shift_JIS lead byte as the second byte of "
      "its character, even when that is the line end; the next line then joins this one and "
      "is not read.",
      "設定の読み取りは、Shift_JIS の 1 バイト目の次のバイトを、行末であってもその文字の 2 "
      "バイト目とする。次の行はこの行につながり、読まれない。"},
     {"The key of the hidden line takes its default; a hidden section leaves its keys outside "
      "any section.",
      "隠れた行のキーは既定値になる。隠れたのがセクションなら、そのキーはどのセクションにも"
      "属さなくなる。"},
     "; 表示設定 (saved as UTF-8)\nDispType=1",
     "; 表示設定 (saved as Shift_JIS)\nDispType=1",
     {"Save the settings file as Shift_JIS (code page 932).",
      "設定ファイルは Shift_JIS（コードページ 932）で保存してください。"}},
    {R::kVehiclePathTooLong,
     "S109",
     S::kError,
     {"vehicle folder path too long for the module",
      "車両フォルダーのパスがモジュールには長すぎる"},
     {"The module builds the paths of its settings files in its own folder, each at most {1} "
      "bytes; in a folder whose path leaves no room for RUVA_ICCard.ini it reads neither file.",
      "モジュールは自分のフォルダーに設定ファイルのパスを作り、どれも {1} バイトまで。"
      "RUVA_ICCard.ini の入る余地がないパスのフォルダーでは、どちらのファイルも読まない。"},
     {"No card loads (Load reports failure) and every display setting takes its default.",
      "カードは読み込まれず（Load は失敗を返す）、表示の設定はすべて既定値になる。"},
     "(a vehicle folder whose path runs to 250 bytes)",
     "(the vehicle folder moved to a shorter path)",
     {"Move the vehicle to a folder whose path is at most {2} bytes long.",
      "パスが {2} バイト以下のフォルダーに車両を移してください。"}},

    // S2xx: display settings values
    {R::kSettingsUnreadable,
     "S201",
     S::kError,
     {"cannot be read", "読めない"},
     {"The settings file cannot be read.", "設定ファイルを読めない。"},
     {"Every setting takes its default.", "すべての設定が既定値になる。"},
     "(a file without read permission)",
     "(a readable file)",
     {"Make the settings file readable.", "設定ファイルを読めるようにしてください。"}},
    {R::kEmptyValue,
     "S202",
     S::kError,
     {"empty value", "値が空"},
     {"An empty value reads as the key's default.", "空の値はキーの既定値として読まれる。"},
     {"The setting meant is not made.", "意図した設定にならない。"},
     "DispType=",
     "DispType=1",
     {"Write an integer.", "整数を書いてください。"}},
    {R::kNotPlainInteger,
     "S203",
     S::kError,
     {"not a plain integer", "単純な整数ではない"},
     {"The settings reader takes the digits at the front of the value; text reads as 0.",
      "設定の読み取りは値の先頭の数字だけを取り、文字列は 0 と読まれる。"},
     {"The setting is not the one meant.", "意図とは違う設定になる。"},
     "useLegacyDisp=yes",
     "useLegacyDisp=1",
     {"Write an integer.", "整数を書いてください。"}},
    {R::kNotRowCount,
     "S204",
     S::kError,
     {"not a row count of the list", "リストの行数ではない"},
     {"D01ABnum is 3 or 5; any other value counts as 5.",
      "D01ABnum は 3 か 5。それ以外の値は 5 とみなされる。"},
     {"The list has a row count other than the one written.",
      "リストは書いたのとは違う行数になる。"},
     "D01ABnum=4",
     "D01ABnum=5",
     {"Write 3 or 5.", "3 か 5 を書いてください。"}},

    // S3xx: the card list and its folders
    {R::kNoCardList,
     "S301",
     S::kError,
     {"no card list, or it cannot be read", "カード一覧がないか、読めない"},
     {"Without RUVA_ICCard.ini every card folder is missing.",
      "RUVA_ICCard.ini がないと、カードフォルダーは 1 つもないことになる。"},
     {"No card beacon finds a card.", "どのカード地上子でもカードが見つからない。"},
     "(no RUVA_ICCard.ini)",
     "[ICCard]\n0=local",
     {"Write a card list with keys 0 to {1} in [ICCard].",
      "[ICCard] にキー 0～{1} を持つカード一覧を書いてください。"}},
    {R::kNoCardFolder,
     "S302",
     S::kError,
     {"no card folder exists", "カードフォルダーが 1 つもない"},
     {"None of the card list's folders exists; Load reports failure.",
      "カード一覧のフォルダーが 1 つもなく、Load が失敗を返す。"},
     {"No card loads.", "カードは読み込まれない。"},
     "[ICCard]\n0=lcoal",
     "[ICCard]\n0=local",
     {"Name at least one existing card folder.",
      "存在するカードフォルダーを 1 つ以上書いてください。"}},
    {R::kUnknownEntry,
     "S303",
     S::kError,
     {"unknown key", "不明なキー"},
     {"The card list is read by the keys 0 to {1} alone.",
      "カード一覧はキー 0～{1} だけで読まれる。"},
     {"The folder of the key is never used.", "そのキーのフォルダーは使われない。"},
     "01=local",
     "1=local",
     {"Number the entries 0 to {1}, without leading zeros.",
      "項目の番号は 0～{1} で、先頭に 0 を付けないでください。"}},
    {R::kCardFolderNotFound,
     "S304",
     S::kError,
     {"card folder not found", "カードフォルダーが見つからない"},
     {"An entry whose folder does not exist counts as missing.",
      "フォルダーが存在しない項目はないものとされる。"},
     {"Every card code for the entry finds no file.",
      "その項目を指すカードコードではファイルが見つからない。"},
     "0=lcoal",
     "0=local",
     {"Name an existing folder, relative to the vehicle folder.",
      "車両フォルダーから見た、存在するフォルダーを書いてください。"}},
    {R::kNotAFolder,
     "S305",
     S::kError,
     {"not a folder", "フォルダーではない"},
     {"The entry names a file, so no card file lies in it.",
      "項目がファイルを指しているので、その中にカードファイルはない。"},
     {"Every card code for the entry finds no file.",
      "その項目を指すカードコードではファイルが見つからない。"},
     "0=local/1234M.csv",
     "0=local",
     {"Name the card folder, not a file in it.",
      "中のファイルではなく、カードフォルダーを書いてください。"}},
    {R::kAbsolutePath,
     "S306",
     S::kWarning,
     {"absolute path", "絶対パス"},
     {"An absolute card folder is used as written.",
      "絶対パスのカードフォルダーは書いたとおりに使われる。"},
     {"The folder exists only on the machine it was written on.",
      "そのフォルダーは、書いたパソコンにしかない。"},
     "0=D:\\Cards",
     "0=cards",
     {"Name the folder from the vehicle folder.",
      "車両フォルダーからの相対パスで書いてください。"}},
    {R::kNoCodeReachesEntry,
     "S307",
     S::kWarning,
     {"no card code reaches this entry", "この項目を指すカードコードがない"},
     {"Card codes name entries 0 to {2} only.", "カードコードが指せるのは項目 0～{2} だけ。"},
     {"The cards of entries {3} to {1} are never loaded.",
      "項目 {3}～{1} のカードは読み込まれない。"},
     "22=extra",
     "2=extra",
     {"Use an entry from 0 to {2}.", "0～{2} の項目を使ってください。"}},
    {R::kCardFolderInUtf8,
     "S308",
     S::kError,
     {"card folder name in UTF-8", "カードフォルダー名が UTF-8"},
     {"The module reads the card list as Shift_JIS (code page 932) bytes, so a folder name "
      "saved in UTF-8 names another folder, which does not exist.",
      "モジュールはカード一覧を Shift_JIS（コードページ 932）のバイト列として読むので、UTF-8 で"
      "保存したフォルダー名は別の（存在しない）フォルダーを指す。"},
     {"Every card code for the entry finds no file.",
      "その項目を指すカードコードではファイルが見つからない。"},
     "0=快速 (saved as UTF-8)",
     "0=快速 (saved as Shift_JIS)",
     {"Save the card list as Shift_JIS (code page 932).",
      "カード一覧は Shift_JIS（コードページ 932）で保存してください。"}},
    {R::kCardFolderUnreadable,
     "S309",
     S::kError,
     {"card folder cannot be read", "カードフォルダーを読めない"},
     {"The card folder exists but cannot be read: its cards can be neither listed nor "
      "checked.",
      "カードフォルダーはあるが読めず、中のカードを一覧も検査もできない。"},
     {"Where the module cannot read the folder either, no card in it loads.",
      "モジュールも読めなければ、その中のカードは読み込まれない。"},
     "(a card folder without read permission)",
     "(a readable card folder)",
     {"Make the card folder readable (its permissions, or the drive it lies on).",
      "カードフォルダーを読めるようにしてください（アクセス権、または置いたドライブ）。"}},

    // M1xx: the checker's own comments
    {R::kUnusedDisable,
     "M101",
     S::kWarning,
     {"disable comment silences nothing", "抑止コメントが何も抑止していない"},
     {"The comment names a code that no remark on its line (or in the file) has.",
      "コメントが、その行（またはファイル）のどの報告にもないコードを指している。"},
     {"A stale comment hides nothing today but may hide a new mistake later.",
      "古いコメントは今は何も隠さないが、後で新しい誤りを隠すことがある。"},
     "# ruvacard: disable=C405\n" GOOD_STOP,
     GOOD_STOP,
     {"Remove the code from the comment, or the comment.",
      "コメントからそのコードを、またはコメントごと削除してください。"}},
    {R::kUnknownDisableCode,
     "M102",
     S::kWarning,
     {"unknown remark code", "不明な報告コード"},
     {"The comment names a code that no remark has.",
      "コメントが、どの報告にもないコードを指している。"},
     {"Nothing is silenced.", "何も抑止されない。"},
     "# ruvacard: disable=C999",
     "# ruvacard: disable=C405",
     {"Write the code as the remark line shows it, in square brackets.",
      "報告の行の角かっこ内に示されたとおりにコードを書いてください。"}},

    // D1xx: what the drive of a card through the module shows
    {R::kNeverNextStop,
     "D101",
     S::kError,
     {"never shown as the next stop", "次駅として表示されない"},
     {"Driven from its first stop to its last, the display never has the stop before this one "
      "as the current stop: it goes from an earlier stop straight to a later one, or stays behind.",
      "最初の駅から最後の駅まで走らせると、この駅の 1 つ前の駅が現在駅として表示されない。表示は"
      "前の駅から一気に先の駅へ進むか、遅れたままになる。"},
     {"The driver is never told of the stop before reaching it.",
      "運転士は、着く前にこの駅を知らされない。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,0,,1,0,0,1,,0,1,1,,A01,0 (the row before, without "
     "its section length)",
     GOOD_STOP,
     {"Give the rows before it their section lengths as run, and hide none of them by mistake; "
      "ruvahost --card replays the drive.",
      "それより前の行に実際の駅間の長さを書き、誤って非表示にした行がないか確かめてください。"
      "ruvahost --card で運転を再生できます。"}},
    {R::kTimeNotShown,
     "D102",
     S::kWarning,
     {"the display never shows this time", "この時刻が表示されない"},
     {"Driven from its first stop to its last, the display never shows this time of the stop "
      "with its hour: a time from 00:00:00 to 00:59:59 is stored in hour 24, which the display "
      "shows as a blank hour, and a stop the lists never reach is not shown at all.",
      "最初の駅から最後の駅まで走らせても、この駅のこの時刻が時まで表示されることがない。"
      "00:00:00～00:59:59 の時刻は 24 時として記憶され、表示では時が空欄になる。リストに"
      "載らない駅はまったく表示されない。"},
     {"The driver sees a blank where the card gives a time.",
      "カードに時刻があるのに、運転士には空欄が見える。"},
     "7,150,桜川,001500,001530,1,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,,A01,0",
     "7,150,桜川,011500,011530,1,50,20,12.5,0,1.8,1,0,0,1,,0,1,1,,A01,0",
     {"A time from 00:00:00 to 00:59:59 cannot show its hour; if it must, draw hour 24 as 0 at "
      "a place of the panel that never shows a blank time. ruvacard preview shows what each row "
      "shows.",
      "00:00:00～00:59:59 の時刻は時を表示できません。どうしても必要なら、空欄の時刻を表示しない"
      "パネルの箇所で 24 時を 0 として描いてください。各行の表示は ruvacard preview で確かめ"
      "られます。"}},
    {R::kEventCueSilent,
     "D103",
     S::kWarning,
     {"event row: the {1} never sounds", "イベントの行：{1}が鳴らない"},
     {"Driven from its first stop to its last, the cue of this event row never sounds while the "
      "display is at its stop: its window never opens there, or opens only while the window of "
      "another event of its type is still open.",
      "最初の駅から最後の駅まで走らせても、表示がこの行の駅にあるあいだ、このイベントの合図が"
      "鳴らない。区間がそこで開かないか、同じ種類の別のイベントの区間が開いている間にしか開かない。"},
     {"The announcement the row is for is never heard.",
      "この行で鳴らすはずの案内が聞こえない。"},
     "5,2,0.8,1.0,0 (a type 0 window where the train runs fast)",
     "5,2,0.8,1.0,1",
     {"Check the stop row, the points and the type of the event; ruvahost --card replays the "
      "drive with its cues.",
      "イベントの駅の行、地点、種類を確かめてください。ruvahost --card で合図ごと運転を再生"
      "できます。"}},
    {R::kRangeCueSilent,
     "D104",
     S::kWarning,
     {"range row: the {1} never sounds", "範囲の行：{1}が鳴らない"},
     {"Driven from its first stop to its last, the cue of this range row never sounds: its stop "
      "window never opens at its stop, its kilometre range lies where the km post of the run "
      "never comes, or it opens only while another range is still open.",
      "最初の駅から最後の駅まで走らせても、この範囲の行の合図が鳴らない。駅の区間がその駅で"
      "開かないか、キロ程の範囲が運転中のキロ程の来ない所にあるか、別の範囲が開いている間に"
      "しか開かない。"},
     {"The announcement the row is for is never heard.",
      "この行で鳴らすはずの案内が聞こえない。"},
     "6,2,45.0,50.0,0.3,1 (km written in hundreds of metres)",
     "6,2,4.5,5.0,0.3,1",
     {"Check the stop row, the km range and the distance of the range; ruvahost --card replays "
      "the drive with its cues.",
      "範囲の駅の行、キロ程の範囲、距離を確かめてください。ruvahost --card で合図ごと運転を再生"
      "できます。"}},
    {R::kDisplayStalls,
     "D105",
     S::kError,
     {"the display does not move on at this stop", "この駅で表示が先へ進まない"},
     {"Driven from its first stop to its last, the train stands at this stop with its doors "
      "open, yet the display stays at an earlier stop, so the next stop it shows does not move "
      "on.",
      "最初の駅から最後の駅まで走らせると、この駅でドアを開けて停車しても表示は前の駅のまま"
      "で、次駅の表示が先へ進まない。"},
     {"From here on the lists, the next stop and the cues run behind the train.",
      "ここから先、リスト、次駅、合図が列車より遅れる。"},
     "7,150,桜川,083000,083030,1,50,20,12.5,1,1.8,1,0,0,1,,0,1,1,,A01,0 (the first row, hidden)",
     GOOD_STOP,
     {"Check the hidden flags and the section lengths of the rows before it; ruvahost --card "
      "replays the drive.",
      "それより前の行の非表示の指定と駅間の長さを確かめてください。ruvahost --card で運転を再生"
      "できます。"}},
    {R::kRunEndsEarly,
     "D106",
     S::kError,
     {"the display never reaches the last stop", "表示が終着まで進まない"},
     {"Driven to its last stop, the display stays at an earlier stop: the run ends there on the "
      "display.",
      "終着まで走らせても表示は手前の駅のままで、表示の上では運転がそこで終わる。"},
     {"The driver arrives with the display showing a stop already left behind.",
      "運転士が着いたとき、表示は通り過ぎた駅を示している。"},
     "7,150,終点,091600,246060,2,50,20,12.0,1,0.0,1,0,0,5,,0,1,5,,K09,0 (the last row, hidden)",
     "7,150,終点,091600,246060,2,50,20,12.0,0,0.0,1,0,0,5,,0,1,5,,K09,0",
     {"Check the hidden flags and the section lengths of the last rows; ruvahost --card replays "
      "the drive.",
      "最後のほうの行の非表示の指定と駅間の長さを確かめてください。ruvahost --card で運転を再生"
      "できます。"}},
};

#undef GOOD_STOP

// None yet.
constexpr std::array<const char*, 0> kRetired{};

constexpr bool wellFormed(const char* id) {
  return id[0] >= 'A' && id[0] <= 'Z' && id[1] >= '0' && id[1] <= '9' && id[2] >= '0' &&
         id[2] <= '9' && id[3] >= '0' && id[3] <= '9' && id[4] == '\0';
}

constexpr bool sameId(const char* a, const char* b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3] && a[4] == b[4];
}

// Every code in its place, well formed and given once, no retired one among them, and
// every text of its page said in both languages with the same placeholders.
constexpr bool catalogueIsWhole() {
  for (std::size_t i = 0; i < std::size(kRemarks); ++i) {
    const RemarkText& r = kRemarks[i];
    if (static_cast<std::size_t>(r.code) != i || !wellFormed(r.id)) return false;
    for (std::size_t k = 0; k < i; ++k) {
      if (sameId(kRemarks[k].id, r.id)) return false;
    }
    for (const char* retired : kRetired) {
      if (sameId(retired, r.id)) return false;
    }
    if (!saidInBoth(r.title.english, r.title.japanese) ||
        !saidInBoth(r.does.english, r.does.japanese) ||
        !saidInBoth(r.why.english, r.why.japanese) || !saidInBoth(r.fix.english, r.fix.japanese) ||
        r.wrong == nullptr || r.right == nullptr) {
      return false;
    }
  }
  return true;
}

static_assert(std::size(kRemarks) == static_cast<std::size_t>(RemarkCode::kCount),
              "one catalogue entry per remark code");
static_assert(catalogueIsWhole(),
              "every remark code in order, unique and in both languages with the same "
              "placeholders");

}  // namespace

std::span<const RemarkText> remarkCatalogue() {
  return kRemarks;
}

std::span<const char* const> retiredRemarkCodes() {
  return kRetired;
}

const RemarkText& remarkText(RemarkCode code) {
  return kRemarks[static_cast<std::size_t>(code)];
}

Severity severityOf(RemarkCode code) {
  return remarkText(code).severity;
}

std::string_view remarkId(RemarkCode code) {
  return remarkText(code).id;
}

const char* severityName(Severity severity) {
  switch (severity) {
    case Severity::kNote:
      return "note";
    case Severity::kWarning:
      return "warning";
    case Severity::kError:
      break;
  }
  return "error";
}

std::optional<RemarkCode> remarkCodeOf(std::string_view id) {
  for (const RemarkText& r : kRemarks) {
    const std::string_view known = r.id;
    if (known.size() != id.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < id.size(); ++i) {
      same = same && std::toupper(static_cast<unsigned char>(id[i])) == known[i];
    }
    if (same) return r.code;
  }
  return std::nullopt;
}

const char* inLanguage(Language chosen, const Words& words) {
  return chosen == Language::kJapanese ? words.japanese : words.english;
}

const char* inLanguage(const Words& words) {
  return inLanguage(language(), words);
}

std::string remarkTitleIn(Language chosen, RemarkCode code, std::span<const std::string> args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  return filledText(inLanguage(chosen, remarkText(code).title), views);
}

std::string remarkTitle(RemarkCode code, std::span<const std::string> args) {
  return remarkTitleIn(language(), code, args);
}
