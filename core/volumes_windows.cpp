// The removable volumes of a Windows machine: the drive letters of removable drives that hold
// media.
#include <windows.h>

#include "cards.h"

namespace {

std::string utf8Of(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string result(static_cast<std::size_t>(size - 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
  return result;
}

// While it lives, an empty reader fails a look-up at once instead of asking the user to insert
// a disk.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace

std::vector<Volume> removableVolumes() {
  std::vector<Volume> volumes;
  const QuietDriveErrors quiet;
  const DWORD drives = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (DWORD{1} << letter))) continue;
    const wchar_t root[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', L'\0'};
    if (GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
    wchar_t label[MAX_PATH + 1] = {};
    // Fails for a reader without media, which is no volume.
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
      continue;
    volumes.push_back({utf8Of(root), utf8Of(label)});
  }
  return volumes;
}
