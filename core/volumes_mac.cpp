// The removable volumes of a Mac: what is mounted under /Volumes, apart from the start-up volume
// and network shares.
#include <sys/mount.h>
#include <sys/param.h>
#include <sys/ucred.h>

#include <cstring>
#include <string_view>

#include "cards.h"

std::vector<Volume> removableVolumes() {
  std::vector<Volume> volumes;
  struct statfs* mounts = nullptr;
  // MNT_NOWAIT answers from the kernel's table without asking any volume, so a stalled share
  // cannot hold the listing up.
  const int count = getmntinfo(&mounts, MNT_NOWAIT);
  constexpr std::string_view kVolumes = "/Volumes/";
  for (int i = 0; i < count; ++i) {
    const struct statfs& mount = mounts[i];
    const std::string_view target(mount.f_mntonname);
    if (!target.starts_with(kVolumes) || (mount.f_flags & MNT_ROOTFS) ||
        !(mount.f_flags & MNT_LOCAL))
      continue;
    const std::string_view label = target.substr(kVolumes.size());
    if (label.empty() || label.find('/') != std::string_view::npos) continue;
    volumes.push_back({std::string(target), std::string(label)});
  }
  return volumes;
}
