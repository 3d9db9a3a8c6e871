// kestrune: reads, checks and edits the camera's settings file from the command line.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "card_commands.h"
#include "commands.h"
#include "schedule_words.h"
#include "setting_names.h"
#include "utf8_arguments.h"

namespace {

struct Arguments {
  std::string file;
  std::vector<std::string> files;
  std::string profile;
  bool force = false;
  bool json = false;
  bool quiet = false;
  bool all = false;
  std::vector<std::string> assignments;
  std::string days, hours, mode, source;
  std::string card;
  std::vector<CLI::Option*> cardOptions;
  bool cardChosen() const {
    return std::any_of(cardOptions.begin(), cardOptions.end(),
                       [](const CLI::Option* option) { return option->count() > 0; });
  }
};

// --card, --card=LABEL, --card ROOT: the settings file at a card's root instead of a path.
CLI::Option* addCardOption(CLI::App& command, Arguments& arguments) {
  CLI::Option* option =
      command
          .add_option("--card", arguments.card,
                      "The settings file on the camera card (the one present, or by LABEL or ROOT)")
          ->expected(0, 1)
          ->type_name("[LABEL|ROOT]");
  arguments.cardOptions.push_back(option);
  return option;
}

// An empty path (a script's unset variable) must not fall back to the desktop's file.
const CLI::Validator kNamesAFile(
    [](std::string& path) {
      return path.empty() ? std::string("an empty path names no file") : "";
    },
    "", "nonempty");

void addFileOption(CLI::App& command, Arguments& arguments) {
  command
      .add_option("-f,--file", arguments.file,
                  "The settings file (default: Kestrune.txt on your desktop)")
      ->type_name("PATH")
      ->check(kNamesAFile)
      ->excludes(addCardOption(command, arguments));
}

// Every setting's name with its choices, for set --help.
std::string settingsList() {
  std::string text =
      "Settings and their choices (a choice by its text, by its number where the "
      "choices are numbers, or by its position: #0 is the first):\n";
  for (int index = 0; index < kSlotCount; ++index) {
    const auto slot = static_cast<SettingSlot>(index);
    text += "  " + std::string(SettingNames::nameOf(slot)) + ": " + SettingNames::choiceList(slot) +
            "\n";
  }
  return text;
}

// Everything the command wrote reaches its output, or the command has failed: a full disk or a
// closed output must not pass for success.
int withOutputChecked(int status) {
  // A stream that already failed (--help ends its text with a flush) left its reason in errno.
  int error = std::cout ? 0 : errno;
  errno = 0;
  std::cout.flush();
  if (errno) error = errno;
  if (std::fflush(stdout) != 0) error = errno;
  if (std::cout && !std::ferror(stdout)) return status;
  std::cerr << "kestrune: cannot write the output: " << std::strerror(error ? error : EIO) << '\n';
  return status == Commands::kDone ? Commands::kFileProblem : status;
}

// The words left over, in the order they were given.
std::string extraWords(const CLI::App& app) {
  std::string words;
  for (const std::string& word : app.remaining(true)) words += (words.empty() ? "" : " ") + word;
  return words;
}

// The options of the commands that write: which defaults a new file gets, and --force.
void addWriteOptions(CLI::App& command, Arguments& arguments) {
  addFileOption(command, arguments);
  command
      .add_option("--profile", arguments.profile,
                  "Defaults of a new file: windows or mac (loop length 5Min or 3Min)")
      ->type_name("NAME")
      ->check(CLI::IsMember({"windows", "mac"}))
      ->default_str(&Commands::platformProfile() == &RecordCodec::windowsProfile ? "windows"
                                                                                 : "mac");
  command.add_flag("--force", arguments.force, "Replace a file that is not a settings file");
}

int run(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
  return withOutputChecked(run(argc, argv));
}

namespace {

int run(int argc, char** argv) {
  CLI::App app{"Reads, checks and edits Kestrune.txt, the camera's settings file.", "kestrune"};
  app.set_version_flag("--version", std::string("kestrune ") + KESTRUNE_VERSION);
  app.require_subcommand(1);
  Arguments arguments;

  auto* show = app.add_subcommand("show", "Show the file's settings, schedule and save time");
  addFileOption(*show, arguments);
  show->add_flag("--json", arguments.json, "Print the JSON document with the file's details");

  auto* check = app.add_subcommand("check", "Check files: one line each, 'ok' or every problem");
  check->add_option("PATH", arguments.files, "Files to check (default: the one on your desktop)");
  addFileOption(*check, arguments);
  check->add_flag("--all", arguments.all,
                  "For a file that is not a settings file, list every problem too");

  auto* set =
      app.add_subcommand("set", "Set settings by name: 'resolution=1920*1080 60F' beep=off");
  addWriteOptions(*set, arguments);
  set->add_flag("-q,--quiet", arguments.quiet, "Do not print the changes");
  set->add_option("NAME=VALUE", arguments.assignments,
                  "A setting and a choice: its text (any case), number or #position")
      ->required();
  set->footer(settingsList());

  auto* schedule = app.add_subcommand("schedule", "Set the mode of some hours on some days");
  addWriteOptions(*schedule, arguments);
  schedule->add_flag("-q,--quiet", arguments.quiet, "Do not print the changes");
  schedule
      ->add_option("DAYS", arguments.days, "mon..sun, mon-fri, sat,sun, weekdays, weekend or all")
      ->required();
  schedule
      ->add_option("HOURS", arguments.hours, "0..23, 8-18, 22-5 (past midnight), 8-12,14-18 or all")
      ->required();
  schedule->add_option("MODE", arguments.mode, ScheduleWords::modeChoicesText())->required();

  auto* exportCommand = app.add_subcommand("export", "Print the file as a JSON document");
  addFileOption(*exportCommand, arguments);
  exportCommand->add_flag("--force", arguments.force,
                          "Export a file that is not a settings file as it reads");

  auto* import = app.add_subcommand("import", "Write the file from a JSON document");
  addWriteOptions(*import, arguments);
  import->add_option("JSON", arguments.source, "The document's file, or - for standard input")
      ->required();

  auto* cardsCommand = app.add_subcommand("cards", "List the removable volumes and what they hold");
  cardsCommand->add_flag("--json", arguments.json, "Print them as a JSON list");

  auto* diff = app.add_subcommand("diff", "Show what differs between two settings files");
  diff->add_option("A", arguments.file, "The first file (default: the one on your desktop)")
      ->check(kNamesAFile);
  diff->add_option("B", arguments.source, "The second file (default: the one on the camera card)")
      ->check(kNamesAFile);
  addCardOption(*diff, arguments);

  try {
    const std::vector<std::string> utf8 = utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : utf8) pointers.push_back(argument.c_str());
    app.parse(static_cast<int>(pointers.size()), pointers.data());
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    if (app.get_subcommands().empty() && !app.remaining().empty()) {
      std::cerr << "kestrune: unknown command '" << app.remaining().front()
                << "' (see kestrune --help)\n";
      return Commands::kUsageError;
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
      std::cerr << "kestrune: not expected: " << extraWords(app) << " (see kestrune --help)\n";
      return Commands::kUsageError;
    }
    std::cerr << "kestrune: " << error.what() << " (see kestrune --help)\n";
    return Commands::kUsageError;
  }

