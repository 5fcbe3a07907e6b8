// Rules of book B05 for spells: the basic magic advantage (advantage 28) raises every
// spell, whatever the variant it was taken as, by the level that its total cost buys.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{kAnyEntry, {BOOK_05, 28, "AD", 15.0}, 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, {BOOK_05, 28, "AD", 25.0}, 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, {BOOK_05, 28, "AD", 35.0}, 3, kSilent},
};

}  // namespace

std::span<const SkillRow> SpellRulesB05() { return kRows; }

}  // namespace zulparvo
