// The parts of the question index that the tests and the other material
// phases use besides the entry points of material.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "packets/run/run_state.h"

namespace packets::material {

/// A chapter and verse slot of the per-verse index.
struct VerseRef {
  int chapter = 0;
  int verse = 0;
  bool operator==(const VerseRef&) const = default;
};

/// The reference at the start of a question line: the chapter from columns
/// 1-2 (a blank tens digit counts as 0), column 3 skipped, the verse read as
/// a number from column 4 on. A refusal naming `file` and `line` when the
/// chapter is not 1 to 28 or the verse not 1 to 80; runtime error 106 when
/// the verse is not a number.
std::variant<VerseRef, std::string> ReadReference(std::string_view text, const std::string& file,
                                                  int line);

/// A refusal naming the style file when the material's bounds lie outside
/// the book or its first verse comes after its last, or when the number of
/// sectors (questions per quiz) is not 1 to 30.
std::optional<std::string> CheckMaterialBounds(const RunState& st);

/// Sets the ten totals from the per-verse tables: BCOUNT over every verse
/// slot before (BCHAP, BVER), TCOUNT over the material.
void TotalMaterial(RunState& st);

}  // namespace packets::material
