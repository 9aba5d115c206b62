#include "packets/material/count_file.h"

#include <charconv>

#include "packets/material/line_numbers.h"

namespace packets::material {

namespace {

constexpr int kFields = 7;
constexpr int kMaxCount = 255;

}  // namespace

void WriteCountFile(const RunState& st, const console::WorkDir& dir, const std::string& name) {
  console::TextWriter out = dir.Replace(name);
  for (int c = 1; c <= CHMAX; ++c) {
    for (int v = 1; v <= VMAX; ++v) {
      const int fields[kFields] = {c,
                                   v,
                                   st.QCOUNT(c, v),
                                   st.FCOUNT(c, v),
                                   st.RCOUNT(c, v),
                                   st.OCOUNT(c, v),
                                   st.SCOUNT(c, v)};
      char line[kFields * 4];  // seven numbers of at most three digits and their blanks
      char* at = line;
      for (int k = 0; k < kFields; ++k) {
        if (k > 0) *at++ = ' ';
        at = std::to_chars(at, line + sizeof line, fields[k]).ptr;
      }
      out.WriteLn(std::string_view(line, static_cast<std::size_t>(at - line)));
    }
  }
  out.Close();
}

std::optional<std::string> CountCursor::Open(const Run& run) {
  return Open(OpenCountFile(run));
}

std::optional<std::string> CountCursor::Open(console::TextReader reader) {
  open_ = false;
  line_ = 1;
  name_ = reader.Name();
  std::array<int, kFields> field{};
  for (int n = 1; n <= kCountLines; ++n) {
    if (reader.Eof()) {
      return Where(name_, n) + "the file ends here; a count file holds " +
             std::to_string(kCountLines) + " lines";
    }
    const std::string_view text = reader.ReadLineView();
    int found = ReadNumbers(text, name_, n, field);
    if (found < kFields) {
      return Where(name_, n) + "seven numbers expected, " + std::to_string(found) + " found";
    }
    const int chapter = (n - 1) / VMAX + 1;
    const int verse = (n - 1) % VMAX + 1;
    if (field[0] != chapter || field[1] != verse) {
      return Where(name_, n) + "names chapter " + std::to_string(field[0]) + " verse " +
             std::to_string(field[1]) + " where chapter " + std::to_string(chapter) + " verse " +
             std::to_string(verse) + " belongs";
    }
    for (int k = 2; k < kFields; ++k) {
      const int count = field[static_cast<std::size_t>(k)];
      if (count < 0 || count > kMaxCount) {
        return Where(name_, n) + "a count of " + std::to_string(count) + " is outside 0 to " +
               std::to_string(kMaxCount);
      }
    }
    auto u8 = [&](int k) { return static_cast<std::uint8_t>(field[static_cast<std::size_t>(k)]); };
    lines_[static_cast<std::size_t>(n - 1)] = Packed{u8(2), u8(3), u8(4), u8(5), u8(6)};
  }
  for (int n = kCountLines + 1; !reader.Eof(); ++n) {
    if (!IsBlankLine(reader.ReadLineView())) {
      return Where(name_, n) + "a count file ends after line " + std::to_string(kCountLines);
    }
  }
  open_ = true;
  return std::nullopt;
}

void CountCursor::Seek(int line) {
  CheckIndex("count file line", line, kCountLines + 1);
  line_ = line;
}

CountLine CountCursor::At(int line) const {
  if (!open_) ThrowIndexError("count file (not open) line", line, 1, 0);
  CheckIndex("count file line", line, kCountLines);
  const Packed& p = lines_[static_cast<std::size_t>(line - 1)];
  return CountLine{(line - 1) / VMAX + 1, (line - 1) % VMAX + 1, p.q, p.f, p.r, p.o, p.s};
}

CountLine CountCursor::Read() {
  CountLine l = At(line_);
  ++line_;
  return l;
}

CountLine READ11(RunState& st, CountCursor& cursor) {
  CountLine l = cursor.Read();
  st.QPS[st.S] += l.q;
  st.FPS[st.S] += l.f;
  st.RPS[st.S] += l.r;
  st.OPS[st.S] += l.o;
  st.SPS[st.S] += l.s;
  st.CH = l.chapter;
  return l;
}

}  // namespace packets::material
