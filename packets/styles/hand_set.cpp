#include "packets/styles/hand_set.h"

namespace packets::styles {

// PLACEHOLDER: the hand-setting screen is not built yet; the type template
// stays as it was loaded.
void SETSPEC(Run&) {}

}  // namespace packets::styles
