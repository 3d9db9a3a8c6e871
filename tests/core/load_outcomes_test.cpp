#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <random>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

namespace {

std::vector<std::uint8_t> defaultsOf(const CodecProfile& profile) {
  _USR_SETTING_ record{};
  fillDefault(record, profile);
  return bytesOf(record);
}

// A record written by either program, followed by more bytes than a record holds.
std::vector<std::uint8_t> longTaggedImage() {
  auto bytes = bytesOf(sealedRecord());
  bytes[147 + 24 * 2 + 5] = 7;
  for (int i = 0; i < 548; ++i) bytes.push_back(static_cast<std::uint8_t>(0xC0 + i % 7));
  return bytes;
}

std::vector<std::uint8_t> prefix(const std::vector<std::uint8_t>& bytes, std::size_t size) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

struct Loaded {
  LoadOutcome outcome;
  std::vector<std::uint8_t> bytes;
};

Loaded loadFrom(const ScratchFolder& folder, const std::vector<std::uint8_t>& file,
                const CodecProfile& profile) {
  const std::string path = folder.file("Kestrune.txt");
  writeBytes(path, file);
  _USR_SETTING_ record{};
  const LoadOutcome outcome = loadSettingsFile(record, profile, path);
  return {outcome, bytesOf(record)};
}

}  // namespace

TEST(LoadOutcomes, WhenNoFileExistsThenBothProfilesGiveTheirDefaults) {
  ScratchFolder folder;
  for (const CodecProfile* profile : {&windowsProfile, &macProfile}) {
    _USR_SETTING_ record{};
    EXPECT_EQ(loadSettingsFile(record, *profile, folder.file("absent.txt")),
              LoadOutcome::Defaulted);
    EXPECT_EQ(bytesOf(record), defaultsOf(*profile));
  }
}

TEST(LoadOutcomes, WhenTheFileIsOursThenBothProfilesAdoptItsFirst476Bytes) {
  ScratchFolder folder;
  const auto file = longTaggedImage();
  for (const CodecProfile* profile : {&windowsProfile, &macProfile}) {
    const Loaded loaded = loadFrom(folder, file, *profile);
    EXPECT_EQ(loaded.outcome, LoadOutcome::Adopted);
    EXPECT_EQ(loaded.bytes, prefix(file, kRecordSize));
  }
}

TEST(LoadOutcomes, WhenOneTagLetterIsWrongThenWindowsRejectsAndMacTakesItUnchanged) {
  ScratchFolder folder;
  auto file = prefix(longTaggedImage(), kRecordSize);
  file[343] ^= 1;
  const Loaded windows = loadFrom(folder, file, windowsProfile);
  EXPECT_EQ(windows.outcome, LoadOutcome::Rejected);
  EXPECT_EQ(windows.bytes, defaultsOf(windowsProfile));
  const Loaded mac = loadFrom(folder, file, macProfile);
  EXPECT_EQ(mac.outcome, LoadOutcome::Adopted);
  EXPECT_EQ(mac.bytes, file);
}

TEST(LoadOutcomes, WhenRejectedThenTheRecordKeepsWhatItHeldOutsideChoicesAndSchedule) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  writeBytes(path, std::vector<std::uint8_t>(kRecordSize, 0x41));
  _USR_SETTING_ record = sealedRecord();
  record.alignment_byte = 3;
  _USR_SETTING_ expected = record;
  fillDefault(expected, windowsProfile);
  EXPECT_EQ(loadSettingsFile(record, windowsProfile, path), LoadOutcome::Rejected);
  EXPECT_EQ(bytesOf(record), bytesOf(expected));
}

TEST(LoadOutcomes, WhenTheFileIsEmptyThenWindowsRejectsAndMacDefaults) {
  ScratchFolder folder;
  EXPECT_EQ(loadFrom(folder, {}, windowsProfile).outcome, LoadOutcome::Rejected);
  const Loaded mac = loadFrom(folder, {}, macProfile);
  EXPECT_EQ(mac.outcome, LoadOutcome::Defaulted);
  EXPECT_EQ(mac.bytes, defaultsOf(macProfile));
}

