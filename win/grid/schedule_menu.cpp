#include "grid/schedule_menu.h"

namespace {

UINT Enabled(bool enabled) {
  return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED);
}

}  // namespace

HMENU CreateScheduleMenu(const ScheduleMenuState& state) {
  // Wide texts: the en dash lies outside some ANSI code pages. The key after the tab does the
  // same from the grid; the copies have no mnemonic of their own, as their letters are taken.
  HMENU fill = ::CreatePopupMenu();
  ::AppendMenuW(fill, MF_STRING, kCommandFillOff, L"&Off");
  ::AppendMenuW(fill, MF_STRING, kCommandFillContinuous, L"&Continuous");
  ::AppendMenuW(fill, MF_STRING, kCommandFillMotion, L"&Motion");

  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, kCommandSetOff, L"&Off\t-");
  ::AppendMenuW(menu, MF_STRING, kCommandSetContinuous, L"&Continuous\tC");
  ::AppendMenuW(menu, MF_STRING, kCommandSetMotion, L"&Motion\tM");
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kCommandCopy, L"Copy\tCtrl+C");
  ::AppendMenuW(menu, Enabled(state.canPaste), kCommandPaste, L"&Paste\tCtrl+V");
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kCommandCopyDayToEveryDay, L"Copy this day to every day");
  ::AppendMenuW(menu, MF_STRING, kCommandCopyDayToWorkDays, L"Copy this day to Monday\u2013Friday");
  ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(fill), L"&Fill the week with");
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, Enabled(state.canUndo), kCommandUndo, L"&Undo\tCtrl+Z");
  ::AppendMenuW(menu, Enabled(state.canRedo), kCommandRedo, L"&Redo\tCtrl+Y");
  return menu;
}
