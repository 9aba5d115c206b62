// For the tests of the specialty patterns: one check of a drawn pattern
// against the settings of its style.
#pragma once

#include <string>
#include <vector>

#include "packets/styles/pattern.h"

namespace packets::styles::testing {

/// What is wrong with a pattern drawn for settings `s`, or "" when nothing
/// is. When `used` is given (31 entries), counts the positions holding a
/// specialty.
inline std::string PatternProblem(const PatternSettings& s, const std::string& p,
                                  std::vector<int>* used = nullptr) {
  if (p.size() != 30) return "not 30 characters";
  int per_kind[std::size(kSpecialtyKinds)] = {};
  int total = 0;
  for (int x = 1; x <= 30; ++x) {
    const char c = p[static_cast<std::size_t>(x - 1)];
    if (c == 'n') continue;
    const SpecialtyKind* k = KindOf(c);
    if (!k) return std::string("holds ") + c;
    if (x < s.SPEARLY || x > s.SPLATE) return "a specialty outside the window";
    ++per_kind[k - kSpecialtyKinds];
    ++total;
    if (used) ++(*used)[static_cast<std::size_t>(x)];
  }
  if (total < s.SPMIN || total > s.SPMAX) return "total outside its range";
  for (const SpecialtyKind& k : kSpecialtyKinds) {
    const int n = per_kind[&k - kSpecialtyKinds];
    if (n < s.*k.min || n > s.*k.max)
      return std::string("count of ") + k.letter + " outside its range";
  }
  return "";
}

}  // namespace packets::styles::testing
