// The words of the card row: what each camera card in a reader holds, next to what the dialog
// shows, and where OK saves.
#pragma once

#include <string>

#include "cards.h"

// "E:\ CAMERA", or just the root for a card without a label.
std::string CardName(const Card& card);

// "E:\ CAMERA: settings of 01/12/2026 08:12, 3 settings and 12 hours differ", with the date in
// the order of a date-format choice (0 year first, 1 month first, 2 day first), as the clock has
// it; the differences are those of the card's settings from the shown ones.
std::string DescribeCard(const Card& card, const _USR_SETTING_& shown, int dateFormat);
