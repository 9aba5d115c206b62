#include "packets/driver/start.h"

#include <charconv>
#include <ostream>
#include <system_error>

#include "console/text_file.h"

namespace fs = std::filesystem;

namespace packets::driver {

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::uint64_t seed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return seed;
}

std::unique_ptr<console::Clock> RunClock(std::optional<std::uint64_t> seed) {
  if (seed) return std::make_unique<console::FixedClock>(*seed, 1);
  return std::make_unique<console::SystemClock>();
}

fs::path ShippedDataDir() {
  const fs::path program = console::RunningProgram();
  // The data lies at the same place relative to the program in the build
  // tree as in an installation.
  return (program.parent_path() / MATQUIZ_DATA_FROM_PROGRAM).lexically_normal();
}

int SetUpWorkDir(const fs::path& data, const fs::path& target, std::ostream& out,
                 std::ostream& err) {
  std::error_code ec;
  for (std::string_view name : kStarterFiles) {
    if (!fs::is_regular_file(data / name, ec)) {
      err << "packets: the shipped file " << name << " is missing from " << data.string()
          << "; is packets installed whole?\n";
      return 1;
    }
  }
  if (!fs::is_directory(target, ec)) {
    if (!fs::create_directories(target, ec) || ec) {
      err << "packets: cannot make the directory " << target.string() << ": " << ec.message()
          << '\n';
      return 1;
    }
    out << "Made the directory " << target.string() << '\n';
  }
  for (std::string_view name : kStarterFiles) {
    if (std::optional<fs::path> there = console::FindInDirectory(target, name)) {
      out << "  " << name << ": kept as it is (" << there->filename().string()
          << " is already there)\n";
      continue;
    }
    const fs::path copy = target / name;
    if (!fs::copy_file(data / name, copy, ec) || ec) {
      err << "packets: cannot copy " << name << " to " << target.string() << ": " << ec.message()
          << '\n';
      return 1;
    }
    // The style list and styles are rewritten by packets: the copies must be
    // the user's to change even when the shipped files are read-only.
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    ec);
    out << "  " << name << ": copied\n";
  }
  out << "Ready: put the question database Mat.dsk in " << target.string()
      << ", then run databuild and packets there.\n";
  return 0;
}

}  // namespace packets::driver
