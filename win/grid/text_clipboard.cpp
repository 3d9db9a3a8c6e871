#include "grid/text_clipboard.h"

#include <cstring>

namespace TextClipboard {

namespace {

// Open for the life of the object; another program may hold the clipboard for a moment.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (m_open) ::CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return m_open; }

 private:
  bool m_open;
};

std::string WithWindowsLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  // A line already ended by CR LF keeps its one CR.
  for (const char character : text) {
    if (character == '\n' && (out.empty() || out.back() != '\r')) out += '\r';
    out += character;
  }
  return out;
}

}  // namespace

bool Put(HWND owner, const std::string& text) {
  const std::string windowsText = WithWindowsLineEnds(text);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, windowsText.size() + 1);
  if (!memory) return false;
  void* bytes = ::GlobalLock(memory);
  std::memcpy(bytes, windowsText.c_str(), windowsText.size() + 1);
  ::GlobalUnlock(memory);

  OpenClipboardScope clipboard(owner);
  // Once the clipboard has taken the memory it is the clipboard's to free.
  if (!clipboard || !::EmptyClipboard() || !::SetClipboardData(CF_TEXT, memory)) {
    ::GlobalFree(memory);
    return false;
  }
  return true;
}

std::optional<std::string> Get(HWND owner) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard) return std::nullopt;
  HANDLE memory = ::GetClipboardData(CF_TEXT);
  if (!memory) return std::nullopt;
  const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
  if (!bytes) return std::nullopt;
  // The text ends at its terminator or at the end of its memory, whichever comes first.
  const std::string text(bytes, ::strnlen(bytes, ::GlobalSize(memory)));
  ::GlobalUnlock(memory);
  return text;
}

bool HasText() {
  return ::IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

}  // namespace TextClipboard
