#include "grid/cell_edit_report.h"

void ReportCellEdit(CWnd& editor, int row, int column, const CString& text) {
  CWnd* grid = editor.GetParent();
  NMLVDISPINFOA record{};
  record.hdr.hwndFrom = grid->m_hWnd;
  record.hdr.idFrom = static_cast<UINT_PTR>(editor.GetDlgCtrlID());
  record.hdr.code = LVN_ENDLABELEDITA;
  record.item.mask = LVIF_TEXT;
  record.item.iItem = row;
  record.item.iSubItem = column;
  record.item.pszText = const_cast<char*>(static_cast<const char*>(text));
  record.item.cchTextMax = text.GetLength();
  grid->SendMessage(WM_NOTIFY, static_cast<WPARAM>(grid->GetDlgCtrlID()),
                    reinterpret_cast<LPARAM>(&record));
}
