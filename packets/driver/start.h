// What `packets` can be asked on its command line besides a run: a run
// whose random draws start from a given seed, and a new working directory
// holding the shipped data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string_view>

#include "console/random.h"

namespace packets::driver {

/// The seed of `--seed N`: a whole number from 0 to 18446744073709551615
/// written in decimal digits; nothing otherwise.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

/// The clock that seeds the run's generator: the system clock, or, with a
/// seed, a clock whose readings are the seed and then one more each time, so
/// that every draw of the run, reseedings included, is made again exactly.
std::unique_ptr<console::Clock> RunClock(std::optional<std::uint64_t> seed);

/// The shipped files a new working directory receives: the verse table,
/// the template style, the style list and the ready style Demo (for a first
/// `packets --run Demo`; the list does not name it, so the style menu shows
/// only the user's own styles).
inline constexpr std::string_view kStarterFiles[] = {"VERSES.TXT", "New.spe", "Specs.lst",
                                                     "Demo.spe"};

/// Where the shipped data of an installed (or built) `packets` lies, found
/// from the program's own location.
std::filesystem::path ShippedDataDir();

/// `packets --setup DIR`: makes `target` (and its parents) when it does not
/// exist and copies in each starter file from `data` that it lacks (names
/// matched without regard to letter case); a file already there is kept as
/// it is. Reports each file on `out`, a failure on `err`; returns the exit
/// code (0 done, 1 failed).
int SetUpWorkDir(const std::filesystem::path& data, const std::filesystem::path& target,
                 std::ostream& out, std::ostream& err);

}  // namespace packets::driver
