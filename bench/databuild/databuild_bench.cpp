// Times the data builder on the sample database against its baseline, in
// the same run: reading "Mat.dsk" once and writing every data file it
// installs once, the plain way. Prints both times and their ratio; then
// the same against a second baseline that also stages every file and
// renames it into place as the builder's all-or-nothing install does, to
// show what of the difference is that file work.
//   databuild_bench [RUNS]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "console/virtual_screen.h"
#include "databuild/builder.h"
#include "tools/make_sample/sample_db.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const int runs = bench::RunsFromArgs(argc, argv, 5);
  const bench::ScratchDir scratch("databuild_bench");
  const fs::path work = scratch.Path() / "work";
  const fs::path plain = scratch.Path() / "plain";
  fs::create_directories(work);
  fs::create_directories(plain);
  bench::WriteFile(work / "Mat.dsk", sample::MakeSampleDatabase());

  bool installed = true;
  const bench::Timing build = bench::Best(runs, [&] {
    console::VirtualConsole con;
    con.Keys("\r");
    installed = installed && databuild::BuildDataFiles(con, console::WorkDir(work)) ==
                                 databuild::Outcome::kInstalled;
  });
  if (!installed) {
    std::fprintf(stderr, "the sample database was not installed\n");
    return 1;
  }

  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(work)) {
    const std::string name = entry.path().filename().string();
    if (name != "Mat.dsk") names.push_back(name);
  }
  const std::vector<bench::FileData> outputs = bench::ReadFiles(work, names);
  const bench::Timing baseline = bench::Best(runs, [&] {
    const std::string db = bench::ReadFile(work / "Mat.dsk");
    for (const bench::FileData& f : outputs) bench::WriteFile(plain / f.name, f.data);
  });

  const bench::Timing staged = bench::Best(runs, [&] {
    const std::string db = bench::ReadFile(work / "Mat.dsk");
    for (const bench::FileData& f : outputs) bench::WriteFile(plain / (f.name + ".new"), f.data);
    for (const bench::FileData& f : outputs) fs::rename(plain / (f.name + ".new"), plain / f.name);
  });

  std::printf(
      "databuild on the sample database (%ju bytes in; %zu files, %zu bytes out), best of %d\n",
      static_cast<std::uintmax_t>(fs::file_size(work / "Mat.dsk")), outputs.size(),
      bench::TotalBytes(outputs), runs);
  bench::PrintTiming("databuild", build);
  bench::PrintTiming("baseline", baseline);
  bench::PrintRatio(build, baseline);
  std::printf("the same against writing each file staged and renaming it into place\n");
  bench::PrintTiming("databuild", build);
  bench::PrintTiming("staged", staged);
  bench::PrintRatio(build, staged);
  return 0;
}
