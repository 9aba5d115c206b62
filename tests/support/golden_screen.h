// Golden screens: a whole 80x25 screen, text and colours, kept in a file
// under tests/golden/ and compared cell by cell.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"

namespace testsupport {

/// The screen as a golden file holds it: its 25 rows of text; a line
/// "colours:" and a legend line per colour pair ("a 14 on 1"), letters
/// given in the order the pairs first appear; then 25 rows of those letters.
std::string ScreenDump(const console::Console& con);

/// Compares the screen with tests/golden/NAME.screen. On a difference the
/// screen is written beside it as NAME.screen.actual and the first
/// differing line is named; a missing golden file fails too. With the
/// environment variable MATQUIZ_UPDATE_GOLDEN set the golden file is
/// written instead (look at it before committing it).
::testing::AssertionResult MatchesGolden(const console::Console& con, const std::string& name);

}  // namespace testsupport
