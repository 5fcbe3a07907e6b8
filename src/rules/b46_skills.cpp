// Rules of book B46 for skills: the skills whose groups are the force-skill group alone
// follow the cost of advantage 3, silently.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{kForceSkills, {BOOK_46, 3, "AD", 15.0}, 1, kSilent},
    AdjustSkillIfAdvantage{kForceSkills, {BOOK_46, 3, "AD", 25.0}, 2, kSilent},
    AdjustSkillIfAdvantage{kForceSkills, {BOOK_46, 3, "AD", 35.0}, 3, kSilent},
};

}  // namespace

std::span<const SkillRow> SkillRulesB46() { return kRows; }

}  // namespace zulparvo
