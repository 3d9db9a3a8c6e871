#include "framework/wnd.h"

#include <exception>
#include <map>
#include <memory>
#include <unordered_map>

#include "framework/win_app.h"

namespace {

// The object attached to each subclassed window. Every message and every reflected notification
// looks its window up here, so it is kept in the process: a window property costs a round trip
// to the window server under Wine on each lookup.
std::unordered_map<HWND, CWnd*>& AttachedObjects() {
  static std::unordered_map<HWND, CWnd*> objects;
  return objects;
}

// The object waiting for the window that CreateEx or a dialog is about to create.
CWnd* g_objectToAttach = nullptr;
// The creation hook while it waits for its window; null once it has attached its object. A
// creation under way never starts another before its own window exists, so there is one at most.
HHOOK g_creationHook = nullptr;

// Attaches the waiting object to the first window created, before that window's first message,
// and leaves the chain at once: a dialog's controls are created under the same hook, and each
// hook call is a round trip to the window server under Wine.
LRESULT CALLBACK AttachOnCreate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_objectToAttach) {
    CWnd* object = g_objectToAttach;
    g_objectToAttach = nullptr;
    object->SubclassWindow(reinterpret_cast<HWND>(wParam));
    if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Wrappers for windows without an object, handed out by FromHandle.
std::map<HWND, std::unique_ptr<CWnd>>& TemporaryObjects() {
  static std::map<HWND, std::unique_ptr<CWnd>> objects;
  return objects;
}

// The framework's report of an error that escaped a message handler; the window stays open.
void ReportEscapedError(HWND hwnd, const char* what) {
  CWinApp* app = AfxGetApp();
  ::MessageBoxA(hwnd, what, app ? app->m_pszAppName : nullptr, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

WindowCreationHook::WindowCreationHook(CWnd* object) {
  g_objectToAttach = object;
  g_creationHook = ::SetWindowsHookExA(WH_CBT, AttachOnCreate, nullptr, ::GetCurrentThreadId());
}

WindowCreationHook::~WindowCreationHook() {
  // Still installed when no window was created.
  if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
  g_creationHook = nullptr;
  g_objectToAttach = nullptr;
}

bool CCmdTarget::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(UnsubclassWindow());
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto found = AttachedObjects().find(hwnd);
  return found == AttachedObjects().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* object = FromHandlePermanent(hwnd)) return object;
  std::unique_ptr<CWnd>& temporary = TemporaryObjects()[hwnd];
  if (!temporary) temporary = std::make_unique<CWnd>();
  temporary->m_hWnd = hwnd;
  return temporary.get();
}

void CWnd::DeleteTempMap() {
  // A temporary object only wraps the handle: forget it before deleting, so nothing is destroyed.
  for (auto& [hwnd, object] : TemporaryObjects()) object->m_hWnd = nullptr;
  TemporaryObjects().clear();
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandlePermanent(hwnd)) return FALSE;
  AttachedObjects()[hwnd] = this;
  m_hWnd = hwnd;
  m_originalProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return nullptr;
  ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
  AttachedObjects().erase(hwnd);
  m_hWnd = nullptr;
  m_originalProc = nullptr;
  return hwnd;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
  WindowCreationHook attach(this);
  HWND hwnd = ::CreateWindowExA(
      exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
      rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
  return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
  return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Default() {
  return ::CallWindowProcA(m_originalProc, m_hWnd, m_currentMessage.message,
                           m_currentMessage.wParam, m_currentMessage.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
  return FALSE;
}

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
  text = CString(buffer.data(), got);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
  CWinApp* app = AfxGetApp();
  if (!caption && app) caption = app->m_pszAppName;
  return ::MessageBoxA(m_hWnd, text, caption, type);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToSender(message, wParam, lParam, result)) return result;
  if (OnWndMsg(message, wParam, lParam, result)) return result;
  return Default();
}

bool CWnd::ReflectToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND sender = nullptr;
  if (message == WM_NOTIFY && lParam) sender = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
  if (message == WM_COMMAND) sender = reinterpret_cast<HWND>(lParam);
  CWnd* senderObject = FromHandlePermanent(sender);
  return senderObject && senderObject->OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = FromHandlePermanent(hwnd);
  if (!object) return ::DefWindowProcA(hwnd, message, wParam, lParam);

  const MSG outerMessage = object->m_currentMessage;
  object->m_currentMessage = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = 0;
  // An exception must not unwind through the system's code that called us.
  try {
    result = object->WindowProc(message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportEscapedError(hwnd, error.what());
  } catch (...) {
    ReportEscapedError(hwnd, "An unexpected error occurred.");
  }
  object->m_currentMessage = outerMessage;

  if (message == WM_NCDESTROY) {
    object->UnsubclassWindow();
    object->PostNcDestroy();
  }
  return result;
}
