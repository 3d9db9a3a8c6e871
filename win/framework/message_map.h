// Message maps: a class declares DECLARE_MESSAGE_MAP() and lists its handlers between
// BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP(). The macros expand to one function that
// tests the entries in order and falls back to the base class's map; nothing else is hidden.
#pragma once

#include "framework/wnd.h"

#define DECLARE_MESSAGE_MAP() \
 protected:                   \
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
  bool theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
    using MapBaseClass = baseClass;                                                      \
    (void)wParam;                                                                        \
    (void)lParam;

#define END_MESSAGE_MAP()                                         \
  return MapBaseClass::OnWndMsg(message, wParam, lParam, result); \
  }

//--- Any message, handled as LRESULT handler(WPARAM, LPARAM)

#define ON_MESSAGE(msg, memberFxn)                 \
  if (message == (msg)) {                          \
    result = (this->*(memberFxn))(wParam, lParam); \
    return true;                                   \
  }

//--- Window messages, with MFC's handler names and cracked parameters

// int OnCreate(LPCREATESTRUCTA create)
#define ON_WM_CREATE()                                            \
  if (message == WM_CREATE) {                                     \
    result = OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam)); \
    return true;                                                  \
  }
// void OnPaint()
#define ON_WM_PAINT()        \
  if (message == WM_PAINT) { \
    OnPaint();               \
    result = 0;              \
    return true;             \
  }
// void OnKillFocus(CWnd* newFocus)
#define ON_WM_KILLFOCUS()                                          \
  if (message == WM_KILLFOCUS) {                                   \
    OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); \
    result = 0;                                                    \
    return true;                                                   \
  }
// void OnChar(UINT character, UINT repeat, UINT flags)
#define ON_WM_CHAR()                                                                      \
  if (message == WM_CHAR) {                                                               \
    OnChar(static_cast<UINT>(wParam), LOWORD(lParam), static_cast<UINT>(HIWORD(lParam))); \
    result = 0;                                                                           \
    return true;                                                                          \
  }
// void OnLButtonDown(UINT keys, CPoint point)
#define ON_WM_LBUTTONDOWN()                                   \
  if (message == WM_LBUTTONDOWN) {                            \
    OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); \
    result = 0;                                               \
    return true;                                              \
  }
// void OnSetFocus(CWnd* oldFocus)
#define ON_WM_SETFOCUS()                                          \
  if (message == WM_SETFOCUS) {                                   \
    OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); \
    result = 0;                                                   \
    return true;                                                  \
  }
// void OnKeyDown(UINT key, UINT repeat, UINT flags)
#define ON_WM_KEYDOWN()                                                                      \
  if (message == WM_KEYDOWN) {                                                               \
    OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), static_cast<UINT>(HIWORD(lParam))); \
    result = 0;                                                                              \
    return true;                                                                             \
  }
// void OnKeyUp(UINT key, UINT repeat, UINT flags)
#define ON_WM_KEYUP()                                                                      \
  if (message == WM_KEYUP) {                                                               \
    OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), static_cast<UINT>(HIWORD(lParam))); \
    result = 0;                                                                            \
    return true;                                                                           \
  }
// void OnSysKeyDown(UINT key, UINT repeat, UINT flags)
#define ON_WM_SYSKEYDOWN()                                                                      \
  if (message == WM_SYSKEYDOWN) {                                                               \
    OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), static_cast<UINT>(HIWORD(lParam))); \
    result = 0;                                                                                 \
    return true;                                                                                \
  }
// void OnLButtonUp(UINT keys, CPoint point)
#define ON_WM_LBUTTONUP()                                   \
  if (message == WM_LBUTTONUP) {                            \
    OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); \
    result = 0;                                             \
    return true;                                            \
  }
// void OnRButtonDown(UINT keys, CPoint point)
#define ON_WM_RBUTTONDOWN()                                   \
  if (message == WM_RBUTTONDOWN) {                            \
    OnRButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); \
    result = 0;                                               \
    return true;                                              \
  }
// void OnRButtonUp(UINT keys, CPoint point)
#define ON_WM_RBUTTONUP()                                   \
  if (message == WM_RBUTTONUP) {                            \
    OnRButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); \
    result = 0;                                             \
    return true;                                            \
  }
// void OnMouseMove(UINT keys, CPoint point)
#define ON_WM_MOUSEMOVE()                                   \
  if (message == WM_MOUSEMOVE) {                            \
    OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam)); \
    result = 0;                                             \
    return true;                                            \
  }
