// Rules of book B13 for skills.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{96, {BOOK_05, 18, "AD"}, 3},
    AdjustSkillIfAdvantage{98, {BOOK_13, 34, "AD"}, 3},
    AdjustSkillIfAdvantage{5, {BOOK_05, 9, "AD"}, 3},
};

}  // namespace

std::span<const SkillRow> SkillRulesB13() { return kRows; }

}  // namespace zulparvo
