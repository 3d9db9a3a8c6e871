// On Windows the narrow arguments are in the ANSI code page and lose what it cannot hold, so
// they are taken from the wide command line instead.
#include "utf8_arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    arguments.push_back(text);
  }
  LocalFree(wide);
  return arguments;
#else
  return {argv, argv + argc};
#endif
}
