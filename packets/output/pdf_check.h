// Reading back what the PDF writer wrote, for the tests and the output
// fuzz target: the file's structure checked against its cross-reference
// table, and the text of every page decoded from its content stream.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace packets::output::pdf {

/// Empty when `pdf` is sound: a header, a cross-reference table whose every
/// entry points at the start of its object, stream lengths that end each
/// stream exactly before "endstream", a trailer of the right size and a
/// page count equal to the pages present. Else what is wrong, in words.
std::string CheckStructure(std::string_view pdf);

/// The lines of text of every page, in page order, as the content streams
/// hold them (escapes decoded); each page's lines in the order written.
std::vector<std::vector<std::string>> PageTexts(std::string_view pdf);

}  // namespace packets::output::pdf
