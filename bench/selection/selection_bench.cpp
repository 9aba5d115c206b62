// Times whole runs of `packets` on the virtual console: the sample
// database installed by the data builder, then 150 quizzes of 30 questions
// with specialties of every kind, run automatically, once with no
// interrogative control and once with 30 percent interrogatives; each
// against a baseline measured in the same run: reading every file the run
// reads once and writing the packet file and the usage record once. The
// print-ready PDF that every run writes is also timed alone, from the run's
// packet file, as a share of the rest of the run.
//   selection_bench [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/timing.h"
#include "console/random.h"
#include "databuild/builder.h"
#include "packets/driver/driver.h"
#include "packets/output/pdf_pages.h"
#include "packets/styles/pattern.h"
#include "tests/support/answering_console.h"
#include "tools/make_sample/sample_db.h"

namespace fs = std::filesystem;

namespace {

/// The style: the whole book, 30 places, 150 quizzes, 8 to 12 specialties
/// (2 or 3 of each kind) anywhere in the quiz, interrogatives `ipc`.
std::string Style(int ipc) {
  return "F\r\n1 1\r\n28 20\r\nBENCH\r\n60\r\nP\r\n30\r\nB\r\n16\r\n" + std::to_string(ipc) +
         "\r\nY\r\n150\r\nV\r\n0\r\n12\r\n8\r\n3\r\n2\r\n3\r\n2\r\n3\r\n2\r\n3\r\n2\r\n100\r\n1\r\n"
         "30\r\nN\r\n" +
         std::string(30, 'n') + "\r\n";
}

/// The least a run can do: read once every file it reads (the verse table,
/// the style, the count file and the five question files of set B with the
/// FTV pool of 100 percent) and write the packet file and the usage record
/// once, with the bytes the run made. Prints it and the run's ratio to it.
bench::Timing RunBaseline(const fs::path& dir, int runs, double cpu, double wall) {
  const std::vector<std::string> inputs{"VERSES.TXT", "Bench.spe", "count.00B", "Mat.b",
                                        "Ftv.00",     "Cv.b",      "Co.b",      "Sit.txt"};
  const std::vector<bench::FileData> outputs = bench::ReadFiles(dir, {"BENCH.qui", "BENCH.inf"});
  bench::ScratchDir plain("selection_bench_baseline");
  const bench::Timing baseline = bench::Best(runs, [&] {
    bench::ReadFiles(dir, inputs);
    for (const bench::FileData& f : outputs) bench::WriteFile(plain.Path() / f.name, f.data);
  });
  bench::Timing run;
  run.cpu = cpu;
  run.wall = wall;
  bench::PrintTiming("run", run);
  bench::PrintTiming("baseline", baseline);
  bench::PrintRatio(run, baseline);
  return baseline;
}

/// The 150 patterns of the style alone: the specialty places drawn, 15
/// trials of the whole window each, as every run must. Against the baseline
/// this shows how much of the run's time no file work can explain.
void TimePatterns(int runs, const bench::Timing& baseline) {
  const packets::styles::PatternSettings s{8, 12, 2, 3, 2,  3,   2,
                                           3, 2,  3, 1, 30, 'N', std::string(30, 'n')};
  console::FixedClock clock(1);
  console::Random rng(clock);
  const bench::Timing patterns = bench::Best(runs, [&] {
    for (int q = 0; q < 150; ++q) packets::styles::SPECPAT(s, rng);
  });
  std::printf("the 150 specialty patterns alone\n");
  bench::PrintTiming("patterns", patterns);
  bench::PrintRatio(patterns, baseline);
}

/// The PDF of the run's packet made and written alone, and its share of
/// the rest of the run (whose time includes it).
void TimePdf(const fs::path& dir, int runs, const bench::Timing& run) {
  const std::string packet = bench::ReadFiles(dir, {"BENCH.qui"}).at(0).data;
  bench::ScratchDir plain("selection_bench_pdf");
  std::size_t size = 0;
  const bench::Timing pdf = bench::Best(runs, [&] {
    const std::string bytes =
        packets::output::PacketPdf(packet, 'P', 60, packets::output::Paper::kLetter);
    size = bytes.size();
    bench::WriteFile(plain.Path() / "BENCH.pdf", bytes);
  });
  std::printf("the PDF of the packet (%zu bytes) made and written alone\n", size);
  bench::PrintTiming("pdf", pdf);
  std::printf("  adds %.1f%% (CPU) to the rest of the run\n",
              100.0 * pdf.cpu / std::max(1e-9, run.cpu - pdf.cpu));
}

/// One whole run on the virtual console, with the season history `history`
/// when it is not empty; its CPU and wall time, or a negative CPU time when
/// the run did not complete.
std::pair<double, double> TimedRun(const fs::path& dir, std::uint64_t seed,
                                   const std::string& history) {
  packets::RunState st;
  st.season.FILE = history;
  testsupport::AnsweringConsole con;
  console::FixedClock clock(seed);
  console::Random rng(clock);
  console::WorkDir work(dir);
  packets::Run run{st, con, rng, work};
  const auto wall0 = std::chrono::steady_clock::now();
  const std::clock_t cpu0 = std::clock();
  packets::driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
  const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  if (!con.last_refusal.empty() || st.season.unwritten) {
    std::fprintf(stderr, "the run did not complete:\n%s\n", con.Text().c_str());
    return {-1, -1};
  }
  return {cpu, wall};
}

/// A season history of `lines` lines in runs of 4500 (150 quizzes of 30),
/// its records taken in turn from every question file of the run, so that
/// most of the material's questions were used before, many several times.
std::string MakeHistory(const fs::path& dir, int lines) {
  const std::pair<const char*, char> files[] = {
      {"Mat.b", 'n'}, {"Ftv.00", 'F'}, {"Cv.b", 'R'}, {"Co.b", 'O'}, {"Sit.txt", 'S'}};
  std::vector<std::pair<char, std::string>> records;
  for (const auto& [name, kind] : files) {
    std::ifstream in(dir / name, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) records.emplace_back(kind, line);
    }
  }
  std::string text;
  for (int n = 0; n < lines; ++n) {
    const int run = n / 4500;
    char head[64];
    std::snprintf(head, sizeof head, "2026-%02d-%02d 10:00:00\tMEET%d\t%d\t%d\t", run / 28 + 1,
                  run % 28 + 1, run + 1, n % 4500 / 30 + 1, n % 30 + 1);
    const auto& [kind, record] = records[static_cast<std::size_t>(n * 7) % records.size()];
    text += head;
    text += kind;
    text += '\t' + record + "\r\n";
  }
  return text;
}

