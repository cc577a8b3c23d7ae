#include "app/qt_collation.h"

#include "app/qt_text.h"

QtCollation::QtCollation() : collator_(QLocale::system().collation()) {
  collator_.setCaseSensitivity(Qt::CaseSensitive);
  collator_.setNumericMode(false);
  collator_.setIgnorePunctuation(false);
}

int QtCollation::Compare(const Text& a, const Text& b) const {
  if (a.empty() || b.empty()) return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
  return collator_.compare(ToQString(a), ToQString(b));
}
