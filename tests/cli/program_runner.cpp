// Starts the program with its standard streams on files in the working folder and waits for it,
// with a time limit, so that a hanging program fails its test instead of stalling the run.
#include "program_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>

#include <mutex>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace {

constexpr int kLimitSeconds = 60;

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // A Windows console program ends its lines with CR LF.
  std::erase(text, '\r');
  return text;
}

#ifdef _WIN32

// One argument as the C runtime's command-line parser reads it back.
std::string quoted(const std::string& argument) {
  std::string result = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    result.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, '\\');
  return result + "\"";
}

// The build tree's paths are the host's; Wine shows the host's root as drive Z:.
std::string windowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

int runAndWait(const std::string& program, const ProgramCall& call, const std::filesystem::path& in,
               const std::filesystem::path& out, const std::filesystem::path& err) {
  // A program started from another thread at the same time would inherit these handles too and
  // keep the files open: the handles live only while no other thread starts a program.
  static std::mutex starting;
  std::unique_lock<std::mutex> alone(starting);
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  auto open = [&](const std::filesystem::path& path, DWORD access, DWORD disposition) {
    // Wine may close an ended program's handles a moment after its end is signalled: the files
    // can still be replaced and removed meanwhile.
    return CreateFileA(path.string().c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = open(in, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = open(out, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = open(err, GENERIC_WRITE, CREATE_ALWAYS);

  std::string commandLine = quoted(windowsPath(program));
  for (const auto& argument : call.arguments) commandLine += " " + quoted(argument);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, call.folder.string().c_str(), &startup, &process);
  const DWORD startError = GetLastError();
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
    CloseHandle(handle);
  alone.unlock();
  if (!started) {
    ADD_FAILURE() << "could not start " << commandLine << ": error " << startError;
    return -1;
  }
  DWORD status = 0;
  if (WaitForSingleObject(process.hProcess, kLimitSeconds * 1000) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    ADD_FAILURE() << commandLine << " ran past " << kLimitSeconds << " s and was ended";
  }
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

#else

int runAndWait(const std::string& program, const ProgramCall& call, const std::filesystem::path& in,
               const std::filesystem::path& out, const std::filesystem::path& err) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& argument : call.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    const bool ready = chdir(call.folder.c_str()) == 0 &&
                       dup2(open(in.c_str(), O_RDONLY), 0) == 0 &&
                       dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1) == 1 &&
                       dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2) == 2;
    for (const auto& [name, value] : call.environment)
      value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    // The alarm outlives exec: a program that hangs is ended by it.
    alarm(kLimitSeconds);
    if (ready) execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) {
    ADD_FAILURE() << "could not run " << program;
    return -1;
  }
  if (WIFSIGNALED(status)) {
    ADD_FAILURE() << program << " ended by signal " << WTERMSIG(status);
    return -1;
  }
  return WEXITSTATUS(status);
}

#endif

}  // namespace

ProgramRun runProgram(const std::string& program, const ProgramCall& call) {
  const auto in = call.folder / "run.in";
  const auto out = call.output.empty() ? call.folder / "run.out" : call.output;
  const auto err = call.folder / "run.err";
  std::ofstream(in, std::ios::binary) << call.input;
  ProgramRun run;
  run.status = runAndWait(program, call, in, out, err);
  if (call.output.empty()) run.out = readText(out);
  run.err = readText(err);
  // What cannot be removed yet goes with the test's scratch folder.
  std::error_code ignored;
  for (const auto& path : {in, out, err})
    if (path.parent_path() == call.folder) std::filesystem::remove(path, ignored);
  return run;
}
