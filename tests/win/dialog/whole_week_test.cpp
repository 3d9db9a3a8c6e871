// The schedule grid shows the whole week at once, all 24 hours without a horizontal scroll bar
// and each day's row beside its label, whatever the screen's DPI: the Windows lane runs these
// cases at 96 DPI and again in a prefix set to 144.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

namespace {

const char* const kDayNames[kDayCount] = {"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};

// The grid's rows and the day labels as the open dialog shows them, in the grid's client
// coordinates.
struct WeekLayout {
  int dpi = 0;
  RECT client{};
  int headerBottom = 0;
  int topIndex = -1;
  bool horizontalScrollBar = true;
  int columnWidths[kHourCount]{};
  RECT rows[kDayCount]{};
  std::string labelTexts[kDayCount];
  double labelCentres[kDayCount]{};
};

WeekLayout readWeekLayout(HWND dialog) {
  WeekLayout layout;
  HWND grid = scheduleGrid(dialog);
  HDC screen = ::GetDC(nullptr);
  layout.dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  ::GetClientRect(grid, &layout.client);
  RECT header;
  ::GetWindowRect(reinterpret_cast<HWND>(::SendMessageA(grid, LVM_GETHEADER, 0, 0)), &header);
  ::MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&header), 2);
  layout.headerBottom = header.bottom;
  layout.topIndex = static_cast<int>(::SendMessageA(grid, LVM_GETTOPINDEX, 0, 0));
  layout.horizontalScrollBar = (::GetWindowLongA(grid, GWL_STYLE) & WS_HSCROLL) != 0;
  for (int hour = 0; hour < kHourCount; ++hour)
    layout.columnWidths[hour] =
        static_cast<int>(::SendMessageA(grid, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(hour), 0));
  for (int day = 0; day < kDayCount; ++day) {
    layout.rows[day] = {LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(grid, LVM_GETITEMRECT, static_cast<WPARAM>(day),
                   reinterpret_cast<LPARAM>(&layout.rows[day]));
    HWND label = ::GetDlgItem(dialog, IDC_MONDAY + day);
    layout.labelTexts[day] = controlText(dialog, IDC_MONDAY + day);
    RECT place;
    ::GetWindowRect(label, &place);
    ::MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&place), 2);
    layout.labelCentres[day] = (place.top + place.bottom) / 2.0;
  }
  return layout;
}

class WholeWeek : public ::testing::Test {
 protected:
  void SetUp() override {
    CPellinDlg settingsDialog;
    DialogScript script;
    script.then([this](HWND dialog) { layout = readWeekLayout(dialog); });
    script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
    ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
    // Measured, not asserted: how far each label's centre is from its row's, for the record.
    std::printf("at %d DPI, columns %d px wide, rows %ld px high; label centre minus row centre:",
                layout.dpi, layout.columnWidths[0], layout.rows[0].bottom - layout.rows[0].top);
    for (int day = 0; day < kDayCount; ++day) {
      const RECT& row = layout.rows[day];
      std::printf(" %s %+.1f", kDayNames[day],
                  layout.labelCentres[day] - (row.top + row.bottom) / 2.0);
    }
    std::printf("\n");
  }

  DesktopSettingsFile settings;
  WeekLayout layout;
};

TEST_F(WholeWeek, AllTwentyFourHoursShareTheClientWidthWithoutAHorizontalScrollBar) {
  EXPECT_FALSE(layout.horizontalScrollBar);
  int total = 0;
  for (int hour = 0; hour < kHourCount; ++hour) {
    SCOPED_TRACE("hour " + std::to_string(hour));
    total += layout.columnWidths[hour];
    // Equal shares: the left-over pixels make a column at most one pixel wider.
    EXPECT_LE(std::abs(layout.columnWidths[hour] - layout.columnWidths[0]), 1);
  }
  EXPECT_EQ(total, layout.client.right - layout.client.left);
}

TEST_F(WholeWeek, AllSevenRowsShowWhollyBelowTheHeaderWithoutScrolling) {
  EXPECT_EQ(layout.topIndex, 0);
  for (int day = 0; day < kDayCount; ++day) {
    SCOPED_TRACE(kDayNames[day]);
    const RECT& row = layout.rows[day];
    EXPECT_GT(row.bottom, row.top);
    EXPECT_GE(row.top, layout.headerBottom);
    // The client area ends above the horizontal scroll bar.
    EXPECT_LE(row.bottom, layout.client.bottom);
  }
}

TEST_F(WholeWeek, EachDayLabelsCentreLiesInsideItsOwnRow) {
  for (int day = 0; day < kDayCount; ++day) {
    SCOPED_TRACE(kDayNames[day]);
    EXPECT_EQ(layout.labelTexts[day], kDayNames[day]);
    EXPECT_GE(layout.labelCentres[day], layout.rows[day].top);
    EXPECT_LT(layout.labelCentres[day], layout.rows[day].bottom);
  }
}

}  // namespace