// void OnCaptureChanged(CWnd* newCapture)
#define ON_WM_CAPTURECHANGED()                                          \
  if (message == WM_CAPTURECHANGED) {                                   \
    OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); \
    result = 0;                                                         \
    return true;                                                        \
  }
// void OnHScroll(UINT code, UINT position, CWnd* scrollBar)
#define ON_WM_HSCROLL()                                                                          \
  if (message == WM_HSCROLL) {                                                                   \
    OnHScroll(LOWORD(wParam), HIWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); \
    result = 0;                                                                                  \
    return true;                                                                                 \
  }
// void OnVScroll(UINT code, UINT position, CWnd* scrollBar)
#define ON_WM_VSCROLL()                                                                          \
  if (message == WM_VSCROLL) {                                                                   \
    OnVScroll(LOWORD(wParam), HIWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); \
    result = 0;                                                                                  \
    return true;                                                                                 \
  }
// void OnSysCommand(UINT command, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                           \
  if (message == WM_SYSCOMMAND) {                    \
    OnSysCommand(static_cast<UINT>(wParam), lParam); \
    result = 0;                                      \
    return true;                                     \
  }
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                              \
  if (message == WM_QUERYDRAGICON) {                       \
    result = reinterpret_cast<LRESULT>(OnQueryDragIcon()); \
    return true;                                           \
  }
// void OnTimer(UINT_PTR id)
#define ON_WM_TIMER()                       \
  if (message == WM_TIMER) {                \
    OnTimer(static_cast<UINT_PTR>(wParam)); \
    result = 0;                             \
    return true;                            \
  }
// BOOL OnDeviceChange(UINT event, DWORD_PTR data)
#define ON_WM_DEVICECHANGE()                                                            \
  if (message == WM_DEVICECHANGE) {                                                     \
    result = OnDeviceChange(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam)); \
    return true;                                                                        \
  }

//--- Commands and notifications from child controls, handled by the parent

// A command from a menu, an accelerator or a button: void handler().
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
// Commands first to last, both included: void handler(UINT id).
#define ON_COMMAND_RANGE(first, last, memberFxn)                                   \
  if (message == WM_COMMAND && HIWORD(wParam) == 0 && LOWORD(wParam) >= (first) && \
      LOWORD(wParam) <= (last)) {                                                  \
    (this->*(memberFxn))(LOWORD(wParam));                                          \
    result = 0;                                                                    \
    return true;                                                                   \
  }
// A button's click: void handler().
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
// A notification from any of the controls first to last, both included: void handler(UINT id).
#define ON_CONTROL_RANGE(notifyCode, first, last, memberFxn)                                  \
  if (message == WM_COMMAND && HIWORD(wParam) == (notifyCode) && LOWORD(wParam) >= (first) && \
      LOWORD(wParam) <= (last)) {                                                             \
    (this->*(memberFxn))(LOWORD(wParam));                                                     \
    result = 0;                                                                               \
    return true;                                                                              \
  }
// Any notification a control sends as a command: void handler().
#define ON_CONTROL(notifyCode, id, memberFxn)                                              \
  if (message == WM_COMMAND && HIWORD(wParam) == (notifyCode) && LOWORD(wParam) == (id)) { \
    (this->*(memberFxn))();                                                                \
    result = 0;                                                                            \
    return true;                                                                           \
  }
// void handler(NMHDR*, LRESULT*)
#define ON_NOTIFY(notifyCode, id, memberFxn)                                     \
  if (message == WM_NOTIFY &&                                                    \
      reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode) && \
      reinterpret_cast<NMHDR*>(lParam)->idFrom == static_cast<UINT_PTR>(id)) {   \
    result = 0;                                                                  \
    (this->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), &result);             \
    return true;                                                                 \
  }

//--- Reflection: notifications a control raised, handled by the control itself

// void handler(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT(notifyCode, memberFxn)                                 \
  if (message == WM_REFLECT_BASE + WM_NOTIFY &&                                  \
      reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) { \
    result = 0;                                                                  \
    (this->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), &result);             \
    return true;                                                                 \
  }
// void handler()
#define ON_CONTROL_REFLECT(notifyCode, memberFxn)                                  \
  if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (notifyCode)) { \
    (this->*(memberFxn))();                                                        \
    result = 0;                                                                    \
    return true;                                                                   \
  }
