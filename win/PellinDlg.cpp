#include "PellinDlg.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <string>

#include "card_words.h"
#include "grid/mode_colours.h"
#include "settings_lock.h"
#include "week_words.h"

namespace {

// Which drop-down shows which menu choice, in slot order.
constexpr int kDropDownOfSlot[kSlotCount] = {
    IDC_RESOLUTION,   IDC_LOOP_LENGTH,     IDC_EXPOSURE,       IDC_ROTATE,
    IDC_BEEP,         IDC_RECORD_LED,      IDC_DISPLAY_STATUS, IDC_REC_AUDIO,
    IDC_PIR_INTERVAL, IDC_PIR_SENSITIVITY, IDC_DATE_FORMAT,
};

constexpr UINT kClockPeriodMs = 500;
// How long the week line says why an edit was refused.
constexpr UINT kNoticeMs = 4000;
// How long OK waits for another program's save of the same file.
constexpr std::chrono::milliseconds kLockWait{3000};

bool SameChoices(const _USR_SETTING_& left, const _USR_SETTING_& right) {
  return std::memcmp(left.setting, right.setting, sizeof left.setting) == 0 &&
         std::memcmp(&left.schduce_procce_ir, &right.schduce_procce_ir,
                     sizeof left.schduce_procce_ir) == 0;
}

// The clock's strftime format for a selection of the date-format drop-down.
const char* ClockFormat(LRESULT dateFormat) {
  switch (dateFormat) {
    case 1:
      return "%m/%d/%Y, %H:%M:%S";
    case 2:
      return "%d/%m/%Y, %H:%M:%S";
    default:
      return "%Y/%m/%d, %H:%M:%S";
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CPellinDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_MESSAGE(WM_CELL_CHOICES, &CPellinDlg::OnCellChoices)
  ON_MESSAGE(WM_CELL_REFUSED, &CPellinDlg::OnCellRefused)
  ON_MESSAGE(WM_WEEK_CHANGED, &CPellinDlg::OnWeekChanged)
  ON_MESSAGE(WM_CTLCOLORSTATIC, &CPellinDlg::OnCtlColorStatic)
  ON_WM_DEVICECHANGE()
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_CANCEL, &CPellinDlg::OnCancelButton)
  ON_BN_CLICKED(IDC_OK, &CPellinDlg::OnOK)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_RESOLUTION, IDC_DATE_FORMAT, &CPellinDlg::OnChoiceChanged)
  ON_CONTROL(CBN_SELCHANGE, IDC_CARD, &CPellinDlg::OnCardPicked)
  ON_BN_CLICKED(IDC_LOAD_FROM_CARD, &CPellinDlg::OnLoadFromCard)
END_MESSAGE_MAP()

// Called by the application before the dialog runs; the record starts all zero.
CPellinDlg::CPellinDlg(CWnd* parent)
    : CDialog(IDD, parent),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

// Called when the application is done with the dialog.
CPellinDlg::~CPellinDlg() {
  for (HBRUSH brush : m_legendBrushes)
    if (brush) ::DeleteObject(brush);
}

// Called from CDialog::OnInitDialog: attaches the grid to its control before set-up.
void CPellinDlg::DoDataExchange(CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  DDX_Control(exchange, IDC_SCHEDULE_GRID, m_grid);
}

BOOL CPellinDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  AddAboutItem();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  BindDeviceLibrary();
  m_connectedDrive = 0;
  RegisterDeviceNotices();

  // A missing or foreign file shows the defaults without a word; one that is there but cannot
  // be read shows them too, but is named before the dialog appears, since OK will replace it.
  const RecordCodec::LoadResult loaded =
      RecordCodec::loadSettingsFile(m_setting, RecordCodec::windowsProfile);
  // What OK would replace: a save asks first if another program changes it meanwhile.
  if (!loaded.path.empty()) m_desktopFile = FileSnapshot::Take(loaded.path);
  RecordCodec::clampSettings(m_setting);
  FillDropDowns();

  // The clock stays empty until the first tick.
  ::SetTimer(m_hWnd, IDT_CLOCK, kClockPeriodMs, nullptr);

  SetUpGrid();
  ShowWeekLine();
  RememberShownAsUnchanged();
  RefreshCards();

  if (loaded.outcome == RecordCodec::LoadOutcome::Unreadable)
    ShowMessage(loaded.describe(), MB_OK | MB_ICONINFORMATION);
  // The focus goes to the first control in tab order, the OK button.
  return TRUE;
}

