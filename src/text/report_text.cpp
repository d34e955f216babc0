#include "text/report_text.h"

#include <array>
#include <cstdint>

namespace norvika {

namespace {

struct TurkishLetter {
  std::uint32_t codePoint;
  unsigned char windowsByte;  // Windows-1254
  char ascii;
};

constexpr std::array<TurkishLetter, 12> kTurkishLetters = {{
    {0x00C7, 0xC7, 'C'},
    {0x00E7, 0xE7, 'c'},
    {0x011E, 0xD0, 'G'},
    {0x011F, 0xF0, 'g'},
    {0x0130, 0xDD, 'I'},
    {0x0131, 0xFD, 'i'},
    {0x00D6, 0xD6, 'O'},
    {0x00F6, 0xF6, 'o'},
    {0x015E, 0xDE, 'S'},
    {0x015F, 0xFE, 's'},
    {0x00DC, 0xDC, 'U'},
    {0x00FC, 0xFC, 'u'},
}};

// The length of the UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are no well-formed sequence (then they are a code page's).
std::size_t utf8Sequence(std::string_view text, std::size_t at, std::uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0u) != 0x80u) return 0;
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  return length;
}

}  // namespace

std::string asciiReportText(std::string_view text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 32 && byte < 127) {
      shown.push_back(text[at++]);
      continue;
    }
    char replacement = '?';
    std::uint32_t codePoint = 0;
    if (const std::size_t length = utf8Sequence(text, at, codePoint); length > 0) {
      for (const TurkishLetter& letter : kTurkishLetters) {
        if (letter.codePoint == codePoint) replacement = letter.ascii;
      }
      at += length;
    } else {
      for (const TurkishLetter& letter : kTurkishLetters) {
        if (letter.windowsByte == byte) replacement = letter.ascii;
      }
      ++at;
    }
    shown.push_back(replacement);
  }
  return shown;
}

}  // namespace norvika
