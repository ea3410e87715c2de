// The native settings reader against the system's: thousands of generated settings
// files, each read through the platform's reader from disk (on Windows the system's
// GetPrivateProfileIntA and GetPrivateProfileStringA, as the module calls them) and
// through the native stand-in from memory, must give the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/code_page_932.h"
#include "platform/platform.h"
#include "platform/profile_text.h"
#include "tests/support/vehicle_folder.h"

namespace {

constexpr std::string_view kIntKeys[] = {"useLegacyDisp", "D01ABnum", "DispType", "UnitDispEnable",
                                         "NextStopType"};
constexpr std::string_view kStringKeys[] = {"0", "1", "2", "3", "4", "5", "31"};

enum class Form { kCodePage932, kUtf8WithMark, kUtf8, kUtf16Le, kUtf16Be };

// Settings files as authors and their editors leave them, and worse: every kind of line
// end, blanks, quotes, Japanese text in the code page and out of it, lead bytes before
// line ends, NUL bytes, malformed UTF-8 and lone surrogates.
class SettingsFileMaker {
 public:
  explicit SettingsFileMaker(uint32_t seed) : random_(seed) {}

  std::string make() {
    const int form = pick(20);
    form_ = form < 11   ? Form::kCodePage932
            : form < 14 ? Form::kUtf8WithMark
            : form < 16 ? Form::kUtf8
            : form < 18 ? Form::kUtf16Le
                        : Form::kUtf16Be;
    text_.clear();
    // Mostly the sections and keys that the module reads, amid everything else.
    for (int i = pick(3); i > 0; --i) line();
    const bool displayFirst = pick(2) == 0;
    for (int n = 0, sections = 2 + pick(2); n < sections; ++n) {
      const bool display = n < 2 ? (n == 0) == displayFirst : pick(2) == 0;
      section(display);
      for (int keys = 3 + pick(8); keys > 0; --keys) {
        if (pick(5) == 0) {
          line();
        } else {
          key(display);
          lineEnd();
        }
      }
    }
    if (pick(3) == 0) text_.resize(text_.size() - std::min<std::size_t>(text_.size(), 1));
    return bytes();
  }

 private:
  int pick(std::size_t n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }

  // Text written as the file's form writes it; in code page 932 files, the code page's
  // bytes of it, or its UTF-8 bytes as an editor set to UTF-8 saves them.
  void text(std::u16string_view words) {
    if (form_ == Form::kUtf16Le || form_ == Form::kUtf16Be) {
      text_ += words;
      return;
    }
    bool ascii = true;
    for (const char16_t c : words) ascii = ascii && c < 0x80;
    const bool utf8 = form_ != Form::kCodePage932 || (!ascii && pick(3) == 0);
    std::string bytes;
    for (std::size_t i = 0; i < words.size(); ++i) {
      uint32_t code = words[i];
      if (!utf8) {
        platform::appendCodePage932(words[i], bytes);
      } else if (code < 0x80) {
        bytes += static_cast<char>(code);
      } else {
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < words.size()) {
          code = 0x10000 + ((code - 0xD800) << 10) + (words[++i] - 0xDC00u);
        }
        const int tail = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        bytes += static_cast<char>(((0xFF00u >> (tail + 1)) & 0xFF) | code >> (6 * tail));
        for (int at = tail - 1; at >= 0; --at)
          bytes += static_cast<char>(0x80 | (code >> (6 * at) & 0x3F));
      }
    }
    raw(bytes);
  }

  void raw(std::string_view bytes) {
    if (form_ == Form::kUtf16Le || form_ == Form::kUtf16Be) return;
    for (const char c : bytes) text_ += static_cast<char16_t>(static_cast<uint8_t>(c));
  }

  void blanks() {
    static constexpr std::u16string_view kBlanks[] = {u" ",  u"  ",   u"\t",   u"\v",
                                                      u"\f", u"\x1A", u" \t ", u"\u3000"};
    if (pick(2) == 0) text(kBlanks[pick(pick(4) == 0 ? 8 : 7)]);
  }

  void name(std::u16string_view plain) {
    std::u16string spelled(plain);
    for (char16_t& c : spelled) {
      if (pick(6) == 0 && c >= 'a' && c <= 'z') c = static_cast<char16_t>(c - 32);
      if (pick(6) == 0 && c >= 'A' && c <= 'Z') c = static_cast<char16_t>(c + 32);
    }
    text(spelled);
  }

