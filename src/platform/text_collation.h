#pragma once

#include "text/text.h"

// The user's locale's comparison of texts: case-sensitive, the empty text first; negative,
// 0 or positive.
class TextCollation {
 public:
  virtual ~TextCollation() = default;
  virtual int Compare(const Text& a, const Text& b) const = 0;
};
