#include "tests/e2e/scenario.h"

#include <cstdlib>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;

std::vector<std::string> CrLfLines(const std::string& text, const std::string& name,
                                   std::vector<std::string>& problems) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string::npos) {
      problems.push_back(name + ": the last line has no line end");
      lines.push_back(text.substr(at));
      break;
    }
    if (end == at || text[end - 1] != '\r') {
      problems.push_back(name + ": line " + std::to_string(lines.size() + 1) +
                         " ends without a carriage return");
      lines.push_back(text.substr(at, end - at));
    } else {
      lines.push_back(text.substr(at, end - 1 - at));
    }
    at = end + 1;
  }
  return lines;
}

namespace {

std::vector<std::string> SanitizerSettings() {
  std::vector<std::string> env;
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
  }
  return env;
}

}  // namespace

void Scenario::SetUp() {
  if (!termtest::TmuxAvailable())
    GTEST_SKIP() << "tmux is not installed: the end-to-end scenarios are skipped";
  unsetenv("TMUX");  // the private server is never taken for an enclosing one
  // The working directory as the quiz master's guide makes it.
  const termtest::CommandResult setup =
      termtest::RunCommand({PACKETS_PATH, "--setup", Work().string()});
  ASSERT_EQ(setup.status, 0) << setup.output;
  fs::copy_file(testsupport::SourceDir() / "data" / "sample" / "Mat.dsk", Work() / "Mat.dsk");
  std::vector<std::string> environment = SanitizerSettings();
  environment.insert(environment.end(), environment_.begin(), environment_.end());
  pane_ = std::make_unique<termtest::TmuxPane>(80, 25, environment);
}

void Scenario::TearDown() {
  program_.reset();
  pane_.reset();
}

std::string Scenario::BuildData() {
  program_ = std::make_unique<termtest::ProgramRun>(
      *pane_, Work(), databuild_.front(),
      std::vector<std::string>(databuild_.begin() + 1, databuild_.end()));
  if (!Await("To Continue")) return "";
  const std::string screen = SettledScreen();
  Press({"Enter"});
  EXPECT_EQ(Ended(), 0) << "databuild";
  return screen;
}

void Scenario::StartPackets(int seed) {
  std::vector<std::string> args(packets_.begin() + 1, packets_.end());
  args.insert(args.end(), {"--seed", std::to_string(seed)});
  program_ = std::make_unique<termtest::ProgramRun>(*pane_, Work(), packets_.front(), args);
  Await("Press Return to Choose a Quiz Style or Shift-D to Delete");
}

int Scenario::Ended() {
  return program_->Ended(kPatience);
}

bool Scenario::Await(const std::string& text) {
  return pane_->WaitFor(text, kPatience);
}

int Scenario::AwaitAny(const std::vector<std::string>& texts) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  std::string screen;
  for (;;) {
    screen = Screen();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (screen.find(texts[i]) != std::string::npos) return static_cast<int>(i);
    }
    if (std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::string wanted;
  for (const std::string& t : texts) wanted += " \"" + t + "\"";
  ADD_FAILURE() << "Timed out waiting for one of" << wanted << "; the screen shows:\n" << screen;
  return -1;
}

bool Scenario::AwaitChange(const std::string& before, const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  std::string screen;
  for (;;) {
    screen = Screen();
    if (screen != before && screen.find(text) != std::string::npos) return true;
    if (std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ADD_FAILURE() << "Timed out waiting for a new screen with \"" << text << "\"; it shows:\n"
                << screen;
  return false;
}

bool Scenario::AwaitColours(int column, int row, int fg, int bg) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  termtest::PaneCell cell;
  for (;;) {
    const auto cells = pane_->Cells();
    if (static_cast<int>(cells.size()) >= row &&
        static_cast<int>(cells[row - 1].size()) >= column) {
      cell = cells[row - 1][column - 1];
      if (cell.fg == kTerminalColour[fg] && cell.bg == kTerminalColour[bg]) return true;
    }
    if (std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ADD_FAILURE() << "Timed out waiting for colours " << fg << " on " << bg << " at (" << column
                << ", " << row << "): the cell '" << cell.ch << "' has terminal colours " << cell.fg
                << " on " << cell.bg << "; the screen shows:\n"
                << Screen();
  return false;
}

void Scenario::Press(const std::vector<std::string>& keys) {
  pane_->Press(keys);
}

void Scenario::Type(const std::string& text) {
  pane_->Type(text);
}

std::string Scenario::Screen() {
  return pane_->Screen();
}

std::string Scenario::SettledScreen() {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  std::string last = Screen();
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::string now = Screen();
    if (now == last || std::chrono::steady_clock::now() > deadline) return now;
    last = std::move(now);
  }
}

bool Scenario::ChooseStyle(int entry) {
  for (int i = 1; i < entry; ++i) Press({"Down"});
  Press({"Enter"});
  return Await("Quiz Configuration -- Press Return Here When Ready");
}

bool Scenario::AcceptStyle() {
  // Esc runs the check of the whole record; a record that passes turns the
  // title line green, and Enter there saves the style.
  Press({"Escape"});
  if (!AwaitColours(15, 3, kWhite, kGreen)) return false;
  Press({"Enter"});
  if (!Await("Press Enter to accept all patterns")) return false;
  Press({"Enter"});
  return true;
}

bool Scenario::FinishRunAndExit(const std::string& usage) {
  // A short run may be complete before its closing message could be read.
  const int at = AwaitAny({"Quizzes Complete -- Press Return to Continue", "Thank you for using"});
  if (at < 0) return false;
  if (at == 0) Press({"Enter"});
  if (!Await("saved as " + usage)) return false;
  Press({"Enter"});
  if (!Await("Press Return to Choose a Quiz Style")) return false;
  Press({"Up", "Enter"});  // from the first entry up to "Exit"
  const int status = Ended();
  EXPECT_EQ(status, 0);
  return status == 0;
}

}  // namespace e2e
