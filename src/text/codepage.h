#pragma once
// Conversion between the program's code page (GB18030) and Unicode. GB18030 encodes every
// Unicode character, so nothing that comes from the clipboard or the window is lost; bytes
// that are not valid GB18030 travel through Unicode as lone surrogates U+DC80..U+DCFF and
// come back as the same bytes.

#include <string>
#include <string_view>

#include "text/text.h"

std::u16string ToUtf16(std::string_view text);
Text FromUtf16(std::u16string_view unicode);

// For the program's own literals, which the sources hold in UTF-8.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view text);
