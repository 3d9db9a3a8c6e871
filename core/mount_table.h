// Which mounts of a Linux mount table are removable volumes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cards.h"

// What the choice depends on besides the table: whose media folders to look in, and where the
// kernel tells which block devices are removable.
struct MountHost {
  std::string user;
  std::filesystem::path sysfs = "/sys";
};

// The removable volumes of a table in /proc/self/mountinfo's form: the mounts in the user's
// media folders (/media/USER/LABEL, /run/media/USER/LABEL), where the desktop's disk service
// puts removable media, and elsewhere the mounts of block devices the kernel marks removable.
// Network, pseudo and system file systems never count.
std::vector<Volume> removableVolumesIn(std::string_view mountTable, const MountHost& host);
