// CWinApp: the one application object. The program defines a static object of a class derived
// from it; the entry point calls its InitInstance.
#pragma once

#include "framework/message_map.h"

class CWinApp : public CCmdTarget {
 public:
  // Registers this object as the application; appName null means the program file's base name.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  // Called once at start; FALSE ends the program, TRUE enters the message loop (Run).
  virtual BOOL InitInstance() { return TRUE; }
  // Called after InitInstance returned TRUE: pumps messages until WM_QUIT, returns its code.
  virtual int Run();
  // The standard Help command: opens the program's help file.
  void OnHelp();

  const char* m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

 private:
  // Fills in what is known only once the program runs: the instance and the name.
  friend int AfxWinMain(HINSTANCE instance);
  void StartUp(HINSTANCE instance);

  CString m_appName;
};

CWinApp* AfxGetApp();
// The program's module, which holds its resources.
inline HINSTANCE AfxGetResourceHandle() {
  return ::GetModuleHandleA(nullptr);
}
// Called by the entry point: starts the application object and runs it.
int AfxWinMain(HINSTANCE instance);
// Hosting ActiveX controls, which MFC enables here: this program's dialogs contain none, so
// there is nothing to enable.
inline void AfxEnableControlContainer() {}
