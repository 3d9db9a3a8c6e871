#include "clock_pattern.h"

namespace {

// Replaces every from by to, scanning left to right without overlap.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

std::string clockPattern(std::string_view dateFormatText) {
  std::string pattern(dateFormatText);
  replaceAll(pattern, "YYYY", "yyyy");
  replaceAll(pattern, "DD", "dd");
  return pattern + " HH:mm:ss";
}
