// Which regular questions are interrogative: those whose text opens with a
// question word, unless it opens with one of the phrases that begin
// statements about time.
#pragma once

#include <string_view>

namespace packets::material {

/// True when `text` (the question text, from the line's 7th character, its
/// first letter already raised from "w") opens with one of the
/// interrogative openings and with none of the exceptions. Exact and
/// case-sensitive; a text shorter than an opening does not match it.
bool IsInterrogative(std::string_view text);

}  // namespace packets::material
