// Helper programs that a test starts beside itself and waits for.
#pragma once

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

#include "record_codec.h"

// A helper program built beside the test executable.
inline std::filesystem::path helperProgram(const std::string& name) {
#ifdef _WIN32
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path() / (name + ".exe");
#else
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
#endif
}

// A program started with arguments; it is waited for when the test is done with it.
class ChildProcess {
 public:
  ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
#ifdef _WIN32
    std::wstring line = L"\"" + program.wstring() + L"\"";
    for (const std::string& argument : arguments)
      line += L" \"" + RecordCodec::utf16Of(argument) + L"\"";
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
