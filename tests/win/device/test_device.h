// The test device library as the dialog loaded it, driven through its test-only functions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "device/device_library.h"

class TestDevice {
 public:
  // The loaded module; null while nothing in the process has loaded the library.
  static HMODULE module() { return ::GetModuleHandleA(kDeviceLibraryModule); }

  // Forgets every acceptance and offer.
  static void reset() { function<void (*)()>("TestDevice_Reset")(); }
  // The drive is accepted on its call-th offer, counted from 1.
  static void accept(int drive, int call) {
    function<void (*)(int, int)>("TestDevice_Accept")(drive, call);
  }
  // The drives offered to VexoUSB_ConnectToDevice, in call order.
  static std::vector<int> offers() {
    const auto count = function<int (*)()>("TestDevice_CallCount")();
    const auto calledDrive = function<int (*)(int)>("TestDevice_CalledDrive");
    std::vector<int> drives;
    for (int index = 0; index < count; ++index) drives.push_back(calledDrive(index));
    return drives;
  }

 private:
  template <typename Function>
  static Function function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(module(), name)));
  }
};

// The folder a program file lies in, with its trailing backslash.
inline std::string folderOf(HMODULE module) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(module, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}
