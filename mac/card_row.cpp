#include "card_row.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path pathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string stampText(const RecordCodec::LocalStampValue& stamp) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04u-%02u-%02u %02u:%02u", stamp.year, stamp.month,
                stamp.day, stamp.hour, stamp.minute);
  return text.data();
}

bool sameVolumes(const std::vector<Volume>& a, const std::vector<Volume>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Volume& x, const Volume& y) {
    return x.root == y.root && x.label == y.label;
  });
}

}  // namespace

std::string cardName(const Card& card) {
  if (!card.label.empty()) return card.label;
  const std::string name = std::filesystem::path(card.root).filename().string();
  return name.empty() ? card.root : name;
}

FileSeen seeFile(const std::string& path) {
  FileSeen seen;
  seen.head.resize(kRecordSize);
  std::size_t got = 0;
  seen.status =
      RecordCodec::FileLayer::system().readPrefix(path, seen.head.data(), seen.head.size(), got);
  seen.head.resize(got);
  std::error_code error;
  const std::filesystem::path file = pathOf(path);
  seen.size = std::filesystem::file_size(file, error);
  if (error) seen.size = 0;
  const auto modified = std::filesystem::last_write_time(file, error);
  seen.modified = error ? 0 : modified.time_since_epoch().count();
  return seen;
}

std::string cardItemTitle(const Card& card) {
  const std::string where = cardName(card) + " (" + card.root + ")";
  switch (card.file) {
    case CardFile::None:
      return where + ": no settings yet";
    case CardFile::Ours:
      return where + ": settings of " + stampText(card.saved);
    case CardFile::Foreign:
      return where + ": a Kestrune.txt that is not a settings file";
    case CardFile::Unreadable:
      return where + ": Kestrune.txt cannot be read (" + card.reason + ")";
  }
  return where;
}

bool CardRow::follow(const std::vector<Volume>& volumes) {
  if (sameVolumes(volumes, volumes_)) return false;
  volumes_ = volumes;
  std::vector<Card> cards;
  for (const Volume& volume : volumes) cards.push_back(inspectCard(volume));
  take(cards);
  return true;
}

void CardRow::take(const std::vector<Card>& cards) {
  cards_.clear();
  seen_.clear();
  for (const Card& card : cards) {
    if (!card.cameraCard) continue;
    cards_.push_back(card);
    seen_.push_back(seeFile(cardSettingsPath(card.root)));
  }
  const bool pickedPresent = std::any_of(cards_.begin(), cards_.end(), [&](const Card& card) {
    return !pickedRoot_.empty() && card.root == pickedRoot_;
  });
  if (!pickedPresent) pickedRoot_ = cards_.size() == 1 ? cards_.front().root : "";
}

std::vector<std::string> CardRow::itemTitles() const {
  std::vector<std::string> titles{kDesktopOnly};
  for (const Card& card : cards_) titles.push_back(cardItemTitle(card));
  return titles;
}

void CardRow::pick(std::size_t item) {
  pickedRoot_ = item >= 1 && item <= cards_.size() ? cards_[item - 1].root : "";
}

std::size_t CardRow::pickedItem() const {
  for (std::size_t card = 0; card < cards_.size(); ++card)
    if (cards_[card].root == pickedRoot_) return card + 1;
  return 0;
}

const Card* CardRow::pickedCard() const {
  const std::size_t item = pickedItem();
  return item == 0 ? nullptr : &cards_[item - 1];
}

const Card* CardRow::reloadPickedCard() {
  const std::size_t item = pickedItem();
  if (item == 0) return nullptr;
  Card& card = cards_[item - 1];
  card = inspectCard({card.root, card.label});
  seen_[item - 1] = seeFile(cardSettingsPath(card.root));
  return &card;
}

FileSeen* CardRow::pickedFileSeen() {
  const std::size_t item = pickedItem();
  return item == 0 ? nullptr : &seen_[item - 1];
}

std::string CardRow::saveHint() const {
  const Card* card = pickedCard();
  if (card == nullptr) return "OK saves Kestrune.txt to your desktop.";
  return "OK saves Kestrune.txt to your desktop and to the card " + cardName(*card) + ".";
}

std::string CardRow::cardHint() const {
  if (pickedCard() != nullptr) return "Then eject the card and insert it into your 4K camera.";
  if (!cards_.empty()) return "Pick the card above to save to it too, or copy the file there.";
  return "Copy it to the SD card and insert the card into your 4K camera.";
}
