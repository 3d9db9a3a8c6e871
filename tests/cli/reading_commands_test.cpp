// show, export and check against real files, and the program's answers to wrong usage.
#include "command_line.h"

namespace {

// What our editors may leave in a file: no choice, no time, and a byte that is no mode.
Bytes oddFile() {
  return ourFileWith([](_USR_SETTING_& record) {
    RecordCodec::sealRecord(record, std::nullopt);
    record.setting[0] = -1;
    scheduleCell(record, 0, 0) = 7;
  });
}

}  // namespace

TEST(ShowAndExport, TellTheFileAsAPersonAndAsAScriptReadIt) {
  const std::vector<std::string> show = {"show", "-f", "Kestrune.txt"};
  runTable({
      {"show: each setting by its text, the schedule under its ruler",
       ourFile(),
       show,
       0,
       "",
       {"file             Kestrune.txt\n"
        "size             476 bytes\n"
        "tags             valid\n"
        "saved            2026-03-07 14:05:09\n\n"
        "resolution       1920*1080 60F\n"
        "loop-length      5Min\n"
        "exposure         EV:0\n"
        "rotate           OFF\n"
        "beep             ON\n"
        "record-led       ON\n"
        "display-status   ON\n"
        "rec-audio        ON\n"
        "pir-interval     30Sec\n"
        "pir-sensitivity  H\n"
        "date-format      MM/DD/YYYY\n\n"
        "schedule         0         1         2\n"
        "                 012345678901234567890123\n"
        "monday           " +
        kMotionDay + "\n"}},
      {"show: no choice, no time and no mode",
       oddFile(),
       show,
       0,
       "",
       {"saved            no time", "resolution       (no choice: -1)", "monday           ?M",
        "week             Mon: Unknown (7) 0, Motion 1–23 · Tue–Sun: Motion all day\n"}},
      {"show: the week in one line",
       ourFile(),
       show,
       0,
       "",
       {"week             Mon–Sun: Motion all day\n"}},
      {"show --json: the file's details, then the document",
       oddFile(),
       {"show", "--json", "-f", "Kestrune.txt"},
       0,
       "",
       {"{\n  \"file\": \"Kestrune.txt\",\n  \"size\": 476,\n  \"tags-valid\": true,\n"
        "  \"saved\": null,\n  \"settings\": {\n    \"resolution\": null,",
        "\"date-format\": \"MM/DD/YYYY\"", "\"monday\": \"?MMM", "\"sunday\": \"" + kMotionDay}},
      {"export: the document alone",
       ourFile(),
       {"export", "-f", "Kestrune.txt"},
       0,
       "",
       {"{\n  \"settings\": {\n    \"resolution\": \"1920*1080 60F\",", "\"schedule\": {"}},
      {"export: a file that is not a settings file is refused",
       foreignFile(),
       {"export", "-f", "Kestrune.txt"},
       1,
       "Kestrune.txt: not a settings file (476 bytes, tags not valid); --force exports it "
       "anyway\n"},
      {"export --force: as it reads",
       foreignFile(),
       {"export", "--force", "-f", "Kestrune.txt"},
       0,
       "",
       {"\"resolution\": 120"}},
      {"show: a missing file", {}, show, 1, "Kestrune.txt: no such file\n"},
  });
}

TEST(CheckCommand, GivesEachFileOneLineWithEveryProblem) {
  const Bytes ours = ourFile();
  const Bytes odd = ourFileWith([](_USR_SETTING_& record) {
    record.setting[0] = 9;
    scheduleCell(record, 4, 17) = 7;
    record.g_month = 13;
  });
  CaseFolder folder;
  folder.put("ours.txt", ours);
  folder.put("short.txt", Bytes(ours.begin(), ours.begin() + 300));
  folder.put("odd.txt", odd);
  folder.put("no-time.txt", oddFile());
  folder.put("foreign.txt", foreignFile());

  const ProgramRun ok = folder.run({"check", "-f", "ours.txt"});
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, "ours.txt: ok\n");

  const ProgramRun all =
      folder.run({"check", "ours.txt", "short.txt", "odd.txt", "no-time.txt", "missing.txt", ""});
  EXPECT_EQ(all.status, 1);
  EXPECT_EQ(all.err, "");
  EXPECT_EQ(all.out,
            "ours.txt: ok\n"
            "short.txt: not a settings file (300 bytes, tags not valid); --all lists every "
            "problem\n"
            "odd.txt: resolution 9 is outside 0-7; schedule friday hour 17 is 7, outside 0-2; "
            "saved time 2026-13-07 14:05:09 is impossible\n"
            "no-time.txt: resolution -1 is outside 0-7; schedule monday hour 0 is 7, outside 0-2\n"
            "missing.txt: no such file\n"
            "'': an empty path names no file\n");

  const ProgramRun foreign = folder.run({"check", "foreign.txt"});
  EXPECT_EQ(foreign.out,
            "foreign.txt: not a settings file (476 bytes, tags not valid); --all lists every "
            "problem\n");
  const ProgramRun every = folder.run({"check", "--all", "foreign.txt"});
  EXPECT_EQ(every.out.rfind("foreign.txt: size 476 bytes, not 476", 0), std::string::npos);
  EXPECT_EQ(every.out.rfind("foreign.txt: tags not valid; resolution 120 is outside 0-7;", 0), 0u)
      << every.out;

