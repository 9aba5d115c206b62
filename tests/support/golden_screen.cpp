#include "tests/support/golden_screen.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace testsupport {

namespace fs = std::filesystem;

std::string ScreenDump(const console::Console& con) {
  std::string text;
  for (int y = 1; y <= console::kRows; ++y) text += con.Row(y) + "\n";
  std::vector<std::pair<int, int>> pairs;  // (fg, bg) in order of first appearance
  std::string letters;
  for (int y = 1; y <= console::kRows; ++y) {
    for (int x = 1; x <= console::kCols; ++x) {
      const console::Cell& c = con.At(x, y);
      const std::pair<int, int> p{c.fg, c.bg};
      std::size_t i = 0;
      while (i < pairs.size() && pairs[i] != p) ++i;
      if (i == pairs.size()) pairs.push_back(p);
      letters += static_cast<char>('a' + i);
    }
    letters += "\n";
  }
  std::string legend = "colours:\n";
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    legend += std::string(1, static_cast<char>('a' + i)) + " " + std::to_string(pairs[i].first) +
              " on " + std::to_string(pairs[i].second) + "\n";
  }
  return text + legend + letters;
}

::testing::AssertionResult MatchesGolden(const console::Console& con, const std::string& name) {
  const fs::path golden = SourceDir() / "tests" / "golden" / (name + ".screen");
  const fs::path actual = fs::path(golden.string() + ".actual");
  const std::string dump = ScreenDump(con);
  fs::create_directories(golden.parent_path());
  if (std::getenv("MATQUIZ_UPDATE_GOLDEN")) {
    std::ofstream(golden, std::ios::binary) << dump;
    return ::testing::AssertionSuccess() << "written " << golden;
  }
  std::ifstream in(golden, std::ios::binary);
  if (!in) {
    std::ofstream(actual, std::ios::binary) << dump;
    return ::testing::AssertionFailure()
           << "no golden screen " << golden << "; the screen is in " << actual;
  }
  std::stringstream buf;
  buf << in.rdbuf();
  const std::string expected = buf.str();
  if (expected == dump) {
    fs::remove(actual);
    return ::testing::AssertionSuccess();
  }
  std::ofstream(actual, std::ios::binary) << dump;
  std::istringstream e(expected), a(dump);
  std::string el, al;
  int line = 0;
  while (true) {
    ++line;
    const bool more_e = static_cast<bool>(std::getline(e, el));
    const bool more_a = static_cast<bool>(std::getline(a, al));
    if (!more_e && !more_a) break;
    if (!more_e || !more_a || el != al) break;
  }
  return ::testing::AssertionFailure() << "the screen differs from " << golden << " first on line "
                                       << line << ":\n  expected: " << el << "\n  actual:   " << al
                                       << "\ncompare with: diff " << golden << " " << actual;
}

}  // namespace testsupport
