// The dialog comes from its template as the user sees it: every control with its id, class,
// text, place, style and visibility, in tab order, and the set-up's system menu, icons and focus.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

namespace {

enum class Kind { Button, Label, Legend, Line, DropDown, CardList, Clock, Grid };

struct TemplateControl {
  int id;
  Kind kind;
  const char* text;
  RECT units;  // x, y, width, height in dialog units
  bool visible = true;
};

// The template's controls in template order, which is the tab order.
const std::vector<TemplateControl> kTemplate = {
    {1005, Kind::Button, "OK", {361, 321, 60, 26}},
    {1006, Kind::Button, "Cancel", {449, 322, 61, 25}},
    {-1, Kind::Label, "Resolution", {14, 15, 47, 15}},
    {1009, Kind::DropDown, nullptr, {73, 15, 107, 78}},
    {-1, Kind::Label, "Loop Recording File Length", {16, 38, 56, 17}},
    {1010, Kind::DropDown, nullptr, {73, 39, 107, 71}},
    {-1, Kind::Label, "Exposure Value", {14, 64, 30, 18}},
    {1011, Kind::DropDown, nullptr, {73, 64, 107, 72}},
    {-1, Kind::Label, "Rotate", {14, 90, 42, 18}},
    {1012, Kind::DropDown, nullptr, {73, 90, 107, 66}},
    {-1, Kind::Label, "Date/Time", {408, 15, 36, 10}},
    {1004, Kind::Clock, nullptr, {408, 39, 107, 27}},
    {-1, Kind::Label, "Beep", {207, 15, 36, 18}},
    {1013, Kind::DropDown, nullptr, {273, 15, 107, 83}},
    {-1, Kind::Label, "Record LED", {206, 38, 31, 18}},
    {1014, Kind::DropDown, nullptr, {273, 39, 107, 76}},
    {-1, Kind::Label, "Display Status", {205, 64, 66, 18}},
    {1015, Kind::DropDown, nullptr, {273, 64, 107, 61}},
    {-1, Kind::Label, "REC Audio", {415, 105, 55, 18}, false},
    {1016, Kind::DropDown, nullptr, {408, 89, 107, 60}, false},
    {-1, Kind::Label, "PIR/Motion Detection", {14, 116, 42, 18}},
    {1017, Kind::DropDown, nullptr, {73, 118, 107, 56}},
    {-1, Kind::Label, "PIR/Motion Sensitivity", {206, 88, 42, 18}},
    {1018, Kind::DropDown, nullptr, {273, 89, 107, 45}},
    {1019, Kind::Grid, nullptr, {35, 156, 475, 135}},
    {1020, Kind::DropDown, nullptr, {408, 25, 107, 76}},
    {1030, Kind::Legend, "M:Motion Detection/PIR", {36, 294, 90, 10}},
    {1029, Kind::Legend, "C:Continuous", {130, 294, 60, 10}},
    {1028, Kind::Legend, "-:OFF", {194, 294, 36, 10}},
    {1031, Kind::Line, nullptr, {36, 307, 474, 10}},
    {1021, Kind::Label, "MON", {14, 171, 20, 10}},
    {1022, Kind::Label, "TUE", {13, 187, 20, 10}},
    {1023, Kind::Label, "WED", {14, 202, 19, 10}},
    {1024, Kind::Label, "THU", {14, 217, 20, 10}},
    {1025, Kind::Label, "FRI", {15, 233, 20, 10}},
    {1026, Kind::Label, "SAT", {15, 249, 18, 10}},
    {1027, Kind::Label, "SUN", {15, 264, 17, 10}},
    {-1, Kind::Label, "Schedule Setting", {37, 142, 73, 14}},
    {-1, Kind::Label, "SD card:", {36, 322, 30, 10}},
    {1032, Kind::CardList, nullptr, {68, 320, 214, 80}},
    {1033, Kind::Button, "Load from card", {286, 319, 64, 14}},
    {1034, Kind::Line, "Kestrune text file will save to desktop.", {36, 338, 314, 10}},
};

const char* className(Kind kind) {
  switch (kind) {
    case Kind::Button:
      return "Button";
    case Kind::Label:
    case Kind::Legend:
    case Kind::Line:
      return "Static";
    case Kind::DropDown:
    case Kind::CardList:
      return "ComboBox";
    case Kind::Clock:
      return "Edit";
    case Kind::Grid:
      return "SysListView32";
  }
  return "";
}

// Each kind's exact style in the template; the hidden ones lack WS_VISIBLE.
DWORD templateStyle(const TemplateControl& control) {
  DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0);
  switch (control.kind) {
    case Kind::Button:
      // A plain push button: neither is the default button.
      return style | WS_TABSTOP | BS_PUSHBUTTON;
    case Kind::Label:
      return style | WS_GROUP | SS_LEFT;
    // Labels with styles of their own are not group starts.
    case Kind::Legend:
      return style | SS_CENTER | SS_CENTERIMAGE;
    case Kind::Line:
      return style | SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS;
    case Kind::DropDown:
      // A list to pick from, with no field to type into; sorted, with a scroll bar.
      return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT;
    case Kind::CardList:
      // In the order of the cards, after "Desktop only".
      return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case Kind::Clock:
      return style | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY;
    case Kind::Grid:
      return style | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS |
             LVS_ALIGNLEFT;
  }
  return 0;
}

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

