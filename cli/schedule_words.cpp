// Reading the schedule command's words into the core's day and hour sets.
#include "schedule_words.h"

#include <charconv>
#include <vector>

#include "setting_names.h"
#include "shown_text.h"

namespace ScheduleWords {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<int> hourOf(std::string_view text) {
  int hour = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hour);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (hour < 0 || hour >= kHourCount) return std::nullopt;
  return hour;
}

// What is wrong with one item of a word; the word is named too when it has more items.
std::string itemError(const std::string& what, std::string_view word, std::string_view item,
                      const std::string& problem) {
  const std::string start = what + " '" + shown(word) + "'";
  return item == word ? start + " " + problem : start + ": '" + shown(item) + "' " + problem;
}

// A comma list whose items are a named set ("all", "weekend"), one element, or a range
// "first-last".
template <class Set, class NamedSet, class ElementOf, class RangeOf>
Parsed<Set> parseList(std::string_view word, const std::string& what, const std::string& forms,
                      NamedSet namedSet, ElementOf elementOf, RangeOf rangeOf) {
  Set set;
  for (const std::string_view item : split(word, ',')) {
    if (const std::optional<Set> named = namedSet(SettingNames::lowered(item))) {
      set |= *named;
      continue;
    }
    const auto dash = item.find('-');
    const auto first = elementOf(item.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : elementOf(item.substr(dash + 1));
    if (!first || !last) return {std::nullopt, itemError(what, word, item, "is not " + forms)};
    const Set range = rangeOf(*first, *last);
    if (range.none())
      return {std::nullopt,
              itemError(what, word, item, "runs backwards; days run Monday to Sunday")};
    set |= range;
  }
  return {set, {}};
}

std::optional<ScheduleEdits::DaySet> namedDays(const std::string& name) {
  if (name == "all") return ScheduleEdits::DaySet().set();
  if (name == "weekdays") return ScheduleEdits::kWorkDays;
  if (name == "weekend") return ScheduleEdits::dayRange(5, 6);
  return std::nullopt;
}

std::optional<ScheduleEdits::HourSet> namedHours(const std::string& name) {
  if (name == "all") return ScheduleEdits::HourSet().set();
  return std::nullopt;
}

}  // namespace

Parsed<ScheduleEdits::DaySet> parseDays(std::string_view word) {
  return parseList<ScheduleEdits::DaySet>(
      word, "days",
      "a day (mon..sun), a range (mon-fri), a list (sat,sun), weekdays, weekend or all", namedDays,
      SettingNames::dayOfName, ScheduleEdits::dayRange);
}

Parsed<ScheduleEdits::HourSet> parseHours(std::string_view word) {
  return parseList<ScheduleEdits::HourSet>(
      word, "hours", "an hour (0..23), a range (8-18, 22-5), a list (8-12,14-18) or all",
      namedHours, hourOf, ScheduleEdits::hourRange);
}

std::string modeChoicesText() {
  return modeWordsText() + " (or " + modeLettersText() + ")";
}

Parsed<ScheduleMode> parseMode(std::string_view word) {
  if (const auto mode = modeOfWord(word)) return {*mode, {}};
  if (const auto mode = modeOfText(word)) return {*mode, {}};
  return {std::nullopt, "mode '" + shown(word) + "' is not " + modeChoicesText()};
}

}  // namespace ScheduleWords
