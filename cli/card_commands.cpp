// cards, --card and diff: the card as the command line finds it, and two files compared.
#include "card_commands.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "cards.h"
#include "file_image.h"
#include "record_check.h"
#include "record_compare.h"
#include "schedule_modes.h"
#include "setting_names.h"
#include "settings_document.h"
#include "shown_text.h"
#include "text_report.h"
#include "week_words.h"

namespace Commands {

namespace {

using SettingsDocument::Json;

const char* fileStateWord(CardFile state) {
  switch (state) {
    case CardFile::None:
      return "none";
    case CardFile::Ours:
      return "ours";
    case CardFile::Foreign:
      return "foreign";
    case CardFile::Unreadable:
      break;
  }
  return "unreadable";
}

// "saved 2026-12-01 08:12", "not a settings file", "unreadable: reason", "none".
std::string fileStateText(const Card& card) {
  switch (card.file) {
    case CardFile::None:
      return "none";
    case CardFile::Ours:
      if (RecordCodec::hasNoStamp(card.record)) return "saved at a time not known";
      return "saved " + RecordCheck::stampText(card.record).substr(0, 16);
    case CardFile::Foreign:
      return "not a settings file";
    case CardFile::Unreadable:
      break;
  }
  return "unreadable: " + card.reason;
}

// A card's root and label come from outside, as file names do.
std::string labelText(const Card& card) {
  return card.label.empty() ? "(no label)" : shown(card.label);
}

// "/media/ann/CAMERA (CAMERA), E:\ (no label)": the cards present, for messages.
std::string cardList(const std::vector<Card>& cards) {
  std::string text;
  for (const Card& card : cards)
    text += (text.empty() ? "" : ", ") + shown(card.root) + " (" + labelText(card) + ")";
  return text;
}

// A root as typed and as listed compare equal: without trailing separators, and on Windows in
// any case and with either slash.
std::string rootKey(std::string root) {
#ifdef _WIN32
  std::replace(root.begin(), root.end(), '/', '\\');
  while (!root.empty() && root.back() == '\\') root.pop_back();
  return SettingNames::lowered(root);
#else
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
#endif
}

std::string modeWord(int mode) {
  const ModeLook* look = lookOfMode(mode);
  return look ? look->word : "(" + std::to_string(mode) + ")";
}

// The hours of one day that differ, as runs of one change each: "8–18 Motion → Continuous".
std::string dayChanges(const _day_schduce_& a, const _day_schduce_& b,
                       ScheduleEdits::HourSet hours) {
  // Hours with the same change, in the order their first hour comes.
  std::vector<std::pair<std::pair<int, int>, ScheduleEdits::HourSet>> changes;
  for (int hour = 0; hour < kHourCount; ++hour) {
    if (!hours[static_cast<std::size_t>(hour)]) continue;
    const std::pair<int, int> change{a.rec_motion_status[hour], b.rec_motion_status[hour]};
    auto found = std::find_if(changes.begin(), changes.end(),
                              [&](const auto& known) { return known.first == change; });
    if (found == changes.end()) found = changes.insert(changes.end(), {change, {}});
    found->second.set(static_cast<std::size_t>(hour));
  }
  std::string text;
  for (const auto& [change, changed] : changes)
    text += (text.empty() ? "" : ", ") + describeHours(changed) + " " + modeWord(change.first) +
            " \u2192 " + modeWord(change.second);
  return text;
}

// Reads a file that must be a settings file; nothing, and told why, when it is not.
std::optional<_USR_SETTING_> settingsRecord(const std::string& file, Streams io) {
  const FileRead read = readFileImage(file);
  if (!read.image) {
    io.err << shown(file) << ": " << read.reason << '\n';
    return std::nullopt;
  }
  if (read.image->size != kRecordSize || !RecordCodec::hasValidTags(read.image->bytes)) {
    io.err << shown(file) << ": not a settings file\n";
    return std::nullopt;
  }
  return read.image->record();
}

}  // namespace

Status cards(bool json, Streams io) {
  const std::vector<Card> found = listCards();
  if (json) {
    Json list = Json::array();
    for (const Card& card : found) {
      Json entry = {{"root", card.root},
                    {"label", card.label},
                    {"cameraCard", card.cameraCard},
                    {"settingsFile", fileStateWord(card.file)}};
      if (card.file == CardFile::Ours)
        entry["saved"] = RecordCodec::hasNoStamp(card.record)
                             ? Json(nullptr)
                             : Json(RecordCheck::stampText(card.record));
      if (card.file == CardFile::Unreadable) entry["reason"] = card.reason;
      list.push_back(entry);
    }
    io.out << list.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    return kDone;
  }
  if (found.empty()) io.out << "no card\n";
  std::size_t rootWidth = 0, labelWidth = 0;
  for (const Card& card : found) {
    rootWidth = std::max(rootWidth, shown(card.root).size());
    labelWidth = std::max(labelWidth, labelText(card).size());
  }
  for (const Card& card : found) {
    const std::string root = shown(card.root);
    const std::string label = labelText(card);
    io.out << root << std::string(rootWidth - root.size() + 2, ' ') << label
           << std::string(labelWidth - label.size() + 2, ' ')
           << (card.cameraCard ? "camera card  " : "other volume ") << ' ' << fileStateText(card)
           << '\n';
  }
  return kDone;
}

std::string cardFile(const std::string& selector, Streams io) {
  const std::vector<Card> present = listCards();
  std::vector<Card> chosen;
  for (const Card& card : present) {
    const bool named = SettingNames::lowered(card.label) == SettingNames::lowered(selector) ||
                       rootKey(card.root) == rootKey(selector);
    if (selector.empty() ? card.cameraCard : named) chosen.push_back(card);
  }
  if (chosen.size() == 1) return cardSettingsPath(chosen.front().root);

  const std::string what = selector.empty() ? "camera card" : "card '" + shown(selector) + "'";
  if (present.empty())
    io.err << "kestrune: no " << what << ": no removable volume is mounted\n";
  else if (chosen.empty())
    io.err << "kestrune: no " << what << " among " << cardList(present)
           << "; name one with --card=LABEL or --card=ROOT\n";
  else
    io.err << "kestrune: " << chosen.size() << " cards answer to " << what << ": "
           << cardList(chosen) << "; name one with --card=ROOT\n";
  return {};
}

int diff(const std::string& a, const std::string& b, Streams io) {
  const auto first = settingsRecord(a, io);
  const auto second = settingsRecord(b, io);
  if (!first || !second) return kTrouble;
  const RecordDifferences differences = compareRecords(*first, *second);
  if (differences.same()) {
    io.out << "same\n";
    return kSame;
  }
  for (const SettingChange& change : differences.settings)
    io.out << SettingNames::nameOf(change.slot) << ": " << choiceText(change.slot, change.before)
           << " \u2192 " << choiceText(change.slot, change.after) << '\n';

  // Days whose hours changed alike share a line.
  const auto& daysA = first->schduce_procce_ir.week_schduce;
  const auto& daysB = second->schduce_procce_ir.week_schduce;
  std::vector<std::pair<std::string, ScheduleEdits::DaySet>> lines;
  for (int day = 0; day < kDayCount; ++day) {
    if (differences.hours[static_cast<std::size_t>(day)].none()) continue;
    const std::string text =
        dayChanges(daysA[day], daysB[day], differences.hours[static_cast<std::size_t>(day)]);
    auto found = std::find_if(lines.begin(), lines.end(),
                              [&](const auto& line) { return line.first == text; });
    if (found == lines.end()) found = lines.insert(lines.end(), {text, {}});
    found->second.set(static_cast<std::size_t>(day));
  }
  for (const auto& [text, days] : lines) io.out << describeDays(days) << ": " << text << '\n';
  return kDifferent;
}

}  // namespace Commands
