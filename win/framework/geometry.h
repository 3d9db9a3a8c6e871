// CPoint and CRect: the Win32 POINT and RECT with the few helpers the window code uses.
#pragma once

#include <windows.h>

struct CPoint : POINT {
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
  explicit CPoint(LPARAM lParam)
      : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))} {}
};

struct CRect : RECT {
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Left and top inclusive, right and bottom exclusive, like PtInRect.
  BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};
