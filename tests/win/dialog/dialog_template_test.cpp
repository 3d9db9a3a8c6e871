// The dialog as the user sees it: the template's frame, each control's id, class and text, a
// layout in which nothing overlaps or sticks out of the dialog, every control the user changes
// reached by Tab and every drop-down pick-only; and the set-up's system menu, icons and focus.
// The layout cases run once more on a screen set to 144 DPI.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "settings_dialog_test.h"

namespace {

// The controls the user reads, by id (-1 for a label, found by its text) with their class and
// text; the REC Audio pair is there but hidden, as the saved value never changes.
const struct NamedControl {
  int id;
  const char* className;
  const char* text;
  bool shown = true;
} kNamedControls[] = {
    {IDC_OK, "Button", "OK"},
    {IDC_CANCEL, "Button", "Cancel"},
    {IDC_LOAD_FROM_CARD, "Button", "Load from card"},
    {-1, "Static", "Resolution"},
    {-1, "Static", "Loop Recording File Length"},
    {-1, "Static", "Exposure Value"},
    {-1, "Static", "Rotate"},
    {-1, "Static", "Date/Time"},
    {-1, "Static", "Beep"},
    {-1, "Static", "Record LED"},
    {-1, "Static", "Display Status"},
    {-1, "Static", "REC Audio", false},
    {IDC_REC_AUDIO, "ComboBox", nullptr, false},
    {-1, "Static", "PIR/Motion Detection"},
    {-1, "Static", "PIR/Motion Sensitivity"},
    {-1, "Static", "Schedule Setting"},
    {-1, "Static", "SD card:"},
    {IDC_CLOCK, "Edit", nullptr},
    {IDC_SCHEDULE_GRID, "SysListView32", nullptr},
    {IDC_CARD, "ComboBox", nullptr},
    {IDC_LEGEND_MOTION, "Static", "M:Motion Detection/PIR"},
    {IDC_LEGEND_CONTINUOUS, "Static", "C:Continuous"},
    {IDC_LEGEND_OFF, "Static", "-:OFF"},
    {IDC_WEEK_LINE, "Static", nullptr},
    {IDC_MONDAY, "Static", "MON"},
    {IDC_TUESDAY, "Static", "TUE"},
    {IDC_WEDNESDAY, "Static", "WED"},
    {IDC_THURSDAY, "Static", "THU"},
    {IDC_FRIDAY, "Static", "FRI"},
    {IDC_SATURDAY, "Static", "SAT"},
    {IDC_SUNDAY, "Static", "SUN"},
    {IDC_SAVE_HINT, "Static", "Kestrune text file will save to desktop."},
};

// Reads the extended dialog template in the program's resources, as the system does.
class TemplateReader {
 public:
  explicit TemplateReader(int id) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    if (found) at_ = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  }
  explicit operator bool() const { return at_ != nullptr; }

  WORD word() { return take<WORD>(); }
  DWORD dword() { return take<DWORD>(); }
  short number() { return take<short>(); }
  // A name or an ordinal: 0xFFFF and a number, else a zero-ended wide text.
  std::string nameOrOrdinal() {
    if (*reinterpret_cast<const WORD*>(at_) == 0xFFFF) {
      word();
      return "#" + std::to_string(word());
    }
    return text();
  }
  std::string text() {
    std::string ascii;
    for (WORD character = word(); character; character = word())
      ascii += static_cast<char>(character);
    return ascii;
  }
  void skip(std::size_t bytes) { at_ += bytes; }
  void alignToDword() {
    while (reinterpret_cast<std::uintptr_t>(at_) % 4) ++at_;
  }

 private:
  template <class T>
  T take() {
    T value;
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  const BYTE* at_ = nullptr;
};

// Names a control in a failure message.
std::string nameOf(HWND control) {
  return std::to_string(::GetDlgCtrlID(control)) + " " + ClassOf(control) + " \"" +
         WindowText(control) + "\"";
}

// A control's rectangle in the dialog's client area; a drop-down's is that of its closed box.
RECT placeOf(HWND dialog, HWND control) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> shownControls(HWND dialog) {
  std::vector<HWND> shown;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::IsWindowVisible(child)) shown.push_back(child);
  return shown;
}

