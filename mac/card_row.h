// The window's card row: a pop-up of "Desktop Only" and the camera cards present, each with
// what it holds, and where OK writes the settings file. It follows the cards as they come and
// go, and keeps what it saw of each settings file so that a changed file is not replaced unseen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cards.h"

// What a file looked like when it was read or listed: enough to tell that it changed since.
struct FileSeen {
  RecordCodec::FileLayer::ReadStatus status = RecordCodec::FileLayer::ReadStatus::Missing;
  std::vector<std::uint8_t> head;  // the file's first bytes
  std::uintmax_t size = 0;
  std::int64_t modified = 0;  // the file system's time, in its own units

  bool operator==(const FileSeen&) const = default;
};

FileSeen seeFile(const std::string& path);

// A card as the user knows it: its label, else its folder's name.
std::string cardName(const Card& card);

// The pop-up item of a card: its name, where it is mounted and what its settings file is.
std::string cardItemTitle(const Card& card);

inline constexpr const char* kDesktopOnly = "Desktop Only";

class CardRow {
 public:
  // Takes the volumes mounted now. When they differ from the last ones, inspects them and
  // returns true: the row's items have changed.
  bool follow(const std::vector<Volume>& volumes);
  // Takes the cards present, as follow does once it has inspected them. The picked card stays
  // picked while it is present; otherwise the one camera card present is picked, if there is
  // exactly one, else "Desktop Only".
  void take(const std::vector<Card>& cards);

  // "Desktop Only", then each camera card.
  std::vector<std::string> itemTitles() const;
  // The user's pick: 0 is "Desktop Only", 1 the first card.
  void pick(std::size_t item);
  std::size_t pickedItem() const;
  // The picked card, or nullptr for "Desktop Only".
  const Card* pickedCard() const;
  // The picked card inspected again and seen anew, as Load from Card reads it.
  const Card* reloadPickedCard();
  // The picked card's settings file as it was when the card was listed or last read, or
  // nullptr for "Desktop Only". A save that has asked about a newer state keeps that instead.
  FileSeen* pickedFileSeen();

  // The two lines that say where OK writes the file.
  std::string saveHint() const;
  std::string cardHint() const;

 private:
  std::vector<Volume> volumes_;
  std::vector<Card> cards_;  // camera cards only
  std::vector<FileSeen> seen_;
  std::string pickedRoot_;  // empty for "Desktop Only"
};
