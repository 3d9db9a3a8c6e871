// Reads positions and texts from the running program's windows, for the end-to-end scripts:
// they click with xdotool where this reports, never at fixed positions.
//
//   kestrune-probe rect CAPTION ID              screen rectangle "x y width height" of control
//                                               ID (ID 0: the window itself)
//   kestrune-probe text CAPTION ID              the text of control ID
//   kestrune-probe cell CAPTION ID ROW COL      screen rectangle of a cell of list view ID
//   kestrune-probe celltext CAPTION ID ROW COL  the text of that cell
//   kestrune-probe texts CAPTION                the texts of all child windows, one a line
//   kestrune-probe icon CAPTION                 "icon" when the window shows an icon, else "none"
//   kestrune-probe focus CAPTION                the class of the window with the keyboard focus
//                                               in the window's thread
//   kestrune-probe menu                         "open" while a popup menu is shown, else "none"
//   kestrune-probe hold FILE RELEASE            another program holding FILE open, sharing
//                                               nothing: says "holding", then keeps it so until
//                                               the file RELEASE exists (five minutes at most)
//
// CAPTION names a top-level dialog. Exit status 0 on success, 1 when the window or control
// is not there, 2 on a usage error.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Memory in the program's own address space, for list-view messages whose parameter points
// at data the list reads or writes: a pointer into the probe would mean nothing there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  explicit operator bool() const { return address_ != nullptr; }
  char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
  bool put(std::size_t offset, const void* data, std::size_t size) const {
    return WriteProcessMemory(process_, at(offset), data, size, nullptr);
  }
  bool get(std::size_t offset, void* data, std::size_t size) const {
    return ReadProcessMemory(process_, at(offset), data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

std::string windowText(HWND window) {
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

bool subItemRect(HWND list, int row, int column, RECT& rect) {
  RemoteBuffer remote(list, sizeof(RECT));
  const RECT request = {LVIR_BOUNDS, column, 0, 0};
  return remote && remote.put(0, &request, sizeof request) &&
         SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), remote.param()) &&
         remote.get(0, &rect, sizeof rect);
}

// A cell's rectangle in the list's client coordinates. For column 0 the list reports the
// whole row, so that cell ends where column 1 begins.
bool cellRect(HWND list, int row, int column, RECT& rect) {
  if (!subItemRect(list, row, column, rect)) return false;
  RECT next;
  if (column == 0 && subItemRect(list, row, 1, next)) rect.right = next.left;
  return true;
}

bool cellText(HWND list, int row, int column, std::string& text) {
  constexpr std::size_t kTextOffset = sizeof(LVITEMA);
  constexpr int kTextSize = 256;
  RemoteBuffer remote(list, kTextOffset + kTextSize);
  if (!remote) return false;
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = remote.at(kTextOffset);
  item.cchTextMax = kTextSize;
  if (!remote.put(0, &item, sizeof item)) return false;
  const LRESULT length =
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), remote.param());
  char buffer[kTextSize] = {};
  if (length < 0 || length >= kTextSize || !remote.get(kTextOffset, buffer, sizeof buffer))
    return false;
  text.assign(buffer, static_cast<std::size_t>(length));
  return true;
}

BOOL CALLBACK collectText(HWND child, LPARAM lines) {
  const std::string text = windowText(child);
  if (!text.empty()) *reinterpret_cast<std::string*>(lines) += text + "\n";
  return TRUE;
}

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
      (style & WS_VISIBLE) && SendMessageA(child, STM_GETICON, 0, 0)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

void printRect(RECT rect) {
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
}

int usage() {
  std::fprintf(
      stderr,
      "usage: kestrune-probe rect|text|cell|celltext|texts|icon|focus CAPTION [ID [ROW COL]]\n"
      "       kestrune-probe menu\n"
      "       kestrune-probe hold FILE RELEASE\n");
  return 2;
}

int missing(const char* what, const char* name) {
  std::fprintf(stderr, "probe: no %s %s\n", what, name);
  return 1;
}

int hold(const char* file, const char* release) {
  constexpr int kPollMs = 50;
  constexpr int kMostPolls = 5 * 60 * 1000 / kPollMs;
  const HANDLE held = CreateFileA(file, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) return missing("file", file);
  std::puts("holding");
  std::fflush(stdout);
  for (int poll = 0; poll < kMostPolls && GetFileAttributesA(release) == INVALID_FILE_ATTRIBUTES;
       ++poll)
    Sleep(kPollMs);
  CloseHandle(held);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "menu") {
    const HWND menu = FindWindowA("#32768", nullptr);
    std::puts(menu && IsWindowVisible(menu) ? "open" : "none");
    return 0;
  }
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "hold") return argc == 4 ? hold(argv[2], argv[3]) : usage();
  HWND dialog = FindWindowA("#32770", argv[2]);
  if (!dialog) return missing("window", argv[2]);

  if (command == "texts" && argc == 3) {
    std::string lines;
    EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&lines));
    std::fputs(lines.c_str(), stdout);
    return 0;
  }
  if (command == "icon" && argc == 3) {
    bool shown = false;
    EnumChildWindows(dialog, findIcon, reinterpret_cast<LPARAM>(&shown));
    std::puts(shown ? "icon" : "none");
    return 0;
  }
  if (command == "focus" && argc == 3) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    char className[64] = {};
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) && thread.hwndFocus)
      GetClassNameA(thread.hwndFocus, className, sizeof className);
    std::puts(className);
    return 0;
  }
  if (argc < 4) return usage();
  const int id = std::atoi(argv[3]);
  HWND control = id == 0 ? dialog : GetDlgItem(dialog, id);
  if (!control) return missing("control", argv[3]);

  if (command == "rect" && argc == 4) {
    RECT rect;
    GetWindowRect(control, &rect);
    printRect(rect);
    return 0;
  }
  if (command == "text" && argc == 4) {
    std::puts(windowText(control).c_str());
    return 0;
  }
  if (argc != 6) return usage();
  const int row = std::atoi(argv[4]);
  const int column = std::atoi(argv[5]);
  if (command == "cell") {
    RECT rect;
    if (!cellRect(control, row, column, rect)) return missing("cell", argv[5]);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    printRect(rect);
    return 0;
  }
  if (command == "celltext") {
    std::string text;
    if (!cellText(control, row, column, text)) return missing("cell", argv[5]);
    std::puts(text.c_str());
    return 0;
  }
  return usage();
}
