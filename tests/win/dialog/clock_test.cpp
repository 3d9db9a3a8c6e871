// The clock: empty until the first tick, then the local time in the order of the date-format
// drop-down's current selection, asked afresh at every tick.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "settings_dialog_test.h"

namespace {

using Clock = SettingsDialogTest;

std::string localTimeText(const char* format, std::time_t when) {
  std::tm local{};
  localtime_s(&local, &when);
  char text[128] = {};
  std::strftime(text, sizeof text, format, &local);
  return text;
}

// Ticks the clock once and says whether it shows the current time in the given format. The
// second may turn during the tick, so the time before and the time after both count.
testing::AssertionResult tickShows(HWND dialog, const char* format) {
  const std::time_t before = std::time(nullptr);
  ::SendMessageA(dialog, WM_TIMER, IDT_CLOCK, 0);
  const std::time_t after = std::time(nullptr);
  const std::string shown = controlText(dialog, IDC_CLOCK);
  if (shown == localTimeText(format, before) || shown == localTimeText(format, after))
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the clock shows \"" << shown << "\", expected \""
                                     << localTimeText(format, before) << "\"";
}

void selectDateFormat(HWND dialog, int selection) {
  ::SendDlgItemMessageA(dialog, IDC_DATE_FORMAT, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

// The clock's text when the first tick of its timer is taken from the queue, before it runs.
std::string g_textBeforeFirstTick;
bool g_firstTickSeen = false;

LRESULT CALLBACK watchFirstTick(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && !g_firstTickSeen && message->message == WM_TIMER &&
      message->wParam == IDT_CLOCK && ::GetDlgItem(message->hwnd, IDC_CLOCK)) {
    g_firstTickSeen = true;
    g_textBeforeFirstTick = controlText(message->hwnd, IDC_CLOCK);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Clock, TheClockIsEmptyUntilItsTimerFirstTicksAndThenShowsTheTime) {
  g_firstTickSeen = false;
  g_textBeforeFirstTick = "not read";
  HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, watchFirstTick, nullptr, ::GetCurrentThreadId());
  std::string textAfterFirstTick;
  script.waitUntil(
      [](HWND dialog) { return g_firstTickSeen && !controlText(dialog, IDC_CLOCK).empty(); });
  script.then([&](HWND dialog) {
    textAfterFirstTick = controlText(dialog, IDC_CLOCK);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_textBeforeFirstTick, "");
  // The default date format is month/day/year: "MM/DD/YYYY, hh:mm:ss".
  ASSERT_EQ(textAfterFirstTick.size(), 20u);
  EXPECT_EQ(textAfterFirstTick.substr(2, 1) + textAfterFirstTick.substr(5, 1), "//");
}

TEST_F(Clock, EachTickShowsTheTimeInTheOrderOfTheCurrentDateFormatSelection) {
  script.then([](HWND dialog) {
    EXPECT_TRUE(tickShows(dialog, "%m/%d/%Y, %H:%M:%S"));
    selectDateFormat(dialog, 0);
    EXPECT_TRUE(tickShows(dialog, "%Y/%m/%d, %H:%M:%S"));
    selectDateFormat(dialog, 2);
    EXPECT_TRUE(tickShows(dialog, "%d/%m/%Y, %H:%M:%S"));
    selectDateFormat(dialog, 1);
    EXPECT_TRUE(tickShows(dialog, "%m/%d/%Y, %H:%M:%S"));
    // With no selection the clock reads year first.
    selectDateFormat(dialog, -1);
    EXPECT_TRUE(tickShows(dialog, "%Y/%m/%d, %H:%M:%S"));
  });
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(Clock, TheClockCannotBeTypedIntoAndTabPassesItBy) {
  script.then([](HWND dialog) {
    // A click still puts the caret there; what is typed then goes nowhere.
    ::SetFocus(::GetDlgItem(dialog, IDC_CLOCK));
    typeText("typed");
  });
  script.then([](HWND dialog) {
    EXPECT_EQ(controlText(dialog, IDC_CLOCK).find("typed"), std::string::npos);
    // The clock lies between the Rotate and Beep drop-downs in the tab order.
    ::SetFocus(::GetDlgItem(dialog, IDC_ROTATE));
    PostKeyPress(::GetFocus(), VK_TAB);
  });
  script.then([](HWND dialog) {
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_BEEP));
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

}  // namespace
