#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "card_row.h"
#include "scratch_folder.h"

namespace {

Card cardHolding(CardFile file, std::string label = "CAMERA") {
  Card card;
  card.root = "/media/ann/" + (label.empty() ? std::string("3F2A-11C0") : label);
  card.label = label;
  card.cameraCard = true;
  card.file = file;
  if (file == CardFile::Ours) card.saved = {2026, 3, 7, 9, 5, 59};
  if (file == CardFile::Unreadable) card.reason = "Permission denied";
  return card;
}

}  // namespace

TEST(CardRow, WhenCardsComeAndGoThenTheRowNamesEachWithWhatItHoldsAndSaysWhereOKWrites) {
  Card stick = cardHolding(CardFile::None, "STICK");
  stick.cameraCard = false;
  struct Case {
    const char* what;
    std::vector<Card> cards;
    std::vector<std::string> items;
    std::size_t picked;
    const char* saveHint;
    const char* cardHint;
  };
  const Case cases[] = {
      {"no card",
       {},
       {"Desktop Only"},
       0,
       "OK saves Kestrune.txt to your desktop.",
       "Copy it to the SD card and insert the card into your 4K camera."},
      {"a stick the camera never saw",
       {stick},
       {"Desktop Only"},
       0,
       "OK saves Kestrune.txt to your desktop.",
       "Copy it to the SD card and insert the card into your 4K camera."},
      {"a new card",
       {cardHolding(CardFile::None)},
       {"Desktop Only", "CAMERA (/media/ann/CAMERA): no settings yet"},
       1,
       "OK saves Kestrune.txt to your desktop and to the card CAMERA.",
       "Then eject the card and insert it into your 4K camera."},
      {"a card with our settings",
       {cardHolding(CardFile::Ours)},
       {"Desktop Only", "CAMERA (/media/ann/CAMERA): settings of 2026-03-07 09:05"},
       1,
       "OK saves Kestrune.txt to your desktop and to the card CAMERA.",
       "Then eject the card and insert it into your 4K camera."},
      {"a card without a label holding a foreign file",
       {cardHolding(CardFile::Foreign, "")},
       {"Desktop Only",
        "3F2A-11C0 (/media/ann/3F2A-11C0): a Kestrune.txt that is not a settings file"},
       1,
       "OK saves Kestrune.txt to your desktop and to the card 3F2A-11C0.",
       "Then eject the card and insert it into your 4K camera."},
      {"two cards, one unreadable",
       {cardHolding(CardFile::Unreadable), cardHolding(CardFile::None, "SPARE")},
       {"Desktop Only",
        "CAMERA (/media/ann/CAMERA): Kestrune.txt cannot be read (Permission denied)",
        "SPARE (/media/ann/SPARE): no settings yet"},
       0,
       "OK saves Kestrune.txt to your desktop.",
       "Pick the card above to save to it too, or copy the file there."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CardRow row;
    row.take(c.cards);
    EXPECT_EQ(row.itemTitles(), c.items);
    EXPECT_EQ(row.pickedItem(), c.picked);
    EXPECT_EQ(row.saveHint(), c.saveHint);
    EXPECT_EQ(row.cardHint(), c.cardHint);
  }
}

TEST(CardRow, WhenTheUserHasPickedACardThenItStaysPickedUntilItGoes) {
  CardRow row;
  row.take({cardHolding(CardFile::None), cardHolding(CardFile::None, "SPARE")});
  row.pick(2);
  row.take({cardHolding(CardFile::None, "OTHER"), cardHolding(CardFile::None, "SPARE")});
  ASSERT_NE(row.pickedCard(), nullptr);
  EXPECT_EQ(row.pickedCard()->label, "SPARE");
  row.pick(0);
  EXPECT_EQ(row.pickedCard(), nullptr);
  row.take({cardHolding(CardFile::None, "SPARE")});
  ASSERT_NE(row.pickedCard(), nullptr) << "a card left alone in the reader is picked";
  row.take({});
  EXPECT_EQ(row.pickedItem(), 0u);
}

TEST(CardRow, WhenTheCardsFileChangesAfterItWasListedThenTheRowSaysSoUntilItIsReadAgain) {
  const ScratchFolder root;
  std::filesystem::create_directory(root.path() / "DCIM");
  const std::string file = root.file("Kestrune.txt");
  CardRow row;
  row.follow({{root.path().string(), "CAMERA"}});
  ASSERT_NE(row.pickedFileSeen(), nullptr);
  EXPECT_EQ(seeFile(file), *row.pickedFileSeen());
  std::ofstream(file) << "written by someone else";
  EXPECT_FALSE(seeFile(file) == *row.pickedFileSeen());
  const Card* reread = row.reloadPickedCard();
  ASSERT_NE(reread, nullptr);
  EXPECT_EQ(reread->file, CardFile::Foreign);
  EXPECT_EQ(seeFile(file), *row.pickedFileSeen());
}
