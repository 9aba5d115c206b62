// Keys that take a test through the configuration screen of `packets`,
// for whole runs that choose a style and want it run as it stands.
#pragma once

#include <string>

namespace testsupport {

/// Accepts the loaded style unchanged: Esc runs the check of the whole
/// record from any field, and Enter on the title line, green once the
/// record passes, saves it. A style that fails the check stays on the
/// screen (the Enter dismisses the message), so give this a valid style.
inline const std::string kAcceptStyle = "\x1b\r";

/// Leaves the configuration screen for the style menu without saving: the
/// check, then Esc on the green title line. The style must pass the check.
inline const std::string kLeaveStyle = "\x1b\x1b";

}  // namespace testsupport
