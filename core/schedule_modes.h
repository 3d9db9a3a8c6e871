// The schedule's modes as every program shows them: the letters, the word and the colours of a
// cell. The two editors and the command line take them from here, so that they agree.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "usr_setting.h"

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

struct ModeLook {
  ScheduleMode mode;
  const char* windowsLetter;  // the Windows grid's cell text, and the command line's letter
  const char* macLetter;      // the application's cell text; typed, either letter is the mode
  const char* word;           // the mode's name, read in any case
  // A cell's fill and text colour, plain and selected. Continuous and Motion are blue and
  // orange, a pair that the common colour-vision deficiencies still tell apart; the selected
  // fills are darker shades of the same hue, so a selection keeps showing its mode.
  Rgb fill, text, selectedFill, selectedText;
};

inline constexpr std::array<ModeLook, 3> kModeLooks{{
    {Off, "-", "O", "Off", 0xF0F0F0, 0x404040, 0x9A9A9A, 0x000000},
    {Continuous, "C", "C", "Continuous", 0x3B7DD8, 0xFFFFFF, 0x1B3F7A, 0xFFFFFF},
    {Motion, "M", "M", "Motion", 0xF5A623, 0x000000, 0xA35E00, 0xFFFFFF},
}};

// The look of a stored mode; a byte that is no mode has none.
inline const ModeLook* lookOfMode(int mode) {
  return mode >= Off && mode <= Motion ? &kModeLooks[static_cast<std::size_t>(mode)] : nullptr;
}

// The letter a mode is written as in text: "-", "C" or "M"; a byte that is no mode is "?".
char modeLetter(int mode);
// Either letter of a mode, in either case: "-" or "O" is Off, "C" Continuous, "M" Motion.
std::optional<ScheduleMode> modeOfLetter(char letter);
// A text of exactly one such letter; any other text is no mode.
std::optional<ScheduleMode> modeOfText(std::string_view text);
// A mode's word in any case ("off", "Continuous", "MOTION").
std::optional<ScheduleMode> modeOfWord(std::string_view word);

// How messages name what is accepted: "-, O, C or M" and "off, continuous or motion".
std::string modeLettersText();
std::string modeWordsText();