  // Bytes that no author meant; those given as bytes go only into files of bytes.
  void oddity() {
    static constexpr struct {
      std::string_view bytes;
      std::u16string_view text;
    } kOddities[] = {
        {{}, std::u16string_view(u"\0", 1)},
        {"\x95", {}},                              // a lead byte left alone
        {"\xE8\xA8\xAD\xE5\xAE\x9A", {}},          // 設定 in UTF-8, ending in a lead byte
        {"\x87\x90\xED\x40\xFA\x4A\x85\x40", {}},  // vendor rows, an empty cell
        {"\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80\x80\xE3\x81", {}},  // malformed UTF-8
        {"\x80\xA0\xFD\xFE\xFF", {}},
        {"\x95\x5C", {}},  // 表, whose second byte is a backslash
        {{}, u"é€\U0001F600"},
        {{}, u"\xD800x\xDC00"},  // lone surrogates
        {{}, u"ｶｰﾄﾞ"},
        {{}, u"\uFEFF"},
        {{}, u"\x1A"},
        {{}, u"\""},
    };
    const auto& oddity = kOddities[pick(std::size(kOddities))];
    if (oddity.bytes.empty()) {
      text(oddity.text);
    } else {
      raw(oddity.bytes);
    }
  }

  void value() {
    static constexpr std::u16string_view kValues[] = {
        u"",      u"3",          u"5",     u"-1",         u"+0x1F", u"0o17x",
        u"0b101", u"4294967297", u"cards", u"表示カード", u"12 34", u"C:\\車両\\カード"};
    const std::size_t n = static_cast<std::size_t>(pick(std::size(kValues) + 3));
    if (n < std::size(kValues)) {
      text(kValues[n]);
    } else if (n == std::size(kValues)) {
      // Past the 29 code units that the integer reader reads.
      text(std::u16string(25 + pick(8), u'0') + u"12");
    } else {
      // Past the 259 bytes that a card folder keeps, cut inside a double-byte character,
      // after one, or after a character of one byte.
      text(std::u16string(n == std::size(kValues) + 1 ? 120 + pick(20) : 257 + pick(2), u'x') +
           u"甲乙表" + std::u16string(pick(3), u'y'));
    }
  }

  void quoted() {
    static constexpr std::u16string_view kQuotes[] = {u"\"", u"'", u""};
    const std::u16string_view open = kQuotes[pick(3)];
    const std::u16string_view close = pick(4) == 0 ? kQuotes[pick(3)] : open;
    text(open);
    value();
    if (pick(6) == 0) oddity();
    text(close);
  }

  void key(bool display) {
    static constexpr std::u16string_view kDisplayKeys[] = {
        u"useLegacyDisp", u"D01ABnum", u"DispType", u"UnitDispEnable", u"NextStopType", u"表示"};
    static constexpr std::u16string_view kCardKeys[] = {u"0", u"1",  u"2",  u"3", u"4",
                                                        u"5", u"31", u"00", u"+1"};
    blanks();
    if (pick(20) == 0) oddity();
    if (display) {
      name(kDisplayKeys[pick(6)]);
    } else {
      name(kCardKeys[pick(9)]);
    }
    if (pick(20) == 0) oddity();
    blanks();
    if (pick(16) > 0) {
      text(u"=");
      blanks();
      quoted();
      if (pick(8) == 0) oddity();
      blanks();
    }
  }

  void section(bool display) {
    static constexpr std::u16string_view kOthers[] = {u"Other", u"表示", u"", u"Disp]", u"IC Card"};
    blanks();
    text(u"[");
    blanks();
    name(pick(6) == 0 ? kOthers[pick(5)] : display ? u"Disp" : u"ICCard");
    if (pick(16) == 0) oddity();
    blanks();
    if (pick(16) > 0) text(u"]");
    if (pick(6) == 0) text(u" ; after");
    blanks();
    lineEnd();
  }

  // A line of anything, with its end.
  void line() {
    switch (pick(6)) {
      case 0:
        section(pick(2) == 0);
        return;
      case 1:
        text(pick(2) ? u"; 表示設定" : u"# カード一覧");
        if (pick(2)) oddity();
        break;
      case 2:
        blanks();
        break;
      case 3:
        oddity();
        key(pick(2) == 0);
        break;
      default:
        key(pick(2) == 0);
        break;
    }
    lineEnd();
  }

