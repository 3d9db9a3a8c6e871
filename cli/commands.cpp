// The six commands: three that read a settings file, three that edit it through the core's save.
#include "commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>

#include "file_image.h"
#include "record_check.h"
#include "schedule_edits.h"
#include "schedule_words.h"
#include "setting_names.h"
#include "settings_document.h"
#include "settings_lock.h"
#include "shown_text.h"
#include "text_report.h"

namespace Commands {

namespace {

using SettingsDocument::Json;

constexpr std::size_t kDocumentLimit = 1024 * 1024;

std::string jsonText(const Json& document) {
  // A path need not be UTF-8; such bytes are shown as replacement characters.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::optional<FileImage> readOrTell(const std::string& file, Streams io) {
  FileRead read = readFileImage(file);
  if (!read.image) io.err << shown(file) << ": " << read.reason << '\n';
  return read.image;
}

// The size and the tags, which tell a settings file from any other.
std::string notOursText(const FileImage& image) {
  return "not a settings file (" + std::to_string(image.size) + " bytes, tags not valid)";
}

// Fills the record from the file, or from the profile's defaults when there is no file yet.
Status loadForEdit(const EditTarget& target, _USR_SETTING_& record, Streams io) {
  // Not even --force puts a file in the place of a device, a pipe or a folder.
  std::error_code error;
  const auto kind = std::filesystem::status(filesystemPath(target.file), error);
  if (std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind)) {
    io.err << shown(target.file) << ": not a regular file; only a settings file is replaced\n";
    return kFileProblem;
  }
  // Only a file with our tags is edited; anything else would carry foreign bytes into ours.
  RecordCodec::CodecProfile checking = *target.profile;
  checking.validateTags = true;
  const RecordCodec::LoadResult loaded =
      RecordCodec::loadSettingsFile(record, checking, target.file);
  switch (loaded.outcome) {
    case RecordCodec::LoadOutcome::Adopted:
    case RecordCodec::LoadOutcome::Defaulted:
      return kDone;
    case RecordCodec::LoadOutcome::Rejected:
      if (target.force) return kDone;
      io.err << shown(target.file) << ": not a settings file; --force replaces it\n";
      return kFileProblem;
    case RecordCodec::LoadOutcome::Unreadable:
      break;
  }
  // Never replaced by the defaults: the file may hold settings that could not be read just now.
  io.err << shown(target.file) << ": cannot be read: " << loaded.reason << '\n';
  return kFileProblem;
}

// One line per setting and per day that the edit changed: "exposure: EV:0 → EV:+1".
void tellChanges(const _USR_SETTING_& before, const _USR_SETTING_& after, Streams io) {
  for (int index = 0; index < kSlotCount; ++index) {
    if (before.setting[index] == after.setting[index]) continue;
    const auto slot = static_cast<SettingSlot>(index);
    io.out << SettingNames::nameOf(slot) << ": " << choiceText(slot, before.setting[index]) << " → "
           << choiceText(slot, after.setting[index]) << '\n';
  }
  for (int day = 0; day < kDayCount; ++day) {
    std::string was, is;
    for (int hour = 0; hour < kHourCount; ++hour) {
      was += modeLetter(before.schduce_procce_ir.week_schduce[day].rec_motion_status[hour]);
      is += modeLetter(after.schduce_procce_ir.week_schduce[day].rec_motion_status[hour]);
    }
    if (was != is) io.out << SettingNames::dayName(day) << ": " << was << " → " << is << '\n';
  }
}

Status edit(const EditTarget& target, Streams io, const std::function<void(_USR_SETTING_&)>& change,
            bool tell) {
  // Held from the read to the replace: a save by another writer in between would be lost.
  const RecordCodec::SettingsLock lock(target.file, RecordCodec::SettingsLock::kCommandLineWait);
  if (!lock) {
    io.err << "kestrune: " << shown(lock.reason()) << '\n';
    return kFileProblem;
  }
  _USR_SETTING_ record{};
  if (const Status loaded = loadForEdit(target, record, io); loaded != kDone) return loaded;
  const _USR_SETTING_ before = record;
  change(record);
  const auto saved =
      RecordCodec::saveSettingsFile(record, target.file, RecordCodec::localStampNow());
  if (!saved) {
    io.err << shown(saved.describe()) << '\n';
    return kFileProblem;
  }
  if (tell && !target.quiet) tellChanges(before, record, io);
  return kDone;
}

Status usageError(Streams io, const std::string& message) {
  io.err << "kestrune: " << message << '\n';
  return kUsageError;
}

struct Assignment {
  int slot;
  std::int8_t value;
};

// "name=value" read against the name and choice tables; nothing when it is wrong, and told why.
std::optional<Assignment> parseAssignment(const std::string& text, Streams io) {
  const auto equals = text.find('=');
  if (equals == std::string::npos) {
    usageError(io, "'" + shown(text) + "' is not NAME=VALUE");
    return std::nullopt;
  }
  const std::string name = text.substr(0, equals);
  const std::string value = text.substr(equals + 1);
  const auto slot = SettingNames::slotOfName(name);
  if (!slot) {
    std::string names;
    for (const char* known : SettingNames::settingNames())
      names += (names.empty() ? "" : ", ") + std::string(known);
    usageError(io, "unknown setting '" + shown(name) + "' (one of " + names + ")");
    return std::nullopt;
  }
  const auto choice = SettingNames::choiceOf(*slot, value);
  if (!choice) {
    usageError(io, name + ": '" + shown(value) + "' is not one of " +
                       SettingNames::choiceList(*slot) + " (or a position " +
                       SettingNames::choicePositions(*slot) + ")");
    return std::nullopt;
  }
  if (savedChoice(*slot, static_cast<std::int8_t>(*choice)) != *choice) {
    usageError(io, SettingNames::alwaysSavedNote());
    return std::nullopt;
  }
  return Assignment{static_cast<int>(*slot), static_cast<std::int8_t>(*choice)};
}

// Up to the limit and one byte more, so that a larger document is known as such.
std::optional<std::string> readLimited(std::istream& in, const std::string& name, Streams io) {
  std::string text;
  char buffer[64 * 1024];
  errno = 0;
  bool failed = false;
  try {
    while (text.size() <= kDocumentLimit && in) {
      in.read(buffer, sizeof buffer);
      text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    failed = in.bad() || (&in == &std::cin && std::ferror(stdin));
  } catch (const std::ios_base::failure&) {
    // The standard library's file streams report some read errors (of a folder) this way.
    failed = true;
  }
  if (failed) {
    io.err << name << ": cannot be read: " << std::strerror(errno ? errno : EIO) << '\n';
    return std::nullopt;
  }
  if (text.size() > kDocumentLimit) {
    io.err << name << ": larger than 1 MiB, which no settings document is\n";
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> readSource(const std::string& source, Streams io) {
  if (source == "-") return readLimited(io.in, "standard input", io);
  std::ifstream in(filesystemPath(source), std::ios::binary);
  if (!in) {
    io.err << shown(source) << ": cannot be read: " << std::strerror(errno) << '\n';
    return std::nullopt;
  }
  return readLimited(in, shown(source), io);
}

}  // namespace

const RecordCodec::CodecProfile& platformProfile() {
#ifdef _WIN32
  return RecordCodec::windowsProfile;
#else
  return RecordCodec::macProfile;
#endif
}

std::string defaultFile(Streams io) {
  const RecordCodec::PathResult where = RecordCodec::settingsFilePath(platformProfile());
  if (where.path) return *where.path;
  io.err << "kestrune: no settings file on the desktop (" << where.reason
         << "); name one with --file\n";
  return {};
}

Status show(const std::string& file, bool json, Streams io) {
  const auto image = readOrTell(file, io);
  if (!image) return kFileProblem;
  io.out << (json ? jsonText(SettingsDocument::reportOf(file, *image)) : textReport(file, *image));
  return kDone;
}

Status check(const std::vector<std::string>& files, bool all, Streams io) {
  Status status = kDone;
  for (const std::string& file : files) {
    std::vector<std::string> problems;
    if (file.empty()) {
      problems.push_back("an empty path names no file");
    } else if (const FileRead read = readFileImage(file); !read.image) {
      problems.push_back(read.reason);
    } else if (!all && !RecordCodec::hasValidTags(read.image->bytes)) {
      // Every other byte of a file of another kind is a problem too; they are not worth a line.
      problems.push_back(notOursText(*read.image) + "; --all lists every problem");
    } else {
      problems = RecordCheck::problemsOf(*read.image);
    }

    io.out << (file.empty() ? "''" : shown(file)) << ": ";
    if (problems.empty()) io.out << "ok";
    for (std::size_t i = 0; i < problems.size(); ++i) io.out << (i ? "; " : "") << problems[i];
    io.out << '\n';
    if (!problems.empty()) status = kFileProblem;
  }
  return status;
}

Status exportDocument(const std::string& file, bool force, Streams io) {
  const auto image = readOrTell(file, io);
  if (!image) return kFileProblem;
  // Its document would be made of foreign bytes, and importing it would overwrite good settings.
  if (!force && !RecordCodec::hasValidTags(image->bytes)) {
    io.err << shown(file) << ": " << notOursText(*image) << "; --force exports it anyway\n";
    return kFileProblem;
  }
  io.out << jsonText(SettingsDocument::documentOf(image->record()));
  return kDone;
}

Status set(const EditTarget& target, const std::vector<std::string>& assignments, Streams io) {
  std::vector<Assignment> changes;
  for (const std::string& text : assignments) {
    const auto assignment = parseAssignment(text, io);
    if (!assignment) return kUsageError;
    changes.push_back(*assignment);
  }
  return edit(
      target, io,
      [&](_USR_SETTING_& record) {
        for (const Assignment& change : changes) record.setting[change.slot] = change.value;
      },
      true);
}

Status schedule(const EditTarget& target, const std::string& days, const std::string& hours,
                const std::string& mode, Streams io) {
  const auto daySet = ScheduleWords::parseDays(days);
  if (!daySet.value) return usageError(io, daySet.error);
  const auto hourSet = ScheduleWords::parseHours(hours);
  if (!hourSet.value) return usageError(io, hourSet.error);
  const auto newMode = ScheduleWords::parseMode(mode);
  if (!newMode.value) return usageError(io, newMode.error);
  return edit(
      target, io,
      [&](_USR_SETTING_& record) {
        ScheduleEdits::setCells(record.schduce_procce_ir, *daySet.value, *hourSet.value,
                                *newMode.value);
      },
      true);
}

Status import(const EditTarget& target, const std::string& source, Streams io) {
  const auto text = readSource(source, io);
  if (!text) return kFileProblem;
  // The document is checked whole before the file is touched.
  const std::string name = source == "-" ? "standard input" : shown(source);
  _USR_SETTING_ trial{};
  std::vector<std::string> notices;
  if (const auto error = SettingsDocument::importText(*text, trial, &notices)) {
    io.err << "kestrune: " << name << ": " << *error << '\n';
    return kFileProblem;
  }
  for (const std::string& notice : notices)
    io.err << "kestrune: " << name << ": " << notice << '\n';
  return edit(
      target, io, [&](_USR_SETTING_& record) { SettingsDocument::importText(*text, record); },
      false);
}

}  // namespace Commands
