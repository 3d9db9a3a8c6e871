// The removable volumes of this machine and what each holds of ours, so that a program can find
// the camera's card in its reader, show what is on it and write its settings file there.
#pragma once

#include <string>
#include <vector>

#include "record_codec.h"

// A mounted removable volume as the system lists it.
struct Volume {
  std::string root;   // UTF-8, as the user knows it: "E:\", "/media/ann/CAMERA"
  std::string label;  // empty when the volume has none
};

// What the settings file at a card's root is.
enum class CardFile {
  None,        // there is none
  Ours,        // a settings file our programs wrote
  Foreign,     // something else under our file's name
  Unreadable,  // it is there but could not be read
};

struct Card {
  std::string root;
  std::string label;
  // A DCIM folder or a settings file at the root: the camera has been at this card.
  bool cameraCard = false;
  CardFile file = CardFile::None;
  std::string reason;      // Unreadable: the system's words
  _USR_SETTING_ record{};  // Ours: the card's record; otherwise all zero
  // Ours: when it was saved, as the record stores it (local time).
  RecordCodec::LocalStampValue saved{};
};

// The mounted removable volumes, in the system's order. A reader without media is left out
// without waiting for it; the listing reads the mount table and never touches a volume.
std::vector<Volume> removableVolumes();

// What the volume holds of ours. Reading a card never writes to it.
Card inspectCard(const Volume& volume);

// Every mounted removable volume, inspected.
std::vector<Card> listCards();

// The settings file at a card's root.
std::string cardSettingsPath(const std::string& root);
