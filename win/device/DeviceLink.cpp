// The dialog's link to the camera's device library: binding its entry points at set-up,
// registering for device notices, and offering each arriving drive to the library.
#include "PellinDlg.h"

#include <dbt.h>

#include <cstring>

#include "device/device_library.h"
#include "device/device_notice_registration.h"

namespace {

constexpr int kDriveCount = 26;
// How many times a drive is offered to the library before it is left alone.
constexpr int kConnectAttempts = 26;

}  // namespace

// Called at set-up, before the device notices are registered.
void CPellinDlg::BindDeviceLibrary() {
  bindDeviceLibrary();
}

// Called at set-up, once no drive is remembered as connected.
void CPellinDlg::RegisterDeviceNotices() {
  // Device interface notices of no particular class, sent to this window as messages.
  DEV_BROADCAST_DEVICEINTERFACE_A filter;
  std::memset(&filter, 0, sizeof filter);
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;

  const RegisterDeviceNotificationFunction registerNotices = findRegisterDeviceNotification();
  // The registration lasts as long as the window; its handle is not needed.
  if (registerNotices && registerNotices(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE)) return;
  MessageBox("cannot not register device notifity", "ERROR", MB_OK | MB_ICONERROR);
}

// Called when a device arrives or goes away, and for the system's other device events.
BOOL CPellinDlg::OnDeviceChange(UINT event, DWORD_PTR data) {
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return 0;
  const auto* notice = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  // A notice that comes without its description names no drive.
  if (!notice || notice->dbch_devicetype != DBT_DEVTYP_VOLUME) return 0;

  const DWORD drives = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(notice)->dbcv_unitmask;
  for (int drive = 1; drive <= kDriveCount; ++drive) {
    if (!(drives & (1u << (drive - 1)))) continue;
    if (event == DBT_DEVICEARRIVAL)
      OfferDrive(drive);
    else
      ForgetDrive(drive);
  }
  // A card may have come or gone with the volume.
  RefreshCards();
  return 0;
}

// Called for each drive of a volume arrival, in ascending order.
void CPellinDlg::OfferDrive(int drive) {
  const ConnectToDeviceFunction connect = boundConnectToDevice();
  if (!connect) return;
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
    if (connect(drive) != 0) {
      // A later accepted drive of the same notice takes its place.
      m_connectedDrive = drive;
      SetDlgItemTextA(IDC_DEVICE_STATUS, "Connected!");
      return;
    }
  }
}

// Called for each drive of a volume removal.
void CPellinDlg::ForgetDrive(int drive) {
  if (drive != m_connectedDrive) return;
  m_connectedDrive = 0;
  SetDlgItemTextA(IDC_DEVICE_STATUS, "Disconnected!");
}
