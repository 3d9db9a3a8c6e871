// Defaults, clamping, tags, sealing, and the load and save procedures over a file layer.
#include "record_codec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace RecordCodec {

namespace {

using Image = std::array<std::uint8_t, kRecordSize>;

constexpr std::size_t kBeginTagOffset = offsetof(_USR_SETTING_, check_begin_char);
constexpr std::size_t kEndTagOffset = offsetof(_USR_SETTING_, check_end_char);
constexpr std::size_t kTagLetters = 7;

// A tag is its seven letters and a zero byte, each raised by the shift modulo 256.
void encodeTag(std::uint8_t (&tag)[8], const char* letters, std::uint8_t shift) {
  for (std::size_t i = 0; i < 8; ++i) {
    const auto plain = static_cast<std::uint8_t>(i < kTagLetters ? letters[i] : 0);
    tag[i] = static_cast<std::uint8_t>(plain + shift);
  }
}

bool tagMatches(const std::uint8_t* encoded, const char* letters, std::uint8_t shift) {
  for (std::size_t i = 0; i < kTagLetters; ++i) {
    if (static_cast<std::uint8_t>(encoded[i] - shift) != static_cast<std::uint8_t>(letters[i]))
      return false;
  }
  return true;
}

SaveResult failure(SaveStep step, std::string reason, const std::string& path) {
  SaveResult result;
  result.failedStep = step;
  result.reason = std::move(reason);
  result.path = path;
  return result;
}

// Writes the image to a temporary file of its own beside the target, makes it durable, then
// swaps it in: whatever fails, the previous file stays whole and this save's temporary file is
// gone. Other files, leftovers of other saves included, are never touched.
SaveResult writeDurably(const Image& image, const std::string& path, FileLayer& files) {
  if (!files.prepareFolder(path)) return failure(SaveStep::Folder, files.lastError(), path);
  std::string target;
  if (!files.resolve(path, target)) return failure(SaveStep::Link, files.lastError(), path);

  FileLayer::Handle file{};
  std::string temporary;
  if (!files.createTemporary(target, file, temporary))
    return failure(SaveStep::Create, files.lastError(), path);

  auto abandon = [&](SaveStep step, std::string reason) {
    files.close(file);
    files.remove(temporary);
    return failure(step, std::move(reason), path);
  };

  std::size_t done = 0;
  while (done < image.size()) {
    std::size_t written = 0;
    if (!files.write(file, image.data() + done, image.size() - done, written))
      return abandon(SaveStep::Write, files.lastError());
    if (written == 0)
      return abandon(SaveStep::Write, "only " + std::to_string(done) + " of " +
                                          std::to_string(image.size()) + " bytes could be written");
    done += written;
  }
  if (!files.flush(file)) return abandon(SaveStep::Flush, files.lastError());
  files.close(file);

  if (!files.replace(temporary, target)) {
    const std::string reason = files.lastError();
    files.remove(temporary);
    return failure(SaveStep::Replace, reason, path);
  }
  // From here on the new record is the file: whatever follows cannot make the save untrue.
  SaveResult result;
  result.written = true;
  result.path = path;
  if (!files.syncFolder(target)) result.notice = files.lastError();
  files.removeLeftovers(target);
  return result;
}

}  // namespace

void fillDefault(_USR_SETTING_& record, const CodecProfile& profile) {
  std::memcpy(record.setting, profile.defaultSetting, sizeof record.setting);
  for (auto& day : record.schduce_procce_ir.week_schduce)
    std::fill(std::begin(day.rec_motion_status), std::end(day.rec_motion_status), Motion);
}

void clampSettings(_USR_SETTING_& record) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int highest = highestChoice(static_cast<SettingSlot>(slot));
    if (record.setting[slot] > highest) record.setting[slot] = static_cast<std::int8_t>(highest);
  }
}

bool hasNoStamp(const _USR_SETTING_& record) {
  return record.g_year == 0 && record.g_month == 0 && record.g_day == 0 &&
         record.g_hour == kNoTimeField && record.g_min == kNoTimeField &&
         record.g_second == kNoTimeField;
}

bool hasValidTags(std::span<const std::uint8_t, kRecordSize> image) {
  return tagMatches(image.data() + kBeginTagOffset, kBeginTag, kBeginTagShift) &&
         tagMatches(image.data() + kEndTagOffset, kEndTag, kEndTagShift);
}