#ifndef _WIN32
  // A name cannot start a line of its own and pass for another file's verdict.
  const ProgramRun forged = folder.run({"check", "evil: ok\nx"});
  EXPECT_EQ(forged.out, "evil: ok\\x0Ax: no such file\n");
#endif
}

TEST(Usage, WrongWordsAreUsageErrorsAndHelpAndVersionAnswer) {
  runTable({
      {"--version", {}, {"--version"}, 0, "", {std::string("kestrune ") + KESTRUNE_VERSION + "\n"}},
      {"--help names every command",
       {},
       {"--help"},
       0,
       "",
       {"show", "check", "set", "schedule", "export", "import", "cards", "diff"}},
      {"a file and a card at once",
       ourFile(),
       {"set", "-f", "Kestrune.txt", "--card", "beep=off"},
       2,
       "kestrune: --file excludes --card (see kestrune --help)\n"},
      {"an unknown command",
       {},
       {"frob"},
       2,
       "kestrune: unknown command 'frob' (see kestrune --help)\n"},
      {"--help quotes its example so that it can be pasted",
       {},
       {"--help"},
       0,
       "",
       {"'resolution=1920*1080 60F' beep=off"}},
      {"set --help lists every setting with its choices",
       {},
       {"set", "--help"},
       0,
       "",
       {"  resolution: 2880*2160 24F, 2560*1440 30F,", "  date-format: YYYY/MM/DD, MM/DD/YYYY"}},
      {"an unknown option",
       ourFile(),
       {"show", "--bogus"},
       2,
       "kestrune: not expected: --bogus (see kestrune --help)\n"},
      {"another command's option, in the order given",
       ourFile(),
       {"show", "--profile", "mac"},
       2,
       "kestrune: not expected: --profile mac (see kestrune --help)\n"},
      {"an empty path names no file",
       ourFile(),
       {"show", "-f", ""},
       2,
       "kestrune: --file: an empty path names no file (see kestrune --help)\n"},
  });
}

TEST(DiffCommand, NamesEachChangedSettingAndHourAndAnswersAsDiffDoes) {
  CaseFolder folder;
  folder.put("ours.txt", ourFile());
  folder.put("resaved.txt", ourFileWith([](_USR_SETTING_& record) {
               RecordCodec::sealRecord(record, RecordCodec::LocalStampValue{2027, 1, 1, 0, 0, 0});
             }));
  folder.put("changed.txt", ourFileWith([](_USR_SETTING_& record) {
               record.setting[4] = 1;
               record.setting[0] = 9;
               for (int day = 0; day < 5; ++day)
                 for (int hour = 8; hour <= 18; ++hour)
                   scheduleCell(record, day, hour) = Continuous;
               scheduleCell(record, 6, 23) = Off;
               scheduleCell(record, 2, 0) = Off;
             }));
  folder.put("foreign.txt", foreignFile());
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string out, err;
  } cases[] = {
      {{"diff", "ours.txt", "resaved.txt"}, 0, "same\n", ""},
      {{"diff", "ours.txt", "changed.txt"},
       1,
       "resolution: 1920*1080 60F → (9: outside 0-7)\n"
       "beep: ON → OFF\n"
       "Mon–Tue, Thu–Fri: 8–18 Motion → Continuous\n"
       "Wed: 0 Motion → Off, 8–18 Motion → Continuous\n"
       "Sun: 23 Motion → Off\n",
       ""},
      {{"diff", "changed.txt", "ours.txt"},
       1,
       "resolution: (9: outside 0-7) → 1920*1080 60F\n"
       "beep: OFF → ON\n"
       "Mon–Tue, Thu–Fri: 8–18 Continuous → Motion\n"
       "Wed: 0 Off → Motion, 8–18 Continuous → Motion\n"
       "Sun: 23 Off → Motion\n",
       ""},
      {{"diff", "ours.txt", "foreign.txt"}, 2, "", "foreign.txt: not a settings file\n"},
      {{"diff", "missing.txt", "ours.txt"}, 2, "", "missing.txt: no such file\n"},
  };
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.arguments[2]);
    const ProgramRun run = folder.run(spec.arguments);
    EXPECT_EQ(run.status, spec.status);
    EXPECT_EQ(run.out, spec.out);
    EXPECT_EQ(run.err, spec.err);
  }
}

#ifndef _WIN32
TEST(Usage, WhenTheOutputCannotBeWrittenThenTheCommandFails) {
  const std::vector<std::vector<std::string>> commands = {
      {"show", "-f", "Kestrune.txt"},
      {"show", "--json", "-f", "Kestrune.txt"},
      {"check", "Kestrune.txt"},
      {"export", "-f", "Kestrune.txt"},
      {"set", "-f", "Kestrune.txt", "beep=off"},
      {"--help"},
      {"--version"},
  };
  for (const auto& arguments : commands) {
    SCOPED_TRACE(arguments.front() + " " + arguments.back());
    CaseFolder folder;
    folder.put("Kestrune.txt", ourFile());
    const ProgramRun run =
        runProgram(KESTRUNE_PROGRAM, {arguments, "", folder.scratch().path(), {}, "/dev/full"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrune: cannot write the output: No space left on device\n");
  }
}
#endif
