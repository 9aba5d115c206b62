#include "packets/run/append_files.h"

#include "packets/run/run.h"

namespace packets {

AppendFiles::AppendFiles(Run& run) : run_(run) {
  run_.files = this;
}

AppendFiles::~AppendFiles() {
  // Left by a runtime error: what was written still reaches the files (the
  // writers flush as they go), and the run no longer points here.
  if (run_.files == this) run_.files = nullptr;
}

void AppendFiles::Append(std::string_view name, std::string_view bytes) {
  for (auto& [open_name, writer] : open_) {
    if (open_name == name) {
      writer.Write(bytes);
      return;
    }
  }
  open_.emplace_back(std::string(name), run_.dir.OpenAppend(name));
  open_.back().second.Write(bytes);
}

void AppendFiles::Close() {
  if (run_.files == this) run_.files = nullptr;
  // Every file is closed, even after one fails; the first failure is
  // reported.
  std::vector<std::pair<std::string, console::TextWriter>> open = std::move(open_);
  open_.clear();
  for (auto& entry : open) entry.second.Close();
}

void AppendToFile(Run& run, std::string_view name, std::string_view bytes) {
  if (run.files) {
    run.files->Append(name, bytes);
    return;
  }
  console::TextWriter out = run.dir.OpenAppend(name);
  out.Write(bytes);
  out.Close();
}

}  // namespace packets
