// How the cursor moves between the fields of the configuration screen: one
// row per field, one column per key, and the few moves that differ right
// after a value was typed.
#pragma once

#include <optional>

#include "packets/styles/styles.h"

namespace packets::styles {

enum class Key { kUp, kDown, kLeft, kRight, kEnter, kEsc };

/// The key a character stands for on the configuration screen: the scan
/// codes of the arrows (capital H, P, K, M typed read the same), Enter and
/// Esc. Nothing for any other character.
std::optional<Key> MoveKey(char c);

enum class Act {
  kTo,       // to the field `to`
  kCheck,    // the check of the whole record runs
  kStay,     // the cursor stays in the field
  kNone,     // the key is ignored (the cursor stays too)
  kLetterK,  // in a name: the key is a capital K and starts a new name
};

struct Move {
  Act act;
  Field to = Field::kBeginChapter;
  bool operator==(const Move&) const = default;
};

/// Where `key` sends the cursor from `from`; `typed` when the key ended a
/// value typed into that field. Esc runs the check from every field.
Move NextMove(Field from, Key key, bool typed);

}  // namespace packets::styles
