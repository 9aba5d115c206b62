#include "packets/run/file_texts.h"

namespace packets {

console::TextReader& FileTexts::Open(const console::WorkDir& dir, const std::string& name) {
  for (console::TextReader& text : texts_) {
    if (text.Name() == name) {
      text.Seek(0);
      return text;
    }
  }
  return texts_.emplace_back(dir.OpenRead(name));
}

}  // namespace packets
