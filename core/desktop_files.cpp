// The one place that touches the platform: where the desktop is, the local time, and the
// system's file operations.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>

#include "record_codec.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace RecordCodec {

namespace {

std::string lastSystemError() {
#ifdef _WIN32
  const DWORD code = GetLastError();
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() &&
         (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "system error " + std::to_string(code) : message;
#else
  return std::strerror(errno);
#endif
}

// The system's own error text from the last failure, kept until asked for.
std::string g_lastError;

bool failed() {
  g_lastError = lastSystemError();
  return false;
}

#ifndef _WIN32
std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

// The folder holding a path, for syncing the directory entry after a rename.
std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
#endif

#if !defined(_WIN32) && !defined(__APPLE__)
// The desktop of the freedesktop user-dirs file; "$HOME/Desktop" when it names none.
std::string xdgDesktopFolder(const std::string& home) {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const std::string config =
      (configHome && *configHome ? std::string(configHome) : home + "/.config") + "/user-dirs.dirs";
  std::ifstream file(config);
  std::string line;
  const std::string key = "XDG_DESKTOP_DIR=";
  std::string folder;
  while (std::getline(file, line)) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    std::string value = line.substr(start + key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0)
      folder = home + value.substr(5);
    else if (!value.empty() && value.front() == '/')
      folder = value;
  }
  return folder.empty() ? home + "/Desktop" : folder;
}
#endif

}  // namespace

PathResult settingsFilePath(const CodecProfile& profile) {
#ifdef _WIN32
  if (!profile.shellDesktop) return {std::nullopt, "no desktop folder for this profile"};
  char folder[kWindowsPathLimit] = {};
  if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE))
    return {std::nullopt, "the desktop folder could not be found"};
  std::string path = std::string(folder) + "\\" + kFileName;
  if (path.size() + 1 > kWindowsPathLimit)
    return {std::nullopt, "the desktop folder's path is too long"};
  return {path, {}};
#else
  (void)profile;
  const std::string home = homeFolder();
  if (home.empty()) return {std::nullopt, "the home folder could not be found"};
#ifdef __APPLE__
  return {home + "/Desktop/" + kFileName, {}};
#else
  return {xdgDesktopFolder(home) + "/" + kFileName, {}};
#endif
#endif
}

LocalStamp localStampNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return std::nullopt;
#else
  if (!localtime_r(&now, &local)) return std::nullopt;
#endif
  return LocalStampValue{static_cast<std::uint32_t>(local.tm_year + 1900),
                         static_cast<std::uint32_t>(local.tm_mon + 1),
                         static_cast<std::uint32_t>(local.tm_mday),
                         static_cast<std::uint32_t>(local.tm_hour),
                         static_cast<std::uint32_t>(local.tm_min),
                         static_cast<std::uint32_t>(local.tm_sec)};
}

#ifdef _WIN32

bool FileLayer::readPrefix(const std::string& path, std::uint8_t* data, std::size_t size,
                           std::size_t& got) {
  got = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return failed();
  got = std::fread(data, 1, size, file);
  std::fclose(file);
  return true;
}

bool FileLayer::create(const std::string& path, Handle& file) {
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return failed();
  file = reinterpret_cast<Handle>(handle);
  return true;
}

bool FileLayer::write(Handle file, const std::uint8_t* data, std::size_t size,
                      std::size_t& written) {
  DWORD count = 0;
  if (!WriteFile(reinterpret_cast<HANDLE>(file), data, static_cast<DWORD>(size), &count, nullptr))
    return failed();
  written = count;
  return true;
}

bool FileLayer::flush(Handle file) {
  return FlushFileBuffers(reinterpret_cast<HANDLE>(file)) ? true : failed();
}

void FileLayer::close(Handle file) {
  CloseHandle(reinterpret_cast<HANDLE>(file));
}

bool FileLayer::replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
             ? true
             : failed();
}

void FileLayer::remove(const std::string& path) {
  DeleteFileA(path.c_str());
}

#else

// Plain descriptor reads: a stdio stream would allocate and fill a buffer for 476 bytes. A pipe
// in the file's place must not keep the program waiting for a writer, hence O_NONBLOCK, which
// changes nothing for a regular file.
bool FileLayer::readPrefix(const std::string& path, std::uint8_t* data, std::size_t size,
                           std::size_t& got) {
  got = 0;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return failed();
  while (got < size) {
    const ssize_t count = ::read(descriptor, data + got, size - got);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    got += static_cast<std::size_t>(count);
  }
  ::close(descriptor);
  return true;
}

bool FileLayer::create(const std::string& path, Handle& file) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) return failed();
  file = descriptor;
  return true;
}

bool FileLayer::write(Handle file, const std::uint8_t* data, std::size_t size,
                      std::size_t& written) {
  ssize_t count;
  do {
    count = ::write(static_cast<int>(file), data, size);
  } while (count < 0 && errno == EINTR);
  if (count < 0) return failed();
  written = static_cast<std::size_t>(count);
  return true;
}

bool FileLayer::flush(Handle file) {
  return ::fsync(static_cast<int>(file)) == 0 ? true : failed();
}

void FileLayer::close(Handle file) {
  ::close(static_cast<int>(file));
}

bool FileLayer::replace(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return failed();
  // The rename is durable only once the folder's entry is on disk.
  const int folder = ::open(folderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return failed();
  const bool synced = ::fsync(folder) == 0;
  if (!synced) g_lastError = lastSystemError();
  ::close(folder);
  return synced;
}

void FileLayer::remove(const std::string& path) {
  ::unlink(path.c_str());
}

#endif

std::string FileLayer::lastError() const {
  return g_lastError;
}

FileLayer& FileLayer::system() {
  static FileLayer layer;
  return layer;
}

}  // namespace RecordCodec
