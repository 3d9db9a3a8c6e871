// The commands about the camera's card: the cards present, the settings file on one of them, and
// what differs between two settings files.
#pragma once

#include <string>

#include "commands.h"

namespace Commands {

// One line per removable volume, or a JSON list of them.
Status cards(bool json, Streams io);

// The settings file on the card a selector names: a label (in any case) or a root; an empty
// selector names the one camera card present. Empty, and the cards present told, when no card
// or more than one answers.
std::string cardFile(const std::string& selector, Streams io);

// Exit statuses as diff(1) gives them.
enum DiffStatus : int { kSame = 0, kDifferent = 1, kTrouble = 2 };

// The settings (one line each, "beep: ON → OFF") and the hours in which b differs from a, or
// "same".
int diff(const std::string& a, const std::string& b, Streams io);

}  // namespace Commands
