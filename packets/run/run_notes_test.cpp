#include "packets/run/run_notes.h"

#include <gtest/gtest.h>

namespace packets::notes {
namespace {

// The note lines byte for byte, numbers without leading blanks.
TEST(RunNotes, Texts) {
  const std::pair<std::string, std::string> lines[] = {
      {SectorsRepeated(3), "Sectors or Questions repeated in quiz 3"},
      {CvRepeats(12), "CV Repeats begin quiz 12"},
      {CoRepeats(4), "CO repeats begin quiz 4"},
      {SitRepeats(150), "Situation Repeats begin quiz 150"},
      {FtvRepeats(9), "FTV Repeats begin quiz 9"},
      {RegularRepeats(10), "Regular Question Repeats begin quiz 10"},
      {SectorsRepeatQuest(17, 2), "Sectors repeat Quest 17 Quiz 2"},
      {Abandoning(30, 7), "Abandoning 30 Percent interrogatives on quiz 7"},
  };
  for (const auto& [made, expected] : lines) EXPECT_EQ(made, expected);
}

}  // namespace
}  // namespace packets::notes