// Called at set-up: appends the About item to the system menu.
void CPellinDlg::AddAboutItem() {
  HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
  if (!systemMenu) return;
  CString about;
  about.LoadString(IDS_ABOUTBOX);
  if (about.IsEmpty()) return;
  ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
}

// Called after the settings file or a card's is loaded: shows each slot of the record in its
// drop-down.
void CPellinDlg::FillDropDowns() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    HWND dropDown = ::GetDlgItem(m_hWnd, kDropDownOfSlot[slot]);
    ::SendMessageA(dropDown, CB_RESETCONTENT, 0, 0);
    // Inserting at each text's own index keeps the choice order despite the sorted style.
    const auto texts = choiceTexts(static_cast<SettingSlot>(slot));
    for (std::size_t index = 0; index < texts.size(); ++index)
      ::SendMessageA(dropDown, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(texts[index]));
    // A negative value (no choice) leaves the drop-down without a selection.
    const INT_PTR value = m_setting.setting[slot];
    ::SendMessageA(dropDown, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }
}

// Called at set-up: 24 hour columns and 7 day rows showing the schedule's letters.
void CPellinDlg::SetUpGrid() {
  SetUpScheduleGrid(m_grid);
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      // A value that is no mode leaves the cell as it is: the row number, or empty.
      const std::int8_t mode = scheduleCell(m_setting, day, hour);
      if (const ModeLook* look = lookOfMode(mode))
        m_grid.SetItemText(day, hour, look->windowsLetter);
    }
  }
  FitRowsToDayLabels();
  FitHourColumns(m_grid);
  // Some list views scroll to the last focused row as it is inserted; Monday's row belongs at the
  // top, beside its label.
  m_grid.SendMessage(LVM_ENSUREVISIBLE, 0, FALSE);
}

// Called at set-up, once the rows exist. The labels are placed in dialog units and the rows in
// pixels, so no fixed row height keeps them together at every DPI: the height is chosen from
// where the labels and the header really are.
void CPellinDlg::FitRowsToDayLabels() {
  const int wanted = FitDayRowHeight(MeasureDayRowSpace());
  // The list adds its own padding to the images' height; one measurement tells how much.
  SetRowImageHeight(m_grid, wanted);
  if (const int padding = RowHeight() - wanted; padding != 0 && wanted - padding > 0)
    SetRowImageHeight(m_grid, wanted - padding);
}

// Called while the rows are fitted: the header, the client area and the day labels in the
// grid's client coordinates.
DayRowSpace CPellinDlg::MeasureDayRowSpace() const {
  DayRowSpace space;
  RECT header;
  ::GetWindowRect(reinterpret_cast<HWND>(m_grid.SendMessage(LVM_GETHEADER)), &header);
  ::MapWindowPoints(nullptr, m_grid.m_hWnd, reinterpret_cast<POINT*>(&header), 2);
  space.firstRowTop = header.bottom;
  RECT client;
  ::GetClientRect(m_grid.m_hWnd, &client);
  // The hour columns share the client width, so no horizontal scroll bar takes room below.
  space.rowsBottom = client.bottom;
  for (int day = 0; day < kDayCount; ++day) {
    RECT label;
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_MONDAY + day), &label);
    ::MapWindowPoints(nullptr, m_grid.m_hWnd, reinterpret_cast<POINT*>(&label), 2);
    space.labelCentresTwice[static_cast<std::size_t>(day)] = label.top + label.bottom;
  }
  return space;
}

// The height of the grid's rows, as the list lays out its first one.
int CPellinDlg::RowHeight() const {
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  m_grid.SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  return row.bottom - row.top;
}

void CPellinDlg::OnSysCommand(UINT command, LPARAM lParam) {
  // The system keeps the low four bits of a command for itself.
  if ((command & 0xFFF0) == IDM_ABOUTBOX) return ShowAbout();
  CDialog::OnSysCommand(command, lParam);
}

// Called when the dialog needs painting; minimised, it shows its icon.
void CPellinDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  CRect client;
  GetClientRect(&client);
  const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CPellinDlg::OnQueryDragIcon() {
  return static_cast<HCURSOR>(m_hIcon);
}