  void lineEnd() {
    static constexpr std::u16string_view kEnds[] = {u"\n", u"\n",   u"\r\n",   u"\r\n",
                                                    u"\r", u"\n\r", u"\r\r\n", u"\n\n"};
    text(kEnds[pick(8)]);
  }

  std::string bytes() const {
    std::string out;
    switch (form_) {
      case Form::kUtf8WithMark:
        out = "\xEF\xBB\xBF";
        [[fallthrough]];
      case Form::kCodePage932:
      case Form::kUtf8:
        for (const char16_t unit : text_) out += static_cast<char>(unit);
        return out;
      case Form::kUtf16Le:
      case Form::kUtf16Be: {
        const bool little = form_ == Form::kUtf16Le;
        out = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char16_t unit : text_) {
          const char low = static_cast<char>(unit & 0xFF);
          const char high = static_cast<char>(unit >> 8);
          out += little ? low : high;
          out += little ? high : low;
        }
        return out;
      }
    }
    return out;
  }

  std::mt19937 random_;
  Form form_ = Form::kCodePage932;
  std::u16string text_;
};

TEST(ProfileReaderAgainstTheSystem, GeneratedFilesReadTheSame) {
  // Under Wine the system's reader answers, natively this module's reader of files; the
  // run of 6,000 files recorded in the performance notes read the same as these 2,000.
  constexpr int kFiles = 2000;
  constexpr std::size_t kSizes[] = {260, 260, 260, 64, 30, 9, 3, 2};
  VehicleFolder folder;
  SettingsFileMaker maker(20240518);
  int differences = 0;
  int compared = 0;
  for (int n = 0; n < kFiles; ++n) {
    const std::string bytes = maker.make();
    // A file of its own for each: the system keeps the files it has read and tells a
    // rewritten one by its time stamp, which a quick rewrite can leave as it was.
    const std::string name = "s" + std::to_string(n) + ".ini";
    folder.write(name, bytes);
    const std::string path = folder.prefix() + name;
    const auto differ = [&](const std::string& what, const std::string& system,
                            const std::string& native) {
      if (++differences <= 10) {
        ADD_FAILURE() << what << " of file " << n << ": system " << testing::PrintToString(system)
                      << ", native " << testing::PrintToString(native)
                      << "\nfile: " << testing::PrintToString(bytes);
      }
    };
    const auto ints = platform::findProfileValues(bytes, "Disp", kIntKeys);
    for (std::size_t k = 0; k < std::size(kIntKeys); ++k) {
      const std::string key(kIntKeys[k]);
      const int32_t system = platform::readProfileInt("Disp", key.c_str(), 77, path.c_str());
      const int32_t native = platform::profileInt(ints[k], 77);
      ++compared;
      if (system != native) differ(key, std::to_string(system), std::to_string(native));
    }
    const auto strings = platform::findProfileValues(bytes, "ICCard", kStringKeys);
    const std::size_t size = kSizes[static_cast<std::size_t>(n) % std::size(kSizes)];
    for (std::size_t k = 0; k < std::size(kStringKeys); ++k) {
      const std::string key(kStringKeys[k]);
      char system[300];
      char native[300];
      std::memset(system, '~', sizeof system);
      std::memset(native, '~', sizeof native);
      const std::size_t systemCount =
          platform::readProfileString("ICCard", key.c_str(), "NULL", system, size, path.c_str());
      const std::size_t nativeCount = platform::copyProfileString(strings[k], "NULL", native, size);
      ++compared;
      const std::string systemText = std::to_string(systemCount) + ":" + std::string(system, size);
      const std::string nativeText = std::to_string(nativeCount) + ":" + std::string(native, size);
      if (systemText != nativeText)
        differ(key + " in " + std::to_string(size), systemText, nativeText);
    }
    // The checker's view of a value: the system's with room enough.
    char whole[4096];
    const std::size_t wholeCount =
        platform::readProfileString("ICCard", "0", "\x01", whole, sizeof whole, path.c_str());
    const auto value = platform::findProfileValue(bytes, "ICCard", "0");
    ++compared;
    const std::string system(whole, wholeCount);
    if (system != value.value_or("\x01"))
      differ("the whole value of 0", system, value.value_or("\x01"));
    std::filesystem::remove(folder.path() / name);
  }
  EXPECT_EQ(differences, 0) << "of " << compared << " readings of " << kFiles << " files";
  std::printf("%d readings of %d generated settings files, %d differences\n", compared, kFiles,
              differences);
}

}  // namespace
