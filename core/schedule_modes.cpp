#include "schedule_modes.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

char upper(char letter) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

bool sameWord(std::string_view left, std::string_view right) {
  return std::ranges::equal(left, right, [](char l, char r) { return upper(l) == upper(r); });
}

// "a, b or c".
std::string listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t at = 0; at < items.size(); ++at) {
    if (at > 0) text += at + 1 == items.size() ? " or " : ", ";
    text += items[at];
  }
  return text;
}

}  // namespace

char modeLetter(int mode) {
  const ModeLook* look = lookOfMode(mode);
  return look ? look->windowsLetter[0] : '?';
}

std::optional<ScheduleMode> modeOfLetter(char letter) {
  for (const ModeLook& look : kModeLooks) {
    if (upper(letter) == look.windowsLetter[0] || upper(letter) == look.macLetter[0])
      return look.mode;
  }
  return std::nullopt;
}

std::optional<ScheduleMode> modeOfText(std::string_view text) {
  return text.size() == 1 ? modeOfLetter(text.front()) : std::nullopt;
}

std::optional<ScheduleMode> modeOfWord(std::string_view word) {
  for (const ModeLook& look : kModeLooks) {
    if (sameWord(word, look.word)) return look.mode;
  }
  return std::nullopt;
}

std::string modeLettersText() {
  std::vector<std::string> letters;
  for (const ModeLook& look : kModeLooks) {
    letters.emplace_back(look.windowsLetter);
    if (letters.back() != look.macLetter) letters.emplace_back(look.macLetter);
  }
  return listed(letters);
}

std::string modeWordsText() {
  std::vector<std::string> words;
  for (const ModeLook& look : kModeLooks) {
    std::string word = look.word;
    std::ranges::transform(word, word.begin(), [](char c) {
      return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    words.push_back(word);
  }
  return listed(words);
}