void sealRecord(_USR_SETTING_& record, const LocalStamp& stamp) {
  if (stamp) {
    record.g_year = stamp->year;
    record.g_month = stamp->month;
    record.g_day = stamp->day;
    record.g_hour = stamp->hour;
    record.g_min = stamp->minute;
    record.g_second = stamp->second;
  } else {
    record.g_year = record.g_month = record.g_day = 0;
    record.g_hour = record.g_min = record.g_second = kNoTimeField;
  }

  std::srand(static_cast<unsigned>(std::time(nullptr)));
  for (auto& byte : record.check_begin)
    byte = static_cast<std::uint8_t>(kBeginFillerBase + std::rand() % kBeginFillerSpan);
  for (auto& byte : record.check_end)
    byte = static_cast<std::uint8_t>(kEndFillerBase + std::rand() % kEndFillerSpan);

  encodeTag(record.check_begin_char, kBeginTag, kBeginTagShift);
  encodeTag(record.check_end_char, kEndTag, kEndTagShift);
}

const char* saveStepName(SaveStep step) {
  switch (step) {
    case SaveStep::Path:
      return "finding the desktop folder";
    case SaveStep::Folder:
      return "creating the desktop folder";
    case SaveStep::Link:
      return "following the link";
    case SaveStep::Create:
      return "creating the new file";
    case SaveStep::Write:
      return "writing the new file";
    case SaveStep::Flush:
      return "flushing the new file to disk";
    case SaveStep::Replace:
      return "replacing the old file";
  }
  return "saving";
}

std::string SaveResult::describe() const {
  std::string text = "Could not save ";
  text += path.empty() ? std::string(kFileName) : path;
  text += " (";
  text += saveStepName(failedStep);
  text += "): ";
  text += reason;
  return text;
}

std::string LoadResult::describe() const {
  return "Could not read " + path + ": " + reason +
         "\n\nThe defaults are shown. Saving will replace it.";
}

LoadResult loadSettingsFile(_USR_SETTING_& record, const CodecProfile& profile) {
  const PathResult where = settingsFilePath(profile);
  if (!where.path) {
    fillDefault(record, profile);
    return {LoadOutcome::Defaulted, {}, where.reason};
  }
  return loadSettingsFile(record, profile, *where.path);
}

LoadResult loadSettingsFile(_USR_SETTING_& record, const CodecProfile& profile,
                            const std::string& path) {
  Image scratch{};
  std::size_t got = 0;
  FileLayer& files = FileLayer::system();
  const FileLayer::ReadStatus read = files.readPrefix(path, scratch.data(), scratch.size(), got);
  // Whatever is there, the record starts from the defaults; only an adopted file goes over them.
  fillDefault(record, profile);
  switch (read) {
    case FileLayer::ReadStatus::Missing:
      return {LoadOutcome::Defaulted, path, {}};
    case FileLayer::ReadStatus::Failed:
      // Said out loud: the next save would otherwise replace settings the user never saw.
      return {LoadOutcome::Unreadable, path, files.lastError()};
    case FileLayer::ReadStatus::Read:
      break;
  }

  if (!profile.validateTags) {
    // Taken as it comes: the file's bytes, however many, over the defaults.
    if (got == 0) return {LoadOutcome::Defaulted, path, {}};
    std::memcpy(&record, scratch.data(), got);
    return {LoadOutcome::Adopted, path, {}};
  }
  // The tags are the only mark of our file; anything else leaves the record to the defaults.
  if (!hasValidTags(scratch)) return {LoadOutcome::Rejected, path, {}};
  std::memcpy(&record, scratch.data(), scratch.size());
  return {LoadOutcome::Adopted, path, {}};
}

SaveResult saveSettingsFile(_USR_SETTING_& record, const CodecProfile& profile) {
  const PathResult where = settingsFilePath(profile);
  if (!where.path) return failure(SaveStep::Path, where.reason, "");
  return saveSettingsFile(record, *where.path, localStampNow());
}

SaveResult saveSettingsFile(_USR_SETTING_& record, const std::string& path, const LocalStamp& stamp,
                            FileLayer& files) {
  storeSavedChoices(record);
  sealRecord(record, stamp);
  Image image;
  std::memcpy(image.data(), &record, image.size());
  return writeDurably(image, path, files);
}

}  // namespace RecordCodec
