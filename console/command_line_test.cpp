#include "console/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace console {
namespace {

constexpr OptionForm kOptions[] = {
    {"--flag", OptionValue::kNone},
    {"--seed", OptionValue::kRequired},
    {"--check", OptionValue::kOptional},
};
constexpr ProgramText kProgram{"prog", "prog 1.0", "Usage: prog [--check [FILE]]\n", "Help text.\n",
                               kOptions};

TEST(CommandLine, ReadsOptionsOrEndsWithTheRightCodeAndText) {
  struct Case {
    std::vector<std::string> args;
    std::optional<int> exit_code;
    std::string out;
    std::string err_first_line;  // the first line on standard error
    std::string options;         // the options read, as name[=value] ...
  };
  const Case cases[] = {
      {{}, {}, "", "", ""},
      {{"--help"}, 0, "Usage: prog [--check [FILE]]\nHelp text.\n", "", ""},
      {{"--version"}, 0, "prog 1.0\n", "", ""},
      {{"--check", "--help"}, 0, "Usage: prog [--check [FILE]]\nHelp text.\n", "", ""},
      {{"--check"}, {}, "", "", "--check"},
      {{"--check", "x.dsk"}, {}, "", "", "--check=x.dsk"},
      {{"--check", "--flag"}, {}, "", "", "--check --flag"},
      {{"--check=y"}, {}, "", "", "--check=y"},
      {{"--seed", "-5"}, {}, "", "", "--seed=-5"},
      {{"--seed=7", "--flag"}, {}, "", "", "--flag --seed=7"},
      {{"--seed"}, 2, "", "prog: '--seed' needs a value", ""},
      {{"--flag=1"}, 2, "", "prog: '--flag' takes no value", ""},
      {{"--flag", "--flag"}, 2, "", "prog: '--flag' given twice", ""},
      {{"-h"}, 2, "", "prog: unknown argument '-h'", ""},
      {{"file"}, 2, "", "prog: unknown argument 'file'", ""},
      {{"--check", "a", "b"}, 2, "", "prog: unknown argument 'b'", ""},
      {{"--chec"}, 2, "", "prog: unknown argument '--chec'", ""},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    const CommandLine line = ReadCommandLine(kProgram, c.args, out, err);
    const std::string what = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(line.exit_code, c.exit_code) << what;
    EXPECT_EQ(out.str(), c.out) << what;
    EXPECT_EQ(err.str().substr(0, err.str().find('\n')), c.err_first_line) << what;
    if (c.exit_code == kExitUsage) {
      EXPECT_EQ(err.str(),
                c.err_first_line + "\nUsage: prog [--check [FILE]]\nTry 'prog --help' for more.\n");
    }
    if (c.exit_code) continue;
    std::string read;
    for (const char* name : {"--check", "--flag", "--seed"}) {
      if (!line.options.Has(name)) continue;
      if (!read.empty()) read += ' ';
      read += name;
      if (auto v = line.options.Value(name)) read += "=" + *v;
    }
    EXPECT_EQ(read, c.options) << what;
  }
}

}  // namespace
}  // namespace console
