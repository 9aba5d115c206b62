// The files a quiz style lives in: the style file (style name + ".spe", 29
// lines), the hand-over file "temp2.txt", and the names that go with them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "console/text_file.h"
#include "packets/run/run_state.h"

namespace packets::styles {

inline constexpr std::string_view kStyleExt = ".spe";
inline constexpr std::string_view kHandOverFile = "temp2.txt";
inline constexpr std::string_view kTemplateStyle = "New";  // New.spe, where new styles start
inline constexpr std::string_view kExit = "Exit";
/// The book code shown before the begin and end chapters: always Matthew.
inline constexpr std::string_view kBookCode = " M";
inline constexpr int kStyleFileLines = 29;

/// The style file of a style: its name followed by ".spe".
std::string StyleFileName(std::string_view style_name);

/// The type template of a style whose patterns are drawn for every quiz:
/// "n" at positions 1 to 30, then "A" at positions `spearly` to `splate`
/// (as far as they lie within 1 to 30).
std::string WindowTemplate(int spearly, int splate);

/// A style file that a run can read as it stands: present, of 29 lines,
/// with a number where a line holds one (two on lines 2 and 3). Otherwise
/// what is wrong, in words naming the file and the line ("Team.spe:7:
/// ...").
std::optional<std::string> CheckStyleFileText(const console::WorkDir& dir,
                                              const std::string& file_name);

/// Writes the 29 lines of a style file. The file is replaced only when
/// every line has been written, so a failure leaves the old style intact.
void WriteStyleFile(const console::WorkDir& dir, std::string_view file_name,
                    const StyleRecord& rec);

/// Writes "temp2.txt" holding one line: the chosen style name or "Exit".
void WriteHandOver(const console::WorkDir& dir, std::string_view name);

}  // namespace packets::styles
