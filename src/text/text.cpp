#include "text/text.h"

#include <cstring>

std::size_t TextLength(std::string_view text) {
  const std::size_t end = text.find('\0');
  return end == std::string_view::npos ? text.size() : end;
}

Text IntegerToText(std::int64_t value) { return std::to_string(value); }

namespace {

// The full-width forms A3A1..A3FE stand for ASCII 0x21..0x7E; A1A1 is the ideographic space.
Text FoldFullWidthForms(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(byte) || i + 1 >= text.size()) {
      folded.push_back(text[i]);
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (byte == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0xA1 + 0x21));
    } else if (byte == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else {
      folded.append(text.substr(i, 2));
    }
    ++i;
  }
  return folded;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t TextToInteger(std::string_view text) {
  const Text folded = FoldFullWidthForms(text.substr(0, TextLength(text)));
  std::size_t i = 0;
  while (i < folded.size() && IsBlank(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint32_t value = 0;  // unsigned, so that overflow wraps instead of being undefined
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(folded[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

Text FoldLetterCase(std::string_view text) {
  Text folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(folded[i]);
    if (IsLeadByte(byte)) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return folded;
}

int FindText(std::string_view source, std::string_view needle, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start) > source.size()) return -1;
  if (needle.empty()) return 1;  // the platform's find answers 1 for an empty needle
  const Text foldedSource = ignoreCase ? FoldLetterCase(source) : Text();
  const Text foldedNeedle = ignoreCase ? FoldLetterCase(needle) : Text();
  const std::string_view haystack = ignoreCase ? std::string_view(foldedSource) : source;
  const std::string_view wanted = ignoreCase ? std::string_view(foldedNeedle) : needle;
  // Character boundaries are found from the beginning of the source, not from start, so a
  // start inside a two-byte character moves on to the next character.
  std::size_t i = 0;
  const auto first = static_cast<std::size_t>(start - 1);
  while (i < first) i += IsLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
  for (; i < haystack.size(); i += IsLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1) {
    if (haystack.compare(i, wanted.size(), wanted) == 0) return static_cast<int>(i + 1);
  }
  return -1;
}

Text ReplaceText(std::string_view source, std::string_view from, std::string_view to) {
  if (from.empty()) return Text(source);
  Text replaced;
  replaced.reserve(source.size());
  std::size_t i = 0;
  while (i < source.size()) {
    if (source.compare(i, from.size(), from) == 0) {
      replaced.append(to);
      i += from.size();
      continue;
    }
    const std::size_t width =
        IsLeadByte(static_cast<unsigned char>(source[i])) && i + 1 < source.size() ? 2 : 1;
    replaced.append(source.substr(i, width));
    i += width;
  }
  return replaced;
}
