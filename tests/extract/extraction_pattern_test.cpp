#include <gtest/gtest.h>

#include "extract/extraction.h"
#include "text/codepage.h"

namespace {

Text G(const char* utf8) { return FromUtf8(utf8); }

// The pattern as first composed, with doubled blanks; the program's composition must find
// exactly the same records.
Text DoubledBlanksPattern(const Text& lineStart, const Text& itemTitle) {
  return Concat("^", lineStart, R"((.*?)\s*\s*)", itemTitle, G(R"(\s*(.*?)\s*\s*访客(.*?)\s*$)"));
}

std::vector<std::vector<Text>> Records(const Text& pattern, const Text& subject) {
  RegexObject regex;
  regex.Create(pattern, subject);
  std::vector<std::vector<Text>> records;
  for (int i = 1; i <= regex.MatchCount(); ++i)
    records.push_back({regex.MatchText(i), regex.SubmatchText(i, 1), regex.SubmatchText(i, 2),
                       regex.SubmatchText(i, 3)});
  return records;
}

TEST(ExtractionPattern, FindsTheSameRecordsAsTheDoubledBlanksComposition) {
  const struct {
    const char* lineStart;
    const char* title;
    const char* subject;
  } cases[] = {
      {"A", "B", "A src1 B\r\nloc1\r\n访客7\r\n"},
      {"A", "B", "A src1\r\nB\r\nloc1\r\n访客7\r\n"},
      {"A", "B", "A src1 B\r\n访客7\r\n"},
      {"A", "B", " A src1 B\r\nloc1\r\n访客7\r\n"},
      {"A", "B", "A src1 B\r\n\r\n  \r\n loc1  \r\n \u3000访客 7 \r\n\r\nA s2 B 访客8"},
      {"A", "B", "A x\r\nA y B\r\nl\r\n访客1\r\nA z B\r\n访客2 访客3\r\n"},
      {"", "B", "src B loc 访客 9\r\nB\r\n访客"},
      {"A", "B.", "a s bx\r\nloc\u00A0\r\n访客 5"},
      {"(A)", "B", "A s B\r\nl\r\n访客 5"},
      {"A", "B", "A s B l 访客 x 访客 y\r\n"},
      {"A", "B", "A s B\r\nl1 访客\r\n"},
  };
  for (const auto& c : cases) {
    const Text subject = G(c.subject);
    EXPECT_EQ(Records(ExtractionPattern(G(c.lineStart), G(c.title)), subject),
              Records(DoubledBlanksPattern(G(c.lineStart), G(c.title)), subject))
        << c.subject;
  }
}

TEST(ExtractionPattern, ARecordSpreadOverLinesGivesItsThreeGroups) {
  const auto records = Records(ExtractionPattern("A", "B"), G("A src1 B\r\nloc1\r\n访客7\r\n"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0][1], " src1");  // the blank right after the line-start text stays
  EXPECT_EQ(records[0][2], "loc1");
  EXPECT_EQ(records[0][3], "7");
}

TEST(ExtractionPattern, LongRunsOfBlankLinesCostLinearTime) {
  // Quadratic with doubled blanks: this paste would take minutes.
  Text subject = "A src\r\n";
  for (int i = 0; i < 100000; ++i) subject += "\r\n";
  subject += G("B\r\n");
  for (int i = 0; i < 100000; ++i) subject += " \r\n";
  subject += G("loc\r\n访客1\r\n");
  const auto records = Records(ExtractionPattern("A", "B"), subject);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0][2], "loc");
}

TEST(VisitorNumberPattern, TakesTheNumberAfterTheFirstVisitorNumberLabel) {
  RegexObject regex;
  regex.Create(VisitorNumberPattern(), G("x\r\n访客编号  A123 \r\n访客编号 9\r\n"));
  EXPECT_EQ(regex.SubmatchText(1, 1), "A123");
}

}  // namespace
