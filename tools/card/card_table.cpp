#include "tools/card/card_table.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "card/card_format.h"
#include "card/number_conversion.h"
#include "tools/card/lint_remark.h"
#include "tools/common/messages.h"
#include "tools/common/remark_codes.h"
#include "tools/platform/host_text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The header name of the column that fills each field, in the order of CardField.
struct FieldName {
  CardField field;
  Words name;
};
constexpr FieldName kFieldNames[] = {
    {CardField::kCardName, {"card name", "カード名"}},
    {CardField::kHeaderCode, {"header code", "ヘッダーコード"}},
    {CardField::kHeaderText, {"header text", "ヘッダー文字列"}},
    {CardField::kTrainNumber, {"train number", "列車番号"}},
    {CardField::kCardNote, {"note", "メモ"}},
    {CardField::kEventStopIndex, {"event stop row", "イベントの起点駅の行"}},
    {CardField::kEventStartKm, {"event start km", "イベントの始点（km）"}},
    {CardField::kEventEndKm, {"event end km", "イベントの終点（km）"}},
    {CardField::kEventType, {"event type", "イベントの種類"}},
    {CardField::kRangeStopIndex, {"range stop row", "範囲の起点駅の行"}},
    {CardField::kRangeStartKm, {"range start km", "範囲の始点（km）"}},
    {CardField::kRangeEndKm, {"range end km", "範囲の終点（km）"}},
    {CardField::kRangeDistanceKm, {"range distance km", "範囲の距離（km）"}},
    {CardField::kRangeValue, {"range value", "範囲の値"}},
    {CardField::kStopGapSec, {"running time", "運転時分（秒）"}},
    {CardField::kStopName, {"stop name", "駅名"}},
    {CardField::kStopTime1, {"first time", "時刻 1（着時刻）"}},
    {CardField::kStopTime2, {"second time", "時刻 2（発時刻）"}},
    {CardField::kStopText5, {"stop number", "番線"}},
    {CardField::kStopCol6, {"stop column 6", "駅の列 6"}},
    {CardField::kStopCol7, {"stop column 7", "駅の列 7"}},
    {CardField::kStopKmPost, {"km post", "キロ程"}},
    {CardField::kStopFlag9, {"hidden timing point", "表示しない採時点"}},
    {CardField::kStopDistanceKm, {"section length km", "駅間距離（km）"}},
    {CardField::kStopCol11, {"arrival cue", "到着合図"}},
    {CardField::kStopCol12, {"stop column 12", "駅の列 12"}},
    {CardField::kStopCol13, {"stop column 13", "駅の列 13"}},
    {CardField::kStopCol14, {"stop column 14", "駅の列 14"}},
    {CardField::kStopText15, {"stop text", "駅に添える文字列"}},
    {CardField::kStopCol16, {"stop column 16", "駅の列 16"}},
    {CardField::kStopKmCountDown, {"km direction", "キロ程の向き"}},
    {CardField::kStopAttr, {"attribute", "属性"}},
    {CardField::kStopColumn19, {"stop column 19", "駅の列 19"}},
    {CardField::kStopCode, {"stop code", "駅コード"}},
    {CardField::kStopCol21, {"stop column 21", "駅の列 21"}},
    {CardField::kCardValue8, {"next stop announced", "次の停車駅の案内"}},
    {CardField::kCardText11, {"info text", "案内文"}},
    {CardField::kCardValue11, {"info index", "案内番号"}},
    {CardField::kSecondTrainNumber, {"second train number", "第 2 列車番号"}},
    {CardField::kSecondTime1, {"second train first time", "第 2 列車の時刻 1"}},
    {CardField::kSecondTime2, {"second train second time", "第 2 列車の時刻 2"}},
};

constexpr bool namesFollowFields() {
  std::size_t count = 0;
  for (const RowFormat& format : kRowFormats) count += format.columns.size();
  if (count != std::size(kFieldNames)) return false;
  for (std::size_t i = 0; i < std::size(kFieldNames); ++i) {
    if (static_cast<std::size_t>(kFieldNames[i].field) != i) return false;
  }
  return true;
}
static_assert(namesFollowFields(), "one header name per card field, in the order of CardField");

constexpr Words kRowTypeName = {"row type", "行種別"};
constexpr Words kCountName = {"columns", "列数"};
constexpr Words kMoreName = {"more columns", "続きの列"};

// One column of the table.
struct TableColumn {
  enum class Kind : uint8_t { kRowType, kField, kCount, kMore };
  Kind kind;
  RowType row = RowType::kStop;  // kField
  const CardColumn* column = nullptr;
  Words name;
};

