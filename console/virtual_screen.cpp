#include "console/virtual_screen.h"

namespace console {

void VirtualConsole::Keys(std::string_view keys) {
  script_.insert(script_.end(), keys.begin(), keys.end());
}

void VirtualConsole::Line(std::string_view text) {
  Keys(text);
  script_.push_back(kEnter);
}

char VirtualConsole::ReadKey() {
  if (script_.empty()) throw InputExhausted{"the key script is used up (ReadKey)"};
  char c = script_.front();
  script_.pop_front();
  return c;
}

bool VirtualConsole::KeyPressed() {
  if (script_.empty()) throw InputExhausted{"the key script is used up (KeyPressed)"};
  return true;
}

std::string VirtualConsole::Text() const {
  std::string out;
  for (int y = 1; y <= kRows; ++y) {
    out += Row(y);
    if (y < kRows) out += '\n';
  }
  return out;
}

std::string VirtualConsole::Text(int x, int y, int len) const {
  return Row(y).substr(x - 1, len);
}

}  // namespace console
