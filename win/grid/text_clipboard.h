// The Windows clipboard's plain text (CF_TEXT), through which the grid copies and pastes cells.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace TextClipboard {

// Replaces the clipboard's contents with the text, its lines ended by CR LF as Windows programs
// expect (lines that already are keep theirs); false when the clipboard cannot be had.
bool Put(HWND owner, const std::string& text);
// The clipboard's text; none when it holds no text or cannot be opened.
std::optional<std::string> Get(HWND owner);
bool HasText();

}  // namespace TextClipboard
