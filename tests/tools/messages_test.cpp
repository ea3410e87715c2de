#include "tools/common/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::multiset<std::string> placeholders(std::string_view text) {
  std::multiset<std::string> found;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
    if (at + 2 < text.size() && text[at + 2] == '}') found.insert(std::string(text.substr(at, 3)));
  }
  return found;
}

bool hasHighByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// Every id has its entry, in id order, in both languages, with the same variable parts.
TEST(Messages, EveryIdSaysItInBothLanguages) {
  const auto catalogue = messageCatalogue();
  ASSERT_EQ(catalogue.size(), static_cast<std::size_t>(Msg::kCount));
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const MessageText& text = catalogue[i];
    SCOPED_TRACE(text.english);
    EXPECT_EQ(static_cast<std::size_t>(text.id), i);
    ASSERT_NE(text.english, nullptr);
    ASSERT_NE(text.japanese, nullptr);
    EXPECT_NE(std::string_view(text.english), "");
    EXPECT_TRUE(hasHighByte(text.japanese)) << "not translated: " << text.japanese;
    EXPECT_EQ(placeholders(text.english), placeholders(text.japanese));
  }
}

TEST(Messages, LanguageFromCommandLineAndLocale) {
  struct Case {
    std::vector<std::string> args;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    bool ok;
    Language want;
    std::vector<std::string> left;
  };
  using L = Language;
  const Case cases[] = {
      {{"check", "a.csv"}, nullptr, nullptr, nullptr, true, L::kEnglish, {"check", "a.csv"}},
      {{"x"}, nullptr, nullptr, "ja_JP.UTF-8", true, L::kJapanese, {"x"}},
      {{"x"}, "", "", "ja_JP.UTF-8", true, L::kJapanese, {"x"}},  // empty counts as unset
      {{"x"}, "C", nullptr, "ja_JP.UTF-8", true, L::kEnglish, {"x"}},
      {{"x"}, nullptr, "ja_JP.eucJP", "en_US.UTF-8", true, L::kJapanese, {"x"}},
      {{"x"}, "ja", "en_GB", "C", true, L::kJapanese, {"x"}},
      {{"x", "--lang", "en"}, "ja_JP.UTF-8", nullptr, nullptr, true, L::kEnglish, {"x"}},
      {{"--lang", "ja", "x"}, nullptr, nullptr, "C", true, L::kJapanese, {"x"}},
      {{"x", "--lang", "fr"}, nullptr, nullptr, nullptr, false, L::kEnglish, {"x", "--lang", "fr"}},
      {{"x", "--lang"}, nullptr, nullptr, nullptr, false, L::kEnglish, {"x", "--lang"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    Language chosen = Language::kEnglish;
    EXPECT_EQ(chooseLanguage(args, c.lcAll, c.lcMessages, c.lang, chosen), c.ok);
    if (c.ok) {
      EXPECT_EQ(chosen, c.want);
    }
    EXPECT_EQ(args, c.left);
  }
}

// Placeholders take their parts in the order each language needs.
TEST(Messages, FillsPatterns) {
  setLanguage(Language::kJapanese);
  EXPECT_EQ(message(Msg::kReplayTitle, {"a.scn", "vehicle"}), "vehicle の a.scn：ruvahost 再生");
  setLanguage(Language::kEnglish);
  EXPECT_EQ(message(Msg::kReplayTitle, {"a.scn", "vehicle"}), "a.scn in vehicle: ruvahost replay");
}

// The compile-time check of the catalogues, tried on texts that break it.
TEST(Messages, CatalogueCheckCatchesMissingWordsAndPlaceholders) {
  static_assert(saidInBoth("{1} of {2}", "{2} の {1}"));
  static_assert(!saidInBoth("{1} of {2}", "{1} の"));
  static_assert(!saidInBoth("text", ""));
  static_assert(placeholderBits("a {1} b {3} {1}") == ((1u << 1) | (1u << 3)));
}

}  // namespace
