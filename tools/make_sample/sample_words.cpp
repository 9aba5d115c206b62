#include "tools/make_sample/sample_words.h"

#include <array>

namespace sample {

namespace {

constexpr std::array<std::string_view, 40> kPeopleList{"Jesus",
                                                       "Peter",
                                                       "John",
                                                       "James",
                                                       "Andrew",
                                                       "Philip",
                                                       "Thomas",
                                                       "Matthew",
                                                       "Judas",
                                                       "the disciples",
                                                       "the crowds",
                                                       "the Pharisees",
                                                       "the scribes",
                                                       "the elders",
                                                       "the chief priests",
                                                       "the king",
                                                       "the governor",
                                                       "the soldiers",
                                                       "a centurion",
                                                       "a leper",
                                                       "a woman",
                                                       "two blind men",
                                                       "a young ruler",
                                                       "the wise men",
                                                       "Joseph",
                                                       "Mary",
                                                       "an angel",
                                                       "the tax collectors",
                                                       "a servant",
                                                       "the mother",
                                                       "the children",
                                                       "the guards",
                                                       "the fishermen",
                                                       "the sick",
                                                       "the twelve",
                                                       "a lawyer",
                                                       "the householder",
                                                       "the shepherd",
                                                       "the people of the town",
                                                       "a stranger"};

constexpr std::array<Verb, 24> kVerbList{{
    {"go", "went"},         {"see", "saw"},           {"call", "called"},     {"heal", "healed"},
    {"send", "sent"},       {"bring", "brought"},     {"find", "found"},      {"leave", "left"},
    {"follow", "followed"}, {"ask for", "asked for"}, {"teach", "taught"},    {"give", "gave"},
    {"take", "took"},       {"carry", "carried"},     {"touch", "touched"},   {"hear", "heard"},
    {"bless", "blessed"},   {"break", "broke"},       {"gather", "gathered"}, {"hide", "hid"},
    {"sell", "sold"},       {"buy", "bought"},        {"keep", "kept"},       {"share", "shared"},
}};

constexpr std::array<std::string_view, 28> kThingList{
    "the bread", "a boat",      "the nets",     "a fig tree",   "the lamp",    "a coin",
    "the seed",  "the sheep",   "the wine",     "the scroll",   "a basket",    "the oil",
    "the gold",  "a cloak",     "the sword",    "the cup",      "a pearl",     "the field",
    "the fish",  "the sandals", "a small seed", "the vineyard", "the talents", "the jar",
    "a garment", "the keys",    "the treasure", "the tribute"};

constexpr std::array<std::string_view, 14> kThingPluralList{
    "loaves", "baskets", "fish",  "coins",    "sheep",    "lamps",    "jars",
    "boats",  "talents", "seeds", "garments", "measures", "branches", "stones"};

constexpr std::array<std::string_view, 24> kPlaceList{
    "Galilee",       "Nazareth",       "Bethlehem",       "Jerusalem",      "Capernaum",
    "Egypt",         "the temple",     "the sea",         "the wilderness", "the Jordan",
    "the synagogue", "the mountain",   "the city",        "the village",    "the house",
    "the field",     "the shore",      "the garden",      "the courtyard",  "the hill country",
    "Judea",         "the other side", "the marketplace", "the upper room"};

constexpr std::array<std::string_view, 12> kTimeList{
    "at evening",        "in the morning",   "on the sabbath",   "after three days",
    "at night",          "during the feast", "in those days",    "at once",
    "at the third hour", "before the dawn",  "on the first day", "after six days"};

constexpr std::array<std::string_view, 10> kReasonList{"because they believed",
                                                       "because the hour had come",
                                                       "so that the word would be kept",
                                                       "because they were afraid",
                                                       "for the sake of the kingdom",
                                                       "because it was lawful",
                                                       "to rest a while",
                                                       "to pray alone",
                                                       "because the people were hungry",
                                                       "because of the storm"};

constexpr std::array<std::string_view, 10> kNumberList{
    "two",   "three",     "five",          "seven", "twelve",
    "forty", "a hundred", "five thousand", "four",  "thirty"};

constexpr std::array<QuestionPattern, 70> kInterrogativeList{{
    {"Who {VP} {O} in {PL}?", "{P}."},
    {"Who {VP} {O} {T}?", "{P}."},
    {"Who, after this, {VP} {O}?", "{P}."},
    {"What did {P} {V} in {PL}?", "{O}."},
    {"What did {P} {V} {T}?", "{O}."},
    {"What, according to {P}, was found in {PL}?", "{O}."},
    {"Whom did {P} {V} {T}?", "{P2}."},
    {"Why did {P} {V} {O}?", "{R}."},
    {"How many {TH} did {P} {V}?", "{N}."},
    {"When did {P} {V} {O}?", "{T}."},
    {"Where did {P} {V} {O}?", "In {PL}."},
    {"Where did {P} go {T}?", "To {PL}."},
    {"Which of them {VP} {O}?", "{P}."},
    {"Whose {TH} did {P} {V}?", "Those of {P2}."},
    {"Is it right to {V} {O} {T}?", "No, it is not."},
    {"Are {P} to {V} {O}?", "Yes, in {PL}."},
    {"Can {P} {V} {O} in {PL}?", "No, not in {PL}."},
    {"Did {P} {V} {O}?", "Yes, {T}."},
    {"Was {P} in {PL} {T}?", "Yes."},
    {"Will {P} {V} {O} {T}?", "Yes, in {PL}."},
    {"Do you know who {VP} {O}?", "{P}."},
    {"In what place did {P} {V} {O}?", "In {PL}."},
    {"Of whom did {P} speak {T}?", "Of {P2}."},
    {"On what day did {P} {V} {O}?", "On the sabbath."},
    {"At what hour did {P} {V} {O}?", "At the third hour."},
    {"To whom did {P} {V} {O}?", "To {P2}."},
    {"Off what shore did {P} push the boat?", "Off the shore of {PL}."},
    {"Before whom did {P} {V} {O}?", "Before {P2}."},
    {"By what road did {P} {V} {O}?", "By the road to {PL}."},
    {"For what reason did {P} {V} {O}?", "{R}."},
    {"From where did {P} {V} {O}?", "From {PL}."},
    {"Into what place did {P} go {T}?", "Into {PL}."},
    {"Over what did {P} weep?", "Over {PL}."},
    {"Unto whom did {P} {V} {O}?", "Unto {P2}."},
    {"Upon what did {P} sit?", "Upon {O}."},
    {"With whom did {P} eat {T}?", "With {P2}."},
    {"About what did {P} ask {P2}?", "About {O}."},
    {"Above what place did the star stand?", "Above the house in {PL}."},
    {"Along what road did {P} walk?", "Along the road to {PL}."},
    {"Among whom did {P} sit?", "Among {P2}."},
    {"Below what did {P} wait {T}?", "Below the hill of {PL}."},
    {"Since when had {P} been ill?", "Since childhood."},
    {"Under what did {P} rest?", "Under {O}."},
    {"Until when must {P} wait?", "Until the end."},
    {"Across what did {P} {V} {O}?", "Across the sea."},
    {"Around what did {P} build a wall?", "Around {O}."},
    {"Beside what did {P} sit {T}?", "Beside the sea."},
    {"Beyond what river did {P} go?", "Beyond the Jordan."},
    {"During what watch did {P} come?", "During the fourth watch."},
    {"Toward what city did {P} set out?", "Toward {PL}."},
    {"Within how many days would {P} {V} {O}?", "Within three days."},
    {"Against whom did {P} speak?", "Against {P2}."},
    {"Beneath what did {P} hide {O}?", "Beneath the ground."},
    {"Between which two did {P} stand?", "Between {P2} and the crowd."},
    {"Without what could {P} not {V} {O}?", "Without faith."},
    {"Through what did {P} pass {T}?", "Through the grain fields."},
    {"Who {VP} {O}?", "{P}, {T}."},
    {"What did {P} say to {P2}?", "Follow me."},
    {"What did {P} {V} {T}?", "{O} from {PL}."},
    {"Whom did {P} send to {PL}?", "{P2}."},
    {"How did {P} {V} {O}?", "{R}."},
    {"Where was {P} when {P2} {VP} {O}?", "In {PL}."},
    {"Why were {P} amazed?", "{R}."},
    {"How much did {P} give for {O}?", "{N} coins."},
    {"Which city did {P} leave?", "{PL}."},
    {"When will {P} {V} {O}?", "{T}."},
    {"What must {P} {V}?", "{O}."},
    {"Who was sent to {PL}?", "{P}."},
    {"who {VP} {O} {T}?", "{P}."},
    {"what did {P} {V} in {PL}?", "{O}."},
}};

constexpr std::array<QuestionPattern, 22> kStatementList{{
    {"How true was what {P} said about {O}?", "It came to pass."},
    {"What God gave to {P}, who {VP} it?", "{P2}."},
    {"According to this verse, who {VP} {O}?", "{P}."},
    {"According to {P}, what must be done {T}?", "{V} {O}."},
    {"After {P} {VP} {O}, where did {P2} go?", "To {PL}."},
    {"Because {R}, what did {P} do?", "{P} {VP} {O}."},
    {"Finish this statement: {P} {VP} {O} in what place?", "In {PL}."},
    {"Name the one who {VP} {O} in {PL}?", "{P}."},
    {"Tell what {P} {VP} {T}?", "{O}."},
    {"Whoever {VP} {O} was told to do what?", "To go to {PL}."},
    {"Jesus said that {P} would {V} what?", "{O}."},
    {"{P} {VP} {O} where?", "In {PL}."},
    {"The verse says {P} {VP} what?", "{O}."},
    {"Complete: {P} {VP} {O} and went where?", "To {PL}."},
    {"When he {VP} {O}, where did he go?", "To {PL}."},
    {"When a man {VP} {O}, what did he do?", "He went to {PL}."},
    {"When this was done, who {VP} {O}?", "{P}."},
    {"When we read this verse, what did {P} {V}?", "{O}."},
    {"What I say to you alone, where must you repeat it?", "Openly, in {PL}."},
    {"When his hour came, what did {P} {V}?", "{O}."},
    {"Explain why {P} {VP} {O}?", "{R}."},
    {"Quote what {P} said to {P2}?", "Follow me."},
}};

constexpr std::array<std::string_view, 16> kClauseList{
    "{T} {P} {VP} {O} in {PL}",
    "{P} {VP} to {PL} {T}",
    "and {P2} {VP} {O} {R}",
    "blessed are those who {V} {O}, for they shall {V} {O}",
    "{P} will {V} {O} {T}",
    "then {P} {VP} {P2} and {VP} {O}",
    "for {P} {VP} {O} out of {PL}",
    "but {P2} {VP} {O} {R}",
    "and when {P} had {VP} {O}, {P2} went away to {PL}",
    "so {P} {VP} {N} {TH} and {VP} them",
    "{P} answered and said, You shall {V} {O}",
    "and {P} {VP} in {PL}",
    "truly {P} shall {V} {O} {T}",
    "{P} {VP} {O}, and it was done",
    "and {P2} followed {P} to {PL}",
    "whoever {VP} {O} shall {V} {O} in {PL}",
};

constexpr std::array<QuestionPattern, 12> kSayingList{{
    {"Go to {PL}, ", "and {V} {O} {T}."},
    {"Take {O} with you, ", "for {R}."},
    {"Do not fear, ", "for {P2} will {V} {O}."},
    {"Follow me, ", "and I will show you {PL}."},
    {"Who touched {O}? ", "Someone {VP} it."},
    {"Bring {N} {TH} here, ", "and {V} them to {P2}."},
    {"Why are you afraid? ", "Have faith {T}."},
    {"Rise and {V} {O}, ", "and go home to {PL}."},
    {"Master, {V} {O}, ", "for the boat is filling."},
    {"Give us {O}, ", "so that we may {V} {O}."},
    {"Where shall we {V} {O}? ", "In {PL}, {T}."},
    {"You are {P2}, ", "and I will give you {O}."},
}};

constexpr std::array<std::string_view, 6> kOccasionList{
    "{P} to {P2}",    "{P} to {P2} in {PL}",   "{P} to {P2}, {T}", "{P} to {P2} on the way to {PL}",
    "{P} about {P2}", "{P} to {P2} by the sea"};

}  // namespace

const std::span<const std::string_view> kPeople{kPeopleList};
const std::span<const Verb> kVerbs{kVerbList};
const std::span<const std::string_view> kThings{kThingList};
const std::span<const std::string_view> kThingsPlural{kThingPluralList};
const std::span<const std::string_view> kPlaces{kPlaceList};
const std::span<const std::string_view> kTimes{kTimeList};
const std::span<const std::string_view> kReasons{kReasonList};
const std::span<const std::string_view> kNumbers{kNumberList};
const std::span<const QuestionPattern> kInterrogatives{kInterrogativeList};
const std::span<const QuestionPattern> kStatements{kStatementList};
const std::span<const std::string_view> kClauses{kClauseList};
const std::span<const QuestionPattern> kSayings{kSayingList};
const std::span<const std::string_view> kOccasions{kOccasionList};

}  // namespace sample
