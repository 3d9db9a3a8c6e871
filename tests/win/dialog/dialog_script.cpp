#include "dialog_script.h"

#include <commctrl.h>

#include "framework/dialog.h"
#include "resource.h"

namespace {

constexpr UINT kTickMs = 20;
// How long a script waits for a condition, or for the dialog to end after its last step.
constexpr int kPatienceTicks = 10000 / kTickMs;

DialogScript* g_running = nullptr;

}  // namespace

DialogScript& DialogScript::then(std::function<void(HWND)> action) {
  m_steps.push_back({[action](HWND dialog) {
    action(dialog);
    return true;
  }});
  return *this;
}

DialogScript& DialogScript::waitUntil(std::function<bool(HWND)> condition) {
  m_steps.push_back({std::move(condition)});
  return *this;
}

DialogScript& DialogScript::answering(std::vector<int> buttons) {
  m_answers = std::move(buttons);
  return *this;
}

INT_PTR DialogScript::run(CDialog& dialog) {
  m_dialog = &dialog;
  m_next = 0;
  m_ticksLeft = kPatienceTicks;
  g_running = this;
  const UINT_PTR stepTimer = ::SetTimer(nullptr, 0, kTickMs, OnStepTimer);
  const UINT_PTR boxTimer = ::SetTimer(nullptr, 0, kTickMs, OnBoxTimer);
  const INT_PTR result = dialog.DoModal();
  ::KillTimer(nullptr, stepTimer);
  ::KillTimer(nullptr, boxTimer);
  g_running = nullptr;
  m_dialog = nullptr;
  return result;
}

void CALLBACK DialogScript::OnStepTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_running) g_running->RunDueSteps();
}

void CALLBACK DialogScript::OnBoxTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_running) g_running->DismissBoxes();
}

void DialogScript::RunDueSteps() {
  // A step that opens a message box runs a nested loop that fires this timer again.
  if (m_inStep) return;
  HWND dialog = m_dialog->m_hWnd;
  if (!dialog) return;
  if (--m_ticksLeft < 0) {
    m_dialog->EndDialog(static_cast<int>(kStillOpen));
    return;
  }
  if (!::IsWindowVisible(dialog) || m_next == m_steps.size()) return;
  // One step a tick, so that a step which ends the dialog is the last one to run.
  m_inStep = true;
  if (m_steps[m_next].done(dialog)) {
    ++m_next;
    m_ticksLeft = kPatienceTicks;
  }
  m_inStep = false;
}

void DialogScript::DismissBoxes() {
  for (const ShownBox& box : ShownMessageBoxes(m_dialog ? m_dialog->m_hWnd : nullptr)) {
    const std::size_t answered = m_boxes.size();
    m_boxes.push_back(box);
    const int button = answered < m_answers.size() ? m_answers[answered] : IDOK;
    ::SendMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box.window, button)));
  }
}

void clickButton(HWND dialog, int id) {
  ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void typeText(const char* text) {
  HWND focus = ::GetFocus();
  for (const char* character = text; *character; ++character)
    ::PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(*character), 1);
}

void chooseSystemCommand(HWND dialog, UINT command) {
  ::SendMessageA(dialog, WM_SYSCOMMAND, command, 0);
}

std::string controlText(HWND dialog, int id) {
  return WindowText(::GetDlgItem(dialog, id));
}

LRESULT selectedIndex(HWND dialog, int id) {
  return ::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
}

std::vector<std::string> dropDownItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const LRESULT count = ::SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    char text[256] = {};
    ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

HWND scheduleGrid(HWND dialog) {
  return ::GetDlgItem(dialog, IDC_SCHEDULE_GRID);
}

std::string cellText(HWND dialog, int row, int column) {
  char text[256] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendMessageA(scheduleGrid(dialog), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
  return text;
}

void setCellText(HWND dialog, int row, int column, const char* text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  ::SendMessageA(scheduleGrid(dialog), LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}
