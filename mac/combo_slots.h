// Which combo box of the window shows which menu choice, and how a choice byte becomes a
// combo box selection and back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "usr_setting.h"

// The number of the combo box (com1 .. com11) that shows each slot, in slot order. The window's
// numbering predates the slot order: com5 shows the PIR interval, com6 .. com9 the four switches.
inline constexpr std::array<int, kSlotCount> kComboOfSlot = {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11};

// The item a stored choice asks its combo box to select: the byte read as signed, so 200 asks
// for -56. Anything outside the combo box's list shows as no selection.
inline int comboIndexOfChoice(std::int8_t choice) {
  return choice;
}

// True when a combo box with itemCount items has an item at index.
inline bool comboHasItem(long index, long itemCount) {
  return index >= 0 && index < itemCount;
}

// The item a combo box's text stands for when the settings are saved: the selected item while
// the box shows its text, else the item whose text was typed. Empty text stands for no
// selection only where nothing was selected (a stored choice that names no item). Any other
// text names no choice, and nothing is saved for it.
inline std::optional<long> comboIndexOfText(std::string_view text,
                                            const std::vector<std::string_view>& items,
                                            long selected) {
  if (comboHasItem(selected, static_cast<long>(items.size())) &&
      text == items[static_cast<std::size_t>(selected)])
    return selected;
  if (text.empty()) return selected < 0 ? std::optional<long>(-1) : std::nullopt;
  for (std::size_t item = 0; item < items.size(); ++item)
    if (text == items[item]) return static_cast<long>(item);
  return std::nullopt;
}
