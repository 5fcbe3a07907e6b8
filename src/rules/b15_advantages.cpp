// Rules of book B15 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustSkillBonus{{2, "AD"}, {BOOK_15, 61}, 2},
    AdjustField{{2, "AD"}, kDodge, 2},
    AdjustField{{2, "AD"}, kParry, 2},
    AdjustField{{2, "AD"}, kBlock, 2},
    AdjustCheck{{2, "AD"}, Check::Fright, 2},
    AdjustSkillBonus{{3, "AD"}, {BOOK_15, 61}, 3},
    AdjustField{{3, "AD"}, kDodge, 3},
    AdjustField{{3, "AD"}, kParry, 3},
    AdjustField{{3, "AD"}, kBlock, 3},
    AdjustCheck{{3, "AD"}, Check::Fright, 2},  // +2, not +3
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB15() { return kRows; }

}  // namespace zulparvo