#ifndef _WIN32
TEST(LoadOutcomes, WhenAPipeWithoutAWriterStandsInTheFilesPlaceThenTheLoadDoesNotWaitForOne) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  for (const CodecProfile* profile : {&windowsProfile, &macProfile}) {
    _USR_SETTING_ record{};
    auto load =
        std::async(std::launch::async, [&] { return loadSettingsFile(record, *profile, path); });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      // A writer that comes and goes lets the waiting load end, so the test can.
      const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
      FAIL() << "the load waited for a writer";
    }
    // Nothing to read: as with an empty file.
    EXPECT_EQ(load.get(),
              profile == &windowsProfile ? LoadOutcome::Rejected : LoadOutcome::Defaulted);
  }
}
#endif

TEST(LoadOutcomes, WhenA400ByteFileHasBothTagsThenWindowsZeroesTheRestAndMacKeepsDefaults) {
  ScratchFolder folder;
  const auto file = prefix(longTaggedImage(), 400);
  const Loaded windows = loadFrom(folder, file, windowsProfile);
  EXPECT_EQ(windows.outcome, LoadOutcome::Adopted);
  auto expected = file;
  expected.resize(kRecordSize, 0);
  EXPECT_EQ(windows.bytes, expected);

  const Loaded mac = loadFrom(folder, file, macProfile);
  EXPECT_EQ(mac.outcome, LoadOutcome::Adopted);
  auto macExpected = defaultsOf(macProfile);
  std::copy(file.begin(), file.end(), macExpected.begin());
  EXPECT_EQ(mac.bytes, macExpected);
}

TEST(LoadOutcomes,
     WhenA300ByteFileEndsBeforeTheClosingTagThenWindowsRejectsAndMacKeepsTheLastHours) {
  ScratchFolder folder;
  const auto file = prefix(longTaggedImage(), 300);
  EXPECT_EQ(loadFrom(folder, file, windowsProfile).outcome, LoadOutcome::Rejected);
  const Loaded mac = loadFrom(folder, file, macProfile);
  EXPECT_EQ(mac.outcome, LoadOutcome::Adopted);
  for (std::size_t i = 0; i < 300; ++i) ASSERT_EQ(mac.bytes[i], file[i]) << i;
  for (std::size_t i = 300; i <= 314; ++i) ASSERT_EQ(mac.bytes[i], 2) << i;
  for (std::size_t i = 315; i < kRecordSize; ++i) ASSERT_EQ(mac.bytes[i], 0) << i;
}

// Every length a file can have up to twice a record, ours or noise, under both profiles.
TEST(LoadOutcomes, WhenTheFileHasAnyLengthUpTo1024ThenTheOutcomeFollowsWhatItHolds) {
  ScratchFolder folder;
  const auto tagged = longTaggedImage();
  std::mt19937 random(476);
  std::vector<std::uint8_t> noise(1024);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  noise[128] = 0;  // so the noise can never carry our opening tag
  const std::vector<std::uint8_t>& foreign = noise;

  for (std::size_t size = 0; size <= 1024; ++size) {
    const std::size_t used = std::min(size, kRecordSize);
    for (const auto* source : {&tagged, &foreign}) {
      std::vector<std::uint8_t> file(size);
      for (std::size_t i = 0; i < size; ++i) file[i] = (*source)[i % source->size()];

      const Loaded windows = loadFrom(folder, file, windowsProfile);
      const bool whole = source == &tagged && size >= 347;
      ASSERT_EQ(windows.outcome, whole ? LoadOutcome::Adopted : LoadOutcome::Rejected) << size;
      if (whole) {
        auto expected = prefix(file, used);
        expected.resize(kRecordSize, 0);
        ASSERT_EQ(windows.bytes, expected) << size;
      } else {
        ASSERT_EQ(windows.bytes, defaultsOf(windowsProfile)) << size;
      }

      const Loaded mac = loadFrom(folder, file, macProfile);
      ASSERT_EQ(mac.outcome, size == 0 ? LoadOutcome::Defaulted : LoadOutcome::Adopted) << size;
      auto expected = defaultsOf(macProfile);
      std::copy(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(used), expected.begin());
      ASSERT_EQ(mac.bytes, expected) << size;
    }
  }
}
