// What the run driver uses of the quiz-style module: the style phase, the
// fixed screens and warnings, the style file, and the checks of a record.
#pragma once

#include <optional>
#include <string>

#include "console/console.h"
#include "console/text_file.h"
#include "packets/run/run.h"

namespace packets::styles {

/// The style phase: style menu and configuration screen; leaves the chosen
/// style name (or "Exit") in "temp2.txt" and the style in its style file.
void SPECS2(Run& run);

/// Title screen: rows 1 and 25 on light grey, then yellow on blue.
void WRITEHDG(console::Console& con);
/// "One specialty has zero questions." ... waits for Enter twice.
void SPECWARN(console::Console& con);
/// "  There are not enough regular questions ..." at the cursor; one Enter.
void QUESTWARN(console::Console& con);
/// The two lines of the approval menu; leaves white on red set.
void APPROVESPEC(console::Console& con);
/// Closing screen naming NAME4.inf and NAME4.qui; waits for Enter.
void THANK(console::Console& con, const std::string& name4);

/// Reads a style file (29 lines) as the run driver and READIN read it.
/// Runtime error 2 when missing, 106 for a value that is not a number.
StyleRecord ReadStyleFile(const console::WorkDir& dir, const std::string& file_name);

/// The field a failed check sends the user to.
enum class Field {
  kBeginChapter,
  kBeginVer,
  kEndChapter,
  kEndVer,
  kOutputName,
  kLinesPerPage,
  kQuestions,
  kQuizzes,
  kTotalMin,
  kTotalMax,
  kFtvMin,
  kFtvMax,
  kCvMin,
  kCvMax,
  kCoMin,
  kCoMax,
  kSitMin,
  kSitMax,
  kSpecialtiesFrom,
  kSpecialtiesTo,
  kPrimaryFtv,
};

struct CheckFailure {
  int rule = 0;       // 1..9 for the whole-record rules; 0 for the run check
  Field field{};
  std::string words;  // what is wrong, naming the field in words
};

/// The nine whole-record rules in their order; the first that fails.
std::optional<CheckFailure> ERRMESS(const StyleRecord& rec);

/// The check made on a style file before it is run: refuses values that
/// would index outside a table or make a phase loop for ever, and every
/// failing whole-record rule.
std::optional<CheckFailure> CheckStyleForRun(const StyleRecord& rec);

}  // namespace packets::styles
