// Reads and writes settings files for the end-to-end scenarios of both programs, through the
// record's own fields and the codec's own rules, so that no script knows where a byte lies.
//
//   kestrune-record read FILE
//       "sealed" when the file is a record as a save writes it, else what keeps it from being
//       one ("; " between); then "choices" and the eleven choices, then "schedule" and the 168
//       hours, Monday 0:00 first. Values are the record's signed bytes.
//   kestrune-record write FILE ours|foreign CHOICES SCHEDULE
//       A record of the eleven choices and the 168 hours given (decimal, -128 to 255), with
//       filler in range, a fixed stamp, and our tags or tags no program of ours writes.
//
// Exit status 0 on success, 1 when the file cannot be read or written, 2 on a usage error.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "file_image.h"
#include "record_check.h"
#include "record_codec.h"
#include "setting_names.h"

namespace {

constexpr int kHoursOfWeek = kDayCount * kHourCount;

// The problems found in a file, "; " between.
class Problems {
 public:
  std::ostream& add() { return text_ << (text_.tellp() > 0 ? "; " : ""); }
  std::string text() const { return text_.str(); }

 private:
  std::ostringstream text_;
};

void checkTag(const char* which, std::span<const std::uint8_t> tag,
              std::span<const std::uint8_t> sealed, Problems& problems) {
  if (std::ranges::equal(tag, sealed)) return;
  std::ostream& out = problems.add() << which << " tag is";
  for (const int byte : tag) out << ' ' << byte;
  out << ", not";
  for (const int byte : sealed) out << ' ' << byte;
}

void checkFiller(const char* which, std::span<const std::uint8_t> filler, int base, int span,
                 Problems& problems) {
  const auto wrong =
      std::ranges::find_if(filler, [&](int b) { return b < base || b >= base + span; });
  if (wrong != filler.end())
    problems.add() << which << " filler byte " << wrong - filler.begin() << " is " << int{*wrong}
                   << ", outside " << base << "-" << base + span - 1;
}

// "sealed", or what keeps the file from being a record as a save writes it.
std::string statusOf(const FileImage& image) {
  Problems problems;
  if (image.size != kRecordSize)
    problems.add() << "size " << image.size << " bytes, not " << kRecordSize;
  const _USR_SETTING_ record = image.record();
  // A seal of our own gives the tags every save writes, their encoded terminators included.
  _USR_SETTING_ sealed{};
  RecordCodec::sealRecord(sealed, std::nullopt);
  checkTag("opening", record.check_begin_char, sealed.check_begin_char, problems);
  checkTag("closing", record.check_end_char, sealed.check_end_char, problems);
  checkFiller("leading", record.check_begin, RecordCodec::kBeginFillerBase,
              RecordCodec::kBeginFillerSpan, problems);
  checkFiller("trailing", record.check_end, RecordCodec::kEndFillerBase,
              RecordCodec::kEndFillerSpan, problems);
  if (RecordCodec::hasNoStamp(record))
    problems.add() << "no stamp";
  else if (!RecordCheck::isPossibleStamp(record))
    problems.add() << "stamp " << RecordCheck::stampText(record) << " is impossible";
  for (int index = 0; index < kSlotCount; ++index) {
    const auto slot = static_cast<SettingSlot>(index);
    const int saved = savedChoice(slot, record.setting[index]);
    if (record.setting[index] != saved)
      problems.add() << SettingNames::nameOf(slot) << " is " << int{record.setting[index]}
                     << ", which a save stores as " << saved;
  }
  const std::string text = problems.text();
  return text.empty() ? "sealed" : text;
}

int readCommand(const std::string& path) {
  const FileRead read = readFileImage(path);
  if (!read.image) {
    std::cerr << "kestrune-record: cannot read " << path << ": " << read.reason << "\n";
    return 1;
  }
  const _USR_SETTING_ record = read.image->record();
  std::cout << statusOf(*read.image) << "\nchoices";
  for (const int choice : record.setting) std::cout << ' ' << choice;
  std::cout << "\nschedule";
  for (const auto& day : record.schduce_procce_ir.week_schduce)
    for (const int mode : day.rec_motion_status) std::cout << ' ' << mode;
  std::cout << "\n";
  return 0;
}

// Exactly count decimal values of one byte each, a negative one standing for its byte.
std::optional<std::vector<std::int8_t>> bytesOf(const std::string& text, int count) {
  std::istringstream in(text);
  std::vector<std::int8_t> bytes;
  int value = 0;
  while (in >> value) {
    if (value < -128 || value > 255) return std::nullopt;
    bytes.push_back(static_cast<std::int8_t>(static_cast<std::uint8_t>(value)));
  }
  if (!in.eof() || bytes.size() != static_cast<std::size_t>(count)) return std::nullopt;
  return bytes;
}

int writeCommand(const std::string& path, const std::string& tags, const std::string& choiceText,
                 const std::string& scheduleText) {
  const auto choices = bytesOf(choiceText, kSlotCount);
  const auto hours = bytesOf(scheduleText, kHoursOfWeek);
  if ((tags != "ours" && tags != "foreign") || !choices || !hours) {
    std::cerr << "kestrune-record: write takes ours or foreign, " << kSlotCount << " choices and "
              << kHoursOfWeek << " hours, each -128 to 255\n";
    return 2;
  }
  _USR_SETTING_ record{};
  RecordCodec::sealRecord(record, RecordCodec::LocalStampValue{2025, 6, 15, 12, 30, 45});
  if (tags == "foreign") {
    std::ranges::fill(record.check_begin_char, 'A');
    std::ranges::fill(record.check_end_char, 'B');
  }
  std::ranges::copy(*choices, record.setting);
  auto hour = hours->begin();
  for (auto& day : record.schduce_procce_ir.week_schduce)
    for (auto& mode : day.rec_motion_status) mode = *hour++;

  std::ofstream out(filesystemPath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&record), sizeof record);
  out.close();
  if (!out) {
    std::cerr << "kestrune-record: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "read") return readCommand(args[1]);
  if (args.size() == 5 && args[0] == "write")
    return writeCommand(args[1], args[2], args[3], args[4]);
  std::cerr << "usage: kestrune-record read FILE\n"
               "       kestrune-record write FILE ours|foreign CHOICES SCHEDULE\n";
  return 2;
}
