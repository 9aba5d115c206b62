#include "packets/styles/style_file.h"

#include <algorithm>

#include "packets/styles/styles.h"

namespace packets::styles {

namespace {

/// A one-character line: the character as read, the rest of the line
/// discarded. On an empty line the character is the line end itself (as a
/// character read takes it), but only the one line is consumed, so the
/// lines after it keep their places whatever line ends the file uses.
char ReadLineChar(console::TextReader& in) {
  char c = '\r';
  if (in.Eof()) {
    c = 26;  // the end-of-file character
  } else if (!in.Eoln()) {
    c = in.ReadChar();
  }
  in.ReadLn();
  return c;
}

/// A character field as written: a control character (an empty line read
/// back) becomes a blank, so that the written file keeps its 29 lines.
std::string CharLine(char c) {
  return std::string(1, static_cast<unsigned char>(c) < 32 ? ' ' : c);
}

/// How many numbers each line of a style file holds, line 1 first.
constexpr int kNumbersOnLine[kStyleFileLines] = {0, 2, 2, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 1,
                                                 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};

/// A whole number as a style file holds it: an optional sign and digits,
/// within -32768..32767.
bool IsStyleNumber(std::string_view run) {
  const bool negative = !run.empty() && run[0] == '-';
  if (!run.empty() && (run[0] == '-' || run[0] == '+')) run.remove_prefix(1);
  if (run.empty() || run.size() > 5) return false;
  long v = 0;
  for (char c : run) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  return v <= (negative ? 32768 : 32767);
}

/// The run of characters above code 32 that starts at or after `pos`, as
/// the reader of numbers takes it; empty at the end of the line.
std::string_view NextRun(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 32) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && static_cast<unsigned char>(text[pos]) > 32) ++pos;
  return text.substr(start, pos - start);
}

}  // namespace

std::optional<std::string> CheckStyleFileText(const console::WorkDir& dir,
                                              const std::string& file_name) {
  if (!dir.Exists(file_name)) {
    return file_name + ": there is no such style file in the working directory";
  }
  console::TextReader in = dir.OpenRead(file_name);
  int line = 0;
  while (!in.Eof()) {
    const std::string_view text = in.ReadLineView();
    ++line;
    if (line > kStyleFileLines) continue;
    std::size_t pos = 0;
    for (int n = 1; n <= kNumbersOnLine[line - 1]; ++n) {
      const std::string_view run = NextRun(text, pos);
      if (!IsStyleNumber(run)) {
        const std::string which = kNumbersOnLine[line - 1] == 1 ? "a number"
                                  : n == 1                      ? "two numbers"
                                                                : "a second number";
        return file_name + ":" + std::to_string(line) + ": the line must hold " + which +
               (run.empty() ? std::string(", and has none")
                            : ", not '" + std::string(run.substr(0, 20)) + "'");
      }
    }
  }
  if (line != kStyleFileLines) {
    return file_name + ": a style file has " + std::to_string(kStyleFileLines) +
           " lines, and this one has " + std::to_string(line);
  }
  return std::nullopt;
}

std::string StyleFileName(std::string_view style_name) {
  return std::string(style_name) + std::string(kStyleExt);
}

std::string WindowTemplate(int spearly, int splate) {
  std::string typ(kPatternCap, 'n');
  for (int x = std::max(spearly, 1); x <= std::min(splate, kPatternCap); ++x) typ[x - 1] = 'A';
  return typ;
}

StyleRecord ReadStyleFile(const console::WorkDir& dir, const std::string& file_name) {
  console::TextReader in = dir.OpenRead(file_name);
  StyleRecord r;
  r.LG = ReadLineChar(in);
  r.BCHAP = in.ReadInt();
  r.BVER = in.ReadLineInt();
  r.ECHAP = in.ReadInt();
  r.EVER = in.ReadLineInt();
  r.NAME4 = in.ReadLineStr(kNameCap);
  r.LPP = in.ReadLineInt();
  r.OUT = ReadLineChar(in);
  r.QMAX = in.ReadLineInt();
  r.REGLST = ReadLineChar(in);
  r.AB = in.ReadLineInt();
  r.IPC = in.ReadLineInt();
  r.INDX = ReadLineChar(in);
  r.QNUM = in.ReadLineInt();
  r.SEC1 = ReadLineChar(in);
  r.REPEATPCT = in.ReadLineInt();
  r.SPMAX = in.ReadLineInt();
  r.SPMIN = in.ReadLineInt();
  r.FMAX = in.ReadLineInt();
  r.FMIN = in.ReadLineInt();
  r.RMAX = in.ReadLineInt();
  r.RMIN = in.ReadLineInt();
  r.OMAX = in.ReadLineInt();
  r.OMIN = in.ReadLineInt();
  r.SMAX = in.ReadLineInt();
  r.SMIN = in.ReadLineInt();
  r.PRIMPCT = in.ReadLineInt();
  r.SPEARLY = in.ReadLineInt();
  r.SPLATE = in.ReadLineInt();
  r.SETSPC = ReadLineChar(in);
  // A shorter template (a hand-edited file) is filled up with regular
  // questions, as the writer fills it, so it is a pattern of 30 places.
  r.TYP = in.ReadLineStr(kPatternCap);
  r.TYP.resize(kPatternCap, 'n');
  return r;
}

void WriteStyleFile(const console::WorkDir& dir, std::string_view file_name, const StyleRecord& r) {
  console::TextWriter out = dir.Replace(file_name);
  out.WriteLn(CharLine(r.LG));
  out.Write(r.BCHAP);
  out.Write(" ");
  out.WriteLn(r.BVER);
  out.Write(r.ECHAP);
  out.Write(" ");
  out.WriteLn(r.EVER);
  out.WriteLn(r.NAME4.substr(0, kNameCap));
  out.WriteLn(r.LPP);
  out.WriteLn(CharLine(r.OUT));
  out.WriteLn(r.QMAX);
  out.WriteLn(CharLine(r.REGLST));
  out.WriteLn(r.AB);
  out.WriteLn(r.IPC);
  out.WriteLn(CharLine(r.INDX));
  out.WriteLn(r.QNUM);
  out.WriteLn(CharLine(r.SEC1));
  for (int v : {r.REPEATPCT, r.SPMAX, r.SPMIN, r.FMAX, r.FMIN, r.RMAX, r.RMIN, r.OMAX, r.OMIN,
                r.SMAX, r.SMIN, r.PRIMPCT, r.SPEARLY, r.SPLATE}) {
    out.WriteLn(v);
  }
  out.WriteLn(CharLine(r.SETSPC));
  // Line 29 always holds 30 characters: a shorter template is filled up
  // with regular questions.
  std::string typ = r.TYP.substr(0, kPatternCap);
  typ.resize(kPatternCap, 'n');
  out.WriteLn(typ);
  out.Close();
}

void WriteHandOver(const console::WorkDir& dir, std::string_view name) {
  console::TextWriter out = dir.Replace(kHandOverFile);
  out.WriteLn(name);
  out.Close();
}

}  // namespace packets::styles
