// Rules of book B34 for spells: the variants of the basic magic advantage that B34
// lists, for every spell of any book. Variants 1 to 4 have one cost each; variant 5
// grows by one for every full 25 points of base cost over 105.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(50.0, 1, BOOK_34), 4, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(65.0, 2, BOOK_34), 5, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(85.0, 3, BOOK_34), 6, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(105.0, 4, BOOK_34), 7, kSilent},
    AdjustSkillFromAdvantageValueStep{kAnyEntry, MagicVariant({}, 5, BOOK_34), 105.0, 25, 7, kSilent},
};

}  // namespace

std::span<const SkillRow> SpellRulesB34() { return kRows; }

}  // namespace zulparvo
