// The show command's text: a settings file as a person reads it.
#pragma once

#include <string>

#include "file_image.h"

// The file, its size, tags and save time; each setting by name with its choice text; the
// schedule as seven rows of 24 letters under an hour ruler.
std::string textReport(const std::string& path, const FileImage& image);

// A stored choice as the report shows it: its text, or what is wrong with the number.
std::string choiceText(SettingSlot slot, int value);
