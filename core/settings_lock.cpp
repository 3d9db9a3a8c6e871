// The settings file's lock. A save puts a new file in place of the old one, so a lock taken on
// the old file would guard a file that is gone. Elsewhere the lock is on the folder the file is
// replaced in; on Windows a handle on the file would even stop the replace, and the lock is a
// named mutex of the file's full path.
#include "settings_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifdef _WIN32
#include <windows.h>

#include "record_codec.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RecordCodec {

namespace {

std::string busyReason(const std::string& path) {
  return "another program is saving " + path;
}

#ifdef _WIN32

std::string systemReason(const std::string& path) {
  return "cannot lock " + path + ": system error " + std::to_string(GetLastError());
}

// The file's full path as the system names it, in capitals: every spelling a user may give of
// one file (relative, short names, other case) comes out the same.
std::wstring canonicalPath(const std::string& path) {
  const std::wstring wide = utf16Of(path);
  std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr) + 1, L'\0');
  full.resize(
      GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  if (full.empty()) full = wide;
  const auto slash = full.find_last_of(L"\\/");
  if (slash != std::wstring::npos) {
    const HANDLE folder = CreateFileW(full.substr(0, slash).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder != INVALID_HANDLE_VALUE) {
      std::wstring named(GetFinalPathNameByHandleW(folder, nullptr, 0, FILE_NAME_NORMALIZED),
                         L'\0');
      const DWORD length = GetFinalPathNameByHandleW(
          folder, named.data(), static_cast<DWORD>(named.size()), FILE_NAME_NORMALIZED);
      if (length > 0 && length < named.size()) full = named.substr(0, length) + full.substr(slash);
      CloseHandle(folder);
    }
  }
  CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
  return full;
}

// A mutex name holds no backslash past its namespace and is short, so the path is hashed.
std::wstring mutexName(const std::string& path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t unit : canonicalPath(path)) {
    hash ^= static_cast<std::uint16_t>(unit);
    hash *= 1099511628211ull;
  }
  std::wstring name = L"Local\\Kestrune.settings.";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xF];
  return name;
}

#else

std::string systemReason(const std::string& path) {
  return "cannot lock " + path + ": " + std::strerror(errno);
}

std::string parentOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The folder whose entry for the file a save replaces: the final target's when the path is a
// link. A desktop folder that a save has yet to create is guarded by the nearest folder above.
std::string guardedFolder(const std::string& path) {
  std::string file = path;
  if (char* resolved = ::realpath(path.c_str(), nullptr)) {
    file = resolved;
    std::free(resolved);
  }
  std::string folder = parentOf(file);
  struct stat entry {};
  while (::stat(folder.c_str(), &entry) != 0 && errno == ENOENT && parentOf(folder) != folder)
    folder = parentOf(folder);
  return folder;
}

// Still the folder at that name, and still the one the path's file is replaced in: else a
// writer that came later may be guarding another folder.
bool stillGuards(int descriptor, const std::string& folder, const std::string& path) {
  struct stat held {
  }, named{};
  return guardedFolder(path) == folder && ::fstat(descriptor, &held) == 0 &&
         ::stat(folder.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

// File systems that keep no locks (some network ones): the save goes on unguarded rather than
// never at all.
bool keepsNoLocks(int error) {
  return error == ENOLCK || error == EOPNOTSUPP || error == EBADF || error == EINVAL;
}

#endif

}  // namespace

#ifdef _WIN32

SettingsLock::SettingsLock(const std::string& path, std::chrono::milliseconds wait) {
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(path).c_str());
  if (!mutex) {
    reason_ = systemReason(path);
    return;
  }
  const auto milliseconds =
      static_cast<DWORD>(std::clamp<long long>(wait.count(), 0, INFINITE - 1));
  switch (WaitForSingleObject(mutex, milliseconds)) {
    case WAIT_OBJECT_0:
    // A holder that ended without letting go left the file whole: its save replaces in one step.
    case WAIT_ABANDONED:
      handle_ = reinterpret_cast<std::intptr_t>(mutex);
      return;
    case WAIT_TIMEOUT:
      busy_ = true;
      reason_ = busyReason(path);
      break;
    default:
      reason_ = systemReason(path);
      break;
  }
  CloseHandle(mutex);
}

SettingsLock::~SettingsLock() {
  if (!held()) return;
  ReleaseMutex(reinterpret_cast<HANDLE>(handle_));
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

#else

// Polled, because a blocking lock cannot be given a time limit; the pauses stay short so that a
// waiting writer soon follows one that lets go.
SettingsLock::SettingsLock(const std::string& path, std::chrono::milliseconds wait) {
  constexpr std::chrono::milliseconds kLongestPause{16};
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::chrono::milliseconds pause{1};
  for (;;) {
    const std::string folder = guardedFolder(path);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
      reason_ = systemReason(path);
      return;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 || keepsNoLocks(errno)) {
      if (stillGuards(descriptor, folder, path)) {
        handle_ = descriptor;
        return;
      }
      ::close(descriptor);
      continue;
    }
    const int error = errno;
    ::close(descriptor);
    if (error != EWOULDBLOCK && error != EINTR) {
      errno = error;
      reason_ = systemReason(path);
      return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      busy_ = true;
      reason_ = busyReason(path);
      return;
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, kLongestPause);
  }
}

SettingsLock::~SettingsLock() {
  if (held()) ::close(static_cast<int>(handle_));
}

#endif

SettingsLock::SettingsLock(SettingsLock&& other) noexcept
    : handle_(other.handle_), busy_(other.busy_), reason_(std::move(other.reason_)) {
  other.handle_ = kNoHandle;
}

}  // namespace RecordCodec