std::vector<TableColumn> tableColumns() {
  std::vector<TableColumn> columns = {{TableColumn::Kind::kRowType, RowType::kStop, nullptr,
                                       kRowTypeName}};
  for (const RowFormat& format : kRowFormats) {
    for (const CardColumn& c : format.columns) {
      columns.push_back({TableColumn::Kind::kField, format.type, &c,
                         kFieldNames[static_cast<std::size_t>(c.field)].name});
    }
  }
  columns.push_back({TableColumn::Kind::kCount, RowType::kStop, nullptr, kCountName});
  columns.push_back({TableColumn::Kind::kMore, RowType::kStop, nullptr, kMoreName});
  return columns;
}

// `line` split at every comma, a comma at its end opening one more, empty field.
std::vector<std::string_view> pieces(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    out.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

bool isAscii(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// The row format of a line whose first field `typeText` names a row type the module
// reads; null for a line that is no row.
const RowFormat* rowOfLine(std::string_view typeText) {
  int32_t type = 0;
  if (!convertInt(typeText, type)) return nullptr;
  return rowFormat(type);
}

std::string csvCell(std::string_view text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                         text.back() == ' ' || text.back() == '\t'));
  if (!quoted) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace

bool cardAsTable(std::string_view card, std::string_view cardName, std::string& table,
                 std::string& error) {
  const std::vector<TableColumn> columns = tableColumns();
  const bool utf8 = !isAscii(card) && isUtf8(card);
  const std::size_t firstEnd = card.find('\n');
  const bool lf = firstEnd != std::string_view::npos && (firstEnd == 0 || card[firstEnd - 1] != '\r');
  const std::string rowEnd = lf ? "\n" : "\r\n";
  table = std::string(kByteOrderMark);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    table += (i ? "," : "") + csvCell(inLanguage(columns[i].name));
  }
  table += rowEnd;
  std::string_view rest = card;
  std::size_t number = 0;
  while (!rest.empty()) {
    ++number;
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    const bool ended = end != std::string_view::npos;
    rest.remove_prefix(ended ? end + 1 : rest.size());
    if (ended && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> fields = pieces(line);
    std::vector<std::string> cells(columns.size());
    for (std::size_t k = 0; k < fields.size(); ++k) {
      const std::string text = isAscii(fields[k]) ? std::string(fields[k])
                                                  : platform::utf8FromCodePage932(fields[k]);
      if (!isAscii(fields[k]) && (utf8 || platform::toCodePage932(text) != fields[k])) {
        error = message(Msg::kExportNotShiftJis,
                        {terminalText(cardName), std::to_string(number), std::to_string(k)});
        return false;
      }
    }
    auto shown = [](std::string_view bytes) {
      return isAscii(bytes) ? std::string(bytes) : platform::utf8FromCodePage932(bytes);
    };
    const RowFormat* format = line.empty() ? nullptr : rowOfLine(fields[kRowTypeColumn]);
    if (format == nullptr) {
      cells[0] = shown(line);
    } else {
      cells[0] = shown(fields[kRowTypeColumn]);
      const auto last = static_cast<std::size_t>(format->columns.back().column);
      for (std::size_t i = 1; i < columns.size(); ++i) {
        const TableColumn& c = columns[i];
        if (c.kind == TableColumn::Kind::kField && c.row == format->type &&
            static_cast<std::size_t>(c.column->column) < fields.size()) {
          cells[i] = shown(fields[static_cast<std::size_t>(c.column->column)]);
        } else if (c.kind == TableColumn::Kind::kCount && fields.size() != last + 1) {
          cells[i] = std::to_string(fields.size());
        } else if (c.kind == TableColumn::Kind::kMore && fields.size() > last + 1) {
          const auto from = static_cast<std::size_t>(fields[last + 1].data() - line.data());
          cells[i] = shown(line.substr(from));
        }
      }
    }
    // A row's empty cells at its end stay empty.
    std::size_t used = cells.size();
    while (used > 1 && cells[used - 1].empty()) --used;
    for (std::size_t i = 0; i < used; ++i) table += (i ? "," : "") + csvCell(cells[i]);
    if (ended) table += rowEnd;
  }
  return true;
}

namespace {

// One record of the table: its cells and how its line ended.
struct Record {
  std::size_t line = 0;  // where it begins, from 1
  std::vector<std::string> cells;
  std::string end;  // "\r\n", "\n", or empty for a last record without one
};

// The records of CSV text: quoted fields may hold separators, quote marks (doubled)
// and line ends. False, with the line of the quote, when a quoted field is not closed.
bool records(std::string_view text, char separator, std::vector<Record>& out,
             std::size_t& openQuote) {
  std::size_t line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    Record record;
    record.line = line;
    std::string cell;
    bool inQuotes = false;
    std::size_t quoteLine = line;
    while (i < text.size()) {
      const char c = text[i];
      if (inQuotes) {
        if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
          cell += '"';
          i += 2;
          continue;
        }
        if (c == '"') {
          inQuotes = false;
        } else {
          if (c == '\n') ++line;
          cell += c;
        }
        ++i;
        continue;
      }
      if (c == '"') {
        inQuotes = true;
        quoteLine = line;
        ++i;
      } else if (c == separator) {
        record.cells.push_back(std::move(cell));
        cell.clear();
        ++i;
      } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
        record.end = c == '\n' ? "\n" : "\r\n";
        i += record.end.size();
        ++line;
        break;
      } else {
        cell += c;
        ++i;
      }
    }
    if (inQuotes) {
      openQuote = quoteLine;
      return false;
    }
    record.cells.push_back(std::move(cell));
    out.push_back(std::move(record));
  }
  return true;
}

