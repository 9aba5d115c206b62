#include "console/command_line.h"

#include <algorithm>
#include <ostream>

namespace console {

bool Options::Has(std::string_view name) const {
  return std::any_of(given_.begin(), given_.end(), [&](const Given& g) { return g.name == name; });
}

std::optional<std::string> Options::Value(std::string_view name) const {
  for (const Given& g : given_) {
    if (g.name == name) return g.value;
  }
  return std::nullopt;
}

void Options::Add(std::string_view name, std::optional<std::string> value) {
  given_.push_back({std::string(name), std::move(value)});
}

int UsageError(const ProgramText& program, std::string_view what, std::ostream& err) {
  err << program.name << ": " << what << '\n'
      << program.usage << "Try '" << program.name << " --help' for more.\n";
  return kExitUsage;
}

namespace {

const OptionForm* Find(const ProgramText& program, std::string_view name) {
  for (const OptionForm& option : program.options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

CommandLine ReadCommandLine(const ProgramText& program, std::span<const std::string> args,
                            std::ostream& out, std::ostream& err) {
  CommandLine line;
  const auto fail = [&](const std::string& what) {
    line.exit_code = UsageError(program, what, err);
    return line;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      out << program.usage << program.help;
      line.exit_code = 0;
      return line;
    }
    if (arg == "--version") {
      out << program.version << '\n';
      line.exit_code = 0;
      return line;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionForm* option = arg.starts_with("--") ? Find(program, name) : nullptr;
    if (!option) return fail("unknown argument '" + arg + "'");
    if (line.options.Has(name)) return fail("'" + name + "' given twice");
    std::optional<std::string> value;
    if (equals != std::string::npos) {
      if (option->value == OptionValue::kNone) return fail("'" + name + "' takes no value");
      value = arg.substr(equals + 1);
    } else if (option->value == OptionValue::kRequired) {
      if (i + 1 >= args.size()) return fail("'" + name + "' needs a value");
      value = args[++i];
    } else if (option->value == OptionValue::kOptional && i + 1 < args.size() &&
               !args[i + 1].starts_with("-")) {
      value = args[++i];
    }
    line.options.Add(name, std::move(value));
  }
  return line;
}

std::vector<std::string> Arguments(int argc, const char* const* argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

}  // namespace console
