#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

namespace {

constexpr LocalStampValue kStamp{2026, 3, 7, 14, 5, 9};

// The system's file operations, but the chosen step fails as the system would report it.
class FaultyFiles : public FileLayer {
 public:
  enum class Fault { None, Create, Write, StalledWrite, Flush, Replace, SyncFolder };
  explicit FaultyFiles(Fault fault, std::size_t chunk = kRecordSize)
      : fault_(fault), chunk_(chunk) {}

  bool createTemporary(const std::string& path, Handle& file, std::string& temporary) override {
    if (fault_ == Fault::Create) return injected();
    return FileLayer::createTemporary(path, file, temporary);
  }
  bool write(Handle file, const std::uint8_t* data, std::size_t size,
             std::size_t& written) override {
    if (fault_ == Fault::Write) return injected();
    if (fault_ == Fault::StalledWrite && calls_++ > 0) {
      written = 0;
      return true;
    }
    return FileLayer::write(file, data, std::min(size, chunk_), written);
  }
  bool flush(Handle file) override {
    if (fault_ == Fault::Flush) return injected();
    return FileLayer::flush(file);
  }
  bool replace(const std::string& from, const std::string& to) override {
    if (fault_ == Fault::Replace) return injected();
    return FileLayer::replace(from, to);
  }
  bool syncFolder(const std::string& path) override {
    if (fault_ == Fault::SyncFolder) return injected();
    return FileLayer::syncFolder(path);
  }
  std::string lastError() const override {
    return injected_ ? "injected fault" : FileLayer::lastError();
  }

 private:
  bool injected() {
    injected_ = true;
    return false;
  }
  Fault fault_;
  std::size_t chunk_;
  int calls_ = 0;
  bool injected_ = false;
};

struct SaveCase {
  FaultyFiles::Fault fault;
  SaveStep step;
  const char* reason;
};

_USR_SETTING_ editedRecord() {
  _USR_SETTING_ record{};
  fillDefault(record, windowsProfile);
  record.setting[0] = 0;
  scheduleCell(record, 1, 1) = Off;
  return record;
}

}  // namespace

TEST(SaveFailures, WhenAnyStepFailsThenTheOldFileSurvivesAndNoTemporaryFileIsLeft) {
  const SaveCase cases[] = {
      {FaultyFiles::Fault::Create, SaveStep::Create, "injected fault"},
      {FaultyFiles::Fault::Write, SaveStep::Write, "injected fault"},
      {FaultyFiles::Fault::StalledWrite, SaveStep::Write, "only 100 of 476"},
      {FaultyFiles::Fault::Flush, SaveStep::Flush, "injected fault"},
      {FaultyFiles::Fault::Replace, SaveStep::Replace, "injected fault"},
  };
  for (const SaveCase& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.file("Kestrune.txt");
    const auto old = bytesOf(sealedRecord());
    writeBytes(path, old);

    FaultyFiles files(c.fault, c.fault == FaultyFiles::Fault::StalledWrite ? 100 : kRecordSize);
    _USR_SETTING_ record = editedRecord();
    const SaveResult result = saveSettingsFile(record, path, kStamp, files);

    SCOPED_TRACE(saveStepName(c.step));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.failedStep, c.step);
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
    const std::string described = result.describe();
    EXPECT_NE(described.find(path), std::string::npos) << described;
    EXPECT_NE(described.find(saveStepName(c.step)), std::string::npos) << described;
    EXPECT_NE(described.find(c.reason), std::string::npos) << described;
  }
}

TEST(SaveFailures, WhenTheFolderIsMissingThenCreateFailsWithTheSystemsReason) {
  ScratchFolder folder;
  _USR_SETTING_ record = editedRecord();
  const SaveResult result =
      saveSettingsFile(record, folder.file("missing") + "/Kestrune.txt", kStamp);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.failedStep, SaveStep::Create);
  EXPECT_FALSE(result.reason.empty());
}

TEST(SaveFailures, WhenTheSettingsPathIsAFolderThenTheSaveFailsAndTheFolderStays) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  std::filesystem::create_directory(path);
  _USR_SETTING_ record = editedRecord();
  const SaveResult result = saveSettingsFile(record, path, kStamp);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.failedStep, SaveStep::Replace);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
}

TEST(Saving, WhenWritesComeInPiecesThenTheWholeRecordIsSaved) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  FaultyFiles files(FaultyFiles::Fault::None, 100);
  _USR_SETTING_ record = editedRecord();
  ASSERT_TRUE(saveSettingsFile(record, path, kStamp, files));
  EXPECT_EQ(readBytes(path), bytesOf(record));
}

TEST(Saving, WhenSavedThenThe476SealedBytesReplaceTheOldFileWithRecAudioOn) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  writeBytes(path, std::vector<std::uint8_t>(1000, 0x33));
  _USR_SETTING_ record = editedRecord();
  record.setting[static_cast<int>(SettingSlot::RecAudio)] = 1;

  const SaveResult result = saveSettingsFile(record, path, kStamp);
  ASSERT_TRUE(result) << result.describe();

  const auto bytes = readBytes(path);
  ASSERT_EQ(bytes.size(), kRecordSize);
  EXPECT_EQ(bytes, bytesOf(record));
  EXPECT_EQ(bytes[143], 0);
  EXPECT_EQ(bytes[136], 0);
  EXPECT_EQ(bytes[147 + 24 + 1], Off);
  EXPECT_EQ(record.g_year, 2026u);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
}

TEST(Saving, WhenEitherProgramSavesThenTheWindowsProfileAdoptsTheFile) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  for (const CodecProfile* writer : {&windowsProfile, &macProfile}) {
    _USR_SETTING_ written{};
    fillDefault(written, *writer);
    ASSERT_TRUE(saveSettingsFile(written, path, std::nullopt));
    _USR_SETTING_ read{};
    EXPECT_EQ(loadSettingsFile(read, windowsProfile, path), LoadOutcome::Adopted);
    EXPECT_EQ(bytesOf(read), bytesOf(written));
  }
}

TEST(SaveFailures, WhenTheFolderSyncFailsAfterTheReplaceThenTheSaveIsWrittenWithANotice) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  writeBytes(path, bytesOf(sealedRecord()));
  FaultyFiles files(FaultyFiles::Fault::SyncFolder);
  _USR_SETTING_ record = editedRecord();
  const SaveResult result = saveSettingsFile(record, path, kStamp, files);
  EXPECT_TRUE(result) << result.describe();
  EXPECT_EQ(result.notice, "injected fault");
  EXPECT_EQ(readBytes(path), bytesOf(record));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
}
