// The print-ready copy of the packet, NAME4.pdf, written after the last quiz.
#include "packets/output/output.h"
#include "packets/output/pdf_pages.h"

namespace packets::output {

std::optional<std::string> WritePacketPdf(Run& run) {
  const RunState& st = run.st;
  const std::string name = st.NAME4 + ".pdf";
  if (st.PACKET.empty()) {
    // Left before the first quiz was complete: a PDF of no pages is no use
    // to print, and an earlier run's copy would disagree with the packet.
    run.dir.Remove(name);
    return "the packet holds no quiz";
  }
  const std::string bytes =
      PacketPdf(st.PACKET, st.OUT, st.LPP, st.A4 ? Paper::kA4 : Paper::kLetter);
  try {
    // Written beside and renamed into place: an earlier copy stays whole
    // until this one is complete, and a failed one leaves nothing behind.
    console::TextWriter out = run.dir.Replace(name);
    out.Write(bytes);
    out.Close();
  } catch (const console::RuntimeError& e) {
    if (e.code() == console::kErrAccessDenied) return "no permission to write it here";
    if (e.where().starts_with("replacing")) return "the file there could not be replaced";
    return "the disk is full or refused it";
  }
  return std::nullopt;
}

}  // namespace packets::output
