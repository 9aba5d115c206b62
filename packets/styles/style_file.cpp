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

}  // namespace

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
