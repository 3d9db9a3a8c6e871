// Device events other than a volume arriving or going away leave the dialog and the library
// alone, and so do notices that come without their description.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

int g_accessViolations = 0;

LONG CALLBACK countAccessViolations(EXCEPTION_POINTERS* exception) {
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) ++g_accessViolations;
  return EXCEPTION_CONTINUE_SEARCH;
}

// A notice shaped like a volume's whose drive bits would name E:, with another device type.
LRESULT sendNoticeOfType(HWND dialog, UINT event, DWORD deviceType) {
  DEV_BROADCAST_VOLUME notice{};
  notice.dbcv_size = sizeof notice;
  notice.dbcv_devicetype = deviceType;
  notice.dbcv_unitmask = driveBit(kDriveE);
  return ::SendMessageA(dialog, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&notice));
}

// Runs the dialog with drive E: connected and the library ready to accept E: again, sends the
// notices and returns each of the dialog's answers; the drive must still be connected after.
std::vector<LRESULT> answersWithDriveConnected(
    const std::function<std::vector<LRESULT>(HWND dialog)>& send) {
  CPellinDlg settingsDialog;
  DialogScript script;
  std::vector<LRESULT> answers;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 1);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    TestDevice::reset();
    TestDevice::accept(kDriveE, 1);
    answers = send(dialog);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_TRUE(TestDevice::offers().empty());
  EXPECT_EQ(settingsDialog.ConnectedDrive(), kDriveE);
  return answers;
}

TEST(IgnoredDeviceEvents, OtherEventsAreIgnoredEvenWithAVolumeNoticeOrNone) {
  const std::vector<LRESULT> answers = answersWithDriveConnected([](HWND dialog) {
    return std::vector<LRESULT>{
        ::SendMessageA(dialog, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0),
        ::SendMessageA(dialog, WM_DEVICECHANGE, DBT_QUERYCHANGECONFIG, 0),
        ::SendMessageA(dialog, WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, 0),
        sendVolumeNotice(dialog, DBT_DEVICEQUERYREMOVE, driveBit(kDriveE)),
        sendVolumeNotice(dialog, DBT_DEVICEREMOVEPENDING, driveBit(kDriveE)),
        sendVolumeNotice(dialog, DBT_DEVICETYPESPECIFIC, driveBit(kDriveE)),
        sendVolumeNotice(dialog, DBT_CUSTOMEVENT, driveBit(kDriveE)),
    };
  });
  EXPECT_EQ(answers, std::vector<LRESULT>(7, 0));
}

TEST(IgnoredDeviceEvents, AnArrivalOrRemovalWithoutItsNoticeIsIgnoredNotRead) {
  // The system swallows a fault inside a window procedure, so the test watches for one itself.
  g_accessViolations = 0;
  PVOID watcher = ::AddVectoredExceptionHandler(1, countAccessViolations);
  const std::vector<LRESULT> answers = answersWithDriveConnected([](HWND dialog) {
    return std::vector<LRESULT>{
        ::SendMessageA(dialog, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0),
        ::SendMessageA(dialog, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0),
    };
  });
  ::RemoveVectoredExceptionHandler(watcher);
  EXPECT_EQ(answers, std::vector<LRESULT>(2, 0));
  EXPECT_EQ(g_accessViolations, 0);
}

TEST(IgnoredDeviceEvents, NoticesOfOtherDeviceTypesAreIgnored) {
  const std::vector<LRESULT> answers = answersWithDriveConnected([](HWND dialog) {
    return std::vector<LRESULT>{
        sendNoticeOfType(dialog, DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE),
        sendNoticeOfType(dialog, DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT),
        sendNoticeOfType(dialog, DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE),
        sendNoticeOfType(dialog, DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_PORT),
        sendNoticeOfType(dialog, DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_HANDLE),
    };
  });
  EXPECT_EQ(answers, std::vector<LRESULT>(5, 0));
}

}  // namespace
