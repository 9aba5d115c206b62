// What the run driver uses of the quiz-style module: the style phase, the
// fixed screens and warnings, the style file, and the checks of a record.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
/// Closing screen naming NAME4.inf, NAME4.qui and NAME4.pdf, or why the
/// PDF could not be written; waits for Enter. The lines `below` (the season
/// history's) stand two rows under its text.
void THANK(console::Console& con, const std::string& name4,
           const std::optional<std::string>& pdf_problem = std::nullopt,
           const std::vector<std::string>& below = {});

/// Reads a style file (29 lines) as the run driver and READIN read it; a
/// type template shorter than 30 characters is filled up with "n".
/// Runtime error 2 when missing, 106 for a value that is not a number.
StyleRecord ReadStyleFile(const console::WorkDir& dir, const std::string& file_name);

/// The fields of the configuration screen, in the order of its navigation
/// table; a failed check names the one the user is sent to.
enum class Field {
  kBeginBook,
  kBeginChapter,
  kBeginVer,
  kEndBook,
  kEndChapter,
  kEndVer,
  kStyleName,
  kOutputName,
  kLinesPerPage,
  kOutput,
  kQuestions,
  kAB,
  kSpecialtiesFrom,
  kSpecialtiesTo,
  kPctInt,
  kReindex,
  kQuizzes,
  kSectorBy,
  kRepeats,
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
  kPrimaryFtv,
  kReg,
  kSetSpecialty,
};
inline constexpr int kFieldCount = static_cast<int>(Field::kSetSpecialty) + 1;

struct CheckFailure {
  int rule = 0;  // 1..9 for the whole-record rules; 0 for the run check
  Field field{};
  std::string words;  // what is wrong, naming the field in words
};

/// The nine whole-record rules in their order; the first that fails.
std::optional<CheckFailure> ERRMESS(const StyleRecord& rec);

/// The check of the configuration screen: the range refusals of the run
/// check, then the nine whole-record rules. The type template is left out:
/// saving the style sets it afresh.
std::optional<CheckFailure> CheckStyleRecord(const StyleRecord& rec);

/// The check made on a style file before it is run: refuses values that
/// would index outside a table or make a phase loop for ever, every failing
/// whole-record rule, and a type template set by hand that is not one.
std::optional<CheckFailure> CheckStyleForRun(const StyleRecord& rec);

/// The material's begin and end verses against the verse table the run
/// reads ("VERSES.TXT", in `EVS`), which may give a chapter fewer verses
/// than the book: the sectorings cut the material by that table, so a verse
/// it does not give its chapter is refused. Expects a record the run check
/// passed.
std::optional<CheckFailure> CheckMaterialVerses(const StyleRecord& rec,
                                                const Table<std::uint8_t, CHMAX>& EVS);

/// Refuses a style name the style menu would take for its own "Exit".
std::optional<CheckFailure> CheckStyleName(const std::string& name);

}  // namespace packets::styles
