// Helpers for in-process tests of real windows: bounded message pumping, key presses, a plain
// top-level window class, and a watcher that reads and dismisses message boxes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
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

// Posts a key's press and release to the window as the keyboard sends them: with the key's scan
// code, and as system keys, marked as such, when Alt is held or the key is F10.
inline void PostKeyPress(HWND window, WPARAM key, bool altHeld = false) {
  const UINT down = altHeld || key == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const auto scanCode =
      static_cast<LPARAM>(::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
  // Bit 29 of a system key message: the Alt key is down.
  const LPARAM alt = altHeld ? (1 << 29) : 0;
  ::PostMessageA(window, down, key, 1 | scanCode | alt);
  ::PostMessageA(window, down + 1, key, static_cast<LPARAM>(0xC0000001) | scanCode | alt);
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

// A message box as it was shown.
struct ShownBox {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  bool hasIcon = false;
  bool hasErrorIcon = false;
  // The window the box was shown over, and whether that window was visible then.
  HWND owner = nullptr;
  bool ownerWasVisible = false;
};

// A window's title or text, and its class name.
inline std::string WindowText(HWND window) {
  char text[1024] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}
inline std::string ClassOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

// The message boxes this thread shows now, read as the user sees them; a dialog of the same
// window class that is no box can be left out.
inline std::vector<ShownBox> ShownMessageBoxes(HWND notABox = nullptr) {
  struct Search {
    HWND notABox;
    std::vector<ShownBox> boxes;
  } search{notABox, {}};
  static const auto readPart = [](HWND part, LPARAM context) -> BOOL {
    auto* box = reinterpret_cast<ShownBox*>(context);
    if (::lstrcmpiA(ClassOf(part).c_str(), "Static") != 0) return TRUE;
    if ((::GetWindowLongA(part, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      const auto icon = reinterpret_cast<HICON>(::SendMessageA(part, STM_GETICON, 0, 0));
      box->hasIcon = box->hasIcon || (icon && ::IsWindowVisible(part));
      box->hasErrorIcon = box->hasErrorIcon || icon == ::LoadIconA(nullptr, IDI_ERROR);
    } else {
      box->text += WindowText(part);
    }
    return TRUE;
  };
  static const auto collect = [](HWND window, LPARAM context) -> BOOL {
    auto* found = reinterpret_cast<Search*>(context);
    if (window == found->notABox || !::IsWindowVisible(window) || ClassOf(window) != "#32770")
      return TRUE;
    ShownBox box;
    box.window = window;
    box.caption = WindowText(window);
    box.owner = ::GetWindow(window, GW_OWNER);
    box.ownerWasVisible = box.owner && ::IsWindowVisible(box.owner);
    ::EnumChildWindows(window, readPart, reinterpret_cast<LPARAM>(&box));
    found->boxes.push_back(box);
    return TRUE;
  };
  ::EnumThreadWindows(::GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&search));
  return search.boxes;
}

// Reads every message box this thread shows while the watcher lives, and dismisses it with its
// OK button. Message boxes run their own modal loop, which dispatches the watcher's timer.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher() {
    Seen().clear();
    m_timer = ::SetTimer(nullptr, 0, 20, &MessageBoxWatcher::OnTick);
  }
  ~MessageBoxWatcher() { ::KillTimer(nullptr, m_timer); }
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  const std::vector<ShownBox>& boxes() const { return Seen(); }

 private:
  static std::vector<ShownBox>& Seen() {
    static std::vector<ShownBox> seen;
    return seen;
  }
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    for (const ShownBox& box : ShownMessageBoxes()) {
      // A box dismissed a tick ago may still be closing.
      const bool known = std::any_of(Seen().begin(), Seen().end(), [&](const ShownBox& seen) {
        return seen.window == box.window;
      });
      if (known) continue;
      Seen().push_back(box);
      ::PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    }
  }

  UINT_PTR m_timer;
};
