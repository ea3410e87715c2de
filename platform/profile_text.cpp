#include "platform/profile_text.h"

#include "platform/code_page_932.h"

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The reader's notion of a blank; end-of-file marks left in old files count as one.
bool isBlank(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == ' ' || c == 0x1A;
}

bool isLineBreak(char16_t c) {
  return c == '\n' || c == '\r';
}

std::u16string_view trim(std::u16string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::u16string_view upToNul(std::u16string_view s) {
  return s.substr(0, s.find(u'\0'));
}

char16_t asciiLower(char16_t c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c;
}

// Names as the reader compares them (the file's taken up to a NUL by the caller):
// letters of ASCII alone without regard to case.
bool sameName(std::u16string_view fileName, std::u16string_view wanted) {
  if (fileName.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (asciiLower(fileName[i]) != asciiLower(wanted[i])) return false;
  }
  return true;
}

std::u16string fromCodePage932(std::string_view bytes) {
  std::u16string text;
  for (std::size_t at = 0; at < bytes.size();) text += readCodePage932(bytes, at);
  return text;
}

// One UTF-8 character from the byte `first` on, as the system's UTF-8 conversion reads
// it: a malformed sequence gives U+FFFD and ends before the first byte that breaks it,
// except at the end of the text, which it takes whole. Returns the code point, or a
// value above 0x10FFFF for U+FFFD.
uint32_t readUtf8(unsigned first, std::string_view bytes, std::size_t& at) {
  constexpr uint32_t kBad = 0xFFFFFFFF;
  const unsigned length = first < 0xC2   ? 0
                          : first < 0xE0 ? 1
                          : first < 0xF0 ? 2
                          : first < 0xF5 ? 3
                                         : 0;
  uint32_t code = first & (length == 1 ? 0x1F : length == 2 ? 0x0F : 0x07);
  if (length == 0) return kBad;
  if (at + length > bytes.size()) {
    at = bytes.size();
    return kBad;
  }
  const auto next = [&bytes, &at]() {
    return static_cast<unsigned>(static_cast<uint8_t>(bytes[at])) ^ 0x80;
  };
  if (length == 3) {
    if (next() >= 0x40) return kBad;
    code = code << 6 | next();
    ++at;
    if (code < 0x10) return kBad;
  }
  if (length >= 2) {
    if (next() >= 0x40) return kBad;
    code = code << 6 | next();
    if (code >= (0x110000 >> 6)) return kBad;
    ++at;
    if (code < 0x20) return kBad;
    if (code >= (0xD800 >> 6) && code <= (0xDFFF >> 6)) return kBad;
  }
  if (next() >= 0x40) return kBad;
  code = code << 6 | next();
  ++at;
  if (code < 0x80) return kBad;
  return code;
}

using Encoding = ProfileEncoding;

// The lines of a settings file as the reader decodes and splits them, with a count of
// the line breaks of the text read so far as an editor counts them: every LF, and every
// CR that no LF follows, including one that a double-byte character took as its second
// byte.
class LineReader {
 public:
  explicit LineReader(std::string_view file)
      : bytes_(file), encoding_(profileEncoding(file, at_)) {}

  bool done() const { return at_ >= bytes_.size(); }
  int32_t breaks() const { return breaks_; }

  // Replaces `text` with the code units of the next line and reads past the run of line
  // breaks that ends it. `joins` gets the offset in `text` of each character that took
  // a line break of the text as its second byte.
  void readLine(std::u16string& text, std::vector<std::size_t>& joins) {
    text.clear();
    joins.clear();
    if (encoding_ == Encoding::kUtf16Le || encoding_ == Encoding::kUtf16Be) {
      while (at_ < bytes_.size()) {
        const char16_t unit = unitAt(at_);
        if (isLineBreak(unit)) break;
        text += unit;
        at_ += 2;
      }
      while (at_ < bytes_.size() && isLineBreak(unitAt(at_))) {
        at_ += 2;
        countBreak(unitAt(at_ - 2));
      }
      return;
    }
    while (at_ < bytes_.size()) {
      const auto first = static_cast<uint8_t>(bytes_[at_]);
      if (first < 0x80) {
        if (first == '\n' || first == '\r') break;
        text += static_cast<char16_t>(first);
        ++at_;
      } else if (encoding_ == Encoding::kCodePage932) {
        const std::size_t start = at_;
        text += readCodePage932(bytes_, at_);
        if (at_ - start == 2 && countBreak(static_cast<uint8_t>(bytes_[at_ - 1]))) {
          joins.push_back(text.size() - 1);
        }
      } else {
        ++at_;
        const uint32_t code = readUtf8(first, bytes_, at_);
        if (code <= 0xFFFF) {
          text += static_cast<char16_t>(code);
        } else if (code <= 0x10FFFF) {
          text += static_cast<char16_t>(0xD800 | ((code - 0x10000) >> 10));
          text += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
        } else {
          text += kReplacement;
        }
      }
    }
    while (at_ < bytes_.size() && isLineBreak(static_cast<uint8_t>(bytes_[at_]))) {
      countBreak(static_cast<uint8_t>(bytes_[at_++]));
    }
  }

 private:
  char16_t unitAt(std::size_t offset) const {
    const auto a = static_cast<uint8_t>(bytes_[offset]);
    // A last odd byte reads as a unit of its own, as the reader was seen to read it.
    if (offset + 1 >= bytes_.size()) return a;
    const auto b = static_cast<uint8_t>(bytes_[offset + 1]);
    return static_cast<char16_t>(encoding_ == Encoding::kUtf16Le ? (b << 8 | a) : (a << 8 | b));
  }

  // Counts `last`, the byte or unit just read, if it ends a line of the text.
  bool countBreak(char16_t last) {
    bool counts = last == '\n';
    if (last == '\r') {
      const bool utf16 = encoding_ == Encoding::kUtf16Le || encoding_ == Encoding::kUtf16Be;
      counts = at_ >= bytes_.size() || (utf16 ? unitAt(at_) : bytes_[at_]) != '\n';
    }
    if (counts) ++breaks_;
    return counts;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  Encoding encoding_;
  int32_t breaks_ = 0;
};

// Copies `value` as the reader copies it into a buffer of `size` code units: without
// one pair of matching quotes, cut to `size` - 1 units. A quoted value cut short loses
// its last unit as well, as the reader's copy does.
std::u16string readerCopy(std::u16string_view value, std::size_t size) {
  value = upToNul(value);
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  std::u16string copy(value.substr(0, size - 1));
  if (quoted && size >= value.size() && !copy.empty()) copy.pop_back();
  return copy;
}

template <typename Char>
int32_t integerFrom(std::basic_string_view<Char> value) {
  std::size_t i = 0;
  while (i < value.size() && static_cast<uint32_t>(value[i]) <= ' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  uint32_t base = 10;
  if (i + 1 < value.size() && value[i] == '0') {
    const Char mark = value[i + 1];
    if (mark == 'x') base = 16;
    if (mark == 'o') base = 8;
    if (mark == 'b') base = 2;
    if (base != 10) i += 2;
  }
  uint32_t total = 0;
  for (; i < value.size(); ++i) {
    const auto c = static_cast<uint32_t>(value[i]);
    uint32_t digit = base;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'z') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') digit = c - 'A' + 10;
    if (digit >= base) break;
    total = total * base + digit;
  }
  return static_cast<int32_t>(negative ? 0u - total : total);
}

}  // namespace

ProfileEncoding profileEncoding(std::string_view file, std::size_t& markLength) {
  markLength = 0;
  if (file.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    markLength = kUtf8ByteOrderMark.size();
    return ProfileEncoding::kUtf8;
  }
  if (file.substr(0, 2) == "\xFF\xFE" || file.substr(0, 2) == "\xFE\xFF") {
    markLength = 2;
    return file[0] == '\xFF' ? ProfileEncoding::kUtf16Le : ProfileEncoding::kUtf16Be;
  }
  return ProfileEncoding::kCodePage932;
}

void walkProfileLines(std::string_view file, const std::function<bool(const ProfileLine&)>& visit) {
  LineReader reader(file);
  std::u16string text;
  std::vector<std::size_t> joins;
  while (!reader.done()) {
    ProfileLine line;
    line.line = reader.breaks() + 1;
    reader.readLine(text, joins);
    const std::u16string_view content = trim(text);
    if (content.empty()) continue;
    const auto first = static_cast<std::size_t>(content.data() - text.data());
    const std::size_t last = first + content.size() - 1;
    line.column = static_cast<int32_t>(first) + 1;
    line.text = content;
    line.lastLine = line.line;
    for (const std::size_t join : joins) {
      if (join >= last) continue;
      if (line.lastLine == line.line) line.joinColumn = static_cast<int32_t>(join) + 1;
      ++line.lastLine;
    }
    if (content.front() == '[') {
      const std::size_t close = content.rfind(u']');
      if (close != std::u16string_view::npos && close > 0) {
        line.isSection = true;
        line.name = trim(content.substr(1, close - 1));
        if (!visit(line)) return;
        continue;
      }
    }
    const std::size_t equals = content.find(u'=');
    line.name = trim(content.substr(0, equals));
    if (equals != std::u16string_view::npos) {
      line.hasValue = true;
      line.value = trim(content.substr(equals + 1));
    }
    if (!visit(line)) return;
  }
}

std::string profileBytes(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : upToNul(text)) appendCodePage932(unit, bytes);
  return bytes;
}

