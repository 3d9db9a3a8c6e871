#include "framework/win_app.h"

#include <string>

namespace {

CWinApp* g_application = nullptr;

// The program file's name without its folder and extension.
CString ProgramBaseName() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path);
  name.erase(0, name.find_last_of("\\/") + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return CString(name.c_str());
}

}  // namespace

CWinApp::CWinApp(const char* appName) : m_appName(appName) {
  g_application = this;
  if (appName) m_pszAppName = m_appName;
}

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

void CWinApp::StartUp() {
  if (m_appName.IsEmpty()) m_appName = ProgramBaseName();
  m_pszAppName = m_appName;
}

void CWinApp::OnHelp() {
  // The help file sits beside the program and carries its name.
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string helpFile(path);
  const size_t dot = helpFile.find_last_of('.');
  helpFile = helpFile.substr(0, dot) + ".HLP";
  ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, helpFile.c_str(), HELP_FINDER, 0);
}

CWinApp* AfxGetApp() {
  return g_application;
}

int AfxWinMain(HINSTANCE) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->StartUp();
  app->InitInstance();
  return 0;
}
