// The interface file keeps each combo box's items itself, as Interface Builder writes them. They
// must be the core's choice texts of the box's slot, in stored order: a choice byte selects an
// item by its index, and the Windows program fills its drop-downs from the tables.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "combo_slots.h"

namespace {

std::string InterfaceFile() {
  std::ifstream in(KESTRUNE_INTERFACE_FILE);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The items of combo box comN, in the file's order; none when the box or its list is missing.
std::vector<std::string> ComboItems(const std::string& xib, int combo) {
  std::vector<std::string> items;
  const std::size_t cell = xib.find("id=\"com" + std::to_string(combo) + "-cell\"");
  const std::size_t list = xib.find("<objectValues>", cell);
  const std::size_t end = xib.find("</objectValues>", list);
  if (cell == std::string::npos || end == std::string::npos) return items;
  const std::size_t nextCell = xib.find("<comboBoxCell", cell + 1);
  if (list > nextCell) return items;
  const std::string open = "<string>", close = "</string>";
  for (std::size_t at = xib.find(open, list); at < end; at = xib.find(open, at)) {
    at += open.size();
    const std::size_t stop = xib.find(close, at);
    items.push_back(xib.substr(at, stop - at));
  }
  return items;
}

}  // namespace

TEST(InterfaceFile, WhenTheWindowLoadsThenEachComboBoxListsItsSlotsChoicesInStoredOrder) {
  const std::string xib = InterfaceFile();
  ASSERT_FALSE(xib.empty()) << "cannot read " << KESTRUNE_INTERFACE_FILE;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot) + ", com" + std::to_string(kComboOfSlot[slot]));
    const auto texts = choiceTexts(static_cast<SettingSlot>(slot));
    EXPECT_EQ(ComboItems(xib, kComboOfSlot[slot]),
              std::vector<std::string>(texts.begin(), texts.end()));
  }
}

// GNUstep's loader makes a text field whose cell leaves these out editable, and Tab stops on it.
TEST(InterfaceFile, WhenTheWindowLoadsThenNoLabelNorTheClockCanBeEditedOrSelected) {
  const std::string xib = InterfaceFile();
  int labels = 0;
  for (std::size_t at = xib.find("<textFieldCell key=\"cell\""); at != std::string::npos;
       at = xib.find("<textFieldCell key=\"cell\"", at + 1)) {
    const std::string tag = xib.substr(at, xib.find('>', at) - at);
    SCOPED_TRACE(tag);
    EXPECT_NE(tag.find(" editable=\"NO\""), std::string::npos);
    EXPECT_NE(tag.find(" selectable=\"NO\""), std::string::npos);
    ++labels;
  }
  // The ten labels, the clock, the schedule's title, the legend, the week line, the card row's
  // label and two hints.
  EXPECT_EQ(labels, 17);
}
