// The whole state of a run of `packets`: the limits, the style settings the
// run driver reads from the style file, the verse table, the per-verse index,
// the sector table, the quotas, the availability tables and the per-quiz
// state, each under its own name. Every table is indexed from 1 and checks
// its indices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "packets/run/file_texts.h"
#include "packets/run/tables.h"

namespace packets {

// Limits.
inline constexpr int QQZ = 150;    // quizzes in one run
inline constexpr int CHMAX = 28;   // chapters of the book
inline constexpr int VMAX = 80;    // verse slots per chapter
inline constexpr int SCMAX = 30;   // sectors, also the most questions per quiz
inline constexpr int REGXX = 170;  // regular questions per sector, as planned for
inline constexpr int SPXX = 50;    // specialty questions of one kind per sector, as planned for
inline constexpr int LMAX = 254;   // capacity of a question line

inline constexpr int kNameCap = 14;     // style and output names
inline constexpr int kPatternCap = 30;  // a specialty pattern

/// The settings of one quiz style, in the order of the style file.
/// A true/false entry of an availability table (bytes, not packed bits, so
/// that entries can be referred to).
using Flag = std::uint8_t;

struct StyleRecord {
  char LG = ' ';
  int BCHAP = 1, BVER = 1, ECHAP = 1, EVER = 1;
  std::string NAME4;
  int LPP = 60;
  char OUT = 'P';
  int QMAX = 20;
  char REGLST = 'A';
  int AB = 16;
  int IPC = 50;
  char INDX = 'Y';
  int QNUM = 1;
  char SEC1 = 'V';
  int REPEATPCT = 0;
  int SPMAX = 0, SPMIN = 0;
  int FMAX = 0, FMIN = 0;
  int RMAX = 0, RMIN = 0;
  int OMAX = 0, OMIN = 0;
  int SMAX = 0, SMIN = 0;
  int PRIMPCT = 100;
  int SPEARLY = 1, SPLATE = 30;
  char SETSPC = 'N';
  std::string TYP;
};

/// One kind of question as the season history sees it in this run, by
/// sector and by the question's place within its sector.
struct SeasonKind {
  /// 0 when no earlier run of the season used the question, else the rank
  /// of the latest earlier run that did (1 the oldest run of the history).
  SectorTable<std::uint16_t, SCMAX> AGE{"AGE"};
  /// Per sector: the rank whose questions are available so far (0 while the
  /// sector's fresh questions last).
  Table<int, SCMAX> LEVEL{"LEVEL"};
  /// The question's whole line in its data file, as the history records it;
  /// a view into the run's question file texts.
  SectorTable<std::string_view, SCMAX> RECORD{"RECORD"};
};

/// A question that a quiz of this run used, for the season history.
struct SeasonPick {
  int quiz;
  int place;
  char kind;  // n F R O S
  int sector;
  int number;
};

/// The season history's part of a run: empty FILE when the run has none.
struct SeasonState {
  std::string FILE;
  SeasonKind REG, FIN, REF, ONLY, SIT;
  std::vector<SeasonPick> picks;  // every place of every quiz written
  int runs = 0;                   // earlier runs the history records
  bool unwritten = false;         // a completed run could not be added to FILE
};

struct RunState {
  // ------------------------------------------------ style, as the run driver reads it
  char LG = ' ';
  int BCHAP = 1, BVER = 1, ECHAP = 1, EVER = 1;
  int LPP = 60;
  char OUT = 'P';
  int QMAX = 1;
  int AB = 1;
  int IPC = 50;
  char INDX = 'Y';
  int QNUM = 1;
  int REPEATPCT = 0;
  int SPMAX = 0, SPMIN = 0;
  int FMAX = 0, FMIN = 0;
  int RMAX = 0, RMIN = 0;
  int OMAX = 0, OMIN = 0;
  int SMAX = 0, SMIN = 0;
  int SPEARLY = 1, SPLATE = 30;
  std::string TYP;  // capacity 30

  // Shared with the style module: read from the style file by the driver,
  // set by the style module while it runs.
  std::string NAME4;  // output base name, capacity 14
  char REGLST = 'A';
  char SEC1 = 'V';
  int PRIMPCT = 100;
  char SETSPC = 'N';
  char I = 0;  // last key read by the style module

  /// The style module's own copy of the style record, with the style name.
  StyleRecord STYLE;
  std::string NAME1;  // style name, capacity 14

  // ------------------------------------------------ file names (built by the run driver)
  std::string STYLENAME;        // F1's content: chosen style name or "Exit"
  std::string F2;               // style file
  std::string F3;               // regular question file
  std::string F4;               // FTV pool file
  std::string F5;               // CV Ref file
  std::string F6;               // CO Ref file
  std::string F7;               // SIT file
  std::string F8;               // packet file
  std::string F9 = "temp.txt";  // run notes
  std::string F10;              // usage record
  std::string F11;              // count file
  /// Directory of the search path where an existing count file was found
  /// when the working directory has none; empty for the working directory.
  std::string F11DIR;
  std::string F12 = "pat.txt";  // pattern file

  // ------------------------------------------------ material and verse table
  Table<std::uint8_t, CHMAX> EVS{"EVS"};
  int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;
  int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;
  int TEMPF = 0, TEMPS = 0;

  // ------------------------------------------------ per-verse index
  Table2<std::uint8_t, CHMAX, VMAX> QCOUNT{"QCOUNT"};
  Table2<std::uint8_t, CHMAX, VMAX> FCOUNT{"FCOUNT"};
  Table2<std::uint8_t, CHMAX, VMAX> RCOUNT{"RCOUNT"};
  Table2<std::uint8_t, CHMAX, VMAX> OCOUNT{"OCOUNT"};
  Table2<std::uint8_t, CHMAX, VMAX> SCOUNT{"SCOUNT"};

