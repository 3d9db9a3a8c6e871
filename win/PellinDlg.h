// The settings dialog: the camera's menu choices as drop-downs, the weekly schedule as a grid and
// a clock; OK writes the settings file to the desktop, and to the camera's card when one is
// picked in the card row.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cards.h"
#include "day_rows.h"
#include "file_snapshot.h"
#include "framework/framework.h"
#include "grid/schedule_grid.h"
#include "grid/schedule_layout.h"
#include "record_codec.h"
#include "resource.h"
#include "schedule_modes.h"
#include "usr_setting.h"

class CPellinDlg : public CDialog {
 public:
  explicit CPellinDlg(CWnd* parent = nullptr);
  ~CPellinDlg() override;

  enum { IDD = IDD_KESTRUNE_DIALOG };

  // Called by whoever wants the drive the device library accepted: 1 to 26, or 0 for none.
  std::int32_t ConnectedDrive() const { return m_connectedDrive; }

 protected:
  // Called from CDialog::OnInitDialog: attaches the grid to its control.
  void DoDataExchange(CDataExchange* exchange) override;
  // Called before the dialog is displayed.
  BOOL OnInitDialog() override;

  // Called for every system menu command, the About item's included.
  void OnSysCommand(UINT command, LPARAM lParam);
  // Called when the dialog needs painting.
  void OnPaint();
  // Called when the minimised dialog is dragged: the picture to show.
  HCURSOR OnQueryDragIcon();
  // Called when the grid is about to open a drop-down over a cell.
  LRESULT OnCellChoices(WPARAM column, LPARAM choices);
  // Called when a device arrives or goes away, and for the system's other device events.
  BOOL OnDeviceChange(UINT event, DWORD_PTR data);
  // Called when the grid refused a key or a paste, with the reason.
  LRESULT OnCellRefused(WPARAM grid, LPARAM reason);
  // Called when the grid shows another week.
  LRESULT OnWeekChanged(WPARAM grid, LPARAM);
  // Called before a label or the clock is drawn: the legend's labels take their modes' colours.
  LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
  // Called every half second by the clock's timer, and when a notice on the week line is over.
  void OnTimer(UINT_PTR timer);
  // Called when the OK button is clicked or Enter is pressed off a push button: saves the
  // choices and ends the dialog, or shows why the save failed and stays open.
  void OnOK() override;
  // Called on Escape, the close box or the system menu's Close: asks before unsaved changes are
  // thrown away.
  void OnCancel() override;
  // Called when the Cancel button is clicked: ends the dialog without saving, as it says.
  void OnCancelButton();
  // Called when a drop-down of the settings shows another choice.
  void OnChoiceChanged(UINT dropDown);
  // Called when the user picks where OK saves in the card row.
  void OnCardPicked();
  // Called when "Load from card" is clicked: shows the picked card's settings.
  void OnLoadFromCard();

  // Called at set-up and when a volume arrives or goes: the removable volumes, inspected.
  virtual std::vector<Card> ListCards() const;

 private:
  //--- Set-up steps
  void AddAboutItem();
  // Binds the camera device library's entry points by name.
  void BindDeviceLibrary();
  // Asks for volume arrival and removal notices for this window.
  void RegisterDeviceNotices();
  void FillDropDowns();
  void SetUpGrid();
  // Makes the grid's rows as high as the day labels' spacing allows, once the rows exist.
  void FitRowsToDayLabels();
  DayRowSpace MeasureDayRowSpace() const;
  int RowHeight() const;

  //--- Device notices
  // Offers an arriving drive to the device library until it accepts it or has refused it enough.
  void OfferDrive(int drive);
  // Forgets a removed drive if it was the connected one.
  void ForgetDrive(int drive);

  //--- The card row
  // A camera card in the row, and its settings file as the dialog last read or wrote it.
  struct ListedCard {
    Card card;
    FileSnapshot file;
  };
  // Lists the camera cards anew, keeping the user's pick while its card is there.
  void RefreshCards();
  // Writes each card's words, next to what the controls show now.
  void DescribeCards();
  // The card OK saves to besides the desktop, if any.
  ListedCard* PickedCard();
  void ShowWhereOkSaves();

  //--- OK
  // Asks before a file that another program changed since it was read is replaced.
  bool ConfirmReplace(const std::string& path, const FileSnapshot& seen);
  // Saves the record to the file under the settings lock; the failure's words, if it fails.
  std::optional<std::string> SaveTo(const std::string& path, FileSnapshot& seen);

  //--- What the controls show
  void ShowClock();
  // Copies the drop-down selections and the grid's cell letters into a record.
  void ReadControls(_USR_SETTING_& record) const;
  void RememberShownAsUnchanged();
  bool HasUnsavedChanges() const;
  // Shows the week in words, or a notice in its place for a few seconds.
  void ShowWeekLine();
  void ShowNotice(const std::string& text);

  //--- Boxes
  // Shows a UTF-8 text in a message box of the given type and returns the button pressed.
  int ShowMessage(const std::string& text, UINT type);
  void ShowAbout();

  // The drive the device library accepted, 1 to 26 for A: to Z:; 0 for none.
  std::int32_t m_connectedDrive = 0;
  // The settings being edited: filled at set-up, read on OK; the controls hold the live values.
  _USR_SETTING_ m_setting{};
  // What the controls showed when the settings were last loaded or saved.
  _USR_SETTING_ m_unchanged{};
  CScheduleGrid m_grid;
  HICON m_hIcon;
  // The desktop's settings file as the dialog last read or wrote it.
  FileSnapshot m_desktopFile;
  std::vector<ListedCard> m_cards;
  // Whether the user has chosen in the card row; until then a lone camera card is picked.
  bool m_cardPickedByUser = false;
  // The legend's backgrounds, one for each mode.
  std::array<HBRUSH, kModeLooks.size()> m_legendBrushes{};

  DECLARE_MESSAGE_MAP()
};
