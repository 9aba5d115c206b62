#include "packets/driver/driver.h"

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <thread>

#include "console/console.h"
#include "packets/driver/phases.h"
#include "packets/history/season_run.h"
#include "packets/material/material.h"
#include "packets/run/append_files.h"
#include "packets/run/run_notes.h"
#include "packets/run/season.h"
#include "packets/styles/style_file.h"
#include "packets/styles/styles.h"

namespace packets::driver {

using console::CLR;
using console::Console;

namespace {

constexpr int kYellow = console::kYellow;
constexpr int kBlue = console::kBlue;

/// The two digits that name a pool or count file: 100 gives "00".
std::string PercentDigits(int p) {
  std::string d;
  d += static_cast<char>(48 + p / 10 % 10);
  d += static_cast<char>(48 + p % 10);
  return d;
}

/// How one pass of the title loop ended.
struct Ending {
  enum Kind { kExit, kTitle, kRefused, kComplete } kind;
  std::string why;  // for kRefused: the reason, in words
};

/// A problem the user can mend (a style or data file): shown in words, then
/// Enter, then back to the title.
Ending Refuse(Run& run, const std::string& heading, const std::string& words) {
  const Ending refused{Ending::kRefused, heading + " " + words};
  if (run.headless) return refused;
  Console& con = run.con;
  con.TextColor(kYellow);
  con.TextBackground(kBlue);
  CLR(con);
  con.WriteLn("  " + heading);
  con.WriteLn();
  con.WriteLn("  " + words);
  con.WriteLn();
  con.Write("  Press Return to Continue ");
  con.ReadLine();
  return refused;
}

/// A run that cannot go on for a reason a fixed screen tells: the screen
/// (which waits for the user), then back to the title.
Ending Warn(Run& run, void (*screen)(Console&), std::string_view words) {
  if (!run.headless) screen(run.con);
  return {Ending::kRefused, std::string(words)};
}

/// The run driver's copies of the style settings.
void TakeStyle(RunState& st, const StyleRecord& r) {
  st.LG = r.LG;
  st.BCHAP = r.BCHAP;
  st.BVER = r.BVER;
  st.ECHAP = r.ECHAP;
  st.EVER = r.EVER;
  st.NAME4 = r.NAME4;
  st.LPP = r.LPP;
  st.OUT = r.OUT;
  st.QMAX = r.QMAX;
  st.REGLST = r.REGLST;
  st.AB = r.AB;
  st.IPC = r.IPC;
  st.INDX = r.INDX;
  st.QNUM = r.QNUM;
  st.SEC1 = r.SEC1;
  st.REPEATPCT = r.REPEATPCT;
  st.SPMAX = r.SPMAX;
  st.SPMIN = r.SPMIN;
  st.FMAX = r.FMAX;
  st.FMIN = r.FMIN;
  st.RMAX = r.RMAX;
  st.RMIN = r.RMIN;
  st.OMAX = r.OMAX;
  st.OMIN = r.OMIN;
  st.SMAX = r.SMAX;
  st.SMIN = r.SMIN;
  st.PRIMPCT = r.PRIMPCT;
  st.SPEARLY = r.SPEARLY;
  st.SPLATE = r.SPLATE;
  st.SETSPC = r.SETSPC;
  st.TYP = r.TYP;
}

/// Looks for the count file in the working directory, then on the search
/// path; remembers the directory where it was found.
bool FindCountFile(Run& run, const Environment& env) {
  run.st.F11DIR.clear();
  if (run.dir.Exists(run.st.F11)) return true;
  for (const std::string& d : SearchPath(env)) {
    if (d.empty()) continue;
    if (console::FindInDirectory(d, run.st.F11)) {
      run.st.F11DIR = d;
      return true;
    }
  }
  return false;
}

/// Waits, without taking it, until a key is waiting.
void WaitForKey(Console& con) {
  while (!con.KeyPressed()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

void RepeatWarning(Run& run) {
  RunState& st = run.st;
  Console& con = run.con;
  if (!(st.MINQZ < st.QNUM && st.MINQZ < 12)) return;
  CLR(con);
  con.GotoXY(3, 3);
  con.Write("Regular question repeats will begin after quiz ");
  con.WriteLn(st.MINQZ);
  Say(run, "Regular question repeats will begin after quiz " + std::to_string(st.MINQZ));
  if (st.RES) return;
  con.GotoXY(3, 4);
  con.Write("Do you wish to resector? ");
  char key = con.ReadKey();
  con.Write(key);
  if (key == 'Y' || key == 'y') {
    phases::RESECTOR(run);
    phases::DISPLAY(run);
    while (con.ReadKey() == '8') {
    }
  } else {
    con.ReadLine();
  }
}

namespace {

/// Step 20: every question available again; the counts as sectoring left them.
void MarkAllAvailable(RunState& st) {
  for (int s = 1; s <= SCMAX; ++s) {
    // Room for every question of the sector, and never less than the
    // planned table size.
    st.REGQUESTION.Size(s, std::max(REGXX, st.QPS[s]), 1);
    st.FINISH.Size(s, std::max(SPXX, st.FPS[s]), 1);
    st.REFERENCE.Size(s, std::max(SPXX, st.RPS[s]), 1);
    st.ONLY.Size(s, std::max(SPXX, st.OPS[s]), 1);
    st.SITUATION.Size(s, std::max(SPXX, st.SPS[s]), 1);
  }
  SaveSectorCounts(st);
}

bool MissingSpecialty(const RunState& st) {
  return (st.FQUEST == 0 && st.FMAX > 0) || (st.OQUEST == 0 && st.OMAX > 0) ||
         (st.RQUEST == 0 && st.RMAX > 0) || (st.SQUEST == 0 && st.SMAX > 0);
}

}  // namespace

bool ApprovalMenu(Run& run) {
  static const char* const kChoices[] = {"Run specialty combinations automatically    ",
                                         "Approve specialty combinations for each quiz"};
  Console& con = run.con;
  int choice = 1;
  for (;;) {
    styles::APPROVESPEC(con);
    con.GotoXY(16, 2 + choice);
    con.Write(kChoices[choice - 1]);
    con.TextColor(kYellow);
    con.TextBackground(kBlue);
    const char key = con.ReadKey();
    if (key == 'P') {
      choice = choice == 2 ? 1 : choice + 1;
    } else if (key == 'H') {
      choice = choice == 1 ? 2 : choice - 1;
    } else if (key == console::kEsc) {
      return false;
    } else if (key == console::kEnter) {
      run.st.V = choice == 1 ? 2 : 1;
      return true;
    }
  }
}

void CopyRunNotes(Run& run) {
  auto notes = run.dir.OpenRead(run.st.F9);
  auto usage = run.dir.OpenAppend(run.st.F10);
  do {
    std::string line = notes.ReadStr(LMAX);
    notes.ReadLn();
    usage.WriteLn(line);
  } while (!notes.Eof());
  usage.Close();
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  if (!v) return std::nullopt;
  return std::string(v);
}

std::vector<std::string> SearchPath(const Environment& env) {
  std::optional<std::string> list = env("Path");
  if (!list) list = env("PATH");
  std::vector<std::string> dirs;
  if (!list) return dirs;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = list->find(console::kPathListSeparator, start);
    dirs.push_back(list->substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return dirs;
}

FileNames BuildFileNames(const RunState& st) {
  const std::string ll = st.LG == 'L' ? "LL" : "";
  const std::string digits = PercentDigits(st.PRIMPCT);
  const bool set_c = st.REGLST == 'C' || st.REGLST == 'c';
  FileNames f;
  f.ftv = ll + "FTV." + digits;
  f.count = ll + "count." + digits + st.REGLST;
  f.regular = ll + "Mat." + st.REGLST;
  f.cv = ll + (set_c ? "cv.c" : "cv.b");
  f.co = ll + (set_c ? "co.c" : "co.b");
  f.sit = st.LG == 'L' ? "llsit.txt" : "SIT.TXT";
  f.packet = st.NAME4 + ".qui";
  f.usage = st.NAME4 + ".inf";
  return f;
}

void ClosingMessages(Run& run) {
  RunState& st = run.st;
  Console& con = run.con;
  if (st.ABAND3) {
    NextMessageRow(run, 5);
    con.TextColor(console::kWhite);
    con.TextBackground(console::kRed);
    con.Write(st.OLDIPC);
    con.Write(" Percent interrogatives abandoned on quiz ");
    con.Write(st.ABAND);
    Say(run, std::to_string(st.OLDIPC) + " Percent interrogatives abandoned on quiz " +
                 std::to_string(st.ABAND));
    con.TextColor(kYellow);
    con.TextBackground(kBlue);
    con.ReadLine();
  }
  if (st.RSET > 4) {
    con.GotoXY(20, 3);
    con.Write(" Quizzes Complete -- Press Return to Continue");
    con.ReadLine();
  }
}

namespace {

/// A run without a terminal keeps, for its end, the names of the files it
/// wrote (the packet and the usage record first, then the PDF copy) and its
/// run notes; a PDF that could not be written is said on the spot.
void TellFilesAndNotes(Run& run, const std::optional<std::string>& pdf_problem) {
  const RunState& st = run.st;
  Headless& h = *run.headless;
  const std::string pdf = st.NAME4 + ".pdf";
  if (pdf_problem) {
    h.says << pdf << " could not be written: " << *pdf_problem << '\n';
    h.files.insert(h.files.begin(), {st.F8, st.F10, st.F12});
  } else {
    h.files.insert(h.files.begin(), {st.F8, st.F10, pdf, st.F12});
  }
  h.files.push_back(st.F9);
  auto notes = run.dir.OpenRead(st.F9);
  while (!notes.Eof()) {
    const std::string_view line = notes.ReadLineView();
    if (!line.empty()) h.summary.push_back("Run note: " + std::string(line));
  }
}

/// A run without a terminal: the season history among the files written,
/// or, when it could not be written, the closing screen's words about it.
void TellHistory(Run& run, const std::vector<std::string>& below) {
  Headless& h = *run.headless;
  if (!run.st.season.unwritten) {
    h.files.push_back(run.st.season.FILE);
    return;
  }
  for (std::size_t i = 1; i < below.size(); ++i) {
    const std::string& line = below[i];
    h.summary.push_back(line.substr(line.find_first_not_of(' ')));
  }
}

/// One run: with `style` null from the title screen and the style menu, as
/// the user chooses; with a style name, that stored style as it stands.
Ending Pass(Run& run, const Environment& env, const std::string* style) {
  RunState& st = run.st;
  Console& con = run.con;

  // Title and style phase. The question files are read afresh each run.
  st.question_files.Clear();
  st.ABAND3 = false;
  con.ClrScr();
  st.RSET = 4;
  styles::WRITEHDG(con);
  con.GotoXY(1, 3);
  CLR(con);
  if (!style) styles::SPECS2(run);

  const auto verse_problem = material::ReadVerseTable(run);
  if (style) {
    st.STYLENAME = *style;
  } else {
    auto handover = run.dir.OpenRead("temp2.txt");
    st.STYLENAME = handover.ReadLineStr(kNameCap);
    if (st.STYLENAME == "Exit") {
      con.TextColor(console::kWhite);
      con.TextBackground(console::kBlack);
      con.ClrScr();
      return {Ending::kExit, {}};
    }
  }
  if (verse_problem) return Refuse(run, "The verse table cannot be used:", *verse_problem);

  // The style, as saved; a hand-edited file is checked before anything runs.
  st.F2 = st.STYLENAME + ".spe";
  if (auto unreadable = styles::CheckStyleFileText(run.dir, st.F2)) {
    return Refuse(run, "The quiz style " + st.STYLENAME + " cannot be read:", *unreadable);
  }
  const StyleRecord record = styles::ReadStyleFile(run.dir, st.F2);
  auto style_refused = styles::CheckStyleForRun(record);
  if (!style_refused) style_refused = styles::CheckMaterialVerses(record, st.EVS);
  if (style_refused) {
    return Refuse(run, "The quiz style " + st.STYLENAME + " cannot be run:", style_refused->words);
  }
  TakeStyle(st, record);
  const FileNames names = BuildFileNames(st);
  st.F4 = names.ftv;
  st.F11 = names.count;

  // Specialty patterns.
  st.QZ = st.QNUM;
  phases::SPEC2(run);
  {
    auto pat = run.dir.OpenRead(st.F12);
    for (int q = 1; q <= st.QZ; ++q) st.PAT[q] = pat.ReadLineStr(kPatternCap);
  }

  st.F3 = names.regular;
  st.F5 = names.cv;
  st.F6 = names.co;
  st.F7 = names.sit;
  st.F8 = names.packet;
  st.F9 = "temp.txt";
  st.F10 = names.usage;

  // Question index.
  st.SECTORS = st.QMAX;
  st.SECTORS2 = st.SECTORS;
  st.BEFORE = st.RBEFORE = st.OBEFORE = st.FBEFORE = st.SBEFORE = st.TQUEST = 0;
  CLR(con);
  ClearVerseTables(st);
  con.GotoXY(3, 3);
  if (!(st.INDX == 'N' && FindCountFile(run, env))) {
    st.F11DIR.clear();
    CLR(con);
    con.WriteLn("  Creating index of questions...");
    con.WriteLn();
    if (auto refused = phases::BuildIndex(run)) {
      return Refuse(run, "The question files cannot be indexed:", *refused);
    }
    if (run.headless) run.headless->files.push_back(st.F11);
  }
  con.GotoXY(3, 3);
  con.Write("Sectoring material...");
  con.ClrEol();
  if (auto refused = phases::ReadIndex(run)) {
    return Refuse(run, "The count file " + st.F11 + " cannot be used:", *refused);
  }

  CLR(con);
  if (st.TQUEST < st.SECTORS) {
    return Warn(run, styles::QUESTWARN, "There are not enough regular questions in this material.");
  }
  con.GotoXY(1, 3);
  con.WriteLn("  A quiz will contain one question from each sector.");
  con.Write("  Regular Questions: ");
  con.Write(st.TQUEST);
  con.Write("   FTV: ");
  con.Write(st.FQUEST);
  con.Write("   CV Refs: ");
  con.Write(st.RQUEST);
  con.Write("   CO Refs: ");
  con.Write(st.OQUEST);
  con.Write("   SIT: ");
  con.Write(st.SQUEST);
  con.WriteLn();

  // Quotas: how many quizzes each specialty supply can serve.
  if (st.FMAX > 0) st.FQUIZ = (4 * st.FQUEST / st.FMAX) / 5;
  if (st.SMAX > 0) st.SQUIZ = st.SQUEST / st.SMAX;
  if (st.OMAX > 0) st.OQUIZ = st.OQUEST / st.OMAX;
  if (st.RMAX > 0) st.RQUIZ = st.RQUEST / st.RMAX;
  st.TEMPF = st.FBEFORE;
  st.TEMPS = st.SBEFORE;

  // Sectoring and the sector table.
  if (st.SEC1 == 'C') {
    if (!phases::CHAPSEC(run)) {
      return {Ending::kRefused, "The material cannot be sectored by chapter."};
    }
  } else if (st.SEC1 == 'Q') {
    phases::RESECTOR(run);
    st.RES = true;
    phases::DISPLAY(run);
    WaitForKey(con);  // the key stays for the approval menu
  } else {
    if (phases::SectorByVerse(run)) {
      st.RES = false;
    } else {
      phases::RESECTOR(run);
      st.RES = true;
    }
    phases::DISPLAY(run);
    char key = con.ReadKey();
    while (static_cast<unsigned char>(key) == 191) key = con.ReadKey();
    if (key == console::kEsc) return {Ending::kTitle, {}};
  }
  if (st.MINQZ == 0) {
    return {Ending::kRefused, "A sector of the material holds no regular question."};
  }
  // The season history, read afresh for every run; its fresh supply counts
  // in MINQZ and the repeat warning.
  history::History season_history;
  if (season::On(st)) {
    if (auto refused = history::Read(run.dir, st.season.FILE, season_history)) {
      return Refuse(run, "The season history cannot be used:", *refused);
    }
    history::Match(run, season_history);
    history::LowerMinqz(st);
  }
  RepeatWarning(run);

  CLR(con);
  MarkAllAvailable(st);
  if (season::On(st)) history::Start(run, season_history);

  if (MissingSpecialty(st)) return Warn(run, styles::SPECWARN, "One specialty has zero questions.");

  st.CHOICE = 0;
  CLR(con);
  if (!ApprovalMenu(run)) return {Ending::kTitle, {}};

  CLR(con);
  if (st.IPC != 50) {
    if (auto refused = phases::COUNTINT(run)) {
      return Refuse(run, "The regular questions cannot be read:", *refused);
    }
  }

  if (auto refused = phases::PrepareSelection(run)) {
    return Refuse(run, "The question files cannot be used:", *refused);
  }

  // The quizzes start: only now are the packet file, the run notes and the
  // usage record created, so a run left before this point never empties the
  // packet of an earlier run.
  run.dir.OpenWrite(st.F8).Close();
  run.dir.OpenWrite(st.F9).Close();
  run.dir.OpenWrite(st.F10).Close();
  st.PACKET.clear();
  if (season::On(st)) history::NoteStartRepeats(run);

  st.MINQZ1 = st.MINQZ;
  st.RQUIZ1 = st.RQUIZ;
  st.FQUIZ1 = st.FQUIZ;
  st.SQUIZ1 = st.SQUIZ;
  st.OQUIZ1 = st.OQUIZ;
  st.FTCC = 'a';
  st.FTC2 = 'b';
  st.FTC3 = 'c';
  st.FTC4 = 'd';
  st.FTC5 = 'e';
  phases::FINTYPES(run);

  // The packet file, the usage record and the run notes stay open while
  // the quizzes are written.
  AppendFiles files(run);
  for (st.Q2 = 1; st.Q2 <= st.QZ; ++st.Q2) {
    st.EN = false;
    // Every place starts with the book letter, so a place the selection
    // leaves unfilled never prints a stray byte.
    st.RLBK.Fill('M');
    phases::CHOOSESPEC(run);
    // Esc at the approval question ends the run here: the quiz in hand is
    // not written; the complete ones stay, with the run notes.
    if (st.EN) break;
    if (season::On(st)) history::NoteQuiz(st);
    phases::OPUT(run);
  }
  files.Close();

  if (season::On(st)) {
    const history::Figures f = history::Count(st);
    notes::AppendNote(run, notes::SeasonFigures(f.avoided, f.returned));
  }
  CopyRunNotes(run);
  // The packet file and the usage record are complete before the PDF copy
  // is tried, so its failure costs neither.
  const std::optional<std::string> pdf_problem = phases::WritePacketPdf(run);
  if (run.headless) TellFilesAndNotes(run, pdf_problem);

  ClosingMessages(run);
  // Only a run that wrote every quiz goes into the season history.
  std::vector<std::string> below;
  if (season::On(st) && !st.EN) {
    below = history::Record(run, season_history, history::Now());
    if (run.headless) TellHistory(run, below);
  }
  styles::THANK(con, st.NAME4, pdf_problem, below);
  return {st.EN ? Ending::kTitle : Ending::kComplete, {}};
}

}  // namespace

bool RunOnce(Run& run, const Environment& env) {
  return Pass(run, env, nullptr).kind != Ending::kExit;
}

namespace {

/// Program start: the generator seeded, the counters kept for the whole
/// program reset.
void StartProgram(Run& run) {
  run.rng.Randomize();
  run.st.S = 0;
  run.st.NUM = 0;
  run.st.FIX = 0;
  run.st.TREP = 0;
  run.st.ABAND3 = false;
  run.st.RES = false;
}

/// A style name as `--run` takes it: a plain name, as the style menu lists
/// it, never a path out of the working directory.
std::optional<std::string> StyleNameProblem(const std::string& style) {
  if (style.empty()) return "the style name is empty";
  if (style.size() > static_cast<std::size_t>(kNameCap)) {
    return "the style name " + style + " is longer than " + std::to_string(kNameCap) +
           " characters";
  }
  if (style.find_first_of("/\\:") != std::string::npos) {
    return "the style name " + style +
           " is a path; give the name of a style of the working "
           "directory";
  }
  return std::nullopt;
}

}  // namespace

void RunPackets(Run& run, const Environment& env) {
  StartProgram(run);
  while (RunOnce(run, env)) {
  }
}

int RunStyle(Run& run, const std::string& style, const Environment& env, std::ostream& out,
             std::ostream& err) {
  if (auto problem = StyleNameProblem(style)) {
    err << "packets: " << *problem << '\n';
    return 1;
  }
  Headless headless{err, {}, {}};
  run.headless = &headless;
  StartProgram(run);
  Ending ending{Ending::kRefused, {}};
  try {
    ending = Pass(run, env, &style);
  } catch (const console::RuntimeError& e) {
    // A missing file is a refusal the user can mend; every other input or
    // output error keeps its number.
    if (e.code() != console::kErrFileNotFound) throw;
    ending = {Ending::kRefused, "A file the run needs cannot be found: " + e.where()};
  }
  run.headless = nullptr;
  if (ending.kind != Ending::kComplete) {
    err << "packets: " << (ending.why.empty() ? "the run did not complete" : ending.why) << '\n';
    return 1;
  }
  for (const std::string& name : headless.files) out << name << '\n';
  for (const std::string& line : headless.summary) out << line << '\n';
  if (run.st.season.unwritten) {
    // The packet and usage record stand; the season history does not hold them.
    err << "packets: the season history " << run.st.season.FILE << " was not updated\n";
    return 1;
  }
  return 0;
}

}  // namespace packets::driver
