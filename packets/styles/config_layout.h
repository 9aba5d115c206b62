// The configuration screen as it stands on the page: its words, where each
// field shows its value and how wide it is, and what each field accepts.
#pragma once

#include <string_view>

#include "packets/run/run_state.h"
#include "packets/styles/styles.h"

namespace packets::styles {

inline constexpr int kTitleColumn = 15;
inline constexpr int kTitleRow = 3;
/// The title line; Enter on it accepts the configuration.
inline constexpr std::string_view kConfigTitle =
    "Quiz Configuration -- Press Return Here When Ready";
/// Shown over the title line when the record fails its check.
inline constexpr std::string_view kIncompatible =
    "Incompatible Specs -- Press Return to go to Error ";

struct LabelRow {
  int row;
  std::string_view text;  // written from column 1
};

/// The labels below the title line, yellow on blue.
extern const LabelRow kConfigLabels[13];

enum class FieldKind {
  kBook,    // always " M"; a few keys write it again and clamp the verse
  kNumber,  // digits typed one at a time, corrected when the entry ends
  kLetter,  // one key from a short list
  kName,    // up to 10 letters and digits
};

struct FieldPlace {
  Field field;
  FieldKind kind;
  int x, y;      // where the value is written
  int width;     // digits of a number; 2 for a book or letter, 10 for a name
  int cursor_x;  // the cursor while the field is edited (on row y)
  /// Numbers: the first digit typed may be 0. Letters: the keys accepted.
  bool zero_first = false;
  std::string_view letters = {};
  int StyleRecord::*number = nullptr;
  char StyleRecord::*letter = nullptr;
};

/// Every field, in the order of `Field`.
extern const FieldPlace kFieldPlaces[kFieldCount];

inline const FieldPlace& PlaceOf(Field f) {
  return kFieldPlaces[static_cast<int>(f)];
}

/// The most letters or digits of a name on the screen.
inline constexpr int kNameWidth = 10;

}  // namespace packets::styles
