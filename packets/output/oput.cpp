// OPUT: the quiz in hand appended to the packet file in the layout of OUT.
#include "packets/output/layouts.h"
#include "packets/output/output.h"
#include "packets/run/append_files.h"

namespace packets::output {

std::string PacketBytes(const Settings& s, const Quiz& quiz) {
  switch (s.OUT) {
    case 'P':
    case 'p':
      return PageQuiz(s, quiz);
    case 'C':
    case 'c':
      return CardQuiz(s, quiz);
    default:
      return TabQuiz(s, quiz);
  }
}

void OPUT(Run& run) {
  const std::string bytes = PacketBytes(GatherSettings(run.st), GatherQuiz(run.st));
  AppendToFile(run, run.st.F8, bytes);
  run.st.PACKET += bytes;
}

}  // namespace packets::output
