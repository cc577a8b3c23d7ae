#pragma once
// Texts of the program: byte strings in the program's code page (GB18030, a superset of
// GBK). A missing text and the empty text are the same thing here: the empty string.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;

// A growable array of texts; the program's logic addresses it 1-based, the storage is 0-based.
using TextArray = std::vector<Text>;

template <class... Parts>
Text Concat(const Parts&... parts) {
  Text joined;
  joined.reserve((std::string_view(parts).size() + ... + 0));
  (joined.append(std::string_view(parts)), ...);
  return joined;
}

// Bytes before the terminating NUL.
std::size_t TextLength(std::string_view text);

// Decimal digits, "-" for negatives, no leading zeros, no separators.
Text IntegerToText(std::int64_t value);

// Full-width ASCII forms (A3A1..A3FE) and the ideographic space (A1A1) are folded to ASCII
// first; then leading white space, one optional sign and the decimal digits up to the first
// other character are read. No digits read as 0; overflow wraps around like the platform's.
std::int32_t TextToInteger(std::string_view text);

// True for a byte that begins a two-byte character of the code page.
inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Upper-case ASCII letters folded to lower case, stepping over two-byte characters so that
// their second bytes are never touched.
Text FoldLetterCase(std::string_view text);

// 1-based byte position of the first occurrence of needle in source at or after start, where
// a match may only begin where a character begins; -1 when there is none. A start below 1
// counts as 1; a start beyond the end finds nothing. An empty needle gives 1 whenever the
// source from start on is not empty.
int FindText(std::string_view source, std::string_view needle, int start = 1,
             bool ignoreCase = false);

// Every occurrence of from, scanned left to right without overlaps, replaced by to; matches
// begin only where characters begin.
Text ReplaceText(std::string_view source, std::string_view from, std::string_view to);
