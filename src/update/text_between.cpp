#include "update/text_between.h"

#include "text/codepage.h"

Text TextBetween(const Text& source, const Text& startMarker, const Text& endMarker, std::int32_t startPosition,
                 bool ignoreCase) {
  static const Text quoteMarker = FromUtf8("#引号");
  const Text start = ReplaceText(startMarker, quoteMarker, "\"");
  const Text end = ReplaceText(endMarker, quoteMarker, "\"");
  const int found = FindText(source, start, startPosition, ignoreCase);
  if (found < 0) return {};
  const int after = found + static_cast<int>(start.size());
  const int endFound = FindText(source, end, after, ignoreCase);
  if (endFound < 0) return {};
  return source.substr(static_cast<std::size_t>(after - 1), static_cast<std::size_t>(endFound - after));
}
