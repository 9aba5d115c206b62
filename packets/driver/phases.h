// The phases of a run, as the run driver calls them, in one place. Each
// forwards to the module that owns the phase.
#pragma once

#include <optional>
#include <string>

#include "packets/run/run.h"

namespace packets::phases {

/// Works out and shows the specialty pattern of every quiz; writes "pat.txt".
void SPEC2(Run& run);

/// Counts the question files and writes the count file. A refusal in words
/// when a file holds what the index cannot represent.
std::optional<std::string> BuildIndex(Run& run);
/// Reads the count file back into the per-verse tables and totals them.
std::optional<std::string> ReadIndex(Run& run);

/// Sectoring by verse; false when it cannot be done.
bool SectorByVerse(Run& run);
/// Sectoring by question.
void RESECTOR(Run& run);
/// Shows the sector table.
void DISPLAY(Run& run);
/// Sectoring by chapter with its screen; false when the run must go back to
/// the title.
bool CHAPSEC(Run& run);

/// Marks the interrogative questions of the material.
std::optional<std::string> COUNTINT(Run& run);
/// Reads the material's question lines and checks the patterns against the
/// material, before any quiz is chosen.
std::optional<std::string> PrepareSelection(Run& run);
/// The FTV kinds of the material.
void FINTYPES(Run& run);
/// Fills quiz Q2 and writes its block of the usage record; EN set when the
/// user left the approval question with Esc.
void CHOOSESPEC(Run& run);
/// Appends quiz Q2 to the packet file.
void OPUT(Run& run);
/// Writes the packet of the run as NAME4.pdf; why not, in words, on failure.
std::optional<std::string> WritePacketPdf(Run& run);

}  // namespace packets::phases
