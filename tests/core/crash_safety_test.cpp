// A save killed at any moment leaves a whole record on disk, the old one or the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

TEST(CrashSafety, WhenASavingProcessIsKilledAtRandomMomentsThenTheFileIsAlwaysAWholeRecord) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  _USR_SETTING_ first = sealedRecord();
  ASSERT_TRUE(saveSettingsFile(first, path, std::nullopt));

  std::mt19937 random(200);
  std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      _USR_SETTING_ record{};
      fillDefault(record, windowsProfile);
      for (std::int8_t n = 0;; ++n) {
        record.setting[0] = static_cast<std::int8_t>(n & 7);
        saveSettingsFile(record, path, std::nullopt);
      }
    }
    usleep(static_cast<useconds_t>(delayMicroseconds(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);

    const auto bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), kRecordSize) << "round " << round;
    _USR_SETTING_ onDisk{};
    EXPECT_EQ(loadSettingsFile(onDisk, windowsProfile, path), LoadOutcome::Adopted) << round;
  }
}
