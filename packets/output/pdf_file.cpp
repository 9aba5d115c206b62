// The print-ready copy of the packet, NAME4.pdf, written after the last quiz.
#include "packets/output/output.h"
#include "packets/output/pdf_pages.h"

namespace packets::output {

std::optional<std::string> WritePacketPdf(Run& run) {
  const RunState& st = run.st;
  const std::string bytes =
      PacketPdf(st.PACKET, st.OUT, st.LPP, st.A4 ? Paper::kA4 : Paper::kLetter);
  try {
    // Written beside and renamed into place: an earlier copy stays whole
    // until this one is complete, and a failed one leaves nothing behind.
    console::TextWriter out = run.dir.Replace(st.NAME4 + ".pdf");
    out.Write(bytes);
    out.Close();
  } catch (const console::RuntimeError& e) {
    if (e.code() == console::kErrAccessDenied) return "no permission to write it here";
    return "the disk is full or refused it";
  }
  return std::nullopt;
}

}  // namespace packets::output
