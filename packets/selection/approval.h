// The approval of a quiz's specialty combination, in approval mode.
#pragma once

#include "packets/run/run.h"

namespace packets::selection {

enum class Answer { kAccept, kReject, kEsc };

/// Lists the specialty places of the quiz in hand under the usage record's
/// heading and asks "  Do you wish to accept this combination (y/n)? ". The
/// answer is read at column 49 of the question's row; keys other than y, n
/// (either case) and Esc are passed over. After y or n rows 2 to 24 are
/// cleared. With more than 18 specialty places the two empty lines around
/// the list are left out, so the question stays on the screen.
Answer AskApproval(Run& run);

}  // namespace packets::selection
