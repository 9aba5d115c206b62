// make_sample PATH: writes the sample question database to PATH.
#include <cstdio>
#include <fstream>

#include "tools/make_sample/sample_db.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample PATH\n");
    return 2;
  }
  const std::string text = sample::MakeSampleDatabase();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_sample: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
