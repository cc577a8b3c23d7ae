// RegexObject with arbitrary pattern and subject bytes: no crash, every call bounded by the
// engine's limits, every query answered.
#include "extract/regex_object.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t options = input.Byte();
  const std::string replacement = input.Piece();
  const std::string pattern = input.Piece();
  const std::string subject = input.Rest();
  RegexObject regex;
  regex.Create(pattern, subject, options & 1, options & 2, options & 4, options & 8);
  const int count = regex.MatchCount();
  for (int match = 0; match <= std::min(count + 1, 8); ++match) {
    int position = 0;
    regex.MatchText(match, &position);
    for (int group = -1; group <= regex.SubmatchCount() + 1 && group < 6; ++group) regex.SubmatchText(match, group, &position);
  }
  regex.ReplaceMatches(replacement);
  regex.PatternText();
  RegexObject copy = regex.Copy();
  regex.Destroy();
  copy.SubmatchText(1, 1);
  return 0;
}
