// Rules of book B13 for spells: its own magic advantages (59 and 72) and the variants of
// the basic magic advantage that B13 lists, for every spell of any book.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRef Power(double cost, int32_t sub) { return {BOOK_13, 59, "AD", cost, SubEntry{sub, BOOK_13}}; }

constexpr SkillRow kRows[] = {
    // Advantage 59, variant 5.
    AdjustSkillIfAdvantage{kAnyEntry, Power(5.0, 5), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, Power(10.0, 5), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, Power(15.0, 5), 3, kSilent},
    // Advantage 59, variant 6: healing spells only.
    AdjustSkillForColleges{kAnyEntry, Power(2.0, 6), 1, "Heal"},
    AdjustSkillForColleges{kAnyEntry, Power(4.0, 6), 2, "Heal"},
    AdjustSkillForColleges{kAnyEntry, Power(6.0, 6), 3, "Heal"},
    // The basic magic advantage, variants 1, 2 and 3.
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 1, BOOK_13), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 1, BOOK_13), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 1, BOOK_13), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 2, BOOK_13), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 2, BOOK_13), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 2, BOOK_13), 3, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(8.0, 3, BOOK_13), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(13.0, 3, BOOK_13), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(18.0, 3, BOOK_13), 3, kSilent},
    // Variant 4.
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(10.0, 4, BOOK_13), 1, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(16.0, 4, BOOK_13), 2, kSilent},
    AdjustSkillIfAdvantage{kAnyEntry, MagicVariant(22.0, 4, BOOK_13), 3, kSilent},
    // Advantage 72: a tenth of its base cost, logged.
    AdjustSkillByAdvantageValue{kAnyEntry, {BOOK_13, 72, "AD"}, 10.0},
};

}  // namespace

std::span<const SkillRow> SpellRulesB13() { return kRows; }

}  // namespace zulparvo
