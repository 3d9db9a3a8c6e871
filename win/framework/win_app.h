// CWinApp: the one application object. The program defines a static object of a class derived
// from it; the entry point calls its InitInstance.
#pragma once

#include "framework/message_map.h"

class CWinApp : public CCmdTarget {
 public:
  // Registers this object as the application; appName null means the program file's base name.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  // Called once at start. The program has no message loop of its own, only its dialogs' modal
  // loops, so it ends when this returns; FALSE says so.
  virtual BOOL InitInstance() { return FALSE; }
  // The standard Help command: opens the program's help file.
  void OnHelp();

  const char* m_pszAppName = nullptr;
  CWnd* m_pMainWnd = nullptr;

 private:
  // Fills in what is known only once the program runs: the name.
  friend int AfxWinMain(HINSTANCE instance);
  void StartUp();

  CString m_appName;
};

CWinApp* AfxGetApp();
// Called by the entry point: starts the application object and runs its InitInstance.
int AfxWinMain(HINSTANCE instance);
// Hosting ActiveX controls, which MFC enables here: this program's dialogs contain none, so
// there is nothing to enable.
inline void AfxEnableControlContainer() {}
