// The one place that touches the platform: where the desktop is, the local time, and the
// system's file operations.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

#include "record_codec.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RecordCodec {

namespace {

// Tries at names already taken before a save gives up; only a folder full of leftovers with
// our names, or names that cannot be made, runs out of them.
constexpr int kTemporaryNameAttempts = 100;

#ifdef _WIN32
// The longest pause between tries at a replace that another program's open file refuses; the
// pauses double from 1 ms, so all of them add up to about a second.
constexpr DWORD kReplacePauseLimitMs = 512;
#endif

#ifdef _WIN32
std::string utf8Of(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}
#endif

std::string lastSystemError() {
#ifdef _WIN32
  const DWORD code = GetLastError();
  wchar_t text[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, 512, nullptr);
  while (length > 0 &&
         (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' '))
    --length;
  return length == 0 ? "system error " + std::to_string(code)
                     : utf8Of(text, static_cast<int>(length));
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

// A name part no other save, in this process or another, is using at the same time: the
// process's number and a draw that is not the filler's generator.
std::string uniqueSuffix() {
#ifdef _WIN32
  const unsigned long process = GetCurrentProcessId();
#else
  const auto process = static_cast<unsigned long>(getpid());
#endif
  static std::mt19937 generator{std::random_device{}()};
  char text[24];
  std::snprintf(text, sizeof text, "%lx-%08lx", process, static_cast<unsigned long>(generator()));
  return text;
}

// The process number in a temporary's name made by uniqueSuffix, if the name is one.
std::optional<unsigned long> saverOf(const std::string& name, const std::string& fileName) {
  const std::string prefix = fileName + ".";
  const std::string suffix = ".tmp";
  if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  const std::string middle =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  const auto dash = middle.find('-');
  if (dash == 0 || dash == std::string::npos || middle.size() - dash - 1 != 8 ||
      middle.find_first_not_of("0123456789abcdef-") != std::string::npos ||
      middle.find('-', dash + 1) != std::string::npos)
    return std::nullopt;
  if (dash > 8) return std::nullopt;
  const unsigned long process = std::stoul(middle.substr(0, dash), nullptr, 16);
  // Never 0, nor a number that a signed process id reads as negative.
  if (process == 0 || process > 0x7FFFFFFFul) return std::nullopt;
  return process;
}

#ifdef _WIN32
constexpr const char* kSeparators = "\\/";
#else
constexpr const char* kSeparators = "/";
#endif

// The folder holding a path.
std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of(kSeparators);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// The path of a name in the folder that holds path.
std::string besideOf(const std::string& path, const std::string& name) {
  const auto slash = path.find_last_of(kSeparators);
  return slash == std::string::npos ? name : path.substr(0, slash + 1) + name;
}

bool processIsRunning(unsigned long process) {
#ifdef _WIN32
  const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
  if (!handle) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
  CloseHandle(handle);
  return running;
#else
  return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
#endif
}

#ifdef _WIN32
// The form of a path that the wide calls take whatever its length: "\\?\" before the full
// path, which the system then uses as it stands.
std::wstring systemPath(const std::string& path) {
  const std::wstring wide = utf16Of(path);
  if (wide.rfind(L"\\\\?\\", 0) == 0 || wide.rfind(L"\\\\.\\", 0) == 0) return wide;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}
#else
std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

// The whole of a small regular file; empty for anything else, so that a pipe or a device in
// its place can neither keep the program waiting nor feed it without end.
std::string smallFileText(const std::string& path) {
  constexpr std::size_t kLimit = 64 * 1024;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return {};
  std::string text;
  struct stat entry {};
  if (::fstat(descriptor, &entry) == 0 && S_ISREG(entry.st_mode)) {
    char buffer[4096];
    while (text.size() < kLimit) {
      const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) break;
      text.append(buffer, static_cast<std::size_t>(count));
    }
  }
  ::close(descriptor);
  return text;
}
#endif

#ifndef _WIN32
// A link in a folder that anyone may write to and only owners may delete from (such as /tmp)
// is followed only when it is the follower's or the folder owner's: another account could have
// planted it there to point a save at a file of its choosing. Linux's protected_symlinks has the
// same rule, where it is switched on.
bool mayFollow(const std::string& link, const struct stat& entry) {
  struct stat folder {};
  if (::stat(folderOf(link).c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return !shared || entry.st_uid == ::geteuid() || entry.st_uid == folder.st_uid;
}

// The new file gets the permissions the user gave the old one, and when the save runs as the
// administrator, the old one's owner and group too.
void keepOwnership(const std::string& path, int descriptor) {
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  if (::geteuid() == 0 && ::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
    // A file system without owners keeps the new file's; the permissions are still kept.
  }
  ::fchmod(descriptor, old.st_mode & 07777);
}
#endif

#if !defined(_WIN32) && !defined(__APPLE__)
// The desktop of the freedesktop user-dirs file; "$HOME/Desktop" when it names none.
std::string xdgDesktopFolder(const std::string& home) {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const std::string config =
      (configHome && *configHome ? std::string(configHome) : home + "/.config") + "/user-dirs.dirs";
  const std::string text = smallFileText(config);
  const std::string key = "XDG_DESKTOP_DIR=";
  std::string folder;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line.compare(first, key.size(), key) != 0) continue;
    std::string value = line.substr(first + key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0)
      folder = home + value.substr(5);
    else if (!value.empty() && value.front() == '/')
      folder = value;
  }
  return folder.empty() ? home + "/Desktop" : folder;
}

// Creates the folder and any missing parents, each as the user-dirs tool makes a desktop.
bool makeFolders(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST) return true;
  if (errno != ENOENT || folderOf(folder) == folder || !makeFolders(folderOf(folder))) return false;
  return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}
