// Rules of book B15 for spells: the variants of the basic magic advantage that B15
// lists, for every spell of any book.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 3, BOOK_15), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 3, BOOK_15), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 3, BOOK_15), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 2, BOOK_15), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 2, BOOK_15), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 2, BOOK_15), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(70.0, 1, BOOK_15), 4, kSilent},
};

}  // namespace

std::span<const SkillRow> SpellRulesB15() { return kRows; }

}  // namespace zulparvo
