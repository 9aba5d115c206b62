// The programs from outside: their command lines, `databuild --check` on the
// shipped sample and on a damaged copy, and an installation into a temporary
// prefix, from which a working directory is made and both programs run in a
// real terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/terminal/program_run.h"
#include "tests/terminal/tmux_pane.h"

namespace {

namespace fs = std::filesystem;
using termtest::RunCommand;

/// How a program ended and what it wrote to each stream.
struct Ended {
  int status = -1;
  std::string out;
  std::string err;
};

/// Runs `argv` in directory `dir` with standard input empty.
Ended RunIn(const fs::path& dir, const std::vector<std::string>& argv) {
  testsupport::ScratchDir streams("streams");
  const fs::path out = streams.path() / "out", err = streams.path() / "err";
  std::vector<std::string> sh{"sh",
                              "-c",
                              "cd \"$1\" || exit 99; o=$2; e=$3; shift 3; "
                              "exec \"$@\" >\"$o\" 2>\"$e\"",
                              "sh",
                              dir.string(),
                              out.string(),
                              err.string()};
  sh.insert(sh.end(), argv.begin(), argv.end());
  Ended ended;
  ended.status = RunCommand(sh).status;
  ended.out = streams.Get("out");
  ended.err = streams.Get("err");
  return ended;
}

/// Every file below `dir` with its contents and time of last change.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(
    const testsupport::ScratchDir& dir) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    const std::string name = fs::relative(entry.path(), dir.path()).string();
    files[name] = {entry.is_regular_file() ? dir.Get(name) : "", entry.last_write_time()};
  }
  return files;
}

TEST(CommandLine, HelpAndVersionOnStandardOutputMistakesOnStandardError) {
  struct Case {
    const char* program;
    std::vector<std::string> args;
    int status;
    std::string out_begins;
    std::string err_begins;
  };
  const std::string usage_db =
      "Usage: databuild\n       databuild --yes\n       databuild --check [FILE]\n";
  const std::string usage_pk =
      "Usage: packets [--seed N]\n       packets --run STYLE [--seed N]\n"
      "       packets --setup DIR\n";
  const Case cases[] = {
      {DATABUILD_PATH, {"--help"}, 0, usage_db, ""},
      {DATABUILD_PATH, {"--version"}, 0, "databuild (Oristan) 13.0\n", ""},
      {PACKETS_PATH, {"--help"}, 0, usage_pk, ""},
      {PACKETS_PATH, {"--version"}, 0, "packets (Oristan) 29.0\n", ""},
      {DATABUILD_PATH, {"--frob"}, 2, "", "databuild: unknown argument '--frob'\n" + usage_db},
      {DATABUILD_PATH, {"--check", "a.dsk", "b.dsk"}, 2, "", "databuild: unknown argument 'b.dsk'"},
      {DATABUILD_PATH, {"--seed", "1"}, 2, "", "databuild: unknown argument '--seed'"},
      {PACKETS_PATH, {"-x"}, 2, "", "packets: unknown argument '-x'\n" + usage_pk},
      {PACKETS_PATH, {"--seed"}, 2, "", "packets: '--seed' needs a value"},
      {PACKETS_PATH, {"--seed", "ten"}, 2, "", "packets: '--seed' needs a whole number"},
      {PACKETS_PATH, {"--check"}, 2, "", "packets: unknown argument '--check'"},
      {PACKETS_PATH, {"--setup", "w", "--seed", "1"}, 2, "", "packets: '--setup' makes no"},
      {PACKETS_PATH, {"--run", "Demo", "--setup", "w"}, 2, "", "packets: '--setup' makes no"},
      {PACKETS_PATH, {"--run", "Demo", "--run", "Team"}, 2, "", "packets: '--run' given twice"},
      {PACKETS_PATH, {"--run"}, 2, "", "packets: '--run' needs a value"},
      {DATABUILD_PATH, {"--yes", "--check"}, 2, "", "databuild: '--check' installs nothing"},
      {DATABUILD_PATH, {"--yes=1"}, 2, "", "databuild: '--yes' takes no value"},
  };
  testsupport::ScratchDir dir;
  for (const Case& c : cases) {
    std::vector<std::string> argv{c.program};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const Ended e = RunIn(dir.path(), argv);
    const std::string what = fs::path(c.program).filename().string() + " " + c.args[0];
    EXPECT_EQ(e.status, c.status) << what;
    EXPECT_EQ(e.out.substr(0, c.out_begins.size()), c.out_begins) << what;
    EXPECT_EQ(e.err.substr(0, c.err_begins.size()), c.err_begins) << what;
    if (c.out_begins.empty()) {
      EXPECT_EQ(e.out, "") << what;
    }
    if (c.err_begins.empty()) {
      EXPECT_EQ(e.err, "") << what;
    }
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));  // no mistake leaves a file behind
}

