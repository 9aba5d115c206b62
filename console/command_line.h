// The command line of both programs. Without arguments each runs full
// screen as it always has; beyond that each takes a few options of its own,
// and both answer --help and --version. Anything else is a mistake: a short
// usage on standard error and exit code 2.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

inline constexpr int kExitUsage = 2;

/// How an option takes its value: none; always the next argument (or
/// "--name=value"); or the next argument when there is one that does not
/// begin with "-".
enum class OptionValue { kNone, kRequired, kOptional };

struct OptionForm {
  std::string_view name;  // "--check"
  OptionValue value;
};

/// What a program tells about itself on its command line.
struct ProgramText {
  std::string_view name;     // "databuild"
  std::string_view version;  // the --version line
  std::string_view usage;    // the "Usage:" lines, each ended by a line end
  std::string_view help;     // what --help prints after the usage lines
  std::span<const OptionForm> options;
};

/// The options given on a command line, each at most once.
class Options {
 public:
  bool Has(std::string_view name) const;
  /// The value given with option `name`, if any.
  std::optional<std::string> Value(std::string_view name) const;
  bool Empty() const { return given_.empty(); }
  void Add(std::string_view name, std::optional<std::string> value);

 private:
  struct Given {
    std::string name;
    std::optional<std::string> value;
  };
  std::vector<Given> given_;
};

/// A command line read: the options to run with, or, after --help,
/// --version or a mistake (whose text is already printed), the exit code to
/// end with at once.
struct CommandLine {
  Options options;
  std::optional<int> exit_code;
};

/// Reads `args` (without the program name). --help and --version print to
/// `out`; a mistake prints "NAME: what is wrong", the usage and a pointer to
/// --help to `err`.
CommandLine ReadCommandLine(const ProgramText& program, std::span<const std::string> args,
                            std::ostream& out, std::ostream& err);

/// Reports a mistake found after reading (a value out of range, options that
/// do not go together) as ReadCommandLine does; returns kExitUsage.
int UsageError(const ProgramText& program, std::string_view what, std::ostream& err);

/// The arguments of main() after the program name.
std::vector<std::string> Arguments(int argc, const char* const* argv);

}  // namespace console
