// Two programs saving at once, while a third keeps reading: the file is always a whole record,
// and the last record a program reports as written is the one on disk.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

namespace fs = std::filesystem;

namespace {

constexpr int kSavesPerProgram = 2000;
// The reader stops at this count even if the savers never end.
constexpr long kMostReads = 50'000'000;

// The saving program, which is built beside this test.
fs::path saveLoopProgram() {
#ifdef _WIN32
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path() / "save_loop.exe";
#else
  return fs::read_symlink("/proc/self/exe").parent_path() / "save_loop";
#endif
}

// A program started with arguments; it is waited for when the test is done with it.
class ChildProcess {
 public:
  ChildProcess(const fs::path& program, const std::vector<std::string>& arguments) {
#ifdef _WIN32
    std::wstring line = L"\"" + program.wstring() + L"\"";
    for (const std::string& argument : arguments) line += L" \"" + utf16Of(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
      CloseHandle(process.hThread);
      process_ = process.hProcess;
    }
#else
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
#endif
  }
  ~ChildProcess() {
    wait();
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const {
#ifdef _WIN32
    return process_ != nullptr;
#else
    return pid_ > 0;
#endif
  }

  bool running() {
    if (status_ >= 0 || !started()) return false;
#ifdef _WIN32
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) return true;
#else
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == 0) return true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
#endif
    wait();
    return false;
  }

  // The exit status once the program has ended.
  int wait() {
    if (status_ >= 0 || !started()) return status_;
#ifdef _WIN32
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    status_ = static_cast<int>(code);
#else
    int status = 0;
    waitpid(pid_, &status, 0);
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
#endif
    return status_;
  }

 private:
#ifdef _WIN32
  HANDLE process_ = nullptr;
#else
  pid_t pid_ = -1;
#endif
  int status_ = -1;
};

// What a read of the file found, as save_loop marks its records.
struct Seen {
  std::size_t size;
  bool tagged;
  int mark;
  int number;
};

Seen readSettings(const std::string& path) {
  std::array<std::uint8_t, 2 * kRecordSize> bytes{};
  std::size_t got = 0;
  if (FileLayer::system().readPrefix(path, bytes.data(), bytes.size(), got) !=
      FileLayer::ReadStatus::Read)
    return {0, false, 0, 0};
  std::array<std::uint8_t, kRecordSize> image{};
  std::copy(bytes.begin(), bytes.begin() + kRecordSize, image.begin());
  _USR_SETTING_ record = recordOf({image.begin(), image.end()});
  return {got, hasValidTags(image), scheduleCell(record, 0, 0),
          scheduleCell(record, 0, 1) + 128 * scheduleCell(record, 0, 2)};
}

}  // namespace

TEST(ConcurrentSaves, WhenTwoProgramsSaveAtOnceThenAReaderOnlyEverSeesWholeRecords) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  _USR_SETTING_ first = sealedRecord();
  ASSERT_TRUE(saveSettingsFile(first, path, std::nullopt));

  const std::string count = std::to_string(kSavesPerProgram);
  ChildProcess one(saveLoopProgram(), {path, "1", count});
  ChildProcess two(saveLoopProgram(), {path, "2", count});
  ASSERT_TRUE(one.started() && two.started());

  long reads = 0;
  long broken = 0;
  while ((one.running() || two.running()) && reads < kMostReads) {
    const Seen seen = readSettings(path);
    ++reads;
    if (seen.size != kRecordSize || !seen.tagged) {
      if (broken++ < 5) ADD_FAILURE() << "read " << reads << " found " << seen.size << " bytes";
    }
  }
  // Windows refuses to replace a file that another program has open at that very moment; the
  // save then says so, and pressing OK again saves. Elsewhere a replace is never refused.
#ifdef _WIN32
  constexpr int kMostRefusals = 1;
#else
  constexpr int kMostRefusals = 0;
#endif
  EXPECT_LE(one.wait(), kMostRefusals) << "program 1";
  EXPECT_LE(two.wait(), kMostRefusals) << "program 2";
  EXPECT_EQ(broken, 0) << "of " << reads << " reads";
  EXPECT_GT(reads, 0);
  std::printf("%d saves by each of two programs; %ld reads, %ld not a whole record\n",
              kSavesPerProgram, reads, broken);

  // The file is the last save of one of the programs, and nothing else is left beside it.
  const Seen last = readSettings(path);
  EXPECT_EQ(last.size, kRecordSize);
  EXPECT_TRUE(last.mark == 1 || last.mark == 2) << last.mark;
  EXPECT_EQ(last.number, kSavesPerProgram - 1);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
}
