#pragma once
// One regular-expression search behind a small object with 1-based indices and texts in the
// program's code page. The matching is done by PCRE2 on the UTF-16 form of the subject, with
// the options closest to the ECMAScript dialect the users' patterns are written in.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "text/text.h"

class RegexObject {
 public:
  RegexObject() = default;
  ~RegexObject() { Destroy(); }
  RegexObject(RegexObject&&) = default;
  RegexObject& operator=(RegexObject&&) = default;

  // Releases the pattern, the matches and the subject; the object may be used again.
  void Destroy();
  // A new object sharing this one's compiled pattern and matches, with its own subject.
  RegexObject Copy() const;
  // Compiles the pattern and finds its matches in the subject. True when a match collection
  // came out (also an empty one); false when the pattern was refused or the search ran into
  // the engine's limits.
  bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
              bool multiline = true, bool global = true, bool replaceQuoteMarker = false);
  void EmptyOperation() {}
  Text PatternText() const;
  // The subject with the matches replaced; "$1".."$99", "$&", "$`", "$'" and "$$" in the
  // replacement stand for what they do in the ECMAScript dialect.
  Text ReplaceMatches(const Text& replacement) const;
  int MatchCount() const;
  // 1-based match index. position, when asked for, gets the 0-based byte offset of the text
  // in the subject, or -2 when it is not found.
  Text MatchText(int match, int* position = nullptr) const;
  // 1-based match and capturing-group indices; empty for a group that took no part.
  Text SubmatchText(int match, int submatch, int* position = nullptr) const;
  int SubmatchCount() const;

  struct Engine;
  struct Matches;

 private:
  RegexObject(const RegexObject&) = default;

  // [start, end) in UTF-16 code units of a group of a match; nullopt when the group is unset.
  std::optional<std::pair<std::size_t, std::size_t>> Span(int match, int group) const;
  Text SpanText(int match, int group, int* position) const;

  std::shared_ptr<const Engine> engine_;
  std::shared_ptr<const Matches> matches_;
  std::optional<std::u16string> subject_;
};
