// Text to integer against a plain reference: full-width forms folded, blanks, one sign,
// leading digits, wrapping at 32 bits.
#include <cstdlib>

#include "text/text.h"

namespace {

std::int32_t Reference(const std::string& text) {
  std::string folded;
  for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 || i + 1 == text.size()) {
      folded += text[i];
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (byte == 0xA3 && trail >= 0xA1 && trail <= 0xFE) folded += static_cast<char>(trail - 0x80);
    else if (byte == 0xA1 && trail == 0xA1) folded += ' ';
    else folded += text.substr(i, 2);
    ++i;
  }
  std::size_t i = folded.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return 0;
  std::int64_t sign = 1;
  if (folded[i] == '+' || folded[i] == '-') sign = folded[i++] == '-' ? -1 : 1;
  std::uint64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) value = (value * 10 + static_cast<unsigned>(folded[i] - '0')) & 0xFFFFFFFFu;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(sign) * value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (TextToInteger(text) != Reference(text)) std::abort();
  return 0;
}
