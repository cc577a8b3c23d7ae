#include <gtest/gtest.h>

#include "store/visitor_text.h"
#include "text/codepage.h"

namespace {

TEST(VisitorTextOfFile, EndsAtTheFirstNulOrEndOfFileByteAndUnwrapsTheSavedForm) {
  const Text wrapper = FromUtf8("[数据]\r\n数据1=");
  const struct {
    const char* what;
    std::string content;
    Text text;
  } cases[] = {
      {"plain text", "a\r\nb", "a\r\nb"},
      {"cut at NUL", std::string("ab\0cd", 5), "ab"},
      {"cut at 0x1A", "ab\x1A" "cd", "ab"},
      {"a lead byte before NUL goes too", std::string("ab\xB0\0cd", 6), "ab"},
      {"a lead byte before 0x1A stays", "ab\xB0\x1A", "ab\xB0"},
      {"the saved form", Concat(wrapper, "line1\r\nline2\r\n"), "line1\r\nline2"},
      {"the saved form of the empty text", Concat(wrapper, "\r\n"), ""},
      {"wrapped twice by the Windows program: unwrapped once",
       Concat(wrapper, wrapper, "t\r\n\r\n"), Concat(wrapper, "t\r\n")},
      {"a similar beginning is kept", Concat(FromUtf8("[数据]\r\n数据2="), "x\r\n"),
       Concat(FromUtf8("[数据]\r\n数据2="), "x\r\n")},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(VisitorTextOfFile(c.content), c.text) << c.what;
}

}  // namespace
