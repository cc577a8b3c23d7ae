// The record pattern composed from arbitrary line-start and title texts over arbitrary
// subjects, read as the fetch reads it.
#include "extract/extraction.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string lineStart = input.Piece();
  const std::string itemTitle = input.Piece();
  const std::string subject = input.Rest();
  RegexObject regex;
  regex.Create(ExtractionPattern(lineStart, itemTitle), subject);
  for (int match = 1; match <= regex.MatchCount(); ++match)
    for (int group = 1; group <= 3; ++group) regex.SubmatchText(match, group);
  regex.Create(VisitorNumberPattern(), subject);
  regex.SubmatchText(1, 1);
  return 0;
}
