#include "packets/selection/approval.h"

#include "packets/output/output.h"
#include "packets/selection/kinds.h"

namespace packets::selection {

namespace {

constexpr int kAnswerColumn = 49;
constexpr int kRoomyList = 18;  // lines that leave room for the two empty lines

output::Place PlaceOf(const RunState& st, int i) {
  output::Place p;
  p.kind = PlaceKind(st, i);
  p.sector = st.SECTOR[i];
  p.number = st.NUMBER[i];
  p.book = st.RLBK[i];
  p.all = st.ALL[i];
  p.all2 = st.ALL2[i];
  return p;
}

}  // namespace

Answer AskApproval(Run& run) {
  const RunState& st = run.st;
  console::Console& con = run.con;
  console::CLR(con);
  con.WriteLn("  Que Sec Num    Verse  Type  Question");
  int specialties = 0;
  for (int i = 1; i <= st.SECTORS; ++i) specialties += KindOf(PlaceKind(st, i)) ? 1 : 0;
  const bool roomy = specialties <= kRoomyList;
  if (roomy) con.WriteLn();
  for (int i = 1; i <= st.SECTORS; ++i) {
    if (KindOf(PlaceKind(st, i))) con.WriteLn(output::ListingLine(i, PlaceOf(st, i)));
  }
  if (roomy) con.WriteLn();
  con.Write("  Do you wish to accept this combination (y/n)? ");
  const int row = con.WhereY();
  for (;;) {
    con.GotoXY(kAnswerColumn, row);
    con.Write("  ");
    con.GotoXY(kAnswerColumn, row);
    const char key = con.ReadKey();
    if (key == console::kEsc) return Answer::kEsc;
    if (key == 'y' || key == 'Y' || key == 'n' || key == 'N') {
      console::CLR(con);
      return key == 'y' || key == 'Y' ? Answer::kAccept : Answer::kReject;
    }
  }
}

}  // namespace packets::selection
