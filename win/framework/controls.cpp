#include "framework/controls.h"

#include <string>

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
  LVCOLUMNA description{};
  description.mask = LVCF_FMT | LVCF_TEXT;
  description.fmt = format;
  description.pszText = const_cast<char*>(heading);
  if (width != -1) {
    description.mask |= LVCF_WIDTH;
    description.cx = width;
  }
  if (subItem != -1) {
    description.mask |= LVCF_SUBITEM;
    description.iSubItem = subItem;
  }
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                      reinterpret_cast<LPARAM>(&description)));
}

int CListCtrl::InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask,
                          int image, LPARAM lParam) {
  LVITEMA description{};
  description.mask = mask;
  description.iItem = item;
  description.pszText = const_cast<char*>(text);
  description.state = state;
  description.stateMask = stateMask;
  description.iImage = image;
  description.lParam = lParam;
  return InsertItem(&description);
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) {
  LVITEMA description{};
  description.iSubItem = subItem;
  description.pszText = const_cast<char*>(text);
  return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item),
                                       reinterpret_cast<LPARAM>(&description)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  // LVM_GETITEMTEXT gives no length up front: grow the buffer until the text fits with room.
  for (int capacity = 256;; capacity *= 2) {
    std::string buffer(static_cast<size_t>(capacity), '\0');
    LVITEMA description{};
    description.iSubItem = subItem;
    description.pszText = buffer.data();
    description.cchTextMax = capacity;
    const int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                                                    reinterpret_cast<LPARAM>(&description)));
    if (length < capacity - 1) return CString(description.pszText, length);
  }
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
  LVHITTESTINFO test{};
  test.pt = point;
  const int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&test)));
  if (flags) *flags = test.flags;
  return item;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
  // The message reads the part's code from the rectangle and writes the result over it.
  RECT answer{static_cast<LONG>(code), 0, 0, 0};
  if (!SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&answer)))
    return FALSE;
  *rect = answer;
  return TRUE;
}
