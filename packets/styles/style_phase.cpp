#include "packets/styles/style_phase.h"

#include "packets/styles/config_screen.h"
#include "packets/styles/hand_set.h"
#include "packets/styles/style_file.h"
#include "packets/styles/style_list.h"
#include "packets/styles/style_menu.h"
#include "packets/styles/styles.h"

namespace packets::styles {

void SETVS(RunState& st) {
  for (int c = 1; c <= CHMAX; ++c) st.EVS[c] = static_cast<std::uint8_t>(kVerseCounts[c - 1]);
}

void ShareStyleFields(RunState& st) {
  st.NAME4 = st.STYLE.NAME4;
  st.REGLST = st.STYLE.REGLST;
  st.SEC1 = st.STYLE.SEC1;
  st.PRIMPCT = st.STYLE.PRIMPCT;
  st.SETSPC = st.STYLE.SETSPC;
}

void OUTFILE(Run& run) {
  RunState& st = run.st;
  StyleRecord& rec = st.STYLE;
  if (rec.SETSPC == 'Y') {
    SETSPEC(run);
  } else {
    rec.TYP = WindowTemplate(rec.SPEARLY, rec.SPLATE);
  }
  // The style file first, so that the list never names a style whose file
  // was not written.
  WriteStyleFile(run.dir, StyleFileName(st.NAME1), rec);

  StyleList list = ReadStyleList(run.dir);
  if (!IsListed(list, st.NAME1) && st.NAME1 != kTemplateStyle) {
    AddStyle(list, st.NAME1);
    WriteStyleList(run.dir, list);
  }
  ShareStyleFields(st);
  WriteHandOver(run.dir, st.NAME1);
}

void ReportMissingStyle(Run& run) {
  console::Console& con = run.con;
  console::CLR(con);
  con.GotoXY(3, 3);
  con.WriteLn("The style file " + StyleFileName(run.st.NAME1) + " of the quiz style " +
              run.st.NAME1 + " is missing.");
  con.WriteLn();
  con.WriteLn("  Press return to go back to the list of quiz styles.");
  con.ReadLine();
}

void SPECS2(Run& run) {
  SETVS(run.st);
  for (;;) {
    const MenuChoice choice = StyleMenu(run);
    if (choice.exit) {
      run.st.NAME1 = std::string(kExit);
      WriteHandOver(run.dir, kExit);
      return;
    }
    CHECKNEW(run.st, choice.entry);
    if (!READIN(run)) {
      ReportMissingStyle(run);
      continue;
    }
    ShareStyleFields(run.st);
    if (EditStyle(run) == Edit::kAccepted) {
      OUTFILE(run);
      return;
    }
  }
}

}  // namespace packets::styles
