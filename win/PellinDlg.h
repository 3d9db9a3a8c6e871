// The settings dialog: the camera's menu choices as drop-downs, the weekly schedule as a grid and
// a clock; OK writes the settings file to the desktop.
#pragma once

#include <cstdint>
#include <string>

#include "day_rows.h"
#include "framework/framework.h"
#include "grid/schedule_grid.h"
#include "grid/schedule_layout.h"
#include "record_codec.h"
#include "resource.h"
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
  // Called every half second by the clock's timer.
  void OnTimer(UINT_PTR timer);
  // Called when the OK button is clicked or Enter is pressed off a push button: saves the
  // choices and ends the dialog, or shows why the save failed and stays open.
  void OnOK() override;

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

  //--- OK
  // Copies the drop-down selections and the grid's cell letters into the record.
  void CollectChoices();
  // Shows a UTF-8 text in a message box of the given type.
  void ShowMessage(const std::string& text, UINT type);

  // The drive the device library accepted, 1 to 26 for A: to Z:; 0 for none.
  std::int32_t m_connectedDrive = 0;
  // The settings being edited: filled at set-up, read on OK; the controls hold the live values.
  _USR_SETTING_ m_setting{};
  CScheduleGrid m_grid;
  HICON m_hIcon;

  DECLARE_MESSAGE_MAP()
};
