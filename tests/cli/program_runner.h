// Runs the built command-line program as a user's shell would, and collects what it did.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
  int status = -1;
  std::string out;  // lines end in "\n" on every platform
  std::string err;
};

struct ProgramCall {
  std::vector<std::string> arguments;
  std::string input;             // standard input
  std::filesystem::path folder;  // the working folder
  // Environment changes for the program alone: a value to set, or nothing to unset.
  std::vector<std::pair<std::string, std::optional<std::string>>> environment;
  // Where standard output goes instead of a file in the working folder, such as a full device.
  std::filesystem::path output = {};
};

// Runs the program to its end; one that runs past a minute is ended and reported as such.
ProgramRun runProgram(const std::string& program, const ProgramCall& call);
