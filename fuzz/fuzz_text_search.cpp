// The character-aware find and TextBetween against a plain reference on the same input.
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "text/text.h"
#include "update/text_between.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Where characters begin, from the start of the text.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1) starts.push_back(i);
  return starts;
}

// Letters folded only where they are characters of their own.
std::string Folded(const std::string& text) {
  std::string folded = text;
  for (const std::size_t i : CharacterStarts(text)) folded[i] = Lower(folded[i]);
  return folded;
}

int ReferenceFind(const std::string& source, const std::string& needle, int start, bool ignoreCase) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  if (from >= source.size()) return -1;
  if (needle.empty()) return 1;
  const std::string haystack = ignoreCase ? Folded(source) : source;
  const std::string wanted = ignoreCase ? Folded(needle) : needle;
  for (const std::size_t at : CharacterStarts(source))
    if (at >= from && haystack.compare(at, wanted.size(), wanted) == 0) return static_cast<int>(at) + 1;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t flags = input.Byte();
  const int start = static_cast<int>(input.Byte()) - 8;
  const bool ignoreCase = flags & 1;
  const std::string needle = input.Piece();
  const std::string endMarker = input.Piece();
  const std::string source = input.Rest();

  if (FindText(source, needle, start, ignoreCase) != ReferenceFind(source, needle, start, ignoreCase)) std::abort();

  if (!needle.empty() && !endMarker.empty() && needle.find('#') == std::string::npos &&
      endMarker.find('#') == std::string::npos) {
    std::string expected;
    const int found = ReferenceFind(source, needle, start, ignoreCase);
    if (found > 0) {
      const int after = found + static_cast<int>(needle.size());
      const int end = ReferenceFind(source, endMarker, after, ignoreCase);
      if (end > 0) expected = source.substr(static_cast<std::size_t>(after - 1), static_cast<std::size_t>(end - after));
    }
    if (TextBetween(source, needle, endMarker, start, ignoreCase) != expected) std::abort();
  } else {
    TextBetween(source, needle, endMarker, start, ignoreCase);
  }
  return 0;
}
