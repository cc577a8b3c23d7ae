#include <gtest/gtest.h>

#include "text/codepage.h"
#include "update/text_between.h"
#include "update/version_check.h"

namespace {

Text G(const char* utf8) { return FromUtf8(utf8); }

TEST(TextBetween, TakesTheTextBetweenTheFirstStartMarkerAndTheNextEndMarker) {
  const Text quote = G("#引号");
  const struct {
    const char* what;
    Text source, start, end;
    std::int32_t from;
    bool ignoreCase;
    Text between;
  } cases[] = {
      {"simple", "a<x>b", "<", ">", 0, false, "x"},
      {"first pair only", "<1><2>", "<", ">", 0, false, "1"},
      {"markers next to each other", "<>", "<", ">", 0, false, ""},
      {"no start marker", "abc", "<", ">", 0, false, ""},
      {"no end marker after the start", ">a<b", "<", ">", 0, false, ""},
      {"from a later position", "<1><2>", "<", ">", 3, false, "2"},
      {"a start below 1 searches from the start", "<1>", "<", ">", -4, false, "1"},
      {"a start beyond the end finds nothing", "<1>", "<", ">", 9, false, ""},
      {"case respected", "aXbxc", "x", "c", 0, false, ""},
      {"case ignored", "aXbxc", "x", "c", 0, true, "bx"},
      {"quote marker in the start marker", "k=\"v\";", Concat("=", quote), quote, 0, false, "v"},
      {"quote marker alone", "a\"b\"", quote, quote, 0, false, "b"},
      {"two-byte characters stepped over", G("版本【中】"), G("版本【"), G("】"), 0, false, G("中")},
  };
  for (const auto& c : cases) EXPECT_EQ(TextBetween(c.source, c.start, c.end, c.from, c.ignoreCase), c.between) << c.what;
}

TEST(PublishedVersion, IsTheTextInTheVersionBracketsOfTheGbkFile) {
  const struct {
    const char* what;
    std::string file;
    bool matchesProgram;
  } cases[] = {
      {"exactly the pair", G("版本【V20191028】"), true},
      {"text around the pair", G("更新说明\r\n版本【V20191028】\r\n下载地址"), true},
      {"a later version", G("版本【V20191029】"), false},
      {"a blank inside", G("版本【 V20191028】"), false},
      {"lower case", G("版本【v20191028】"), false},
      {"end marker only before", G("】版本【V20191028"), false},
      {"two pairs, the first counts", G("版本【V1】版本【V20191028】"), false},
      {"saved as UTF-8", "版本【V20191028】", false},
      {"nothing after a NUL", std::string(G("x")) + std::string("\0", 1) + G("版本【V20191028】"), false},
      {"empty", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PublishedVersion(c.file) == ProgramVersion(), c.matchesProgram) << c.what;
  EXPECT_EQ(PublishedVersion(G("版本【V1】版本【V2】")), "V1");
}

}  // namespace
