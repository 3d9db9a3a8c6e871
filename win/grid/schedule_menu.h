// The schedule grid's context menu: the commands it offers and the popup that holds them.
#pragma once

#include <windows.h>

// The command identifiers the menu sends to the grid with WM_COMMAND, in menu order.
enum ScheduleCommand : UINT {
  kCommandSetOff = 0x7100,
  kCommandSetContinuous,
  kCommandSetMotion,
  kCommandCopy,
  kCommandPaste,
  kCommandCopyDayToEveryDay,
  kCommandCopyDayToWorkDays,
  kCommandFillOff,
  kCommandFillContinuous,
  kCommandFillMotion,
  kCommandUndo,
  kCommandRedo,
  kFirstScheduleCommand = kCommandSetOff,
  kLastScheduleCommand = kCommandRedo,
};

// Which commands can act now; the others are shown greyed.
struct ScheduleMenuState {
  bool canPaste = false;
  bool canUndo = false;
  bool canRedo = false;
};

// A new popup menu of the commands; the caller destroys it.
HMENU CreateScheduleMenu(const ScheduleMenuState& state);