// Called when the grid is about to open a drop-down over a cell. The click that asks has just
// given the grid the focus; a request while the focus is elsewhere gets no choices.
LRESULT CPellinDlg::OnCellChoices(WPARAM, LPARAM choices) {
  // The grid asks from this thread. The message carries a pointer that is written through, so a
  // request sent from any other thread or program is not answered and nothing is touched.
  if (::InSendMessageEx(nullptr) != ISMEX_NOSEND) return 0;
  auto* texts = reinterpret_cast<CStringList*>(choices);
  texts->RemoveAll();
  const HWND focus = ::GetFocus();
  if (!focus) return 1;
  RECT focusRect{};
  RECT gridRect{};
  ::GetWindowRect(focus, &focusRect);
  ::GetWindowRect(m_grid.m_hWnd, &gridRect);
  const POINT corner{focusRect.left, focusRect.top};
  if (::PtInRect(&gridRect, corner))
    for (const ModeLook& look : kModeLooks) texts->AddTail(look.windowsLetter);
  return 1;
}

LRESULT CPellinDlg::OnCellRefused(WPARAM, LPARAM reason) {
  // The reason is a pointer into the sender's memory: only this thread's grid is heard.
  if (::InSendMessageEx(nullptr) != ISMEX_NOSEND || !reason) return 0;
  ShowNotice(reinterpret_cast<const char*>(reason));
  return 0;
}

LRESULT CPellinDlg::OnWeekChanged(WPARAM, LPARAM) {
  // A change after a refusal makes its notice old news.
  ::KillTimer(m_hWnd, IDT_NOTICE);
  ShowWeekLine();
  DescribeCards();
  return 0;
}

LRESULT CPellinDlg::OnCtlColorStatic(WPARAM dc, LPARAM control) {
  const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(control));
  if (id < IDC_LEGEND_OFF || id > IDC_LEGEND_MOTION) return Default();
  const auto mode = static_cast<std::size_t>(id - IDC_LEGEND_OFF);
  const ModeLook& look = kModeLooks[mode];
  HBRUSH& brush = m_legendBrushes[mode];
  if (!brush) brush = ::CreateSolidBrush(ColourOf(look.fill));
  const auto hdc = reinterpret_cast<HDC>(dc);
  ::SetTextColor(hdc, ColourOf(look.text));
  ::SetBkColor(hdc, ColourOf(look.fill));
  return reinterpret_cast<LRESULT>(brush);
}

// Called every half second by the clock's timer, and once when a notice's time is up.
void CPellinDlg::OnTimer(UINT_PTR timer) {
  if (timer == IDT_NOTICE) {
    ::KillTimer(m_hWnd, IDT_NOTICE);
    return ShowWeekLine();
  }
  ShowClock();
}

// Called at each tick of the clock's timer.
void CPellinDlg::ShowClock() {
  const __time64_t now = _time64(nullptr);
  std::tm local{};
  char text[128] = {};
  // The order follows the date-format drop-down as it is now, saved or not.
  const LRESULT dateFormat = ::SendDlgItemMessageA(m_hWnd, IDC_DATE_FORMAT, CB_GETCURSEL, 0, 0);
  if (_localtime64_s(&local, &now) == 0)
    std::strftime(text, sizeof text, ClockFormat(dateFormat), &local);
  // The text changes once a second; repainting it on the ticks between would only cost time.
  char shown[sizeof text] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_CLOCK, shown, sizeof shown);
  if (std::strcmp(shown, text) != 0) SetDlgItemTextA(IDC_CLOCK, text);
}

// Called when the OK button is clicked, or when Enter is pressed with the focus off a push button:
// both save, so no keystroke loses the user's choices.
void CPellinDlg::OnOK() {
  ReadControls(m_setting);
  const RecordCodec::PathResult desktop =
      RecordCodec::settingsFilePath(RecordCodec::windowsProfile);
  if (!desktop.path) {
    ShowMessage(RecordCodec::saveSettingsFile(m_setting, RecordCodec::windowsProfile).describe(),
                MB_OK | MB_ICONERROR);
    return;
  }
  ListedCard* card = PickedCard();
  const std::string cardPath = card ? cardSettingsPath(card->card.root) : "";
  // Every question is asked before any lock is taken or any file written.
  if (!ConfirmReplace(*desktop.path, m_desktopFile)) return;
  if (card && !ConfirmReplace(cardPath, card->file)) return;

  // A failed save leaves the dialog open with every choice, so the user can mend the cause and
  // press OK again, or cancel.
  if (const auto failure = SaveTo(*desktop.path, m_desktopFile)) {
    const std::string nor = card ? " nor to the card " + CardName(card->card) : "";
    ShowMessage("The settings were not saved to the desktop" + nor + ".\n" + *failure,
                MB_OK | MB_ICONERROR);
    return;
  }
  RememberShownAsUnchanged();
  if (card) {
    if (const auto failure = SaveTo(cardPath, card->file)) {
      ShowMessage("The settings were saved to the desktop, but not to the card " +
                      CardName(card->card) + ".\n" + *failure,
                  MB_OK | MB_ICONERROR);
      return DescribeCards();
    }
  }
  ShowMessage(card ? "Finish!\nAlso saved to the card " + CardName(card->card) + "." : "Finish!",
              MB_OK);
  CDialog::OnOK();
}

