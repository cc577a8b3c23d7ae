#include "text/codepage.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

constexpr const char* kCodePage = "GB18030";
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t kEscapeBase = 0xDC00;

// One converter per thread and direction: opening one costs far more than a short conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("the code page converter is missing");
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as it can; returns false at an invalid or incomplete sequence, with the
  // input left at it.
  bool Convert(const char*& in, std::size_t& inLeft, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[16384];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (result != static_cast<std::size_t>(-1)) continue;
      if (error == E2BIG) continue;
      return false;
    }
    return true;
  }

 private:
  iconv_t handle_;
};

Converter& Decoder() {
  thread_local Converter converter(kUtf16, kCodePage);
  return converter;
}

Converter& Encoder() {
  thread_local Converter converter(kCodePage, kUtf16);
  return converter;
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::u16string BytesToUtf16(const std::string& bytes) {
  std::u16string unicode(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < unicode.size(); ++i)
    unicode[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  if constexpr (std::endian::native == std::endian::big)
    for (auto& unit : unicode) unit = static_cast<char16_t>(unit >> 8 | unit << 8);
  return unicode;
}

}  // namespace

std::u16string ToUtf16(std::string_view text) {
  if (IsAscii(text)) return std::u16string(text.begin(), text.end());
  std::string converted;
  const char* in = text.data();
  std::size_t left = text.size();
  while (!Decoder().Convert(in, left, converted)) {
    // An invalid or cut-off sequence: keep its first byte as an escape and go on after it.
    const char16_t escape =
        static_cast<char16_t>(kEscapeBase | static_cast<unsigned char>(*in));
    converted.append(reinterpret_cast<const char*>(&escape), sizeof escape);
    ++in;
    --left;
  }
  return BytesToUtf16(converted);
}

Text FromUtf16(std::u16string_view unicode) {
  bool ascii = true;
  for (const char16_t unit : unicode) ascii = ascii && unit < 0x80;
  if (ascii) return Text(unicode.begin(), unicode.end());
  Text converted;
  const char* in = reinterpret_cast<const char*>(unicode.data());
  std::size_t left = unicode.size() * sizeof(char16_t);
  while (!Encoder().Convert(in, left, converted)) {
    // Only a lone surrogate stops GB18030: an escaped byte goes back as that byte, any
    // other one (never a character) becomes "?".
    char16_t unit;
    std::memcpy(&unit, in, sizeof unit);
    converted.push_back(unit >= 0xDC80 && unit <= 0xDCFF ? static_cast<char>(unit & 0xFF) : '?');
    in += sizeof unit;
    left -= sizeof unit;
  }
  return converted;
}

namespace {

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string unicode;
  unicode.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k)
      code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<std::size_t>(length);
    if (code >= 0x10000) {
      code -= 0x10000;
      unicode.push_back(static_cast<char16_t>(0xD800 | code >> 10));
      unicode.push_back(static_cast<char16_t>(0xDC00 | (code & 0x3FF)));
    } else {
      unicode.push_back(static_cast<char16_t>(code));
    }
  }
  return unicode;
}

std::string Utf16ToUtf8(std::u16string_view unicode) {
  std::string utf8;
  utf8.reserve(unicode.size());
  for (std::size_t i = 0; i < unicode.size(); ++i) {
    char32_t code = unicode[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < unicode.size() && unicode[i + 1] >= 0xDC00 &&
        unicode[i + 1] < 0xE000)
      code = 0x10000 + ((code - 0xD800) << 10) + (unicode[++i] - 0xDC00);
    if (code < 0x80) {
      utf8.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | code >> 6));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | code >> 12));
      utf8.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | code >> 18));
      utf8.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace

Text FromUtf8(std::string_view utf8) { return FromUtf16(Utf8ToUtf16(utf8)); }

std::string ToUtf8(std::string_view text) { return Utf16ToUtf8(ToUtf16(text)); }
