// The question files of a run, each read from disk once: the question
// index, the interrogative index and the selection's question tables all
// read the same text, never the file again.
#pragma once

#include <deque>
#include <string>

#include "console/text_file.h"

namespace packets {

class FileTexts {
 public:
  /// The file `name` of `dir`, ready to be read from its first line: read
  /// from disk the first time the run asks for it (runtime error 2 when it
  /// does not exist), from memory after that. The reader stays valid until
  /// Clear().
  console::TextReader& Open(const console::WorkDir& dir, const std::string& name);
  /// Forgets every text: the next run reads the files afresh.
  void Clear() { texts_.clear(); }

 private:
  std::deque<console::TextReader> texts_;  // a deque keeps readers in place as it grows
};

}  // namespace packets
