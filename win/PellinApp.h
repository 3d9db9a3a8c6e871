// The application object: shows the settings dialog, and the program ends when it closes.
#pragma once

#include "framework/framework.h"

class CPellinApp : public CWinApp {
 public:
  CPellinApp();
  ~CPellinApp() override;

  // Called once at start: runs the settings dialog; FALSE ends the program when it closes.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
