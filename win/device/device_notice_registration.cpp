#include "device/device_notice_registration.h"

RegisterDeviceNotificationFunction findRegisterDeviceNotification() {
  const HMODULE user32 = ::LoadLibraryA("User32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<RegisterDeviceNotificationFunction>(
      reinterpret_cast<void (*)()>(::GetProcAddress(user32, "RegisterDeviceNotificationA")));
}
