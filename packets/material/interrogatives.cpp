#include "packets/material/interrogatives.h"

#include "packets/material/line_numbers.h"
#include "packets/material/material.h"

namespace packets::material {

namespace {

/// Openings that make a question interrogative, each compared over its full
/// length, trailing blank or comma included.
constexpr std::string_view kOpenings[] = {
    "Is ",        "Are ",       "Can ",       "Did ",       "Was ",      "Who ",      "Who,",
    "Why ",       "How ",       "What ",      "What,",      "Whom ",     "Will ",     "When ",
    "Where ",     "Which ",     "Whose ",     "In wh",      "Of wh",     "On wh",     "At wh",
    "To wh",      "Off wh",     "Before wh",  "By wh",      "For wh",    "Do you",    "From wh",
    "Into wh",    "Over wh",    "Unto wh",    "Upon wh",    "With wh",   "About wh",  "Above wh",
    "Along wh",   "Among wh",   "Below wh",   "Since wh",   "Under wh",  "Until wh",  "Across wh",
    "Around wh",  "Beside wh",  "Beyond wh",  "During wh",  "Toward wh", "Within wh", "Against wh",
    "Beneath wh", "Between wh", "Without wh", "Through wh",
};

/// Openings that begin statements, not questions; they win over kOpenings.
constexpr std::string_view kExceptions[] = {
    "What I ",  "When I ",   "When a ",  "How true ", "What God ",   "When this ",
    "When he ", "When his ", "When God", "When we ",  "When Moses ",
};

constexpr std::size_t kTextColumn = 7;  // the question text begins here
constexpr std::size_t kLineCap = LMAX;

bool OpensWithAny(std::string_view text, const auto& openings) {
  for (std::string_view opening : openings) {
    if (text.starts_with(opening)) return true;
  }
  return false;
}

}  // namespace

bool IsInterrogative(std::string_view text) {
  return OpensWithAny(text, kOpenings) && !OpensWithAny(text, kExceptions);
}

std::optional<std::string> COUNTINT(Run& run) {
  RunState& st = run.st;
  console::TextReader& in = st.question_files.Open(run.dir, st.F3);
  run.con.GotoXY(3, 3);
  run.con.Write("Creating index of interrogatives...");
  long expected = st.BEFORE;
  for (int s = 1; s <= st.SECTORS; ++s) expected += st.QPS[s];
  auto short_file = [&]() {
    return Where(st.F3, in.LineNumber()) + "the file ends here, but the index counts " +
           std::to_string(expected) +
           " regular questions up to the end of the material (rebuild the index)";
  };
  for (int k = 0; k < st.BEFORE; ++k) {
    if (in.Eof()) return short_file();
    in.ReadLn();
  }
  for (int s = 1; s <= st.SECTORS; ++s) {
    const int count = st.QPS[s] > 0 ? st.QPS[s] : 0;
    st.INT.Size(s, count, 0);
    for (int k = 1; k <= count; ++k) {
      if (in.Eof()) return short_file();
      std::string line = in.ReadLineStr(kLineCap);
      if (line.size() >= kTextColumn && line[kTextColumn - 1] == 'w') line[kTextColumn - 1] = 'W';
      std::string_view text =
          line.size() >= kTextColumn ? std::string_view(line).substr(kTextColumn - 1) : "";
      st.INT(s, k) = IsInterrogative(text) ? 1 : 0;
    }
  }
  return std::nullopt;
}

}  // namespace packets::material
