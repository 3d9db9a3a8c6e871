#include "card_words.h"

#include <cstdio>

#include "record_compare.h"

namespace {

std::string SavedAt(const RecordCodec::LocalStampValue& saved, int dateFormat) {
  const bool plausible = saved.month >= 1 && saved.month <= 12 && saved.day >= 1 &&
                         saved.day <= 31 && saved.hour <= 23 && saved.minute <= 59;
  if (!plausible) return "an unknown time";
  char text[64] = {};
  const unsigned year = saved.year, month = saved.month, day = saved.day;
  switch (dateFormat) {
    case 1:
      std::snprintf(text, sizeof text, "%02u/%02u/%04u", month, day, year);
      break;
    case 2:
      std::snprintf(text, sizeof text, "%02u/%02u/%04u", day, month, year);
      break;
    default:
      std::snprintf(text, sizeof text, "%04u/%02u/%02u", year, month, day);
      break;
  }
  char time[16] = {};
  std::snprintf(time, sizeof time, " %02u:%02u", static_cast<unsigned>(saved.hour),
                static_cast<unsigned>(saved.minute));
  return std::string(text) + time;
}

std::string Counted(int count, const char* thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

std::string Differences(const Card& card, const _USR_SETTING_& shown) {
  // Compared as the save would write it: the hidden recording-audio choice as ON.
  _USR_SETTING_ saved = shown;
  storeSavedChoices(saved);
  const RecordDifferences differences = compareRecords(card.record, saved);
  const int settings = static_cast<int>(differences.settings.size());
  const int hours = differences.hourCount();
  if (settings == 0 && hours == 0) return "the same as shown";
  std::string text;
  if (settings > 0) text = Counted(settings, "setting");
  if (settings > 0 && hours > 0) text += " and ";
  if (hours > 0) text += Counted(hours, "hour");
  return text + (settings + hours == 1 ? " differs" : " differ");
}

}  // namespace

std::string CardName(const Card& card) {
  return card.label.empty() ? card.root : card.root + " " + card.label;
}

std::string DescribeCard(const Card& card, const _USR_SETTING_& shown, int dateFormat) {
  std::string text = CardName(card) + ": ";
  switch (card.file) {
    case CardFile::None:
      return text + "no settings file yet";
    case CardFile::Foreign:
      return text + "not a settings file";
    case CardFile::Unreadable:
      return text + "unreadable: " + card.reason;
    case CardFile::Ours:
      break;
  }
  return text + "settings of " + SavedAt(card.saved, dateFormat) + ", " + Differences(card, shown);
}
