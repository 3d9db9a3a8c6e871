// Escaping and shortening of outside text for messages.
#include "shown_text.h"

#include <cstdio>

namespace {

// Enough for any name a user types; an argument of a hundred kilobytes is cut here.
constexpr std::size_t kLongest = 200;

bool continuesCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string shown(std::string_view text) {
  bool cut = false;
  if (text.size() > kLongest) {
    std::size_t end = kLongest;
    while (end > 0 && continuesCharacter(text[end])) --end;
    text = text.substr(0, end);
    cut = true;
  }
  std::string result;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      result += c;
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    result += escaped;
  }
  return cut ? result + "…" : result;
}
