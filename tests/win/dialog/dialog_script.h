// Runs the settings dialog modally, as the program does, and acts inside its modal loop: a
// script of steps runs from a timer while the dialog is open, and every message box that
// appears is recorded and dismissed with its OK button, or with the buttons given for it.
#pragma once

#include <windows.h>
#include <dbt.h>

#include <functional>
#include <string>
#include <vector>

#include "window_test_support.h"

class CDialog;

class DialogScript {
 public:
  // DoModal's result when the script had to end a dialog that stayed open after its last step.
  static constexpr INT_PTR kStillOpen = 0x5717;

  // Adds a step that acts once on the open dialog.
  DialogScript& then(std::function<void(HWND dialog)> action);
  // Adds a step that waits until the condition holds; the script gives up after a while.
  DialogScript& waitUntil(std::function<bool(HWND dialog)> condition);

  // The buttons that answer the next boxes, one each in order (IDYES, IDNO); later boxes get OK.
  DialogScript& answering(std::vector<int> buttons);

  // Runs the dialog modally through the steps and returns DoModal's result.
  INT_PTR run(CDialog& dialog);

  const std::vector<ShownBox>& boxes() const { return m_boxes; }

 private:
  struct Step {
    std::function<bool(HWND)> done;
  };
  static void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR, DWORD);
  static void CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR, DWORD);
  void RunDueSteps();
  void DismissBoxes();

  std::vector<Step> m_steps;
  std::vector<ShownBox> m_boxes;
  std::vector<int> m_answers;
  CDialog* m_dialog = nullptr;
  std::size_t m_next = 0;
  int m_ticksLeft = 0;
  bool m_inStep = false;
};

//--- Acting on the dialog as its user would

// Clicks a button: it takes the focus and tells the dialog it was clicked.
void clickButton(HWND dialog, int id);
// Queues the characters a keyboard types, one WM_CHAR each, for the window that has the focus.
void typeText(const char* text);
// Chooses a system menu command, as the menu or the close box does.
void chooseSystemCommand(HWND dialog, UINT command);

// Drives are numbered 1 for A: to 26 for Z:, as the device library numbers them.
constexpr int kDriveE = 5;
constexpr int kDriveF = 6;
// The bit of a drive in a volume notice's unit mask.
constexpr DWORD driveBit(int drive) {
  return 1u << (drive - 1);
}
// Sends the volume notice the system sends for the drives of the mask; returns the answer.
inline LRESULT sendVolumeNotice(HWND dialog, UINT event, DWORD drives) {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = drives;
  return ::SendMessageA(dialog, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
}

//--- Reading the dialog

std::string controlText(HWND dialog, int id);
LRESULT selectedIndex(HWND dialog, int id);
std::vector<std::string> dropDownItems(HWND dialog, int id);
HWND scheduleGrid(HWND dialog);
std::string cellText(HWND dialog, int row, int column);
void setCellText(HWND dialog, int row, int column, const char* text);