char separatorOf(std::string_view text) {
  std::size_t commas = 0;
  std::size_t tabs = 0;
  bool inQuotes = false;
  for (char c : text) {
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && (c == '\n' || c == '\r')) break;
    if (!inQuotes && c == ',') ++commas;
    if (!inQuotes && c == '\t') ++tabs;
  }
  return tabs > commas ? '\t' : ',';
}

std::string folded(std::string_view name) {
  const std::size_t start = name.find_first_not_of(" \t");
  const std::size_t end = name.find_last_not_of(" \t");
  std::string out(start == std::string_view::npos ? "" : name.substr(start, end - start + 1));
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The Unicode code point of the UTF-8 character at the front of `text`.
uint32_t codePoint(std::string_view text) {
  const auto lead = static_cast<uint8_t>(text[0]);
  const std::size_t length = text.size();
  uint32_t value = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  for (std::size_t k = 1; k < length; ++k) value = value << 6 | (static_cast<uint8_t>(text[k]) & 0x3F);
  return value;
}

std::size_t utf8Length(uint8_t lead) {
  return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

// Converts the cells of the table to code page 932 and puts them into the card lines.
class CardWriter {
 public:
  CardWriter(std::string_view tableName, const std::vector<TableColumn>& columns,
             const std::vector<std::optional<std::size_t>>& columnAt, ImportedCard& result)
      : name_(tableName), columns_(columns), columnAt_(columnAt), result_(result) {}

  // The cell of table column `index` of `record`, in code page 932; false with the
  // error set when it does not convert.
  bool cell(const Record& record, std::size_t index, std::string& bytes) {
    bytes.clear();
    const std::optional<std::size_t> at = columnAt_[index];
    if (!at || *at >= record.cells.size()) return true;
    const std::string& text = record.cells[*at];
    if (isAscii(text)) {
      bytes = text;
      return true;
    }
    if (!isUtf8(text)) {
      result_.error = message(Msg::kImportNotUtf8, {name_, std::to_string(record.line),
                                                    std::to_string(*at + 1)});
      return false;
    }
    bytes = platform::toCodePage932(text);
    if (!bytes.empty()) return true;
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t length = std::min(utf8Length(static_cast<uint8_t>(text[i])), text.size() - i);
      const std::string_view character = std::string_view(text).substr(i, length);
      if (!isAscii(character) && platform::toCodePage932(character).empty()) {
        char unicode[16];
        std::snprintf(unicode, sizeof unicode, "U+%04X", static_cast<unsigned>(codePoint(character)));
        result_.error = message(Msg::kImportNotEncodable,
                                {name_, std::to_string(record.line), std::to_string(*at + 1),
                                 character, unicode, inLanguage(columns_[index].name)});
        return false;
      }
      i += length;
    }
    result_.error = message(Msg::kImportNotUtf8, {name_, std::to_string(record.line),
                                                  std::to_string(*at + 1)});
    return false;
  }

  void warn(const Record& record, std::size_t index, Msg id, std::string_view value,
            std::string_view extra) {
    const std::size_t column = columnAt_[index] ? *columnAt_[index] + 1 : 0;
    result_.warnings.push_back(message(id, {name_, std::to_string(record.line),
                                            std::to_string(column), value, extra}));
  }

 private:
  std::string name_;
  const std::vector<TableColumn>& columns_;
  const std::vector<std::optional<std::size_t>>& columnAt_;
  ImportedCard& result_;
};

// The card line of one data record; false with the error set.
bool cardLine(const Record& record, const std::vector<TableColumn>& columns, CardWriter& writer,
              std::string& line) {
  std::vector<std::string> cells(columns.size());
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (!writer.cell(record, i, cells[i])) return false;
  }
  const RowFormat* format =
      cells[0].find(',') == std::string::npos ? rowOfLine(cells[0]) : nullptr;
  line = cells[0];
  if (format == nullptr) {
    for (std::size_t i = 1; i < columns.size(); ++i) {
      if (!cells[i].empty()) {
        writer.warn(record, i, Msg::kImportNoRow, "", "");
        break;
      }
    }
    return true;
  }
  const auto last = static_cast<std::size_t>(format->columns.back().column);
  std::vector<std::string> fields(last + 1);
  std::size_t filled = 0;
  std::size_t count = 0;
  std::vector<std::string_view> more;
  for (std::size_t i = 1; i < columns.size(); ++i) {
    const TableColumn& c = columns[i];
    if (c.kind == TableColumn::Kind::kField && c.row == format->type) {
      const auto k = static_cast<std::size_t>(c.column->column);
      fields[k] = cells[i];
      if (!cells[i].empty()) filled = std::max(filled, k);
    } else if (c.kind == TableColumn::Kind::kField && !cells[i].empty()) {
      writer.warn(record, i, Msg::kImportOtherRowsColumn, inLanguage(c.name),
                  std::to_string(rowNumber(format->type)));
    } else if (c.kind == TableColumn::Kind::kCount && !folded(cells[i]).empty()) {
      int32_t value = 0;
      const std::string text = folded(cells[i]);
      if (convertInt(text, value) && value > 0 && std::to_string(value) == text) {
        count = static_cast<std::size_t>(value);
      } else {
        writer.warn(record, i, Msg::kImportBadCount, terminalText(cells[i]), "");
      }
    } else if (c.kind == TableColumn::Kind::kMore && !cells[i].empty()) {
      more = pieces(cells[i]);
    }
  }
  // As many fields as the row says, never fewer than its values need; without a count,
  // every column of its type.
  std::size_t size = more.empty() ? last + 1 : last + 1 + more.size();
  if (count > 0) size = std::max({count, filled + 1, more.empty() ? 0 : size});
  for (std::size_t k = 1; k < size; ++k) {
    line += ',';
    if (k <= last) {
      line += fields[k];
    } else if (k - last - 1 < more.size()) {
      line += more[k - last - 1];
    }
  }
  return true;
}

}  // namespace

