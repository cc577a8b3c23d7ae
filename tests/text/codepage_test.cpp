#include <gtest/gtest.h>

#include <random>

#include "text/codepage.h"

namespace {

TEST(CodePage, ChineseLiteralsBecomeGbkBytes) {
  EXPECT_EQ(FromUtf8("个　　　　　　统计"),
            "\xB8\xF6\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xCD\xB3\xBC\xC6");
  EXPECT_EQ(ToUtf8("\xB8\xF6"), "个");
}

TEST(CodePage, CharactersOutsideGbkSurviveTheRoundTrip) {
  // An emoji (outside the BMP), a no-break space, the euro sign and a Korean syllable.
  const std::u16string unicode = u"\U0001F600\u00A0\u20AC\uD55C a";
  EXPECT_EQ(ToUtf16(FromUtf16(unicode)), unicode);
}

TEST(CodePage, InvalidBytesComeBackUnchanged) {
  const Text bytes[] = {"\x80", "\xFF", "ab\x81", "\x81\x30", "\xD6\xD0\xFF" "x", "\x81\x30\x81"};
  for (const Text& original : bytes) EXPECT_EQ(FromUtf16(ToUtf16(original)), original);
}

TEST(CodePage, ArbitraryBytesRoundTrip) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    Text bytes(static_cast<std::size_t>(random() % 24), '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() % 256);
    ASSERT_EQ(FromUtf16(ToUtf16(bytes)), bytes);
  }
}

TEST(CodePage, LoneSurrogatesFromOutsideBecomeQuestionMarks) {
  EXPECT_EQ(FromUtf16(u"a\xD800" "b"), "a?b");
}

}  // namespace
