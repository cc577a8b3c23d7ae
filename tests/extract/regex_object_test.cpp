#include <gtest/gtest.h>

#include "extract/regex_object.h"
#include "text/codepage.h"

namespace {

Text G(const char* utf8) { return FromUtf8(utf8); }

TEST(RegexObject, IgnoresCaseByDefault) {
  RegexObject regex;
  EXPECT_TRUE(regex.Create("abc", "xxABCxx"));
  EXPECT_EQ(regex.MatchCount(), 1);
  EXPECT_EQ(regex.MatchText(1), "ABC");
  EXPECT_TRUE(regex.Create("abc", "xxABCxx", /*caseSensitive=*/true));
  EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexObject, FindsEveryLineWithMultilineAnchorsAndLazyGroups) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create(G(R"(访客编号\s*(.*?)\s*$)"), G("访客编号 123\r\n访客编号 456\r\n")));
  ASSERT_EQ(regex.MatchCount(), 2);
  EXPECT_EQ(regex.SubmatchText(1, 1), "123");
  EXPECT_EQ(regex.SubmatchText(2, 1), "456");
  EXPECT_EQ(regex.SubmatchCount(), 1);
}

TEST(RegexObject, DotNeverMatchesALineBreak) {
  RegexObject regex;
  EXPECT_TRUE(regex.Create("a.b", "a\nb a\rb a\xE2\x80\xA8" "b"));
  EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexObject, BlankClassTakesWebPageSpaces) {
  // No-break space and ideographic space, as text pasted from a web page carries them.
  RegexObject regex;
  ASSERT_TRUE(regex.Create(R"(a\s+b)", Concat("a", G("\u00A0\u3000"), "\tb")));
  EXPECT_EQ(regex.MatchCount(), 1);
}

TEST(RegexObject, GlobalOffFindsOnlyTheFirstMatch) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("x", "xxx", false, true, /*global=*/false));
  EXPECT_EQ(regex.MatchCount(), 1);
  ASSERT_TRUE(regex.Create("x*", "ab"));
  EXPECT_EQ(regex.MatchCount(), 3);  // empty matches at 0, 1 and 2, one character apart
}

TEST(RegexObject, FailuresYieldEmptyValuesAndLeaveTheObjectUsable) {
  const struct {
    const char* what;
    Text pattern;
    Text subject;
    bool created;
    int match;
    int submatch;
    Text matchText;
  } cases[] = {
      {"unbalanced parenthesis", "(ab", "ab", false, 1, 1, ""},
      {"submatch beyond the groups", "(a)(b)(c)", "abc", true, 1, 4, "abc"},
      {"submatch far beyond the groups", "(a)(b)(c)", "abc", true, 1, 5, "abc"},
      {"group that took no part", "(x)?abc", "abc", true, 1, 1, "abc"},
      {"match index 0", "(a)", "a", true, 0, 1, ""},
      {"negative match index", "(a)", "a", true, -1, 1, ""},
      {"match beyond the count", "(a)", "a", true, 2, 1, ""},
      {"no match at all", "(z)", "abc", true, 1, 1, ""},
      {"runaway backtracking", "(a+)+$", Concat(Text(40, 'a'), "b"), false, 1, 1, ""},
  };
  for (const auto& c : cases) {
    RegexObject regex;
    EXPECT_EQ(regex.Create(c.pattern, c.subject), c.created) << c.what;
    EXPECT_EQ(regex.SubmatchText(c.match, c.submatch), "") << c.what;
    EXPECT_EQ(regex.MatchText(c.match), c.matchText) << c.what;
    ASSERT_TRUE(regex.Create("(b)", "abc")) << c.what;
    EXPECT_EQ(regex.SubmatchText(1, 1), "b") << c.what;
  }
}

TEST(RegexObject, CountsAreZeroWithoutMatches) {
  RegexObject regex;
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.SubmatchCount(), 0);
  EXPECT_EQ(regex.PatternText(), "");
  regex.EmptyOperation();
  EXPECT_TRUE(regex.Create("(a)(b)", "xyz"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.SubmatchCount(), 0);
  EXPECT_FALSE(regex.Create("(", "x"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.PatternText(), "(");
}

TEST(RegexObject, QuoteMarkerBecomesADoubleQuote) {
  RegexObject regex;
  const Text marker = G("#引号");
  ASSERT_TRUE(regex.Create(Concat(marker, "(a)", marker), "x\"a\"y", false, true, true, true));
  EXPECT_EQ(regex.SubmatchText(1, 1), "a");
  EXPECT_EQ(regex.PatternText(), "\"(a)\"");
  ASSERT_TRUE(regex.Create(Concat(marker, "a", marker), "\"a\""));
  EXPECT_EQ(regex.MatchCount(), 0);  // without the flag the marker is literal text
}

TEST(RegexObject, PositionIsTheByteOffsetOfTheTextInTheSubject) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("b", G("中b")));
  int position = 99;
  EXPECT_EQ(regex.MatchText(1, &position), "b");
  EXPECT_EQ(position, 2);
  ASSERT_TRUE(regex.Create("(x?)(b)", G("中b")));
  EXPECT_EQ(regex.SubmatchText(1, 2, &position), "b");
  EXPECT_EQ(position, 2);
  EXPECT_EQ(regex.SubmatchText(1, 1, &position), "");
  EXPECT_EQ(position, 0);  // an empty text is found where the rest of the subject is not empty
  EXPECT_EQ(regex.MatchText(5, &position), "");
  EXPECT_EQ(position, 0);
}

TEST(RegexObject, ReplaceFollowsTheDialectsReferences) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("(a)(b)?", "xaby a"));
  EXPECT_EQ(regex.ReplaceMatches("[$2$1]"), "x[ba]y [a]");
  EXPECT_EQ(regex.ReplaceMatches("$&$$$9$"), "xab$$9$y a$$9$");
  EXPECT_EQ(regex.ReplaceMatches("<$`>"), "x<x>y <xaby >");
  ASSERT_TRUE(regex.Create("a", "aXa", false, true, /*global=*/false));
  EXPECT_EQ(regex.ReplaceMatches("b"), "bXa");
  RegexObject empty;
  EXPECT_EQ(empty.ReplaceMatches("b"), "");
}

TEST(RegexObject, CopySharesMatchesAndDestroyEmpties) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("(\\d+)", "a1b22"));
  RegexObject copy = regex.Copy();
  regex.Destroy();
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(copy.MatchCount(), 2);
  EXPECT_EQ(copy.SubmatchText(2, 1), "22");
}

TEST(RegexObject, FirstIndexCountsUtf16UnitsAcrossInvalidBytes) {
  // An invalid byte travels as one unit that nothing matches; the text around it stays.
  RegexObject regex;
  ASSERT_TRUE(regex.Create("(b+)", "a\xFF" "bb"));
  EXPECT_EQ(regex.SubmatchText(1, 1), "bb");
  ASSERT_TRUE(regex.Create("a.b", "a\xFF" "b"));
  EXPECT_EQ(regex.MatchCount(), 0);
}

}  // namespace