  // ------------------------------------------------ sector table
  int SECTORS = 0;
  int SECTORS2 = 0;
  Table<std::uint8_t, SCMAX> BC{"BC"}, BV{"BV"}, EC{"EC"}, EV{"EV"};
  Table<int, SCMAX> QPS{"QPS"}, FPS{"FPS"}, RPS{"RPS"}, OPS{"OPS"}, SPS{"SPS"};
  Table<int, SCMAX> TQPS{"TQPS"}, TFPS{"TFPS"}, TRPS{"TRPS"}, TOPS{"TOPS"}, TSPS{"TSPS"};
  Table<std::uint8_t, CHMAX> CS{"CS"};

  // ------------------------------------------------ quotas
  int MINQZ = 0;
  int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;
  int MINQZ1 = 0, FQUIZ1 = 0, RQUIZ1 = 0, OQUIZ1 = 0, SQUIZ1 = 0;
  int RESEC = 0;
  bool RES = false;

  // ------------------------------------------------ availability and interrogatives
  // Indexed (sector, question's place in its sector); each sector's row is
  // sized to the questions the sector holds.
  SectorTable<Flag, SCMAX> REGQUESTION{"REGQUESTION"};
  SectorTable<Flag, SCMAX> INT{"INT"};
  SectorTable<Flag, SCMAX> FINISH{"FINISH"};
  SectorTable<Flag, SCMAX> REFERENCE{"REFERENCE"};
  SectorTable<Flag, SCMAX> ONLY{"ONLY"};
  SectorTable<Flag, SCMAX> SITUATION{"SITUATION"};
  SectorTable<std::int8_t, SCMAX> FTYPE{"FTYPE"};

  // ------------------------------------------------ per-quiz and message state
  int QZ = 0;
  int Q2 = 0;
  Table<std::string, QQZ> PAT{"PAT"};
  int V = 0;
  bool EN = false;
  int RSET = 4;
  bool ABAND3 = false;
  int ABAND = 0;
  int OLDIPC = 0;
  char FTCC = 'a', FTC2 = 'b', FTC3 = 'c', FTC4 = 'd', FTC5 = 'e';
  std::string ALLTEMP, ATEMP;
  Table<std::string, SCMAX> ALL{"ALL"}, ALL2{"ALL2"};
  int CHOICE = 0;

  // The filled places of the quiz in hand, indexed by place 1..SECTORS. A
  // sector may serve two places of one quiz (after a sector draw gave up or
  // the sectors were repeated), so the question number is kept per place.
  Table<int, SCMAX> SECTOR{"SECTOR"};  // sector of each place; 99 while not chosen
  Table<int, SCMAX> NUMBER{"NUMBER"};  // number of the place's question within its sector
  Table<char, SCMAX> RLBK{"RLBK"};     // book letter printed with the place's reference

  // The packet as OPUT appended it to the packet file this run, for its
  // print-ready PDF copy; and the paper that copy is laid out for.
  std::string PACKET;
  bool A4 = false;  // A4 paper ("--paper a4"), else letter

  // ------------------------------------------------ question selection
  // The material's lines of each question data file, read once per run:
  // entry (s, k) is question k of sector s in file order, as the file holds
  // it (regular, CV Ref and CO Ref lines up to 254 characters, FTV and SIT
  // lines up to 508).
  SectorTable<std::string, SCMAX> REGLINE{"REGLINE"};    // regular questions
  SectorTable<std::string, SCMAX> FINLINE{"FINLINE"};    // FTV questions
  SectorTable<std::string, SCMAX> REFLINE{"REFLINE"};    // CV Ref questions
  SectorTable<std::string, SCMAX> ONLYLINE{"ONLYLINE"};  // CO Ref questions
  SectorTable<std::string, SCMAX> SITLINE{"SITLINE"};    // SIT questions
  bool INTIDX = false;  // the interrogative index was built in this run

  Table<int, SCMAX> FLAG{"FLAG"};        // 1 while sector s is free in the quiz in hand
  Table<int, SCMAX> RSECTOR{"RSECTOR"};  // sector of each regular place
  Table<int, SCMAX> RNUMBER{"RNUMBER"};  // number of each regular place's question
  int LAST = 99;                         // sector of the last CV Ref pick of the quiz in hand
  int LASTO = 99;                        // sector of the last CO Ref, SIT or FTV pick
  int SECOND = 0;                        // places of the current kind started in this quiz
  int ITOT = 0;                          // interrogatives chosen in the quiz in hand
  int INUM = 0;                          // interrogatives wanted in it
  int FIXLAST = 0;                       // quiz of the last sector used twice, before this quiz
  std::string BKNAME;                    // book name of the place last filled ("Matt")

  // Counters that carry a meaning from one phase into another.
  int S = 0;    // sector (SPECOUNT, READ11, REPEATSECTOR)
  int X = 0;    // chapter (SPECOUNT)
  int Y = 0;    // verse (SPECOUNT)
  int CH = 0;   // chapter (counting operations of the index)
  int NUM = 0;  // counters of question selection, kept for the whole program
  int FIX = 0;
  int TREP = 0;

  // The question files as read this run.
  FileTexts question_files;

  // The season history, when the run keeps one.
  SeasonState season;
};

/// Zeroes the five per-verse tables.
void ClearVerseTables(RunState& st);
/// Zeroes the per-sector counts of all 30 sectors and their bounds.
void ClearSectorTable(RunState& st);
/// Copies the five per-sector counts of all 30 sectors into their T copies
/// (TQPS, TFPS, TRPS, TOPS, TSPS).
void SaveSectorCounts(RunState& st);

}  // namespace packets
