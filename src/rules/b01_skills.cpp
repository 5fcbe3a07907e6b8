// Rules of book B01 for skills.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{61, {BOOK_15, 2, "AD"}, 1},
    AdjustSkillIfAdvantage{61, {BOOK_15, 3, "AD"}, 1},
    AdjustSkillIfAdvantage{1, {BOOK_05, 14, "DISAD"}, -1},
    AdjustSkillIfAdvantage{1, {BOOK_05, 61, "AD"}, 1},
    AdjustSkillIfAdvantage{1, {BOOK_01, 57, "RACAD"}, 1},
};

}  // namespace

std::span<const SkillRow> SkillRulesB01() { return kRows; }

}  // namespace zulparvo
