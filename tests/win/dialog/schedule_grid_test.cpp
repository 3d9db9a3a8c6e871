// The schedule grid: 24 hour columns and 7 day rows whose cells show the letters of the loaded
// schedule, and the dialog's answer when the grid, and only the grid, asks for a cell's choices.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "settings_dialog_test.h"

namespace {

using ScheduleGrid = SettingsDialogTest;

std::string columnTitle(HWND grid, int column) {
  char text[32] = {};
  LVCOLUMNA description{};
  description.mask = LVCF_TEXT;
  description.pszText = text;
  description.cchTextMax = sizeof text;
  ::SendMessageA(grid, LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&description));
  return text;
}

TEST_F(ScheduleGrid, HasTwentyFourHourColumnsAndSevenNumberedDayRows) {
  script.then([](HWND dialog) {
    HWND grid = scheduleGrid(dialog);
    HWND header = reinterpret_cast<HWND>(::SendMessageA(grid, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 24);
    for (int column = 0; column < 24; ++column) {
      EXPECT_EQ(columnTitle(grid, column), std::to_string(column));
    }
    ASSERT_EQ(::SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0), 7);
    // Every cell of the default schedule is Motion; column 0's letter covers the row number.
    for (int row = 0; row < 7; ++row)
      for (int column = 0; column < 24; ++column) EXPECT_EQ(cellText(dialog, row, column), "M");
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, RowsAreSetByTheSmallImagesWithFullRowSelectionAsTheOnlyExtendedStyle) {
  script.then([](HWND dialog) {
    HWND grid = scheduleGrid(dialog);
    const auto images =
        reinterpret_cast<HIMAGELIST>(::SendMessageA(grid, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    int width = 0, height = 0;
    ::ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 1);
    RECT first{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(grid, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    // The list may add a line of its own to the images' height.
    EXPECT_GE(first.bottom - first.top, height);
    EXPECT_LE(first.bottom - first.top, height + 1);
    EXPECT_EQ(::SendMessageA(grid, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT);
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, MondaysRowIsAtTheTopBesideItsLabel) {
  script.then([](HWND dialog) {
    HWND grid = scheduleGrid(dialog);
    EXPECT_EQ(::SendMessageA(grid, LVM_GETTOPINDEX, 0, 0), 0);
    RECT header;
    ::GetWindowRect(reinterpret_cast<HWND>(::SendMessageA(grid, LVM_GETHEADER, 0, 0)), &header);
    RECT monday{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(grid, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&monday));
    ::MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&monday), 2);
    EXPECT_EQ(monday.top, header.bottom);
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, CellsShowTheModeLettersAndNothingForValuesThatAreNoMode) {
  _USR_SETTING_ record = defaultRecord();
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour)
      scheduleCell(record, day, hour) = static_cast<std::int8_t>((day + hour) % 3);
  scheduleCell(record, 2, 0) = 7;
  scheduleCell(record, 2, 5) = 7;
  scheduleCell(record, 6, 23) = -1;
  settings.write(record);

  script.then([](HWND dialog) {
    const char* const letters[] = {"-", "C", "M"};
    for (int day = 0; day < kDayCount; ++day) {
      for (int hour = 0; hour < kHourCount; ++hour) {
        if ((day == 2 && (hour == 0 || hour == 5)) || (day == 6 && hour == 23)) continue;
        EXPECT_EQ(cellText(dialog, day, hour), letters[(day + hour) % 3]) << day << "," << hour;
      }
    }
    // A value that is no mode leaves the row number in column 0 and an empty cell elsewhere.
    EXPECT_EQ(cellText(dialog, 2, 0), "3");
    EXPECT_EQ(cellText(dialog, 2, 5), "");
    EXPECT_EQ(cellText(dialog, 6, 23), "");
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, WhenACellsDropDownOpensThenItsListIsWideEnoughForEveryChoice) {
  script.then([](HWND dialog) {
    RECT cell{LVIR_BOUNDS, 5, 0, 0};
    ::SendMessageA(scheduleGrid(dialog), LVM_GETSUBITEMRECT, 2, reinterpret_cast<LPARAM>(&cell));
    const LPARAM middle = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    ::PostMessageA(scheduleGrid(dialog), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::PostMessageA(scheduleGrid(dialog), WM_LBUTTONUP, 0, middle);
  });
  // The focus moves to the drop-down as it opens over the cell.
  const auto partsOfFocus = [] {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ::GetComboBoxInfo(::GetFocus(), &parts);
    return parts;
  };
  script.waitUntil([&](HWND) { return partsOfFocus().hwndList != nullptr; });
  script.then([&](HWND dialog) {
    HWND combo = ::GetFocus();
    const COMBOBOXINFO parts = partsOfFocus();
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT list;
    ::GetClientRect(parts.hwndList, &list);
    HDC dc = ::GetDC(parts.hwndList);
    ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(parts.hwndList, WM_GETFONT, 0, 0)));
    for (const char* choice : {"-", "C", "M"}) {
      SIZE size{};
      ::GetTextExtentPoint32A(dc, choice, 1, &size);
      // The list draws its items a few pixels in from its left edge.
      EXPECT_GE(list.right - list.left, size.cx + 4) << choice;
    }
    ::ReleaseDC(parts.hwndList, dc);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

// The dialog's answer to a choice request for a column, starting from a list that holds "x".
std::vector<std::string> askChoices(HWND dialog, WPARAM column) {
  CStringList choices;
  choices.AddTail("x");
  ::SendMessageA(dialog, WM_CELL_CHOICES, column, reinterpret_cast<LPARAM>(&choices));
  std::vector<std::string> texts;
  for (POSITION at = choices.GetHeadPosition(); at;) texts.emplace_back(choices.GetNext(at));
  return texts;
}

TEST_F(ScheduleGrid, WhenTheGridHasTheFocusThenEveryColumnIsOfferedOffContinuousAndMotion) {
  script.then([](HWND dialog) {
    ::SetFocus(::GetDlgItem(dialog, IDC_SCHEDULE_GRID));
    for (const WPARAM column : {0u, 7u, 23u})
      EXPECT_EQ(askChoices(dialog, column), (std::vector<std::string>{"-", "C", "M"})) << column;
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, WhenTheFocusIsOutsideTheGridThenAChoiceRequestGetsAnEmptyList) {
  script.then([](HWND dialog) {
    ::SetFocus(::GetDlgItem(dialog, IDC_OK));
    EXPECT_TRUE(askChoices(dialog, 3).empty());
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(ScheduleGrid, WhenAChoiceRequestComesFromAnotherThreadThenItIsRefusedAndNothingIsTouched) {
  std::thread sender;
  std::atomic<bool> sent{false};
  LRESULT bogusAnswer = -1, listAnswer = -1;
  CStringList choices;
  choices.AddTail("x");
  script.then([&](HWND dialog) {
    ::SetFocus(scheduleGrid(dialog));
    // The dialog's thread answers sent messages while its loop waits for the next one.
    sender = std::thread([&, dialog] {
      DWORD_PTR answer = 0;
      // A pointer to nowhere would crash the dialog if it were written through.
      ::SendMessageTimeoutA(dialog, WM_CELL_CHOICES, 0, 0x10, SMTO_BLOCK, 5000, &answer);
      bogusAnswer = static_cast<LRESULT>(answer);
      ::SendMessageTimeoutA(dialog, WM_CELL_CHOICES, 0, reinterpret_cast<LPARAM>(&choices),
                            SMTO_BLOCK, 5000, &answer);
      listAnswer = static_cast<LRESULT>(answer);
      sent = true;
    });
  });
  script.waitUntil([&](HWND) { return sent.load(); });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  if (sender.joinable()) sender.join();

  EXPECT_EQ(bogusAnswer, 0);
  EXPECT_EQ(listAnswer, 0);
  ASSERT_EQ(choices.GetCount(), 1);
  POSITION at = choices.GetHeadPosition();
  EXPECT_EQ(std::string(choices.GetNext(at)), "x");
}

}  // namespace
