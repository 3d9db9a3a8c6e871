#include "device/device_library.h"

namespace {

DeviceEntryPoints& table() {
  static DeviceEntryPoints entries{};
  return entries;
}

// The library comes from the program's folder only: a copy planted in the current folder or on
// PATH is never picked up, and the library's own dependencies are looked for in the program's
// folder and the system folder alone. The module stays loaded until the program ends, as the
// table does.
HMODULE loadFromProgramFolder() {
  return ::LoadLibraryExA(kDeviceLibraryModule, nullptr,
                          LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

const DeviceEntryPoints& deviceEntryPoints() {
  return table();
}

void bindDeviceLibrary() {
  const HMODULE module = loadFromProgramFolder();
  for (std::size_t entry = 0; entry < kDeviceEntryCount; ++entry)
    table()[entry] = module ? ::GetProcAddress(module, kDeviceEntryNames[entry]) : nullptr;
}

ConnectToDeviceFunction boundConnectToDevice() {
  // Through the generic function type, which converts to any other without a warning.
  return reinterpret_cast<ConnectToDeviceFunction>(
      reinterpret_cast<void (*)()>(table()[kConnectToDevice]));
}
