// The schedule table's cells: which record byte a cell shows, and the letters of the modes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include <string>

#include "schedule_edits.h"
#include "schedule_modes.h"
#include "usr_setting.h"

// Reads a column identifier as a decimal number the way intValue reads a string: leading white
// space skipped, an optional sign, digits up to the first other character; no digits read as 0,
// and a number beyond the 32-bit range as the nearest end of that range.
std::int32_t readIdentifierNumber(std::string_view identifier);

using CellAddress = ScheduleEdits::Cell;

// The schedule byte that a table cell shows: row 0 .. 6 is the day, and the column identified
// "1" .. "24" is hour 0 .. 23. Anything else names no byte.
std::optional<CellAddress> cellAddress(std::int64_t row, std::int32_t identifierNumber);

// The position in kModeLooks of the look a stored mode shows; a value that is no mode shows as
// Motion.
int letterIndexOfMode(std::int32_t mode);

// The mode of a typed cell text: one letter of a mode, in either case ("O" or "-" for Off, "C",
// "M"). Any other text is no mode, and the edit is refused rather than saved as something the
// table did not show.
std::optional<ScheduleMode> modeOfCellText(std::optional<std::string_view> text);

// The text Copy puts on the pasteboard: the letters the table shows, one line per day, cells
// separated by tabs, every line ended by "\n". Paste reads it back.
std::string copyTextAsShown(const ScheduleEdits::Week& week, const ScheduleEdits::CellRect& rect);
