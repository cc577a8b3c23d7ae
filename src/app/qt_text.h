#pragma once

#include <QString>

#include "text/codepage.h"

inline QString ToQString(std::string_view text) {
  const std::u16string unicode = ToUtf16(text);
  return QString(reinterpret_cast<const QChar*>(unicode.data()), static_cast<qsizetype>(unicode.size()));
}

inline Text FromQString(const QString& string) {
  return FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()),
                                       static_cast<std::size_t>(string.size())));
}
