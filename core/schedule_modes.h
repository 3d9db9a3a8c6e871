// The schedule's modes as every program shows them: the letters, the word and the colours of a
// cell. The two editors and the command line take them from here, so that they agree.
#pragma once

#include <array>
#include <cstdint>

#include "usr_setting.h"

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

struct ModeLook {
  ScheduleMode mode;
  const char* windowsLetter;  // the Windows grid's cell text, and the command line's letter
  const char* macLetter;      // the application's cell text
  const char* word;
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
