// Whole runs of `packets` for the selection tests: a scratch working
// directory with question data, a style written field by field, a console
// that answers the run's screens, and a fixed seed.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "packets/run/run_state.h"
#include "tests/support/answering_console.h"
#include "tests/support/run_checker.h"
#include "tests/support/scratch_dir.h"

namespace packets::selection_runs {

/// A style file, line by line (29 lines); the style is named "Team" and is
/// the first of the style list.
struct Style {
  std::map<int, std::string> lines{{1, "F"},
                                   {2, "1 1"},
                                   {3, "28 20"},
                                   {4, "TEAM"},
                                   {5, "60"},
                                   {6, "P"},
                                   {7, "20"},
                                   {8, "B"},
                                   {9, "16"},
                                   {10, "50"},
                                   {11, "Y"},
                                   {12, "30"},
                                   {13, "V"},
                                   {14, "0"},
                                   {15, "4"},
                                   {16, "2"},
                                   {17, "2"},
                                   {18, "1"},
                                   {19, "1"},
                                   {20, "0"},
                                   {21, "1"},
                                   {22, "0"},
                                   {23, "1"},
                                   {24, "0"},
                                   {25, "100"},
                                   {26, "3"},
                                   {27, "18"},
                                   {28, "N"},
                                   {29, std::string(30, 'n')}};
  /// Specialties: total max and min, then max and min of F, R, O, S.
  void Specialties(const std::string& counts);
  std::string Text() const;
};

/// Question files written line by line, for a style of question set "B",
/// full data and a primary FTV percentage of 100.
struct Questions {
  std::vector<std::string> regular, ftv, cv, co, sit;
  /// Adds `n` regular questions on verse c:v, each with its own text.
  void Regular(int c, int v, int n, const std::string& opening = "Who");
  void Put(const testsupport::ScratchDir& dir) const;
};

class SelectionRun : public testing::Test {
 protected:
  /// The data files of the shipped sample database, as the data builder
  /// writes them, with the verse table and the style list.
  void UseSampleData();
  /// Runs `packets` from the title to "Exit" with the style, seeded by
  /// `seed`, on a fresh run state and the console con_ (a fresh one is made
  /// for the next run); the run state stays in st_.
  void Go(const Style& style, std::uint64_t seed = 5);
  /// The run checker's verdict; empty when the run is sound.
  std::string Check(int quizzes = -1) const;
  std::string Notes() const;  // the run notes part of the usage record

  testsupport::ScratchDir dir_;
  std::string history_;          // the season history the runs keep; none when empty
  bool expect_refusal_ = false;  // the next run is refused on purpose
  std::unique_ptr<RunState> st_holder_ = std::make_unique<RunState>();
  RunState& st_ = *st_holder_;
  std::unique_ptr<testsupport::AnsweringConsole> con_ =
      std::make_unique<testsupport::AnsweringConsole>();
  std::unique_ptr<testsupport::AnsweringConsole> last_con_;  // of the last run
};

/// "cc:vv" as every question line begins.
std::string Ref(int c, int v);

}  // namespace packets::selection_runs