// The shipped sample passes; a copy with one fault in each section lists
// all four; neither run changes a file.
TEST(DatabaseCheck, ListsEveryFaultAndChangesNothing) {
  testsupport::ScratchDir dir;
  fs::create_directories(dir.path() / "data");
  dir.Put("data/Mat.dsk", testsupport::SourceText("data/sample/Mat.dsk"));
  dir.Put("data/Mat.a", "installed before\r\n");
  const auto before = Snapshot(dir);
  const Ended clean = RunIn(dir.path() / "data", {DATABUILD_PATH, "--check"});
  EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
  EXPECT_EQ(clean.out, "Mat.dsk: no problems found in 9405 lines\n");
  EXPECT_EQ(Snapshot(dir), before);

  // Damage one line of each section: the 10th of each, counted from its
  // section's first line.
  std::vector<std::string> lines;
  const std::string text = dir.Get("data/Mat.dsk");
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  std::vector<int> starts{1};
  for (int n = 1; n <= static_cast<int>(lines.size()) && starts.size() < 4; ++n) {
    if (n > starts.back() && lines[n - 1][0] == '=') starts.push_back(n + 1);
  }
  ASSERT_EQ(starts.size(), 4u);
  const int damaged[] = {starts[0] + 9, starts[1] + 9, starts[2] + 9, starts[3] + 9};
  lines[damaged[0] - 1][8] = 'x';   // regular: set letter
  lines[damaged[1] - 1][13] = ' ';  // reference: column 14 not a tab
  lines[damaged[2] - 1][15] = '5';  // FTV: rank
  lines[damaged[3] - 1][4] = ';';   // situation: column 5
  std::string faulty;
  for (const std::string& l : lines) faulty += l + "\r\n";
  dir.Put("faulty.dsk", faulty);
  const auto before2 = Snapshot(dir);
  const Ended listed = RunIn(dir.path(), {DATABUILD_PATH, "--check", "faulty.dsk"});
  EXPECT_EQ(listed.status, 1);
  EXPECT_EQ(listed.err, "");
  std::vector<std::string> shown;
  for (std::size_t at = 0; at < listed.out.size();) {
    const std::size_t end = listed.out.find('\n', at);
    shown.push_back(listed.out.substr(at, end - at));
    at = end + 1;
  }
  ASSERT_EQ(shown.size(), 5u) << listed.out;
  for (int i = 0; i < 4; ++i) {
    const std::string head = "faulty.dsk:" + std::to_string(damaged[i]) + ": ";
    EXPECT_EQ(shown[i].substr(0, head.size()), head) << shown[i];
  }
  EXPECT_NE(shown[0].find("set letter"), std::string::npos);
  EXPECT_NE(shown[1].find("column 14 must be a tab"), std::string::npos);
  EXPECT_NE(shown[2].find("FTV rank"), std::string::npos);
  EXPECT_NE(shown[3].find("reference in columns 3-7"), std::string::npos);
  EXPECT_EQ(shown[4], "faulty.dsk: 4 problems found");
  EXPECT_EQ(Snapshot(dir), before2);

  const Ended missing = RunIn(dir.path(), {DATABUILD_PATH, "--check"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "Runtime error 2 at opening Mat.dsk for reading\n");
}

// What a script does: a working directory made by --setup, the sample
// installed by `databuild --yes` and the ready style run by `packets --run`,
// all with standard input empty; then every refusal of a run without a
// terminal, each in words, with exit 1 and no file written.
TEST(RunWithoutTerminal, MakesPacketsFromAScriptAndRefusesInWords) {
  testsupport::ScratchDir root;
  const fs::path work = root.path() / "w";
  ASSERT_EQ(RunIn(root.path(), {PACKETS_PATH, "--setup", work.string()}).status, 0);
  root.Put("w/Mat.dsk", testsupport::SourceText("data/sample/Mat.dsk"));
  const Ended installed = RunIn(work, {DATABUILD_PATH, "--yes"});
  ASSERT_EQ(installed.status, 0) << installed.err;
  EXPECT_EQ(installed.err, "");
  EXPECT_EQ(installed.out.substr(0, 11), "Mat.a 1752\n") << installed.out;
  EXPECT_EQ(std::count(installed.out.begin(), installed.out.end(), '\n'), 50);
  EXPECT_NE(installed.out.find("\nLLSit.txt "), std::string::npos);

  const Ended run = RunIn(work, {PACKETS_PATH, "--run", "Demo", "--seed", "7"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string named = "DEMO.qui\nDEMO.inf\npat.txt\n";
  EXPECT_EQ(run.out.substr(0, named.size()), named) << run.out;
  EXPECT_GT(root.Get("w/DEMO.qui").size(), 10000u);
  EXPECT_NE(root.Get("w/DEMO.inf").find("Quiz"), std::string::npos);

  // Style files that cannot be run, and a database with a fault.
  root.Put("w/Short.spe", "F\r\n1 1\r\n");
  std::string bad_number = root.Get("w/Demo.spe");
  bad_number.replace(bad_number.find("\r\n20\r\n"), 6, "\r\nten\r\n");  // line 7, QMAX
  root.Put("w/Number.spe", bad_number);
  std::string refused = root.Get("w/Demo.spe");
  // More specialties at least (line 16) than at most (line 15).
  refused.replace(refused.find("\r\n4\r\n2\r\n"), 8, "\r\n4\r\n9\r\n");
  root.Put("w/Refused.spe", refused);
  const auto before = Snapshot(root);
  struct Case {
    std::vector<std::string> argv;
    std::string says;
  };
  const Case cases[] = {
      {{PACKETS_PATH, "--run", "Nope"},
       "packets: The quiz style Nope cannot be read: Nope.spe: there is no such style file in "
       "the working directory\n"},
      {{PACKETS_PATH, "--run", "Short"},
       "packets: The quiz style Short cannot be read: Short.spe: a style file has 29 lines, and "
       "this one has 2\n"},
      {{PACKETS_PATH, "--run", "Number"},
       "packets: The quiz style Number cannot be read: Number.spe:7: the line must hold a "
       "number, not 'ten'\n"},
      {{PACKETS_PATH, "--run", "Refused"}, "packets: The quiz style Refused cannot be run: "},
      {{PACKETS_PATH, "--run", "../w/Demo"}, "packets: the style name ../w/Demo is a path"},
  };
  for (const Case& c : cases) {
    const Ended e = RunIn(work, c.argv);
    EXPECT_EQ(e.status, 1) << c.argv[2];
    EXPECT_EQ(e.out, "") << c.argv[2];
    EXPECT_EQ(e.err.substr(0, c.says.size()), c.says) << c.argv[2];
  }
  EXPECT_TRUE(Snapshot(root) == before);  // no refusal wrote a file

  std::string faulty = root.Get("w/Mat.dsk");
  faulty[faulty.find("\r\n") + 2 + 8] = 'x';  // line 2: the question set letter
  root.Put("w/Mat.dsk", faulty);
  const auto files_only = [&root] {
    auto files = Snapshot(root);
    std::erase_if(files, [](const auto& f) { return f.first == "w"; });
    return files;
  };
  const auto installed_before = files_only();
  const Ended fault = RunIn(work, {DATABUILD_PATH, "--yes"});
  EXPECT_EQ(fault.status, 1);
  EXPECT_EQ(fault.out, "");
  EXPECT_EQ(fault.err,
            "databuild: Formatting error in line 2 of file Mat.dsk; nothing was installed\n");
  EXPECT_TRUE(files_only() == installed_before);  // the installed files as they were
}

std::vector<std::string> SanitizerSettings() {
  std::vector<std::string> env;
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
  }
  return env;
}

// What a quiz master does first: install, read the manual pages, make a
// working directory, install a question database and start packets.
TEST(Installation, IntoATemporaryPrefixThenAFirstRunFromAMadeWorkingDirectory) {
  testsupport::ScratchDir root;
  const fs::path prefix = root.path() / "prefix";
  const Ended installed =
      RunIn(root.path(), {CMAKE_COMMAND_PATH, "--install", BUILD_DIR, "--prefix", prefix.string()});
  ASSERT_EQ(installed.status, 0) << installed.out << installed.err;

  const fs::path data = (prefix / "bin" / DATA_FROM_PROGRAM).lexically_normal();
  EXPECT_EQ(data, prefix / "share" / "matquiz");
  for (const char* program : {"databuild", "packets"}) {
    const auto perms = fs::status(prefix / "bin" / program).permissions();
    EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none) << program;
  }
  for (const char* name : {"VERSES.TXT", "New.spe", "Specs.lst", "Demo.spe", "sample/Mat.dsk"}) {
    EXPECT_EQ(root.Get(fs::relative(data / name, root.path()).string()),
              testsupport::SourceText(std::string("data/") + name))
        << name;
  }
  EXPECT_TRUE(fs::is_regular_file(prefix / "share" / "doc" / "matquiz" / "README.md"));

  // The manual pages read with man -l, without a warning from the formatter.
  for (const char* page : {"databuild", "packets"}) {
    const fs::path file = prefix / MAN_DIR / "man1" / (std::string(page) + ".1");
    ASSERT_TRUE(fs::is_regular_file(file)) << file;
    const Ended man = RunIn(root.path(), {"env", "MANWIDTH=80", "LC_ALL=C.UTF-8", "man",
                                          "--warnings", "-l", "-P", "cat", file.string()});
    EXPECT_EQ(man.status, 0) << "is man installed? " << man.err;
    EXPECT_EQ(man.err, "") << page;
    EXPECT_NE(man.out.find("SYNOPSIS"), std::string::npos) << page;
    EXPECT_NE(man.out.find("EXIT STATUS"), std::string::npos) << page;
  }

  // The documented command makes the working directory.
  const fs::path work = root.path() / "quizzes";
  const Ended setup =
      RunIn(root.path(), {(prefix / "bin" / "packets").string(), "--setup", work.string()});
  ASSERT_EQ(setup.status, 0) << setup.err;
  for (const char* name : {"VERSES.TXT", "New.spe", "Specs.lst"}) {
    EXPECT_EQ(root.Get("quizzes/" + std::string(name)),
              testsupport::SourceText(std::string("data/") + name))
        << name;
  }
  fs::copy_file(data / "sample" / "Mat.dsk", work / "Mat.dsk");
  const Ended check = RunIn(work, {(prefix / "bin" / "databuild").string(), "--check"});
  EXPECT_EQ(check.status, 0) << check.out;

  if (!termtest::TmuxAvailable()) GTEST_SKIP() << "tmux is not installed: no run in a terminal";
  unsetenv("TMUX");
  termtest::TmuxPane pane(80, 25, SanitizerSettings());
  termtest::ProgramRun databuild(pane, work, (prefix / "bin" / "databuild").string());
  ASSERT_TRUE(databuild.WaitFor("Installation", std::chrono::seconds(60)));
  databuild.Press({"Enter"});
  ASSERT_EQ(databuild.Ended(), 0);
  for (const char* name : {"Mat.a", "Mat.c", "Co.b", "Cv.c", "Ftv.59", "Sit.txt", "LLMat.a",
                           "LLSit.txt", "LLFtv.00"}) {
    EXPECT_TRUE(fs::is_regular_file(work / name)) << name;
  }
  termtest::ProgramRun packets(pane, work, (prefix / "bin" / "packets").string(), {"--seed", "7"});
  ASSERT_TRUE(packets.WaitFor("Press Return to Choose a Quiz Style"));
  EXPECT_TRUE(packets.WaitFor("Enter New Specs"));
  packets.Press({"Up"});  // from the first entry up to "Exit"
  packets.Press({"Enter"});
  EXPECT_EQ(packets.Ended(), 0);
  EXPECT_EQ(root.Get("quizzes/temp2.txt"), "Exit\r\n");
}

}  // namespace
