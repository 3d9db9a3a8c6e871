// The common controls the dialog and the grid use: thin classes over their window messages.
#pragma once

#include "framework/message_map.h"

#include <commctrl.h>

//--- CImageList

class CImageList {
 public:
  CImageList() = default;
  ~CImageList() { DeleteImageList(); }
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  BOOL Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
  }
  BOOL DeleteImageList() {
    if (!m_hImageList) return FALSE;
    ::ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
  }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  // Gives up the image list without destroying it, e.g. to a list view that destroys its image
  // lists itself when it is destroyed.
  HIMAGELIST Detach() {
    HIMAGELIST images = m_hImageList;
    m_hImageList = nullptr;
    return images;
  }

  HIMAGELIST m_hImageList = nullptr;
};

//--- CListCtrl

class CListCtrl : public CWnd {
 public:
  // Inserts a report-view column; width -1 leaves the column's width to the control.
  int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  int InsertItem(const LVITEMA* item) {
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
  }
  int InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask, int image,
                 LPARAM lParam);
  int InsertItem(int item, const char* text) {
    return InsertItem(LVIF_TEXT, item, text, 0, 0, 0, 0);
  }
  BOOL SetItemText(int item, int subItem, const char* text);
  CString GetItemText(int item, int subItem) const;
  // The row under a client point, or -1.
  int HitTest(CPoint point, UINT* flags = nullptr) const;
  // The rectangle of a row part (LVIR_BOUNDS, ...) in client coordinates; rect is left as it
  // was when the row does not exist.
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
  // Sets the image list of the given kind; returns the previous one's handle.
  HIMAGELIST SetImageList(CImageList* images, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind),
                    reinterpret_cast<LPARAM>(images ? images->GetSafeHandle() : nullptr)));
  }
};

//--- CComboBox and CEdit

class CComboBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("COMBOBOX", nullptr, style, rect, parent, id);
  }
};

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("EDIT", nullptr, style, rect, parent, id);
  }
};
