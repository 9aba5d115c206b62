#include "packets/styles/style_menu.h"

#include "packets/styles/style_file.h"
#include "packets/styles/styles.h"

namespace packets::styles {

using console::Console;

namespace {

void Ordinary(Console& con) {
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
}

void DrawEntry(Console& con, const std::vector<std::string>& entries, int k, bool marked) {
  if (marked) {
    con.TextBackground(console::kRed);
    con.TextColor(console::kWhite);
  }
  std::string text = entries[static_cast<std::size_t>(k - 1)];
  if (static_cast<int>(text.size()) < kMenuWidth) text.resize(kMenuWidth, ' ');
  con.GotoXY(kMenuColumn, k + kMenuFirstRow - 1);
  con.Write(text);
  Ordinary(con);
}

}  // namespace

std::vector<std::string> TOPMENU(Run& run, StyleList& list) {
  Console& con = run.con;
  Ordinary(con);
  console::CLR(con);
  con.GotoXY(1, 3);
  con.Write("            Press Return to Choose a Quiz Style or Shift-D to Delete");
  con.GotoXY(1, 4);
  con.Write("     " + std::string(69, '_'));

  list = ReadStyleList(run.dir);
  std::vector<std::string> entries = MenuEntries(list);
  for (int k = 1; k <= static_cast<int>(entries.size()); ++k) DrawEntry(con, entries, k, false);
  return entries;
}

MenuChoice StyleMenu(Run& run) {
  Console& con = run.con;
  for (;;) {  // the menu starts again from its heading after a deletion
    StyleList list;
    const std::vector<std::string> entries = TOPMENU(run, list);
    const int count = static_cast<int>(entries.size());  // the shown lines and "Exit"
    const int last_line = count - 1;                     // "Enter New Specs"
    int y = 1;
    int marked = 1;
    for (bool restart = false; !restart;) {
      DrawEntry(con, entries, marked, false);
      DrawEntry(con, entries, y, true);
      marked = y;

      char key = con.ReadKey();
      run.st.I = key;
      int move = 0;
      if (key == console::kExtended) {
        // A key without a character: only its scan code counts, so that a
        // function key whose code happens to be a "D" deletes nothing.
        key = con.ReadKey();
        run.st.I = key;
        if (key == console::kScanUp) move = -1;
        if (key == console::kScanDown) move = 1;
      } else if (key == '8' || key == console::kScanUp) {
        move = -1;
      } else if (key == '2' || key == console::kScanDown) {
        move = 1;
      } else if (key == 'D' && y < last_line) {
        DeleteShownEntry(list, y);
        WriteStyleList(run.dir, list);
        restart = true;
      } else if (key == console::kEnter) {
        if (y == count) return MenuChoice{true, {}};
        return MenuChoice{false, entries[static_cast<std::size_t>(y - 1)]};
      }
      y += move;
      if (y < 1) y = count;
      if (y > count) y = 1;
    }
  }
}

void CHECKNEW(RunState& st, const std::string& entry) {
  st.NAME1 = (entry == kNewEntry ? std::string(kTemplateStyle) : entry).substr(0, kNameCap);
}

bool READIN(Run& run) {
  const std::string file = StyleFileName(run.st.NAME1);
  if (!run.dir.Exists(file)) return false;
  run.st.STYLE = ReadStyleFile(run.dir, file);
  return true;
}

}  // namespace packets::styles
