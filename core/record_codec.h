// Everything that happens to a settings record between the controls and the settings file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "usr_setting.h"

namespace RecordCodec {

inline constexpr const char* kFileName = "Kestrune.txt";
inline constexpr const char kBeginTag[] = "Tambrel";
inline constexpr std::uint8_t kBeginTagShift = 21;
inline constexpr const char kEndTag[] = "Vorplex";
inline constexpr std::uint8_t kEndTagShift = 13;
inline constexpr int kBeginFillerBase = 86;
inline constexpr int kBeginFillerSpan = 31;
inline constexpr int kEndFillerBase = 51;
inline constexpr int kEndFillerSpan = 67;

// The settled differences between the two front ends.
struct CodecProfile {
  std::int8_t defaultSetting[kSlotCount];
  // A loaded file is taken only when both of its tags are valid.
  bool validateTags;
  // Where the file lives: the shell's desktop folder, or "~/Desktop" expanded.
  bool shellDesktop;
};

inline constexpr CodecProfile windowsProfile{{3, 2, 3, 1, 0, 0, 0, 0, 1, 0, 1}, true, true};
inline constexpr CodecProfile macProfile{{3, 1, 3, 1, 0, 0, 0, 0, 1, 0, 1}, false, false};

enum class LoadOutcome {
  Adopted,     // the file's bytes are now in the record
  Defaulted,   // no file, or no bytes in it: the record holds the profile's defaults
  Rejected,    // the file's tags were not valid: the record holds the profile's defaults
  Unreadable,  // the file is there but could not be read: the record holds the profile's defaults
};

// The outcome of a load, and for an unreadable file what the user must be told.
struct LoadResult {
  LoadOutcome outcome = LoadOutcome::Defaulted;
  std::string path;    // the file that was looked for; empty when no path could be formed
  std::string reason;  // why the file could not be read, or why no path could be formed
  operator LoadOutcome() const { return outcome; }
  // For an unreadable file, one message for the user: which file, why, and that a save will
  // replace it.
  std::string describe() const;
};

// The local date and time of a save, or nothing when local time cannot be had.
struct LocalStampValue {
  std::uint32_t year, month, day, hour, minute, second;
};
using LocalStamp = std::optional<LocalStampValue>;

// The current local time, as the save stamps it.
LocalStamp localStampNow();

void fillDefault(_USR_SETTING_& record, const CodecProfile& profile);
// Lowers each choice above its slot's highest index to that index; negative values stay.
void clampSettings(_USR_SETTING_& record);
// True when the image's two tags decode to ours; only their first seven bytes are looked at.
bool hasValidTags(std::span<const std::uint8_t, kRecordSize> image);
// Stamps the date and time, draws fresh filler and writes both tags. Without a local time the
// date is 0-0-0 and the time fields each kNoTimeField.
void sealRecord(_USR_SETTING_& record, const LocalStamp& stamp);
inline constexpr std::uint32_t kNoTimeField = 0xFFFFFFFFu;
// The stamp a save writes when local time cannot be had.
bool hasNoStamp(const _USR_SETTING_& record);

//--- The settings file

enum class SaveStep { Path, Folder, Link, Create, Write, Flush, Replace };
const char* saveStepName(SaveStep step);

// The outcome of a save. Success means the 476 bytes are on disk under the settings path.
struct SaveResult {
  bool written = false;
  SaveStep failedStep = SaveStep::Path;
  std::string reason;  // the system's words for the failure
  std::string path;    // the file that was to be written
  // Written, but the folder's entry could not be made durable: the system's words for that.
  std::string notice;
  explicit operator bool() const { return written; }
  // One line for the user: what failed, where and why.
  std::string describe() const;
};

struct PathResult {
  std::optional<std::string> path;
  std::string reason;  // why there is no path
};

// The settings file's full path for a profile. Paths are UTF-8 on every system.
PathResult settingsFilePath(const CodecProfile& profile);

#ifdef _WIN32
// A UTF-8 text as the system's wide calls take it.
std::wstring utf16Of(const std::string& text);
#endif

// Loads the settings file at the profile's path (or the given one) into the record.
LoadResult loadSettingsFile(_USR_SETTING_& record, const CodecProfile& profile);
LoadResult loadSettingsFile(_USR_SETTING_& record, const CodecProfile& profile,
                            const std::string& path);

// The file operations a save is made of. The system's are used unless a caller, such as a
// test that injects faults, brings its own.
class FileLayer {
 public:
  using Handle = std::intptr_t;
  enum class ReadStatus { Read, Missing, Failed };
  virtual ~FileLayer() = default;
  // Reads up to size bytes from the start of the file, through links. Missing when there is no
  // such file; Failed when it is there but cannot be read.
  virtual ReadStatus readPrefix(const std::string& path, std::uint8_t* data, std::size_t size,
                                std::size_t& got);
  // Readies the file's folder: the one desktop folder an account may lack is created.
  virtual bool prepareFolder(const std::string& path);
  // The file a save to path must replace: the final target when path is a link, else path.
  virtual bool resolve(const std::string& path, std::string& target);
  // Creates a new file of this save's own beside path, never opening an existing entry.
  virtual bool createTemporary(const std::string& path, Handle& file, std::string& temporary);
  virtual bool write(Handle file, const std::uint8_t* data, std::size_t size, std::size_t& written);
  // Makes what was written durable.
  virtual bool flush(Handle file);
  virtual void close(Handle file);
  // Puts from in the place of to in one step.
  virtual bool replace(const std::string& from, const std::string& to);
  // Makes the entries of the file's folder durable, the one just replaced among them.
  virtual bool syncFolder(const std::string& path);
  virtual void remove(const std::string& path);
  // Removes the temporaries that earlier saves of the file left when they were ended mid-way.
  virtual void removeLeftovers(const std::string& path);
  // The system's words for the last failed operation.
  virtual std::string lastError() const;

  static FileLayer& system();
};

// Stores the always-saved choices (storeSavedChoices), seals the record with the current local time
// and writes it durably: the previous file is replaced only by a complete new one. A link is saved
// through to its target; two saves at once each leave a whole record.
SaveResult saveSettingsFile(_USR_SETTING_& record, const CodecProfile& profile);
SaveResult saveSettingsFile(_USR_SETTING_& record, const std::string& path, const LocalStamp& stamp,
                            FileLayer& files = FileLayer::system());

}  // namespace RecordCodec
