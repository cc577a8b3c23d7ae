#include "stats/text_array_search.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

void RemoveDuplicateTexts(TextArray& texts) {
  // Hashing gives the same result as looking each text up in the result so far, in linear
  // instead of quadratic time.
  std::unordered_set<std::string_view> seen;
  seen.reserve(texts.size());
  TextArray distinct;
  for (const Text& text : texts)
    if (seen.insert(text).second) distinct.push_back(text);
  texts = std::move(distinct);
}

int IndexOfText(const TextArray& texts, const Text& text) {
  const auto found = std::find(texts.begin(), texts.end(), text);
  return found == texts.end() ? -1 : static_cast<int>(found - texts.begin()) + 1;
}

int CountTextOccurrences(const TextArray& texts, const Text& text) {
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}