std::vector<std::optional<std::u16string>> findProfileValues(
    std::string_view file, std::string_view section, std::span<const std::string_view> keys) {
  const std::u16string wantedSection = fromCodePage932(section);
  std::vector<std::u16string> wantedKeys;
  for (const std::string_view key : keys) wantedKeys.push_back(fromCodePage932(key));
  const std::u16string_view sectionName = trim(wantedSection);
  std::vector<std::u16string_view> keyNames;
  for (const std::u16string& key : wantedKeys) keyNames.push_back(trim(key));
  // Most lines of a long file name none of the keys; their length tells at once.
  std::vector<bool> wantedLength;
  for (const std::u16string_view key : keyNames) {
    if (wantedLength.size() <= key.size()) wantedLength.resize(key.size() + 1, false);
    wantedLength[key.size()] = true;
  }
  std::vector<std::optional<std::u16string>> values(keys.size());
  std::vector<bool> seen(keys.size(), false);
  // Lines before the first section lie in one without a name.
  bool inSection = sectionName.empty();
  walkProfileLines(file, [&](const ProfileLine& line) {
    const std::u16string_view name = upToNul(line.name);
    if (line.isSection) {
      // Only the first section of the name is searched: the next section ends the search.
      if (inSection) return false;
      inSection = sameName(name, sectionName);
      return true;
    }
    if (!inSection || name.size() >= wantedLength.size() || !wantedLength[name.size()]) return true;
    for (std::size_t k = 0; k < keyNames.size(); ++k) {
      if (seen[k] || !sameName(name, keyNames[k])) continue;
      seen[k] = true;
      if (line.hasValue) values[k] = std::u16string(line.value);
    }
    return true;
  });
  return values;
}