// The dialog's own control that holds the focus, also when the focus is inside one.
HWND focusedControl(HWND dialog) {
  HWND focus = ::GetFocus();
  while (focus && ::GetParent(focus) != dialog) focus = ::GetParent(focus);
  return focus;
}

// What the user changes or presses: shown, enabled buttons, drop-downs, the grid and any edit
// box that is not read-only.
bool userChanges(HWND control) {
  if (!::IsWindowVisible(control) || !::IsWindowEnabled(control)) return false;
  const std::string name = ClassOf(control);
  const auto style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
  if (name == "Edit") return (style & ES_READONLY) == 0;
  return name == "Button" || name == "ComboBox" || name == "SysListView32";
}

using DialogTemplate = SettingsDialogTest;
using DialogLayout = SettingsDialogTest;
using DialogSetUp = SettingsDialogTest;

TEST(DialogResource, TemplateOneHundredAndTwoIsTheKestruneDialogInMsSansSerif) {
  TemplateReader reader(IDD_KESTRUNE_DIALOG);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader.word(), 1);       // version
  EXPECT_EQ(reader.word(), 0xFFFF);  // extended template
  reader.dword();                    // help id
  EXPECT_EQ(reader.dword(), static_cast<DWORD>(WS_EX_APPWINDOW));
  EXPECT_EQ(reader.dword(), static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE |
                                               WS_CAPTION | WS_SYSMENU));
  reader.word();  // control count
  const short x = reader.number(), y = reader.number();
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(reader.number(), 525);
  EXPECT_EQ(reader.number(), 355);
  EXPECT_EQ(reader.nameOrOrdinal(), "");  // no menu
  EXPECT_EQ(reader.nameOrOrdinal(), "");  // the standard dialog class
  EXPECT_EQ(reader.text(), "Kestrune");
  EXPECT_EQ(reader.word(), 8);  // points
  reader.word();                // weight
  reader.skip(2);               // italic, character set
  EXPECT_EQ(reader.text(), "MS Sans Serif");
}

