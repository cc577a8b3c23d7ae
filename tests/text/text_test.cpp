#include <gtest/gtest.h>

#include "text/codepage.h"
#include "text/text.h"

namespace {

TEST(TextToInteger, ReadsSignAndLeadingDigitsAfterFoldingFullWidthForms) {
  const struct {
    const char* utf8;
    std::int32_t value;
  } cases[] = {
      {"12", 12},         {"  -7x", -7},     {"+3", 3},           {"abc", 0},
      {"", 0},            {"１２", 12},      {"－５", -5},        {"　４２", 42},
      {"\t\n 9", 9},      {"1 2", 1},        {"- 1", 0},          {"007", 7},
      {"4294967297", 1},  // no overflow check: wraps like the platform's conversion
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInteger(FromUtf8(c.utf8)), c.value) << c.utf8;
}

TEST(IntegerToText, WritesPlainDecimal) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(-15), "-15");
  EXPECT_EQ(IntegerToText(100000), "100000");
}

TEST(Concat, JoinsAnyNumberOfParts) {
  EXPECT_EQ(Concat(Text("a"), "", std::string_view("bc"), Text()), "abc");
  EXPECT_EQ(TextLength(std::string_view("ab\0cd", 5)), 2u);
}

TEST(FindText, SearchesCharacterByCharacterFromA1BasedStart) {
  const Text source = FromUtf8("中b中B\"x");  // 中 is D6 D0 in the code page
  const struct {
    Text needle;
    int start;
    bool ignoreCase;
    int found;
  } cases[] = {
      {"b", 1, false, 3},
      {"B", 1, false, 6},
      {"B", 1, true, 3},
      {"b", 4, true, 6},
      {"b", 0, false, 3},    // below 1 counts as 1
      {"b", -5, false, 3},
      {"\"", 1, false, 7},
      {"x", 8, false, 8},
      {"x", 9, false, -1},   // beyond the end
      {"\xD0", 1, false, -1},  // the second byte of a character never begins a match
      {"", 3, false, 1},
      {"", 9, false, -1},
      {"zz", 1, false, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindText(source, c.needle, c.start, c.ignoreCase), c.found) << c.needle << " from " << c.start;
}

TEST(FindText, CaseFoldingLeavesSecondBytesOfCharactersAlone) {
  // 癆 is B0 41: its second byte is the letter A, which must not match "a".
  const Text source = "\xB0\x41" "a";
  EXPECT_EQ(FindText(source, "a", 1, true), 3);
  EXPECT_EQ(FoldLetterCase(source), "\xB0\x41" "a");
}

TEST(ReplaceText, ReplacesWithoutOverlapsSteppingOverTwoByteCharacters) {
  const Text marker = FromUtf8("#引号");
  EXPECT_EQ(ReplaceText(Concat(marker, "a", marker), marker, "\""), "\"a\"");
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  // "\xB0\x23" is one character whose second byte is "#": no marker begins there.
  EXPECT_EQ(ReplaceText("\xB0#", "#", "x"), "\xB0#");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

}  // namespace