ImportedCard cardFromTable(std::string_view table, std::string_view tableName) {
  ImportedCard result;
  const std::string name = terminalText(tableName);
  if (table.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    table.remove_prefix(kByteOrderMark.size());
  }
  std::vector<Record> all;
  std::size_t openQuote = 0;
  if (!records(table, separatorOf(table), all, openQuote)) {
    result.error = message(Msg::kImportOpenQuote, {name, std::to_string(openQuote)});
    return result;
  }
  const std::vector<TableColumn> columns = tableColumns();
  std::vector<std::optional<std::size_t>> columnAt(columns.size());
  const std::vector<std::string> header = all.empty() ? std::vector<std::string>() : all[0].cells;
  for (std::size_t at = 0; at < header.size(); ++at) {
    const std::string written = folded(header[at]);
    if (written.empty()) continue;
    const auto known = std::find_if(columns.begin(), columns.end(), [&written](const TableColumn& c) {
      return folded(c.name.english) == written || folded(c.name.japanese) == written;
    });
    if (known == columns.end()) {
      result.warnings.push_back(
          message(Msg::kImportExtraColumn, {name, std::to_string(at + 1), header[at]}));
      continue;
    }
    std::optional<std::size_t>& slot = columnAt[static_cast<std::size_t>(known - columns.begin())];
    if (slot) {
      result.warnings.push_back(
          message(Msg::kImportRepeatedColumn, {name, std::to_string(at + 1), header[at]}));
    } else {
      slot = at;
    }
  }
  if (!columnAt[0]) {
    result.error = message(Msg::kImportNoRowType, {name, inLanguage(kRowTypeName)});
    return result;
  }
  const bool lf = std::all_of(all.begin(), all.end(), [](const Record& r) { return r.end != "\r\n"; }) &&
                  std::any_of(all.begin(), all.end(), [](const Record& r) { return r.end == "\n"; });
  CardWriter writer(name, columns, columnAt, result);
  for (std::size_t r = 1; r < all.size(); ++r) {
    std::string line;
    if (!cardLine(all[r], columns, writer, line)) return result;
    result.bytes += line;
    if (!all[r].end.empty()) result.bytes += lf ? "\n" : "\r\n";
  }
  result.written = true;
  return result;
}
