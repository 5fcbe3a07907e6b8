// Rules of book B37 for spells: the variants of the basic magic advantage that B37
// lists, 1 to 6, for every spell of any book.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 1, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 1, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 1, BOOK_37), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 2, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(14.0, 2, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(20.0, 2, BOOK_37), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(6.0, 3, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 3, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(14.0, 3, BOOK_37), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 4, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 4, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 4, BOOK_37), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 5, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 5, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 5, BOOK_37), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(6.0, 6, BOOK_37), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 6, BOOK_37), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(14.0, 6, BOOK_37), 3, kSilent},
};

}  // namespace

std::span<const SkillRow> SpellRulesB37() { return kRows; }

}  // namespace zulparvo
