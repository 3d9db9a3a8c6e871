// The window framework: a thin stand-in for the part of MFC this program uses, over the real ANSI
// Win32 API. A dialog class reads as it would with MFC:
//
// clang-format off
//   class CMyDlg : public CDialog {
//    public:
//     CMyDlg() : CDialog(IDD_MY_DIALOG) {}
//    protected:
//     void DoDataExchange(CDataExchange* exchange) override { DDX_Control(exchange, 1019, m_grid); }
//     BOOL OnInitDialog() override;           // call CDialog::OnInitDialog() first
//     void OnPaint();                         // window message handlers keep MFC's names
//     void OnTimer(UINT_PTR id);
//     LRESULT OnCellChoices(WPARAM column, LPARAM choices);
//     void OnOkClicked();
//     CComboListCtrl m_grid;
//     DECLARE_MESSAGE_MAP()
//   };
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)       // in the .cpp; entries are tested in this order
//     ON_WM_PAINT()
//     ON_WM_TIMER()
//     ON_MESSAGE(WM_CELL_CHOICES, &CMyDlg::OnCellChoices)
//     ON_BN_CLICKED(1005, &CMyDlg::OnOkClicked)
//     ON_BN_CLICKED(1006, &CDialog::OnCancel)
//   END_MESSAGE_MAP()
// clang-format on
//
// A control handles notifications it raised itself with ON_NOTIFY_REFLECT / ON_CONTROL_REFLECT:
// a WM_NOTIFY or WM_COMMAND reaching any window is first offered to the object of the window
// named as its sender. Messages no map handles go to the window's original procedure.
// The application: a static object of a CWinApp class; link kestrune_framework_main for WinMain,
// which calls its InitInstance.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/geometry.h"
#include "framework/lists.h"
#include "framework/message_map.h"
#include "framework/paint_dc.h"
#include "framework/text.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