/// The run of IPC 50 with and without a season history of 100,000 lines,
/// one after the other: what reading, matching and rewriting it adds.
void TimeHistory(const fs::path& dir, int runs) {
  const std::string history = MakeHistory(dir, 100000);
  double plain = 1e9, with = 1e9;
  for (int i = 1; i <= runs; ++i) {
    plain = std::min(plain, TimedRun(dir, static_cast<std::uint64_t>(i), "").first);
    std::ofstream(dir / "Season.txt", std::ios::binary) << history;
    const double cpu = TimedRun(dir, static_cast<std::uint64_t>(i), "Season.txt").first;
    if (cpu < 0) return;
    with = std::min(with, cpu);
  }
  std::printf("with a season history of 100000 lines: best %.3f s CPU, without %.3f s: %+.1f ms\n",
              with, plain, (with - plain) * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const fs::path dir = fs::temp_directory_path() / "selection_bench";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "Mat.dsk", std::ios::binary) << sample::MakeSampleDatabase();
  {
    console::VirtualConsole con;
    con.Keys("\r");
    if (databuild::BuildDataFiles(con, console::WorkDir(dir)) != databuild::Outcome::kInstalled) {
      std::fprintf(stderr, "the sample database was not installed\n");
      return 1;
    }
  }
  const fs::path data = fs::path(MATQUIZ_SOURCE_DIR) / "data";
  fs::copy_file(data / "VERSES.TXT", dir / "VERSES.TXT");
  fs::copy_file(data / "New.spe", dir / "New.spe");
  std::ofstream(dir / "Specs.lst", std::ios::binary) << "Bench\r\nEnter New Specs\r\n";

  for (int ipc : {50, 30}) {
    std::ofstream(dir / "Bench.spe", std::ios::binary) << Style(ipc);
    double best_cpu = 1e9, best_wall = 1e9;
    for (int i = 1; i <= runs; ++i) {
      packets::RunState st;
      testsupport::AnsweringConsole con;
      console::FixedClock clock(static_cast<std::uint64_t>(i));
      console::Random rng(clock);
      console::WorkDir work(dir);
      packets::Run run{st, con, rng, work};
      const auto wall0 = std::chrono::steady_clock::now();
      const std::clock_t cpu0 = std::clock();
      packets::driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
      const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
      const double wall =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
      std::ifstream usage(dir / "BENCH.inf", std::ios::binary);
      int lines = 0;
      for (std::string line; std::getline(usage, line);) ++lines;
      if (!con.last_refusal.empty() || lines < 150 * 33) {
        std::fprintf(stderr, "the run did not complete:\n%s\n", con.Text().c_str());
        return 1;
      }
      best_cpu = std::min(best_cpu, cpu);
      best_wall = std::min(best_wall, wall);
      std::printf("IPC %d, run %d: %.3f s CPU, %.3f s wall (%d lines of usage record)\n", ipc, i,
                  cpu, wall, lines);
    }
    std::printf("150 quizzes of 30 questions, IPC %d: best %.3f s CPU\n", ipc, best_cpu);
    const bench::Timing baseline = RunBaseline(dir, runs, best_cpu, best_wall);
    if (ipc == 50) TimePatterns(runs, baseline);
    if (ipc == 50) TimePdf(dir, runs, {best_wall, best_cpu});
    if (ipc == 50) TimeHistory(dir, runs);
  }
  fs::remove_all(dir);
  return 0;
}
