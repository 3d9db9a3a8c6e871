// A second program saving the settings file over and over, for the concurrent-save test.
//   save_loop PATH MARK COUNT
// Each record carries MARK in its first schedule hour and its number, 0 to COUNT - 1, in the
// next two. Exit status: 0 when every save reported success, 1 otherwise, 2 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "record_codec.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: save_loop PATH MARK COUNT\n", stderr);
    return 2;
  }
  const std::string path = argv[1];
  const int mark = std::atoi(argv[2]);
  const int count = std::atoi(argv[3]);
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  int failures = 0;
  for (int number = 0; number < count; ++number) {
    scheduleCell(record, 0, 0) = static_cast<std::int8_t>(mark);
    scheduleCell(record, 0, 1) = static_cast<std::int8_t>(number & 0x7F);
    scheduleCell(record, 0, 2) = static_cast<std::int8_t>(number >> 7);
    const RecordCodec::SaveResult saved = RecordCodec::saveSettingsFile(record, path, std::nullopt);
    if (!saved) {
      std::fprintf(stderr, "save %d: %s\n", number, saved.describe().c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
