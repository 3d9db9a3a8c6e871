// The system's registration for device notices, found by name in "User32.dll" at run time.
#pragma once

#include <windows.h>

using RegisterDeviceNotificationFunction = HDEVNOTIFY(WINAPI*)(HANDLE recipient, LPVOID filter,
                                                               DWORD flags);

// RegisterDeviceNotificationA, or null when the system does not offer it. Kept in a unit of its
// own, so that a program can link another lookup in its place.
RegisterDeviceNotificationFunction findRegisterDeviceNotification();
