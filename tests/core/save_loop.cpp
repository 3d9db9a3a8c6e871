// A second program saving the settings file over and over, for the concurrent-save test.
//   save_loop PATH MARK COUNT
// Each record carries MARK in its first schedule hour and its number, 0 to COUNT - 1, in the
// next two. A save that is refused is tried again, as a user would press OK again.
// Exit status: 0 when every save was written at the first try, 1 when some had to be tried
// again, 2 when one could not be written at all, 3 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "record_codec.h"

namespace {

constexpr int kTries = 10;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: save_loop PATH MARK COUNT\n", stderr);
    return 3;
  }
  const std::string path = argv[1];
  const int mark = std::atoi(argv[2]);
  const int count = std::atoi(argv[3]);
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  int refused = 0;
  for (int number = 0; number < count; ++number) {
    scheduleCell(record, 0, 0) = static_cast<std::int8_t>(mark);
    scheduleCell(record, 0, 1) = static_cast<std::int8_t>(number & 0x7F);
    scheduleCell(record, 0, 2) = static_cast<std::int8_t>(number >> 7);
    for (int tries = 1;; ++tries) {
      const RecordCodec::SaveResult saved =
          RecordCodec::saveSettingsFile(record, path, std::nullopt);
      if (saved) break;
      if (refused++ < 3) std::fprintf(stderr, "save %d: %s\n", number, saved.describe().c_str());
      if (tries == kTries) return 2;
    }
  }
  std::fprintf(stderr, "program %d: %d saves, %d refused and tried again\n", mark, count, refused);
  return refused == 0 ? 0 : 1;
}