bool CPellinDlg::ConfirmReplace(const std::string& path, const FileSnapshot& seen) {
  if (!seen.ChangedBy(FileSnapshot::Take(path))) return true;
  // No is the default, and Escape answers No as well.
  return ShowMessage(path + " was changed by another program after Kestrune read it.\n" +
                         "Replace it with the settings shown here?",
                     MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::string> CPellinDlg::SaveTo(const std::string& path, FileSnapshot& seen) {
  // The command line's writers take the same lock: no save of theirs falls between ours.
  const RecordCodec::SettingsLock lock(path, kLockWait);
  if (!lock) return lock.reason();
  const RecordCodec::SaveResult saved =
      RecordCodec::saveSettingsFile(m_setting, path, RecordCodec::localStampNow());
  if (!saved) return saved.describe();
  seen = FileSnapshot::Take(path);
  return std::nullopt;
}

void CPellinDlg::OnCancel() {
  // No is the default: a stray Enter keeps the changes.
  if (HasUnsavedChanges() &&
      ShowMessage("Discard your changes?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return;
  CDialog::OnCancel();
}

void CPellinDlg::OnCancelButton() {
  CDialog::OnCancel();
}

// Called to tell the user about the settings file, whose path may be in any script: the text
// goes to the box in UTF-16, under the application's name as the framework's boxes have it.
int CPellinDlg::ShowMessage(const std::string& text, UINT type) {
  const CWinApp* app = AfxGetApp();
  const std::wstring caption =
      RecordCodec::utf16Of(app && app->m_pszAppName ? app->m_pszAppName : "");
  return ::MessageBoxW(m_hWnd, RecordCodec::utf16Of(text).c_str(), caption.c_str(), type);
}

// Called when the About item of the system menu is chosen.
void CPellinDlg::ShowAbout() {
  MSGBOXPARAMSA about{};
  about.cbSize = sizeof about;
  about.hwndOwner = m_hWnd;
  about.hInstance = ::GetModuleHandleA(nullptr);
  about.lpszText = "Kestrune " KESTRUNE_VERSION "\nSettings editor for the 4K camera's SD card";
  about.lpszCaption = "About Kestrune";
  about.dwStyle = MB_OK | MB_USERICON;
  about.lpszIcon = MAKEINTRESOURCEA(IDR_MAINFRAME);
  ::MessageBoxIndirectA(&about);
}

// Called whenever the cells change, and when a notice's time is up.
void CPellinDlg::ShowWeekLine() {
  const std::wstring words = RecordCodec::utf16Of(describeWeek(m_grid.ShownWeek()));
  ::SetDlgItemTextW(m_hWnd, IDC_WEEK_LINE, words.c_str());
}

// Called when an edit was refused: the reason takes the week line's place for a few seconds.
void CPellinDlg::ShowNotice(const std::string& text) {
  ::SetDlgItemTextW(m_hWnd, IDC_WEEK_LINE, RecordCodec::utf16Of(text).c_str());
  ::SetTimer(m_hWnd, IDT_NOTICE, kNoticeMs, nullptr);
}

// Called once the controls show what was loaded or saved.
void CPellinDlg::RememberShownAsUnchanged() {
  m_unchanged = m_setting;
  ReadControls(m_unchanged);
}

// Called on Escape or the close box: whether the controls show anything not yet saved.
bool CPellinDlg::HasUnsavedChanges() const {
  _USR_SETTING_ shown = m_unchanged;
  ReadControls(shown);
  return !SameChoices(shown, m_unchanged);
}

// Called on OK, before the save, and to see whether anything changed.
void CPellinDlg::ReadControls(_USR_SETTING_& record) const {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    // The save stores the hidden recording-audio choice itself, whatever the box shows.
    if (slot == static_cast<int>(kAlwaysSavedSlot)) continue;
    // Typed text is never read, only the selection.
    const LRESULT selection =
        ::SendDlgItemMessageA(m_hWnd, kDropDownOfSlot[slot], CB_GETCURSEL, 0, 0);
    record.setting[slot] = choiceOfSelection(static_cast<long>(selection));
  }
  // Read as the grid's own edits read it: an empty cell or a row number is Motion.
  record.schduce_procce_ir = m_grid.ShownWeek();
}
