// Helpers for in-process tests of real windows: bounded message pumping, a plain top-level
// window class, and a watcher that reads and dismisses message boxes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"

// Routes queued messages as the modal loop does (CDialog::RouteMessage, with dialog's manager if
// given) until done() holds or about two seconds have passed. Returns done()'s last answer.
inline bool PumpMessagesUntil(const std::function<bool()>& done, HWND dialog = nullptr,
                              DWORD timeoutMs = 2000) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) CDialog::RouteMessage(msg, dialog);
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Dispatches whatever is queued now, and what that posts in turn, until the queue is empty.
inline void PumpPendingMessages(HWND dialog = nullptr) {
  PumpMessagesUntil(
      [] {
        MSG msg;
        return !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
      },
      dialog);
}

// A top-level window class whose procedure is DefWindowProcA, for objects to attach to.
inline const char* PlainWindowClass() {
  static const char* name = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "KestruneTestWindow";
    ::RegisterClassA(&windowClass);
    return "KestruneTestWindow";
  }();
  return name;
}

// Reads every message box this thread shows while the watcher lives, and dismisses it with its
// default button. Message boxes run their own modal loop, which dispatches the watcher's timer.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher() {
    Seen().clear();
    m_timer = ::SetTimer(nullptr, 0, 20, &MessageBoxWatcher::OnTick);
  }
  ~MessageBoxWatcher() { ::KillTimer(nullptr, m_timer); }
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  struct Box {
    HWND hwnd;
    std::string caption;
    std::string text;
  };
  const std::vector<Box>& boxes() const { return Seen(); }

 private:
  static std::vector<Box>& Seen() {
    static std::vector<Box> seen;
    return seen;
  }
  static BOOL CALLBACK CloseIfMessageBox(HWND hwnd, LPARAM) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    for (const Box& box : Seen()) {
      if (box.hwnd == hwnd) return TRUE;
    }
    char caption[256] = {};
    char text[512] = {};
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    // The message text is the box's static control with id 0xFFFF.
    ::GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text);
    Seen().push_back({hwnd, caption, text});
    ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &MessageBoxWatcher::CloseIfMessageBox, 0);
  }

  UINT_PTR m_timer;
};
