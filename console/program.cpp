#include "console/program.h"

#include <cstdio>
#include <exception>

#include "console/console.h"
#include "console/runtime_error.h"

namespace console {

int RunProgram(const std::function<void()>& body, const std::function<void()>& restore) {
  try {
    body();
    restore();
    return 0;
  } catch (const RuntimeError& e) {
    restore();
    std::fprintf(stderr, "%s\n", e.what());
    return e.code();
  } catch (const InputExhausted& e) {
    restore();
    std::fprintf(stderr, "Input ended: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    restore();
    std::fprintf(stderr, "%s\n", e.what());
    return kExitInternal;
  }
}

}  // namespace console
