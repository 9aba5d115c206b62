// A console for a run without a terminal (`packets --run`, `databuild
// --yes`): it shows nothing and answers every key it is asked for with
// Enter, the answer of a user who accepts each screen as it stands.
#pragma once

#include "console/console.h"

namespace console {

class HeadlessConsole : public Console {
 public:
  /// After this many keys a screen that never accepts Enter ends the run
  /// (InputExhausted) instead of waiting for ever.
  static constexpr long kMaxKeys = 100000;

  char ReadKey() override;
  bool KeyPressed() override { return true; }
  long KeysRead() const { return keys_; }

 private:
  long keys_ = 0;
};

}  // namespace console
