#include "tests/selection/run_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/random.h"
#include "console/text_file.h"
#include "databuild/builder.h"
#include "packets/driver/driver.h"

namespace packets::selection_runs {

namespace fs = std::filesystem;

void Style::Specialties(const std::string& counts) {
  std::istringstream in(counts);
  for (int line = 15; line <= 24; ++line) in >> lines[line];
}

std::string Style::Text() const {
  std::string t;
  for (const auto& [n, l] : lines) t += l + "\r\n";
  return t;
}

std::string Ref(int c, int v) {
  char ref[8];
  std::snprintf(ref, sizeof ref, "%2d:%2d", c, v);
  return ref;
}

void Questions::Regular(int c, int v, int n, const std::string& opening) {
  for (int i = 1; i <= n; ++i) {
    regular.push_back(Ref(c, v) + "\t" + opening + " is asked about " + std::to_string(c) + ":" +
                      std::to_string(v) + " the " + std::to_string(i) + ". time? An answer.");
  }
}

void Questions::Put(const testsupport::ScratchDir& dir) const {
  auto lines = [](const std::vector<std::string>& l) {
    std::string t;
    for (const std::string& line : l) t += line + "\r\n";
    return t;
  };
  dir.Put("Mat.B", lines(regular));
  dir.Put("FTV.00", lines(ftv));
  dir.Put("cv.b", lines(cv));
  dir.Put("co.b", lines(co));
  dir.Put("SIT.TXT", lines(sit));
}

void SelectionRun::UseSampleData() {
  // Built once for the whole test program, then copied.
  static const fs::path built = [] {
    const fs::path d = fs::temp_directory_path() / ("matquiz_sample_" + std::to_string(::getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    fs::copy_file(testsupport::SourceDir() / "data" / "sample" / "Mat.dsk", d / "Mat.dsk");
    console::VirtualConsole con;
    con.Keys("\r");
    EXPECT_EQ(databuild::BuildDataFiles(con, console::WorkDir(d)), databuild::Outcome::kInstalled);
    return d;
  }();
  for (const auto& entry : fs::directory_iterator(built)) {
    fs::copy_file(entry.path(), dir_.path() / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
}

void SelectionRun::Go(const Style& style, std::uint64_t seed) {
  dir_.CopyData("VERSES.TXT");
  dir_.CopyData("New.spe");
  dir_.PutLines("Specs.lst", {"Team", "Enter New Specs"});
  dir_.Put("Team.spe", style.Text());
  console::FixedClock clock(seed);
  console::Random rng(clock);
  console::WorkDir dir(dir_.path());
  st_ = RunState();
  st_.season.FILE = history_;
  packets::Run run{st_, *con_, rng, dir};
  driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
  if (!expect_refusal_) {
    EXPECT_EQ(con_->last_refusal, "");
  }
  last_con_ = std::move(con_);
  con_ = std::make_unique<testsupport::AnsweringConsole>();
}

std::string SelectionRun::Check(int quizzes) const {
  testsupport::CheckOptions options;
  options.quizzes = quizzes;
  options.minqz1 = st_.MINQZ1;
  return testsupport::CheckRun(dir_.path(), "Team", options);
}

std::string SelectionRun::Notes() const {
  std::vector<std::string> problems;
  const testsupport::UsageRecord r =
      testsupport::ReadUsageRecord(dir_.path() / "TEAM.inf", problems);
  std::string out;
  for (const std::string& n : r.notes) out += n + "\n";
  return out;
}

}  // namespace packets::selection_runs
