#pragma once

#include <QCollator>

#include "platform/text_collation.h"

// The collation of the user's locale, as the toolkit (ICU) knows it: pinyin order for
// Chinese under a Chinese locale, case-sensitive, the empty text first.
class QtCollation : public TextCollation {
 public:
  QtCollation();
  int Compare(const Text& a, const Text& b) const override;

 private:
  QCollator collator_;
};
