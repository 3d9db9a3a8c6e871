// What the command-line tables share: one private folder per case, the files a case starts
// from, and the checks of what the program printed and wrote.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "program_runner.h"
#include "record_bytes.h"
#include "scratch_folder.h"

using Bytes = std::vector<std::uint8_t>;
using Settings = std::array<int, kSlotCount>;
using Week = std::array<std::string, kDayCount>;

inline const std::string kMotionDay(kHourCount, 'M');
inline const Week kMotionWeek = {kMotionDay, kMotionDay, kMotionDay, kMotionDay,
                                 kMotionDay, kMotionDay, kMotionDay};
inline const Settings kWindowsDefaults = {3, 2, 3, 1, 0, 0, 0, 0, 1, 0, 1};

// A file as our editors write it: the Windows defaults, saved 2026-03-07 14:05:09, changed
// where the change says.
template <class Change>
Bytes ourFileWith(Change change) {
  _USR_SETTING_ record = sealedRecord();
  change(record);
  return bytesOf(record);
}
inline Bytes ourFile() {
  return bytesOf(sealedRecord());
}
inline Bytes foreignFile() {
  return Bytes(kRecordSize, 'x');
}

inline Settings settingsOf(const Bytes& bytes) {
  const _USR_SETTING_ record = recordOf(bytes);
  Settings values{};
  for (int slot = 0; slot < kSlotCount; ++slot) values[slot] = record.setting[slot];
  return values;
}

// The schedule as seven rows of letters, "?" for a byte that is no mode.
inline Week scheduleOf(const Bytes& bytes) {
  _USR_SETTING_ record = recordOf(bytes);
  Week rows;
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour)
      rows[day] += "-CM?"[std::min<unsigned>(scheduleCell(record, day, hour), 3)];
  return rows;
}

// A folder of its own in which the program runs.
class CaseFolder {
 public:
  void put(const std::string& name, const Bytes& bytes) { writeBytes(folder_.file(name), bytes); }
  ProgramRun run(std::vector<std::string> arguments, std::string input = {}) const {
    return runProgram(KESTRUNE_PROGRAM,
                      {std::move(arguments), std::move(input), folder_.path(), {}});
  }
  std::string file(const std::string& name) const { return folder_.file(name); }
  std::optional<Bytes> bytes(const std::string& name) const {
    if (!std::filesystem::exists(folder_.path() / name)) return std::nullopt;
    return readBytes(folder_.file(name));
  }
  const ScratchFolder& scratch() const { return folder_; }

 private:
  ScratchFolder folder_;
};

// One call of the program in a folder holding Kestrune.txt (or not), and what it must give.
struct Case {
  const char* what;
  Bytes before;  // Kestrune.txt at the start; empty for none
  std::vector<std::string> arguments;
  int status;
  std::string err;                        // all of standard error
  std::vector<std::string> out = {};      // parts of standard output, in order
  std::optional<Settings> settings = {};  // set when the call writes Kestrune.txt
  Week schedule = kMotionWeek;
  std::string input = {};
};

// A written file is whole, carries our tags and loads in our editors with what it was meant to.
inline void expectWritten(const Case& spec, const CaseFolder& folder) {
  const auto after = folder.bytes("Kestrune.txt");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->size(), kRecordSize);
  _USR_SETTING_ loaded{};
  EXPECT_EQ(RecordCodec::loadSettingsFile(loaded, RecordCodec::windowsProfile,
                                          folder.file("Kestrune.txt")),
            RecordCodec::LoadOutcome::Adopted);
  EXPECT_EQ(settingsOf(*after), *spec.settings);
  EXPECT_EQ(scheduleOf(*after), spec.schedule);
  EXPECT_EQ(folder.scratch().entries().size(), 1u) << "nothing left beside the file";
}

inline void runTable(const std::vector<Case>& cases) {
  for (const Case& spec : cases) {
    SCOPED_TRACE(spec.what);
    CaseFolder folder;
    if (!spec.before.empty()) folder.put("Kestrune.txt", spec.before);
    const ProgramRun run = folder.run(spec.arguments, spec.input);
    EXPECT_EQ(run.status, spec.status);
    EXPECT_EQ(run.err, spec.err);
    std::size_t from = 0;
    for (const std::string& part : spec.out) {
      const auto at = run.out.find(part, from);
      EXPECT_NE(at, std::string::npos) << "missing: " << part << "\nin:\n" << run.out;
      from = at == std::string::npos ? from : at + part.size();
    }
    if (spec.out.empty()) {
      EXPECT_EQ(run.out, "");
    }
    if (spec.settings) {
      expectWritten(spec, folder);
    } else {
      const auto after = folder.bytes("Kestrune.txt");
      EXPECT_EQ(after.value_or(Bytes{}), spec.before) << "the file is left as it was";
    }
  }
}