#endif

#ifdef _WIN32
// Asks the shell for the user's desktop folder. The shell's library is loaded for this one
// question and let go after it: linked, it and the libraries it brings in would stay for the
// program's whole run, over a megabyte of memory for a question asked at start and at a save.
bool shellDesktopFolder(wchar_t (&folder)[MAX_PATH]) {
  const HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!shell) return false;
  using FolderLookup = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  const auto lookup = reinterpret_cast<FolderLookup>(
      reinterpret_cast<void (*)()>(GetProcAddress(shell, "SHGetFolderPathW")));
  const bool found =
      lookup && SUCCEEDED(lookup(nullptr, CSIDL_DESKTOP, nullptr, SHGFP_TYPE_CURRENT, folder));
  FreeLibrary(shell);
  return found;
}

// The regular files of a folder whose names are temporaries of the file named fileName.
std::vector<std::string> temporariesIn(const std::string& folder, const std::string& fileName) {
  std::vector<std::string> names;
  const bool separated = folder.back() == '\\' || folder.back() == '/';
  WIN32_FIND_DATAW entry{};
  const HANDLE search =
      FindFirstFileExW(systemPath(folder + (separated ? "*" : "\\*")).c_str(), FindExInfoBasic,
                       &entry, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
      continue;
    std::string name = utf8Of(entry.cFileName, static_cast<int>(wcslen(entry.cFileName)));
    if (saverOf(name, fileName)) names.push_back(std::move(name));
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}
#else
std::vector<std::string> temporariesIn(const std::string& folder, const std::string& fileName) {
  std::vector<std::string> names;
  DIR* entries = ::opendir(folder.c_str());
  if (!entries) return names;
  while (const dirent* entry = ::readdir(entries)) {
    if (!saverOf(entry->d_name, fileName)) continue;
    struct stat status {};
    if (::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode))
      names.emplace_back(entry->d_name);
  }
  ::closedir(entries);
  return names;
}
#endif

}  // namespace

#ifdef _WIN32
std::wstring utf16Of(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), size);
  return result;
}
#endif

