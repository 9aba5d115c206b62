// The configuration screen: the one-page editor of the loaded style.
#pragma once

#include "packets/run/run.h"

namespace packets::styles {

enum class Edit { kAccepted, kAbandoned };

/// Lets the user edit the style record and style name `NAME1`. kAccepted
/// (Enter on the title line, the record passing every whole-record rule)
/// means the record is to be saved; kAbandoned (Esc on the title line)
/// means back to the style menu, nothing saved.
Edit EditStyle(Run& run);

}  // namespace packets::styles
