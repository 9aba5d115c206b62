// The hand-setting screen: the specialty positions of a style fixed by hand
// in its type template.
#pragma once

#include "packets/run/run.h"

namespace packets::styles {

/// Lets the user place the style's specialties in its type template `TYP`.
void SETSPEC(Run& run);

}  // namespace packets::styles