  const Commands::Streams io{std::cin, std::cout, std::cerr};
  if (*cardsCommand) return Commands::cards(arguments.json, io);
  if (*diff) {
    if (arguments.file.empty()) arguments.file = Commands::defaultFile(io);
    if (arguments.source.empty()) arguments.source = Commands::cardFile(arguments.card, io);
    if (arguments.file.empty() || arguments.source.empty()) return Commands::kTrouble;
    return Commands::diff(arguments.file, arguments.source, io);
  }
  // "set --card beep=off led=on" gives --card the first assignment; no card's label holds "=".
  if (*set && arguments.card.find('=') != std::string::npos) {
    arguments.assignments.insert(arguments.assignments.begin(), arguments.card);
    arguments.card.clear();
  }
  if (arguments.cardChosen()) {
    arguments.file = Commands::cardFile(arguments.card, io);
    if (arguments.file.empty()) return Commands::kFileProblem;
  }
  if (*check) {
    if (!arguments.file.empty()) arguments.files.push_back(arguments.file);
    if (arguments.files.empty()) {
      arguments.files.push_back(Commands::defaultFile(io));
      if (arguments.files.back().empty()) return Commands::kFileProblem;
    }
    return Commands::check(arguments.files, arguments.all, io);
  }

  if (arguments.file.empty()) arguments.file = Commands::defaultFile(io);
  if (arguments.file.empty()) return Commands::kFileProblem;
  if (*show) return Commands::show(arguments.file, arguments.json, io);
  if (*exportCommand) return Commands::exportDocument(arguments.file, arguments.force, io);

  const Commands::EditTarget target{arguments.file,
                                    arguments.profile == "windows" ? &RecordCodec::windowsProfile
                                    : arguments.profile == "mac"   ? &RecordCodec::macProfile
                                                                   : &Commands::platformProfile(),
                                    arguments.force, arguments.quiet};
  if (*set) return Commands::set(target, arguments.assignments, io);
  if (*schedule)
    return Commands::schedule(target, arguments.days, arguments.hours, arguments.mode, io);
  return Commands::import(target, arguments.source, io);
}

}  // namespace