// The class of a template item: the predefined ones are stored as ordinals.
std::string templateClass(Kind kind) {
  switch (kind) {
    case Kind::Button:
      return "#128";
    case Kind::Clock:
      return "#129";
    case Kind::Label:
    case Kind::Legend:
    case Kind::Line:
      return "#130";
    case Kind::DropDown:
    case Kind::CardList:
      return "#133";
    case Kind::Grid:
      return "SysListView32";
  }
  return "";
}

std::string classOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

// A control's rectangle in the dialog's client area.
RECT placeOf(HWND dialog, HWND control) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Where the dialog manager puts a template rectangle: its corner and its size are each turned
// from dialog units into pixels.
RECT pixelsOf(HWND dialog, RECT units) {
  ::MapDialogRect(dialog, &units);
  return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

std::vector<HWND> childrenInOrder(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

class DialogTemplate : public ::testing::Test {
 protected:
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
};

TEST(DialogResource, TheTemplateHoldsTheDialogAndEveryControlWithItsExactStyle) {
  TemplateReader reader(IDD_KESTRUNE_DIALOG);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader.word(), 1);       // version
  EXPECT_EQ(reader.word(), 0xFFFF);  // extended template
  reader.dword();                    // help id
  EXPECT_EQ(reader.dword(), static_cast<DWORD>(WS_EX_APPWINDOW));
  EXPECT_EQ(reader.dword(), static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE |
                                               WS_CAPTION | WS_SYSMENU));
  const WORD count = reader.word();
  ASSERT_EQ(count, kTemplate.size());
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

  for (const TemplateControl& expected : kTemplate) {
    SCOPED_TRACE("control " + std::to_string(expected.id) + " " +
                 (expected.text ? expected.text : ""));
    reader.alignToDword();
    reader.dword();  // help id
    EXPECT_EQ(reader.dword(), 0u);
    EXPECT_EQ(reader.dword(), templateStyle(expected)) << std::hex;
    const short left = reader.number(), top = reader.number();
    const short width = reader.number(), height = reader.number();
    EXPECT_EQ(left, expected.units.left);
    EXPECT_EQ(top, expected.units.top);
    EXPECT_EQ(width, expected.units.right);
    EXPECT_EQ(height, expected.units.bottom);
    EXPECT_EQ(static_cast<int>(reader.dword()), expected.id);
    EXPECT_STRCASEEQ(reader.nameOrOrdinal().c_str(), templateClass(expected.kind).c_str());
    EXPECT_EQ(reader.nameOrOrdinal(), expected.text ? expected.text : "");
    reader.skip(reader.word());  // creation data
  }
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

TEST_F(DialogTemplate, EveryControlIsShownWithItsIdClassTextPlaceAndVisibilityInTabOrder) {
  script.then([](HWND dialog) {
    const std::vector<HWND> children = childrenInOrder(dialog);
    ASSERT_EQ(children.size(), kTemplate.size());
    for (std::size_t index = 0; index < kTemplate.size(); ++index) {
      const TemplateControl& expected = kTemplate[index];
      HWND control = children[index];
      SCOPED_TRACE("template row " + std::to_string(index + 1));
      EXPECT_EQ(::GetDlgCtrlID(control), expected.id);
      EXPECT_STRCASEEQ(classOf(control).c_str(), className(expected.kind));
      if (expected.text) {
        char text[256] = {};
        ::GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(text, expected.text);
      }

      const RECT actual = placeOf(dialog, control);
      const RECT wanted = pixelsOf(dialog, expected.units);
      EXPECT_EQ(actual.left, wanted.left);
      EXPECT_EQ(actual.top, wanted.top);
      EXPECT_EQ(actual.right, wanted.right);
      // A drop-down's template height is that of its open list.
      if (expected.kind != Kind::DropDown && expected.kind != Kind::CardList) {
        EXPECT_EQ(actual.bottom, wanted.bottom);
      }

      const auto style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
      EXPECT_EQ((style & WS_VISIBLE) != 0, expected.visible);
    }
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(DialogTemplate, TheDialogIsKestruneInMsSansSerifWithACloseBoxOnly) {
  script.then([](HWND dialog) {
    char caption[64] = {};
    ::GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Kestrune");

    const auto style = static_cast<DWORD>(::GetWindowLongA(dialog, GWL_STYLE));
    const DWORD required = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & required, required) << std::hex << style;
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    RECT client;
    ::GetClientRect(dialog, &client);
    const RECT size = pixelsOf(dialog, {0, 0, 525, 355});
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

TEST(DialogSetUp, TheSystemMenuEndsWithTheAboutItemWhichNamesTheProgramAndItsVersion) {
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
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

TEST(DialogSetUp, TheWindowAndDragIconsAreTheProgramIconAndTheFocusIsOnOk) {
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
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

TEST(DialogSetUp, TheProgramIconHoldsA32And16PixelImage) {
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
