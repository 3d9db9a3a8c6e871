// The camera's device library: a module outside the program whose seven entry points are bound
// by name into one process-wide table. Only VexoUSB_ConnectToDevice is ever called.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

// The module's file name; it is loaded only from the program's own folder.
inline constexpr const char* kDeviceLibraryModule = "VexoUSB.dll";

// The entry points in table order, which is also the order they are bound in.
enum DeviceEntry : std::size_t {
  kEnumAvailableDevice,
  kGetFirstAvailableDevice,
  kConnectToDevice,
  kVenderCmdGetData,
  kVenderCmdSetData,
  kMemoryWrite,
  kMemoryRead,
  kDeviceEntryCount,
};

inline constexpr std::array<const char*, kDeviceEntryCount> kDeviceEntryNames = {
    "VexoUSB_EnumAvailableDevice", "VexoUSB_GetFirstAvailableDevice", "VexoUSB_ConnectToDevice",
    "VexoUSB_VenderCmd_GetData",   "VexoUSB_VenderCmd_SetData",       "VexoUSB_MemoryWrite",
    "VexoUSB_MemoryRead",
};

// Offers drive 1 to 26 (A: to Z:) as the device connection; nonzero when the library takes it.
using ConnectToDeviceFunction = int (*)(int drive);

// The process's table: each slot holds an entry point's address, or null while it is unbound.
using DeviceEntryPoints = std::array<FARPROC, kDeviceEntryCount>;
const DeviceEntryPoints& deviceEntryPoints();

// Loads the module from the program's folder, if it is there, and fills every slot anew; a name
// the module lacks, or a missing module, leaves its slot unbound. Nothing is reported.
void bindDeviceLibrary();

// The bound VexoUSB_ConnectToDevice, or null.
ConnectToDeviceFunction boundConnectToDevice();
