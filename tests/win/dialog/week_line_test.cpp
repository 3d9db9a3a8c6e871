// The line under the grid: the week in words, and for a few seconds why a key or a paste
// changed nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "settings_dialog_test.h"
#include "grid/schedule_menu.h"
#include "grid/text_clipboard.h"

namespace {

using WeekLine = SettingsDialogTest;

std::string weekLine(HWND dialog) {
  wchar_t wide[512] = {};
  ::GetDlgItemTextW(dialog, IDC_WEEK_LINE, wide, 512);
  char text[1024] = {};
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

// Puts a text on the clipboard, or empties it for nullptr.
void putClipboard(const char* text) {
  if (text) {
    ASSERT_TRUE(TextClipboard::Put(nullptr, text));
  } else if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }
}

void paste(HWND dialog) {
  ::PostMessageA(scheduleGrid(dialog), WM_COMMAND, kCommandPaste, 0);
}

TEST_F(WeekLine, TheLineTellsTheWeekInWordsAndFollowsEachChange) {
  script.then([](HWND dialog) {
    EXPECT_EQ(weekLine(dialog), "Mon\u2013Sun: Motion all day");
    ::SetFocus(scheduleGrid(dialog));
    typeText("-");
  });
  script.waitUntil([](HWND dialog) { return cellText(dialog, 0, 0) == "-"; });
  script.then([](HWND dialog) {
    EXPECT_EQ(weekLine(dialog), "Mon: Off 0, Motion 1\u201323 \u00B7 Tue\u2013Sun: Motion all day");
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(WeekLine, WhenAKeyOrAPasteChangesNothingThenTheLineSaysWhy) {
  const struct {
    const char* what;
    const char* clipboard;
    std::function<void(HWND)> act;
    const char* notice;
  } cases[] = {
      {"a letter that is no mode", "", [](HWND) { typeText("q"); },
       "Type -, O, C or M to set the selected hours."},
      {"a paste of no text", nullptr, paste, "Nothing to paste: the clipboard holds no text."},
      {"a paste of a word", "x", paste,
       "Nothing pasted: line 1, cell 1 of the clipboard: 'x' is not -, O, C or M"},
      {"a paste past midnight", "C\tC",
       [](HWND dialog) {
         PostKeyPress(::GetFocus(), VK_END);
         paste(dialog);
       },
       "Nothing pasted: the cells reach past hour 23"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.what);
    putClipboard(row.clipboard);
    CPellinDlg rowDialog;
    DialogScript rowScript;
    rowScript.then([&](HWND dialog) {
      ::SetFocus(scheduleGrid(dialog));
      row.act(dialog);
    });
    rowScript.waitUntil([&](HWND dialog) { return weekLine(dialog) == row.notice; });
    rowScript.then([](HWND dialog) {
      EXPECT_EQ(cellText(dialog, 0, 23), "M");
      clickButton(dialog, IDC_CANCEL);
    });
    EXPECT_EQ(rowScript.run(rowDialog), IDCANCEL);
  }
}

TEST_F(WeekLine, ANoticeMakesWayForTheWeekAfterAFewSecondsOrAtTheNextChange) {
  std::string week;
  script.then([&](HWND dialog) {
    week = weekLine(dialog);
    ::SetFocus(scheduleGrid(dialog));
    typeText("q");
  });
  script.waitUntil([&](HWND dialog) { return weekLine(dialog) != week; });
  // The notice's own timer; the script gives up long before a stuck notice would matter.
  script.waitUntil([&](HWND dialog) { return weekLine(dialog) == week; });
  script.then([](HWND) { typeText("q"); });
  script.waitUntil([&](HWND dialog) { return weekLine(dialog) != week; });
  script.then([](HWND) { typeText("c"); });
  script.then([&](HWND dialog) {
    EXPECT_EQ(cellText(dialog, 0, 0), "C");
    EXPECT_EQ(weekLine(dialog).find("Type"), std::string::npos) << weekLine(dialog);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

}  // namespace
