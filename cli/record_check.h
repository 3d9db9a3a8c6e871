// What can be wrong with a settings file, and how its save stamp reads.
#pragma once

#include <string>
#include <vector>

#include "file_image.h"

namespace RecordCheck {

// Every field of the stamp within its range; the year is the calendar's, so only 0 is impossible.
bool isPossibleStamp(const _USR_SETTING_& record);
// "YYYY-MM-DD HH:MM:SS" of the stamp's numbers as they are stored.
std::string stampText(const _USR_SETTING_& record);

// Every problem of the file, one phrase each; none for a file our programs wrote. Only the
// fields that lie within the file are looked at.
std::vector<std::string> problemsOf(const FileImage& image);

}  // namespace RecordCheck
