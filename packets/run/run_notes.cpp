#include "packets/run/run_notes.h"

#include "packets/run/append_files.h"

namespace packets::notes {

namespace {
std::string Num(long n) {
  return std::to_string(n);
}
}  // namespace

std::string RegularRepeats(int quiz) {
  return "Regular Question Repeats begin quiz " + Num(quiz);
}
std::string CvRepeats(int quiz) {
  return "CV Repeats begin quiz " + Num(quiz);
}
std::string CoRepeats(int quiz) {
  return "CO repeats begin quiz " + Num(quiz);
}
std::string SitRepeats(int quiz) {
  return "Situation Repeats begin quiz " + Num(quiz);
}
std::string FtvRepeats(int quiz) {
  return "FTV Repeats begin quiz " + Num(quiz);
}
std::string SectorsRepeated(int quiz) {
  return "Sectors or Questions repeated in quiz " + Num(quiz);
}
std::string SectorsRepeatQuest(int place, int quiz) {
  return "Sectors repeat Quest " + Num(place) + " Quiz " + Num(quiz);
}
std::string Abandoning(int percent, int quiz) {
  return "Abandoning " + Num(percent) + " Percent interrogatives on quiz " + Num(quiz);
}

void AppendNote(Run& run, std::string_view line) {
  std::string text(line);
  text += "\r\n";
  AppendToFile(run, run.st.F9, text);
}

}  // namespace packets::notes

namespace packets {

void REPEATSECTOR(Run& run) {
  RunState& st = run.st;
  if (st.RSET == 24) {
    console::CLR(run.con);
    st.RSET = 5;
  }
  run.con.GotoXY(3, st.RSET);
  run.con.ClrEol();
  const std::string text =
      "  Sectors or questions will be repeated in quiz " + std::to_string(st.Q2);
  run.con.Write(text);
  Say(run, text);
  notes::AppendNote(run, notes::SectorsRepeated(st.Q2));
}

}  // namespace packets
