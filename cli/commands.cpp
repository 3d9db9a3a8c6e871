// The six commands: three that read a settings file, three that edit it through the core's save.
#include "commands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>

#include "file_image.h"
#include "record_check.h"
#include "schedule_words.h"
#include "setting_names.h"
#include "settings_lock.h"
#include "settings_document.h"
#include "text_report.h"

namespace Commands {

namespace {

using SettingsDocument::Json;

std::string jsonText(const Json& document) {
  // A path need not be UTF-8; such bytes are shown as replacement characters.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::optional<FileImage> readOrTell(const std::string& file, Streams io) {
  FileRead read = readFileImage(file);
  if (!read.image) io.err << file << ": " << read.reason << '\n';
  return read.image;
}

// Fills the record from the file, or from the profile's defaults when there is no file yet.
Status loadForEdit(const EditTarget& target, _USR_SETTING_& record, Streams io) {
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
      io.err << target.file << ": not a settings file; --force replaces it\n";
      return kFileProblem;
    case RecordCodec::LoadOutcome::Unreadable:
      break;
  }
  // Never replaced by the defaults: the file may hold settings that could not be read just now.
  io.err << target.file << ": cannot be read: " << loaded.reason << '\n';
  return kFileProblem;
}

Status edit(const EditTarget& target, Streams io,
            const std::function<void(_USR_SETTING_&)>& change) {
  // Held from the read to the replace: a save by another writer in between would be lost.
  const RecordCodec::SettingsLock lock(target.file, RecordCodec::SettingsLock::kCommandLineWait);
  if (!lock) {
    io.err << "kestrune: " << lock.reason() << '\n';
    return kFileProblem;
  }
  _USR_SETTING_ record{};
  if (const Status loaded = loadForEdit(target, record, io); loaded != kDone) return loaded;
  change(record);
  const auto saved =
      RecordCodec::saveSettingsFile(record, target.file, RecordCodec::localStampNow());
  if (!saved) {
    io.err << saved.describe() << '\n';
    return kFileProblem;
  }
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
    usageError(io, "'" + text + "' is not NAME=VALUE");
    return std::nullopt;
  }
  const std::string name = text.substr(0, equals);
  const std::string value = text.substr(equals + 1);
  const auto slot = SettingNames::slotOfName(name);
  if (!slot) {
    std::string names;
    for (const char* known : SettingNames::settingNames())
      names += (names.empty() ? "" : ", ") + std::string(known);
    usageError(io, "unknown setting '" + name + "' (one of " + names + ")");
    return std::nullopt;
  }
  const auto choice = SettingNames::choiceOf(*slot, value);
  if (!choice) {
    usageError(io, name + ": '" + value + "' is not one of " + SettingNames::choiceList(*slot) +
                       " (or an index " + SettingNames::choiceRange(*slot) + ")");
    return std::nullopt;
  }
  if (*slot == SettingSlot::RecAudio && *choice != 0) {
    usageError(io, "rec-audio is always saved as ON");
    return std::nullopt;
  }
  return Assignment{static_cast<int>(*slot), static_cast<std::int8_t>(*choice)};
}

std::optional<std::string> readSource(const std::string& source, Streams io) {
  if (source == "-")
    return std::string(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
  std::ifstream in(filesystemPath(source), std::ios::binary);
  if (!in) {
    io.err << source << ": cannot be read: " << std::strerror(errno) << '\n';
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

Status check(const std::vector<std::string>& files, Streams io) {
  Status status = kDone;
  for (const std::string& file : files) {
    const FileRead read = readFileImage(file);
    std::vector<std::string> problems;
    if (read.image)
      problems = RecordCheck::problemsOf(*read.image);
    else
      problems.push_back(read.reason);

    io.out << file << ": ";
    if (problems.empty()) io.out << "ok";
    for (std::size_t i = 0; i < problems.size(); ++i) io.out << (i ? "; " : "") << problems[i];
    io.out << '\n';
    if (!problems.empty()) status = kFileProblem;
  }
  return status;
}

Status exportDocument(const std::string& file, Streams io) {
  const auto image = readOrTell(file, io);
  if (!image) return kFileProblem;
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
  return edit(target, io, [&](_USR_SETTING_& record) {
    for (const Assignment& change : changes) record.setting[change.slot] = change.value;
  });
}

Status schedule(const EditTarget& target, const std::string& days, const std::string& hours,
                const std::string& mode, Streams io) {
  const auto daySet = ScheduleWords::parseDays(days);
  if (!daySet.value) return usageError(io, daySet.error);
  const auto hourSet = ScheduleWords::parseHours(hours);
  if (!hourSet.value) return usageError(io, hourSet.error);
  const auto newMode = ScheduleWords::parseMode(mode);
  if (!newMode.value) return usageError(io, newMode.error);
  return edit(target, io, [&](_USR_SETTING_& record) {
    ScheduleEdits::setCells(record.schduce_procce_ir, *daySet.value, *hourSet.value,
                            *newMode.value);
  });
}

Status import(const EditTarget& target, const std::string& source, Streams io) {
  const auto text = readSource(source, io);
  if (!text) return kFileProblem;
  // The document is checked whole before the file is touched.
  _USR_SETTING_ trial{};
  if (const auto error = SettingsDocument::importText(*text, trial))
    return usageError(io, (source == "-" ? "standard input" : source) + ": " + *error);
  return edit(target, io,
              [&](_USR_SETTING_& record) { SettingsDocument::importText(*text, record); });
}

}  // namespace Commands
