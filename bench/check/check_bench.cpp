// Times `databuild --check` on a database ten times the sample (every
// question line ten times over, the copies told apart by a number at the end
// of their text, so that they are not the same question) against the
// builder installing that database, in the same run. Prints both times and
// their ratio; with PATH, also writes the database there, to time the
// programs themselves on it.
//   check_bench [RUNS [PATH]]
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench/timing.h"
#include "console/virtual_screen.h"
#include "databuild/builder.h"
#include "databuild/check.h"
#include "databuild/database.h"
#include "tools/make_sample/sample_db.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTimes = 10;

std::string TenTimesTheSample() {
  const databuild::Database sample = databuild::Database::FromText(sample::MakeSampleDatabase());
  std::string out;
  int separators = 0;
  for (int n = 1; n <= sample.LineCount(); ++n) {
    const std::string line(sample.Line(n));
    const bool separator = !line.empty() && line[0] == '=';
    if (separators == 4 || separator) {
      out += line + "\r\n";
      separators += separator ? 1 : 0;
      continue;
    }
    out += line + "\r\n";
    for (int copy = 2; copy <= kTimes; ++copy) out += line + " " + std::to_string(copy) + "\r\n";
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = bench::RunsFromArgs(argc, argv, 5);
  const bench::ScratchDir scratch("check_bench");
  const std::string db = TenTimesTheSample();
  bench::WriteFile(scratch.Path() / "Mat.dsk", db);
  std::string verses;  // so that the verses are checked against their chapters too
  for (int last : sample::kVersesPerChapter) verses += std::to_string(last) + "\r\n";
  bench::WriteFile(scratch.Path() / "VERSES.TXT", verses);
  if (argc > 2) bench::WriteFile(argv[2], db);

  bool installed = true;
  const bench::Timing build = bench::Best(runs, [&] {
    console::VirtualConsole con;
    con.Keys("\r");
    installed = installed && databuild::BuildDataFiles(con, console::WorkDir(scratch.Path())) ==
                                 databuild::Outcome::kInstalled;
  });
  std::string listing;
  int code = 0;
  const bench::Timing check = bench::Best(runs, [&] {
    std::ostringstream out, err;
    code = databuild::CheckCommand(std::nullopt, out, err, {scratch.Path(), "", false});
    listing = out.str();
  });
  if (!installed || code != 0) {
    std::fprintf(stderr, "the database was not installed or not clean:\n%s", listing.c_str());
    return 1;
  }
  std::printf("databuild --check on ten times the sample database (%zu bytes), best of %d\n",
              db.size(), runs);
  std::printf("  its last line: %s",
              listing.substr(listing.rfind('\n', listing.size() - 2) + 1).c_str());
  bench::PrintTiming("check", check);
  bench::PrintTiming("install", build);
  bench::PrintRatio(check, build);
  return 0;
}
