// What a settings file held when the dialog last read or wrote it, so that OK can tell whether
// another program has changed it since.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FileSnapshot {
  enum class State { Missing, Read, Unreadable };
  State state = State::Missing;
  std::vector<std::uint8_t> bytes;

  static FileSnapshot Take(const std::string& path);

  // Whether the file as it is now was made or changed since this snapshot. A file that has gone
  // has nothing to replace, and one that cannot be read now shows nothing to compare: the save
  // meets it and says why. One that could not be read before was never seen, and the user was
  // told then that a save replaces it.
  bool ChangedBy(const FileSnapshot& now) const;
};
