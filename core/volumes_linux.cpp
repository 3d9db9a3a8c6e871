// The removable volumes of a Linux machine: its mount table read with libmount, util-linux's
// own parser, and chosen by where the desktop mounts media and what the kernel marks removable.
#include <libmount/libmount.h>
#include <pwd.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "mount_table.h"

namespace {

// Top-level folders of the system itself: a removable disk mounted there (a live system's
// stick, a /home on a USB disk) is not a card.
constexpr std::string_view kSystemFolders[] = {"boot", "etc", "home", "opt", "root", "snap",
                                               "srv",  "tmp", "usr",  "var", "efi"};

bool isSystemMount(std::string_view target) {
  if (target == "/") return true;
  for (const std::string_view folder : kSystemFolders) {
    const std::string top = "/" + std::string(folder);
    if (target == top || target.starts_with(top + "/")) return true;
  }
  return false;
}

// The label of a mount in a media folder ("/media/ann/CAMERA" is CAMERA); empty when the mount
// is not directly in one of the user's media folders.
std::string mediaLabel(std::string_view target, const std::string& user) {
  for (const std::string& folder : {"/media/" + user + "/", "/run/media/" + user + "/"}) {
    if (!target.starts_with(folder)) continue;
    const std::string_view label = target.substr(folder.size());
    if (!label.empty() && label.find('/') == std::string_view::npos) return std::string(label);
  }
  return {};
}

// The kernel's removable flag of a block device; a partition carries its disk's.
bool markedRemovable(const std::filesystem::path& sysfs, dev_t device) {
  std::error_code error;
  const auto block = std::filesystem::canonical(
      sysfs / "dev" / "block" /
          (std::to_string(major(device)) + ":" + std::to_string(minor(device))),
      error);
  if (error) return false;
  for (const auto& folder : {block, block.parent_path()}) {
    std::ifstream flag(folder / "removable");
    char value = 0;
    if (flag.get(value)) return value == '1';
  }
  return false;
}

std::string lastComponent(std::string_view target) {
  return std::string(target.substr(target.rfind('/') + 1));
}

struct TableDeleter {
  void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
struct IteratorDeleter {
  void operator()(libmnt_iter* iterator) const { mnt_free_iter(iterator); }
};
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<Volume> removableVolumesIn(std::string_view mountTable, const MountHost& host) {
  std::vector<Volume> volumes;
  if (mountTable.empty()) return volumes;
  // libmount reads a table from a stream; the text is given to it as one.
  std::string text(mountTable);
  const std::unique_ptr<std::FILE, FileCloser> stream(fmemopen(text.data(), text.size(), "r"));
  const std::unique_ptr<libmnt_table, TableDeleter> table(mnt_new_table());
  const std::unique_ptr<libmnt_iter, IteratorDeleter> iterator(mnt_new_iter(MNT_ITER_FORWARD));
  if (!stream || !table || !iterator) return volumes;
  // Lines libmount cannot parse are skipped, not fatal: the rest of the table still counts.
  mnt_table_set_parser_errcb(table.get(), [](libmnt_table*, const char*, int) { return 1; });
  mnt_table_parse_stream(table.get(), stream.get(), "mount table");

  libmnt_fs* fs = nullptr;
  while (mnt_table_next_fs(table.get(), iterator.get(), &fs) == 0) {
    const char* targetText = mnt_fs_get_target(fs);
    const char* typeText = mnt_fs_get_fstype(fs);
    if (!targetText || mnt_fs_is_netfs(fs)) continue;
    const std::string_view target(targetText);
    const std::string_view type(typeText ? typeText : "");

    std::string label = mediaLabel(target, host.user);
    if (!label.empty()) {
      // A desktop mounts only media in its media folders; a RAM disk there holds files like any
      // volume, unlike the kernel's own file systems.
      if (mnt_fs_is_pseudofs(fs) && type != "tmpfs") continue;
    } else {
      const dev_t device = mnt_fs_get_devno(fs);
      if (mnt_fs_is_pseudofs(fs) || major(device) == 0 || isSystemMount(target) ||
          !markedRemovable(host.sysfs, device))
        continue;
      label = lastComponent(target);
    }
    // A later mount on the same folder hides the earlier one.
    std::erase_if(volumes, [&](const Volume& volume) { return volume.root == target; });
    volumes.push_back({std::string(target), label});
  }
  return volumes;
}

std::vector<Volume> removableVolumes() {
  std::ifstream in("/proc/self/mountinfo", std::ios::binary);
  const std::string table{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const passwd* account = getpwuid(geteuid());
  return removableVolumesIn(table, {account ? account->pw_name : "", "/sys"});
}
