// Word lists and sentence patterns the sample database is made from. A
// pattern holds slots in braces, filled by the generator:
//   {P} {P2} a person or group    {V} a verb    {VP} the verb in the past
//   {O} a thing    {TH} things    {PL} a place    {T} a time
//   {R} a reason   {N} a number   {C} a clause of a verse
#pragma once

#include <span>
#include <string_view>

namespace sample {

struct Verb {
  std::string_view base;
  std::string_view past;
};

/// A question pattern and the pattern of its answer.
struct QuestionPattern {
  std::string_view question;
  std::string_view answer;
};

extern const std::span<const std::string_view> kPeople;
extern const std::span<const Verb> kVerbs;
extern const std::span<const std::string_view> kThings;
extern const std::span<const std::string_view> kThingsPlural;
extern const std::span<const std::string_view> kPlaces;
extern const std::span<const std::string_view> kTimes;
extern const std::span<const std::string_view> kReasons;
extern const std::span<const std::string_view> kNumbers;

/// Questions that open as direct questions ("Who ", "In what", ...).
extern const std::span<const QuestionPattern> kInterrogatives;
/// Questions that open as statements, or with a phrase about time that is
/// no question word ("When he ...").
extern const std::span<const QuestionPattern> kStatements;
/// Clauses of a made-up verse.
extern const std::span<const std::string_view> kClauses;
/// Sayings for situation questions: the part before "*" and after it.
extern const std::span<const QuestionPattern> kSayings;
/// How a speaker is introduced before a saying.
extern const std::span<const std::string_view> kOccasions;

}  // namespace sample
