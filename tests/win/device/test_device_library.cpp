// A stand-in for the camera's device library: it exports the seven entry points, accepts the
// drives a test tells it to on the call a test names, and keeps a log of every offer. The
// TestDevice_ functions are for tests only; a test reaches them through the loaded module.
#include <windows.h>

namespace {

constexpr int kDriveCount = 26;
constexpr int kLogSize = 256;

// For each drive, on which of its offers it is accepted; 0 never.
int g_acceptOnCall[kDriveCount + 1] = {};
int g_callsFor[kDriveCount + 1] = {};
int g_log[kLogSize] = {};
int g_calls = 0;

}  // namespace

extern "C" {

// Built once without it, as a library that lacks one of the names.
#ifndef TEST_DEVICE_WITHOUT_CONNECT
__declspec(dllexport) int VexoUSB_ConnectToDevice(int drive) {
  if (g_calls < kLogSize) g_log[g_calls] = drive;
  ++g_calls;
  if (drive < 1 || drive > kDriveCount) return 0;
  ++g_callsFor[drive];
  return g_acceptOnCall[drive] != 0 && g_callsFor[drive] == g_acceptOnCall[drive] ? 1 : 0;
}
#endif

// The six entry points without a call site: present by name only.
__declspec(dllexport) int VexoUSB_EnumAvailableDevice() {
  return 0;
}
__declspec(dllexport) int VexoUSB_GetFirstAvailableDevice() {
  return 0;
}
__declspec(dllexport) int VexoUSB_VenderCmd_GetData() {
  return 0;
}
__declspec(dllexport) int VexoUSB_VenderCmd_SetData() {
  return 0;
}
__declspec(dllexport) int VexoUSB_MemoryWrite() {
  return 0;
}
__declspec(dllexport) int VexoUSB_MemoryRead() {
  return 0;
}

// Forgets every acceptance and every offer.
__declspec(dllexport) void TestDevice_Reset() {
  for (int drive = 0; drive <= kDriveCount; ++drive) {
    g_acceptOnCall[drive] = 0;
    g_callsFor[drive] = 0;
  }
  g_calls = 0;
}

// From now on the drive is accepted on its call-th offer (counted from 1), and on no other.
__declspec(dllexport) void TestDevice_Accept(int drive, int call) {
  if (drive >= 1 && drive <= kDriveCount) g_acceptOnCall[drive] = call;
}

// How many times VexoUSB_ConnectToDevice was called.
__declspec(dllexport) int TestDevice_CallCount() {
  return g_calls;
}

// The drive of the index-th call (from 0), or -1 beyond the log.
__declspec(dllexport) int TestDevice_CalledDrive(int index) {
  return index >= 0 && index < g_calls && index < kLogSize ? g_log[index] : -1;
}

}  // extern "C"
