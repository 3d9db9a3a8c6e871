// The JSON document of a settings file: its settings by name and text, its schedule as letters.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_image.h"

namespace SettingsDocument {

// Keys keep the order they were put in, so the output is stable text.
using Json = nlohmann::ordered_json;

// {"settings": {NAME: TEXT, ...}, "schedule": {"monday": "24 letters", ...}}. A setting with no
// choice is null, one beyond its list its number; a schedule byte that is no mode is "?".
Json documentOf(const _USR_SETTING_& record);
// The document with what is known of the file before it: its path, size, tags and save time.
Json reportOf(const std::string& path, const FileImage& image);

// Applies a document's text to the record: every setting and day present replaces the record's,
// the others (and settings given as null) stay. On any problem the record is left as it was and
// the answer names the JSON path and the cause. What was taken otherwise than written (rec-audio
// OFF is saved as ON) is told in the notices.
std::optional<std::string> importText(std::string_view text, _USR_SETTING_& record,
                                      std::vector<std::string>* notices = nullptr);

}  // namespace SettingsDocument
