#include "packets/styles/config_screen.h"

namespace packets::styles {

// PLACEHOLDER: the configuration screen is not built yet; the loaded style
// is accepted unchanged, so that it is saved and run as it stands.
Edit EditStyle(Run& run) {
  console::CLR(run.con);
  return Edit::kAccepted;
}

}  // namespace packets::styles
