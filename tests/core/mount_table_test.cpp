// Which mounts of a mount table are removable volumes, decided from the table alone and a
// sysfs tree made here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mount_table.h"
#include "scratch_folder.h"

namespace {

// A sysfs with a removable USB disk (8:16, partition 8:17), a fixed disk (8:0, partition 8:1)
// and a removable SD card as a whole disk (179:0).
void makeSysfs(const std::filesystem::path& sysfs) {
  namespace fs = std::filesystem;
  const auto disk = [&](const std::string& name, char removable) {
    fs::create_directories(sysfs / "block" / name);
    std::ofstream(sysfs / "block" / name / "removable") << removable << '\n';
  };
  const auto link = [&](const std::string& device, const std::string& folder) {
    fs::create_directories(sysfs / "block" / folder);
    fs::create_directories(sysfs / "dev" / "block");
    fs::create_directory_symlink(sysfs / "block" / folder, sysfs / "dev" / "block" / device);
  };
  disk("sdb", '1');
  link("8:17", "sdb/sdb1");
  disk("sda", '0');
  link("8:1", "sda/sda1");
  disk("mmcblk0", '1');
  link("179:0", "mmcblk0");
}

std::string mountLine(const std::string& device, const std::string& target, const std::string& type,
                      const std::string& source) {
  return "40 29 " + device + " / " + target + " rw,nosuid,nodev - " + type + " " + source + " rw\n";
}

const std::string kSystem =
    "22 1 8:2 / / rw,relatime - ext4 /dev/sda2 rw\n"
    "23 22 0:21 / /proc rw - proc proc rw\n"
    "24 22 0:5 / /dev rw - devtmpfs udev rw\n";

struct MountCase {
  const char* what;
  std::string table;
  std::vector<std::string> roots;  // the volumes found, each as "root|label"
};

}  // namespace

TEST(MountTable, OnlyTheUsersMediaAndRemovableDevicesAreVolumes) {
  const ScratchFolder folder;
  makeSysfs(folder.path());
  const std::vector<MountCase> cases = {
      {"a FUSE card in the user's media folder",
       mountLine("0:50", "/media/ann/CAMERA", "fuse.fusefat", "/dev/sdb1"),
       {"/media/ann/CAMERA|CAMERA"}},
      {"a blank in a label, written \\040 in the table",
       mountLine("179:1", "/run/media/ann/SD\\040CARD", "vfat", "/dev/mmcblk0p1"),
       {"/run/media/ann/SD CARD|SD CARD"}},
      {"a RAM disk in the media folder",
       mountLine("0:60", "/media/ann/RAM", "tmpfs", "tmpfs"),
       {"/media/ann/RAM|RAM"}},
      {"another user's media",
       mountLine("0:54", "/media/bob/STICK", "fuse.fusefat", "/dev/sdc1"),
       {}},
      {"a folder inside a card", mountLine("0:51", "/media/ann/CAMERA/DCIM", "tmpfs", "x"), {}},
      {"the kernel's own file system in the media folder",
       mountLine("0:22", "/media/ann/proc", "proc", "proc"),
       {}},
      {"a network share in the media folder",
       mountLine("0:70", "/media/ann/share", "nfs", "server:/share"),
       {}},
      {"a network share on /mnt", mountLine("0:71", "/mnt/nas", "cifs", "//nas/share"), {}},
      {"a removable disk's partition on /mnt",
       mountLine("8:17", "/mnt/sd", "vfat", "/dev/sdb1"),
       {"/mnt/sd|sd"}},
      {"a removable whole disk elsewhere",
       mountLine("179:0", "/srv2/card", "exfat", "/dev/mmc"),
       {"/srv2/card|card"}},
      {"a fixed disk on /mnt", mountLine("8:1", "/mnt/data", "ext4", "/dev/sda1"), {}},
      {"a removable disk holding the system's home",
       mountLine("8:17", "/home", "ext4", "/dev/sdb1"),
       {}},
      {"a FUSE mount outside the media folders",
       mountLine("0:52", "/mnt/stick", "fuse.exfat", "/dev/sdb1"),
       {}},
      {"a card mounted twice on one folder counts once",
       mountLine("0:50", "/media/ann/CAMERA", "vfat", "/dev/sdb1") +
           mountLine("0:53", "/media/ann/CAMERA", "vfat", "/dev/sdb1"),
       {"/media/ann/CAMERA|CAMERA"}},
      {"two cards in table order",
       mountLine("0:50", "/media/ann/B", "vfat", "/dev/sdb1") +
           mountLine("0:53", "/media/ann/A", "vfat", "/dev/sdc1"),
       {"/media/ann/B|B", "/media/ann/A|A"}},
      {"a line that is no mount is passed over",
       "garbage\n" + mountLine("0:50", "/media/ann/CAMERA", "vfat", "/dev/sdb1"),
       {"/media/ann/CAMERA|CAMERA"}},
      {"an empty table", "", {}},
  };
  for (const MountCase& spec : cases) {
    SCOPED_TRACE(spec.what);
    std::vector<std::string> roots;
    for (const Volume& volume : removableVolumesIn(kSystem + spec.table, {"ann", folder.path()}))
      roots.push_back(volume.root + "|" + volume.label);
    EXPECT_EQ(roots, spec.roots);
  }
}