TEST_F(DialogTemplate, EachNamedControlHasItsIdClassTextAndVisibility) {
  script.then([](HWND dialog) {
    for (const NamedControl& expected : kNamedControls) {
      SCOPED_TRACE(std::to_string(expected.id) + " " + (expected.text ? expected.text : ""));
      HWND control = expected.id == -1
                         ? ::FindWindowExA(dialog, nullptr, expected.className, expected.text)
                         : ::GetDlgItem(dialog, expected.id);
      ASSERT_NE(control, nullptr);
      EXPECT_STRCASEEQ(ClassOf(control).c_str(), expected.className);
      if (expected.text) {
        EXPECT_EQ(WindowText(control), expected.text);
      }
      EXPECT_EQ(::IsWindowVisible(control) != FALSE, expected.shown);
    }
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(DialogLayout, NoTwoShownControlsOverlapAndNoneSticksOutOfTheDialog) {
  script.then([](HWND dialog) {
    RECT client;
    ::GetClientRect(dialog, &client);
    const std::vector<HWND> shown = shownControls(dialog);
    ASSERT_FALSE(shown.empty());
    for (std::size_t index = 0; index < shown.size(); ++index) {
      const RECT place = placeOf(dialog, shown[index]);
      SCOPED_TRACE(nameOf(shown[index]));
      EXPECT_GE(place.left, client.left);
      EXPECT_GE(place.top, client.top);
      EXPECT_LE(place.right, client.right);
      EXPECT_LE(place.bottom, client.bottom);
      for (std::size_t other = index + 1; other < shown.size(); ++other) {
        const RECT otherPlace = placeOf(dialog, shown[other]);
        RECT common;
        EXPECT_FALSE(::IntersectRect(&common, &place, &otherPlace))
            << "overlaps " << nameOf(shown[other]);
      }
    }
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(DialogLayout, EveryControlTheUserChangesIsReachedByTab) {
  std::vector<HWND> wanted;
  std::set<HWND> reached;
  script.then([&](HWND dialog) {
    for (HWND control : shownControls(dialog))
      if (userChanges(control)) wanted.push_back(control);
  });
  // More presses than the dialog has controls: Tab goes round them all at least once.
  constexpr int kPresses = 60;
  for (int press = 0; press < kPresses; ++press) {
    script.then([&](HWND dialog) {
      reached.insert(focusedControl(dialog));
      PostKeyPress(::GetFocus(), VK_TAB);
    });
  }
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  ASSERT_FALSE(wanted.empty());
  for (HWND control : wanted) {
    SCOPED_TRACE(std::to_string(::GetDlgCtrlID(control)));
    EXPECT_TRUE(reached.count(control));
  }
}

TEST_F(DialogLayout, EveryDropDownIsPickOnly) {
  script.then([](HWND dialog) {
    int dropDowns = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (ClassOf(child) != "ComboBox") continue;
      SCOPED_TRACE(std::to_string(::GetDlgCtrlID(child)));
      ++dropDowns;
      const auto style = static_cast<DWORD>(::GetWindowLongA(child, GWL_STYLE));
      EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
      // A box one could type into would be an edit window inside the drop-down.
      EXPECT_EQ(::FindWindowExA(child, nullptr, "Edit", nullptr), nullptr);
    }
    EXPECT_GE(dropDowns, 12);
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST(DialogResource, TheManifestAsksForNoElevationIsDpiAwareAndUsesCommonControls6) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(
      static_cast<const char*>(::LockResource(::LoadResource(module, found))),
      ::SizeofResource(module, found));
  EXPECT_NE(manifest.find(R"(requestedExecutionLevel level="asInvoker")"), std::string::npos);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
            std::string::npos);
}

TEST(DialogResource, TheAboutItemsTextIsString101) {
  char text[64] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text);
  EXPECT_STREQ(text, "&About Kestrune...");
}

TEST_F(DialogTemplate, TheDialogIsKestruneInMsSansSerifWithACloseBoxOnly) {
  script.then([](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), "Kestrune");

    const auto style = static_cast<DWORD>(::GetWindowLongA(dialog, GWL_STYLE));
    const DWORD required = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & required, required) << std::hex << style;
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    RECT client;
    ::GetClientRect(dialog, &client);
    RECT size{0, 0, 525, 355};
    ::MapDialogRect(dialog, &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_TRUE(::GetObjectA(handle, sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(DialogSetUp, TheSystemMenuEndsWithTheAboutItemWhichNamesTheProgramAndItsVersion) {
  script.then([](HWND dialog) {
    HMENU menu = ::GetSystemMenu(dialog, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char text[64] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(count - 1), text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About Kestrune...");
    chooseSystemCommand(dialog, IDM_ABOUTBOX);
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  ASSERT_EQ(script.boxes().size(), 1u);
  EXPECT_EQ(script.boxes()[0].caption, "About Kestrune");
  EXPECT_NE(script.boxes()[0].text.find(std::string("Kestrune ") + KESTRUNE_VERSION),
            std::string::npos)
      << script.boxes()[0].text;
  EXPECT_TRUE(script.boxes()[0].hasIcon);
}

TEST_F(DialogSetUp, TheWindowAndDragIconsAreTheProgramIconAndTheFocusIsOnOk) {
  script.then([](HWND dialog) {
    const HICON programIcon =
        ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(::SendMessageA(dialog, WM_GETICON, ICON_BIG, 0),
              reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(::SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0),
              reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(::SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0),
              reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_OK));
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(DialogSetUp, TheProgramIconHoldsA32And16PixelImage) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14));
  ASSERT_NE(found, nullptr);
  // The icon group: a six-byte header with the image count, then 14 bytes for each image,
  // starting with its width and height.
  const auto* group = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  const int count = group[4] | (group[5] << 8);
  std::vector<int> sizes;
  for (int image = 0; image < count; ++image) {
    const BYTE* entry = group + 6 + 14 * image;
    EXPECT_EQ(entry[0], entry[1]);
    sizes.push_back(entry[0]);
  }
  EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
}

}  // namespace