std::size_t copyProfileString(const std::optional<std::u16string>& value, std::string_view fallback,
                              char* out, std::size_t size) {
  if (size == 0) return 0;
  std::u16string source;
  if (value) {
    source = *value;
  } else {
    // The reader drops the spaces at the end of a fallback, keeping its first character.
    std::size_t length = fallback.size();
    while (length > 1 && fallback[length - 1] == ' ') --length;
    source = fromCodePage932(fallback.substr(0, length));
  }
  const std::u16string copy = readerCopy(source, size);
  std::size_t count = 0;
  std::string character;
  for (const char16_t unit : copy) {
    character.clear();
    appendCodePage932(unit, character);
    if (count + character.size() > size - 1) {
      // The conversion fails on the character that does not fit: what it wrote stays,
      // and the reader reports a full buffer.
      out[size - 1] = '\0';
      return size - 1;
    }
    for (const char c : character) out[count++] = c;
  }
  out[count] = '\0';
  return count;
}

int32_t profileInt(const std::optional<std::u16string>& value, int32_t fallback) {
  // The reader reads the value into a buffer of 30 code units first.
  const std::u16string copy = readerCopy(value.value_or(u""), 30);
  return copy.empty() ? fallback : integerFrom(std::u16string_view(copy));
}

std::optional<std::string> findProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key) {
  const std::string_view keys[] = {key};
  const auto values = findProfileValues(file, section, keys);
  if (!values.front()) return std::nullopt;
  const std::u16string copy = readerCopy(*values.front(), values.front()->size() + 1);
  return profileBytes(copy);
}

int32_t profileIntFromText(std::string_view value) {
  return integerFrom(value);
}

}  // namespace platform
