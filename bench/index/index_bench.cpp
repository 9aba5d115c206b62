// Times the question index on the data files of the sample database
// against its baseline, in the same run: counting the five question files
// of set "c" and FTV pool 59 into the count file and reading it back for
// the whole book, against reading the five files once and writing the
// count file once, the plain way; then the index taken from the kept
// count file against reading that file once. Prints the times and ratios.
//   index_bench [RUNS]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "console/random.h"
#include "console/virtual_screen.h"
#include "databuild/builder.h"
#include "packets/material/material.h"
#include "packets/run/run.h"
#include "tools/make_sample/sample_db.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const int runs = bench::RunsFromArgs(argc, argv, 10);
  const bench::ScratchDir scratch("index_bench");
  const fs::path work = scratch.Path() / "work";
  const fs::path plain = scratch.Path() / "plain";
  fs::create_directories(work);
  fs::create_directories(plain);
  bench::WriteFile(work / "Mat.dsk", sample::MakeSampleDatabase());
  const console::WorkDir dir(work);
  {
    console::VirtualConsole con;
    con.Keys("\r");
    if (databuild::BuildDataFiles(con, dir) != databuild::Outcome::kInstalled) {
      std::fprintf(stderr, "the sample database was not installed\n");
      return 1;
    }
  }

  console::FixedClock clock;
  console::Random rng(clock);
  console::VirtualConsole con;
  packets::RunState st;
  packets::Run run{st, con, rng, dir};
  // The names a run with set "c" and "Pct Prim FTV" 59 opens.
  st.F3 = "Mat.c";
  st.F4 = "FTV.59";
  st.F5 = "cv.c";
  st.F6 = "co.c";
  st.F7 = "SIT.TXT";
  st.F11 = "count.59C";
  st.F2 = "bench.spe";
  st.BCHAP = 1, st.BVER = 1, st.ECHAP = 28, st.EVER = 20;
  st.SECTORS = 30;

  bool ok = true;
  const bench::Timing build = bench::Best(runs, [&] {
    st.question_files.Clear();  // each run reads the question files afresh
    ok = ok && !packets::material::BuildIndex(run) && !packets::material::ReadIndex(run);
  });
  const bench::Timing reuse =
      bench::Best(runs, [&] { ok = ok && !packets::material::ReadIndex(run); });
  if (!ok) {
    std::fprintf(stderr, "the sample's question files were refused\n");
    return 1;
  }

  std::vector<std::string> inputs;
  for (const std::string* name : {&st.F3, &st.F4, &st.F5, &st.F6, &st.F7}) {
    inputs.push_back(dir.Resolve(*name).filename().string());
  }
  std::size_t input_bytes = 0;
  for (const std::string& name : inputs) input_bytes += fs::file_size(work / name);
  const std::string count_file = bench::ReadFile(work / st.F11);
  const bench::Timing baseline = bench::Best(runs, [&] {
    for (const std::string& name : inputs) bench::ReadFile(work / name);
    bench::WriteFile(plain / st.F11, count_file);
  });
  const bench::Timing read_once = bench::Best(runs, [&] { bench::ReadFile(plain / st.F11); });

  std::printf(
      "question index of the sample (5 files, %zu bytes in; count file %zu bytes), best of %d\n",
      input_bytes, count_file.size(), runs);
  bench::PrintTiming("index", build);
  bench::PrintTiming("baseline", baseline);
  bench::PrintRatio(build, baseline);
  std::printf("index read back from the kept count file\n");
  bench::PrintTiming("reuse", reuse);
  bench::PrintTiming("baseline", read_once);
  bench::PrintRatio(reuse, read_once);
  return 0;
}
