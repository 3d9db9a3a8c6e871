// Text from outside (paths, arguments, document keys) as the program's messages show it.
#pragma once

#include <string>
#include <string_view>

// Control characters (a line break in a file name, say) become \xNN, so that no name can start
// a line of its own or move the terminal's cursor; a long text is cut short with "…".
std::string shown(std::string_view text);
