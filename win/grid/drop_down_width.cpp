#include "grid/drop_down_width.h"

#include <algorithm>
#include <vector>

void FitDroppedWidth(HWND combo) {
  HDC dc = ::GetDC(combo);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(combo, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
  LONG widest = 0;
  const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length <= 0) continue;
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(text.data()));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.data(), lstrlenW(text.data()), &size);
    widest = std::max(widest, size.cx);
  }
  // Room for an average character either side, the list's border and its scroll bar.
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  if (previous) ::SelectObject(dc, previous);
  ::ReleaseDC(combo, dc);
  const int wanted = static_cast<int>(widest) + 2 * metrics.tmAveCharWidth +
                     2 * ::GetSystemMetrics(SM_CXBORDER) + ::GetSystemMetrics(SM_CXVSCROLL);
  RECT own{};
  ::GetWindowRect(combo, &own);
  ::SendMessageW(combo, CB_SETDROPPEDWIDTH,
                 static_cast<WPARAM>(std::max(wanted, static_cast<int>(own.right - own.left))), 0);
}
