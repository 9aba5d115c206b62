// The style list "Specs.lst" through the style menu: the list as read, the
// menu drawn from it, and a script of keys on the menu (arrows, Shift-D,
// Enter). The input is the list, then a NUL character and the keys (Enter
// alone when there is no NUL). Promises checked:
// - deleting only ever removes lines: the list afterwards is the list
//   before with some lines taken out, never its last line, and never more
//   lines than Shift-D was pressed;
// - a chosen entry is a line of the list (cut to a menu entry), and the
//   style name made from it fits its capacity;
// - the list with a style added is written and read back line for line.
#include <algorithm>
#include <string>
#include <vector>

#include "console/console.h"
#include "fuzz/fuzz_support.h"
#include "packets/styles/style_file.h"
#include "packets/styles/style_list.h"
#include "packets/styles/style_menu.h"

namespace {

using fuzz::Expect;
namespace styles = packets::styles;

bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  std::size_t i = 0;
  for (const std::string& line : whole) {
    if (i < part.size() && part[i] == line) ++i;
  }
  return i == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts = fuzz::SplitParts(fuzz::AsText(data, size), 2);
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Put(std::string(styles::kStyleListFile), parts[0]);
  const std::string keys = parts.size() > 1 && !parts[1].empty() ? std::string(parts[1]) : "\r";
  const styles::StyleList before = styles::ReadStyleList(scratch.Dir());

  fuzz::RunBundle b;
  b.con.Keys(keys);
  std::optional<styles::MenuChoice> choice;
  try {
    choice = styles::StyleMenu(b.run);
  } catch (const console::InputExhausted&) {
    // The keys ran out before an entry was chosen.
  }

  const styles::StyleList after = styles::ReadStyleList(scratch.Dir());
  Expect(IsSubsequence(after.lines, before.lines), "the style menu changed or added list lines");
  const auto deletes = std::count(keys.begin(), keys.end(), 'D');
  Expect(static_cast<long>(before.lines.size() - after.lines.size()) <= deletes,
         "the style menu removed more lines than Shift-D was pressed");
  if (!before.lines.empty()) {
    Expect(!after.lines.empty() && after.lines.back() == before.lines.back(),
           "the style menu removed the last line of the list");
  }

  if (!choice || choice->exit) return 0;
  const std::vector<std::string> entries = styles::MenuEntries(after);
  Expect(std::find(entries.begin(), entries.end(), choice->entry) != entries.end(),
         "the chosen entry is not on the menu");
  styles::CHECKNEW(b.st, choice->entry);
  Expect(!b.st.NAME1.empty() || choice->entry.empty(), "a chosen style lost its name");
  Expect(static_cast<int>(b.st.NAME1.size()) <= packets::kNameCap,
         "a style name is longer than its capacity");

  styles::StyleList list = after;
  if (!styles::IsListed(list, b.st.NAME1) && b.st.NAME1 != styles::kTemplateStyle) {
    styles::AddStyle(list, b.st.NAME1);
    Expect(styles::IsListed(list, b.st.NAME1), "an added style is not listed");
  }
  styles::WriteStyleList(scratch.Dir(), list);
  Expect(styles::ReadStyleList(scratch.Dir()).lines == list.lines,
         "the style list reads back differently");
  return 0;
}
