// CCmdTarget and CWnd: a C++ object bound to a real window. The window's procedure is replaced by
// CWnd::WindowProcedure, which finds the object in the framework's handle map and runs its message
// map; whatever the map leaves alone goes to the window's original procedure (Default).
#pragma once

#include <windows.h>

#include "framework/geometry.h"
#include "framework/text.h"

// Reflected notifications arrive at the sender's map as WM_REFLECT_BASE + WM_NOTIFY or
// WM_REFLECT_BASE + WM_COMMAND, which no window ever receives from the system.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

class CWnd;

// While alive, attaches the given object to the next window this thread creates, before that
// window's first message (a CBT hook, as MFC does it, removed as soon as it has attached).
class WindowCreationHook {
 public:
  explicit WindowCreationHook(CWnd* object);
  ~WindowCreationHook();
  WindowCreationHook(const WindowCreationHook&) = delete;
  WindowCreationHook& operator=(const WindowCreationHook&) = delete;
};

//--- CCmdTarget

// Anything with a message map: windows, and the application object for commands.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Called with each message for the object; true when the map handled it, with its result.
  virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

//--- CWnd

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  // A window still attached is detached first, so its last messages never reach a half-destroyed
  // object, and then destroyed.
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;

  // The object attached to a window, or null.
  static CWnd* FromHandlePermanent(HWND hwnd);
  // The attached object, or a temporary one that wraps the handle until the message loop next
  // goes idle; null for a null handle.
  static CWnd* FromHandle(HWND hwnd);
  // Deletes the temporary objects; the modal loop calls it when its queue is empty.
  static void DeleteTempMap();

  // Attaches the object to an existing window and routes its messages through the map.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  // Gives the window back its original procedure and forgets it.
  HWND UnsubclassWindow();

  // Creates a child window of the given class, attached to this object before its first
  // message, so the map sees WM_CREATE.
  BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
              CWnd* parent, UINT id);
  BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                const RECT& rect, CWnd* parent, UINT id);
  BOOL DestroyWindow();

  // Runs the original window procedure on the message being handled.
  LRESULT Default();

  // Called with every queued message for this window or its children before the modal loop
  // translates and dispatches it; true means it was handled and goes no further.
  virtual BOOL PreTranslateMessage(MSG* msg);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void SetDlgItemTextA(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
  // Gives this window the keyboard focus and returns the window that had it.
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetWindowText(CString& text) const;
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
  // A message box owned by this window; without a caption the application's name is used.
  // (windows.h makes the name MessageBoxA, as it does for SendMessage and the other texts.)
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

 protected:
  // Called with each message: offers a WM_NOTIFY or WM_COMMAND to the object of the window that
  // sent it (reflection), then runs this object's map, then the original window procedure.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the window's last message, once the object has been detached from it.
  virtual void PostNcDestroy() {}

  // The standard handling of the messages a map may take over; each calls Default().
  int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
  void OnPaint() { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  void OnChar(UINT, UINT, UINT) { Default(); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKeyDown(UINT, UINT, UINT) { Default(); }
  void OnKeyUp(UINT, UINT, UINT) { Default(); }
  void OnSysKeyDown(UINT, UINT, UINT) { Default(); }
  void OnLButtonDown(UINT, CPoint) { Default(); }
  void OnLButtonUp(UINT, CPoint) { Default(); }
  void OnRButtonDown(UINT, CPoint) { Default(); }
  void OnRButtonUp(UINT, CPoint) { Default(); }
  void OnMouseMove(UINT, CPoint) { Default(); }
  void OnCaptureChanged(CWnd*) { Default(); }
  void OnHScroll(UINT, UINT, CWnd*) { Default(); }
  void OnVScroll(UINT, UINT, CWnd*) { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  void OnTimer(UINT_PTR) { Default(); }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool ReflectToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  WNDPROC m_originalProc = nullptr;
  // The message being handled, for Default(); nested sends save and restore it.
  MSG m_currentMessage{};
};
