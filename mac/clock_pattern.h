// The clock label's date pattern, built from the date-format choice the user sees.
#pragma once

#include <string>
#include <string_view>

// The pattern for a date-format text such as "MM/DD/YYYY": the calendar year ("yyyy", not the
// week-based "YYYY", which shows next year's number in the last days of December), the day of
// the month ("dd", not the day of the year "DD"), then the 24-hour time.
std::string clockPattern(std::string_view dateFormatText);
