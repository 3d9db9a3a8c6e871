#include "PellinApp.h"

#include "PellinDlg.h"

// The framework's Help command.
#define ID_HELP 0xE146

BEGIN_MESSAGE_MAP(CPellinApp, CWinApp)
  ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object; without a name of its own it goes by the program file's name.
CPellinApp theApp;

// Called before the framework starts, as the static object is built.
CPellinApp::CPellinApp() = default;

// Called after the program's last message, as the static object goes away.
CPellinApp::~CPellinApp() = default;

// Called once at start, by the framework's entry point.
BOOL CPellinApp::InitInstance() {
  AfxEnableControlContainer();

  CPellinDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;

  // No message loop of our own: the program ends with the dialog.
  return FALSE;
}
