#include <gtest/gtest.h>

#include "stats/text_array_search.h"

namespace {

TEST(TextArraySearch, FirstOccurrencesPositionsAndCountsAreByteExact) {
  const TextArray texts = {"A", "B", "A", "", "a", "A ", "", "B"};
  TextArray distinct = texts;
  RemoveDuplicateTexts(distinct);
  EXPECT_EQ(distinct, (TextArray{"A", "B", "", "a", "A "}));
  EXPECT_EQ(IndexOfText(texts, "A"), 1);
  EXPECT_EQ(IndexOfText(texts, ""), 4);
  EXPECT_EQ(IndexOfText(texts, "b"), -1);
  EXPECT_EQ(CountTextOccurrences(texts, "A"), 2);
  EXPECT_EQ(CountTextOccurrences(texts, ""), 2);
  EXPECT_EQ(CountTextOccurrences(texts, "C"), 0);
  TextArray empty;
  RemoveDuplicateTexts(empty);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