PathResult settingsFilePath(const CodecProfile& profile) {
#ifdef _WIN32
  if (!profile.shellDesktop) return {std::nullopt, "no desktop folder for this profile"};
  wchar_t folder[MAX_PATH] = {};
  if (!shellDesktopFolder(folder)) return {std::nullopt, "the desktop folder could not be found"};
  return {utf8Of(folder, static_cast<int>(wcslen(folder))) + "\\" + kFileName, {}};
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

// Shared so that our own reading never stops another program from replacing the file.
FileLayer::ReadStatus FileLayer::readPrefix(const std::string& path, std::uint8_t* data,
                                            std::size_t size, std::size_t& got) {
  got = 0;
  const HANDLE file = CreateFileW(systemPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    failed();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing
                                                                        : ReadStatus::Failed;
  }
  ReadStatus status = ReadStatus::Read;
  while (got < size) {
    DWORD count = 0;
    if (!ReadFile(file, data + got, static_cast<DWORD>(size - got), &count, nullptr)) {
      failed();
      status = ReadStatus::Failed;
      break;
    }
    if (count == 0) break;
    got += count;
  }
  CloseHandle(file);
  return status;
}

// Windows keeps its desktop folder itself.
bool FileLayer::prepareFolder(const std::string&) {
  return true;
}

// The shell's links are files of their own; the file at the path is the one replaced.
bool FileLayer::resolve(const std::string& path, std::string& target) {
  target = path;
  return true;
}

// CREATE_NEW never opens what is already there, a link included.
bool FileLayer::createTemporary(const std::string& path, Handle& file, std::string& temporary) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = path + "." + uniqueSuffix() + ".tmp";
    const HANDLE handle = CreateFileW(systemPath(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      file = reinterpret_cast<Handle>(handle);
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  temporary.clear();
  return failed();
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

// Write-through: the move is on disk when the call returns. Windows refuses to replace a file
// that anyone has open at that moment (another program reading it, or saving at the same time),
// so a refusal is tried again for about a second before it counts.
bool FileLayer::replace(const std::string& from, const std::string& to) {
  const std::wstring source = systemPath(from);
  const std::wstring target = systemPath(to);
  for (DWORD pause = 1;; pause *= 2) {
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD code = GetLastError();
    const bool busy = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
                      code == ERROR_LOCK_VIOLATION;
    if (!busy || pause > kReplacePauseLimitMs) return failed();
    Sleep(pause);
  }
}

// The write-through move has already made the folder's entry durable.
bool FileLayer::syncFolder(const std::string&) {
  return true;
}

void FileLayer::remove(const std::string& path) {
  DeleteFileW(systemPath(path).c_str());
}

#else

// Plain descriptor reads: a stdio stream would allocate and fill a buffer for 476 bytes. A pipe
// in the file's place must not keep the program waiting for a writer, hence O_NONBLOCK, which
// changes nothing for a regular file.
FileLayer::ReadStatus FileLayer::readPrefix(const std::string& path, std::uint8_t* data,
                                            std::size_t size, std::size_t& got) {
  got = 0;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) {
    const bool missing = errno == ENOENT;
    failed();
    return missing ? ReadStatus::Missing : ReadStatus::Failed;
  }
  ReadStatus status = ReadStatus::Read;
  while (got < size) {
    const ssize_t count = ::read(descriptor, data + got, size - got);
    if (count < 0 && errno == EINTR) continue;
    // A pipe whose writer has written nothing yet has nothing to give: as an empty file.
    if (count < 0 && errno != EAGAIN) {
      failed();
      status = ReadStatus::Failed;
    }
    if (count <= 0) break;
    got += static_cast<std::size_t>(count);
  }
  ::close(descriptor);
  return status;
}

#if defined(__APPLE__)
// The system keeps the desktop folder itself.
bool FileLayer::prepareFolder(const std::string&) {
  return true;
}
#else
// An account need not have a desktop folder yet (minimal desktops make none): a save to the
// desktop's settings file makes it, as the desktop's own user-dirs tool would. Any other folder
// is the caller's.
bool FileLayer::prepareFolder(const std::string& path) {
  const std::string home = homeFolder();
  if (home.empty()) return true;
  const std::string desktop = xdgDesktopFolder(home);
  if (path != desktop + "/" + kFileName) return true;
  return makeFolders(desktop) ? true : failed();
}
#endif

// A user who links the desktop file to a card or a synced folder keeps the link: the save goes
// to the link's final target, in the target's folder. A link to nothing is a failure, so that
// nothing is created where the user did not look.
bool FileLayer::resolve(const std::string& path, std::string& target) {
  target = path;
  struct stat entry {};
  if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return true;
  if (!mayFollow(path, entry)) {
    g_lastError = "the link is another account's, in a folder anyone may write to";
    return false;
  }
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) {
    g_lastError = lastSystemError();
    char pointsTo[4096] = {};
    if (::readlink(path.c_str(), pointsTo, sizeof pointsTo - 1) > 0)
      g_lastError += " (it links to " + std::string(pointsTo) + ")";
    return false;
  }
  target = resolved;
  std::free(resolved);
  return true;
}

// O_EXCL never opens what is already there, and with O_NOFOLLOW not even through a link; the
// name is this save's alone, so a second program saving at once has its own.
bool FileLayer::createTemporary(const std::string& path, Handle& file, std::string& temporary) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = path + "." + uniqueSuffix() + ".tmp";
    const int descriptor = ::open(
        temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
      file = descriptor;
      keepOwnership(path, descriptor);
      return true;
    }
    if (errno != EEXIST) break;
  }
  temporary.clear();
  return failed();
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
  return ::rename(from.c_str(), to.c_str()) == 0 ? true : failed();
}

// A rename is durable only once the folder's entry is on disk.
bool FileLayer::syncFolder(const std::string& path) {
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return failed();
  const bool synced = ::fsync(folder) == 0;
  if (!synced) failed();
  ::close(folder);
  return synced;
}

void FileLayer::remove(const std::string& path) {
  ::unlink(path.c_str());
}

#endif

// By their names: only regular files named as this file's temporaries are looked at, and only
// those whose saving program has ended are removed. The folder is read with the system's own
// calls: std::filesystem's path conversions would bring the whole C++ locale library into the
// Windows program, several times the size of the rest of it.
void FileLayer::removeLeftovers(const std::string& path) {
  const auto slash = path.find_last_of(kSeparators);
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  for (const std::string& name : temporariesIn(folderOf(path), fileName))
    if (!processIsRunning(*saverOf(name, fileName))) remove(besideOf(path, name));
}

std::string FileLayer::lastError() const {
  return g_lastError;
}

FileLayer& FileLayer::system() {
  static FileLayer layer;
  return layer;
}

}  // namespace RecordCodec
