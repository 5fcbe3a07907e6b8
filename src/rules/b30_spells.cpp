// Rules of book B30 for spells: the variants of the basic magic advantage that B30
// lists, by sub-identifier, for every spell of any book.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    // 1: magic of chosen colleges; a spell of none of them loses its bonus and level.
    AdjustSkillClearing{MagicVariant(10.0, 1, BOOK_30), 1},
    AdjustSkillClearing{MagicVariant(16.0, 1, BOOK_30), 2},
    AdjustSkillClearing{MagicVariant(22.0, 1, BOOK_30), 3},
    // 2.
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 2, BOOK_30), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 2, BOOK_30), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 2, BOOK_30), 3, kSilent},
    // 3, 4 and 5.
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 3, BOOK_30), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 3, BOOK_30), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 3, BOOK_30), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 4, BOOK_30), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 4, BOOK_30), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 4, BOOK_30), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 5, BOOK_30), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 5, BOOK_30), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 5, BOOK_30), 3, kSilent},
    // 6 to 9: the four elements, 1 to 4 in that order.
    AdjustSkillElemental{MagicVariant(10.0, 6, BOOK_30), 1, 1},
    AdjustSkillElemental{MagicVariant(16.0, 6, BOOK_30), 2, 1},
    AdjustSkillElemental{MagicVariant(22.0, 6, BOOK_30), 3, 1},
    AdjustSkillElemental{MagicVariant(10.0, 7, BOOK_30), 1, 2},
    AdjustSkillElemental{MagicVariant(16.0, 7, BOOK_30), 2, 2},
    AdjustSkillElemental{MagicVariant(22.0, 7, BOOK_30), 3, 2},
    AdjustSkillElemental{MagicVariant(10.0, 8, BOOK_30), 1, 3},
    AdjustSkillElemental{MagicVariant(16.0, 8, BOOK_30), 2, 3},
    AdjustSkillElemental{MagicVariant(22.0, 8, BOOK_30), 3, 3},
    AdjustSkillElemental{MagicVariant(10.0, 9, BOOK_30), 1, 4},
    AdjustSkillElemental{MagicVariant(16.0, 9, BOOK_30), 2, 4},
    AdjustSkillElemental{MagicVariant(22.0, 9, BOOK_30), 3, 4},
};

}  // namespace

std::span<const SkillRow> SpellRulesB30() { return kRows; }

}  // namespace zulparvo
