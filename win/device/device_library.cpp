#include "device/device_library.h"

#include <string>

namespace {

DeviceEntryPoints& table() {
  static DeviceEntryPoints entries{};
  return entries;
}

// The library comes from the program's own folder, named by its full path: a copy in the
// current folder, on PATH or in the system folder is never picked up. Its own dependencies are
// looked for beside it and in the system folder alone. The module stays loaded until the program
// ends, as the table does.
HMODULE loadFromProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return nullptr;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(L"\\/") + 1);
  for (const char* letter = kDeviceLibraryModule; *letter; ++letter) path += *letter;
  return ::LoadLibraryExW(path.c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
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
