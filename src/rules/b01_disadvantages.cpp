// Rules of book B01 for disadvantages: racial disadvantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustSkillsPerLevel{{52, "RACDISAD"}},
    AdjustSkillBonusByGroup{{42, "RACDISAD"}, 8, -3},  // skill group "COMBAT-WEAPON"
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 122}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 53}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 107}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 21}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 115}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 128}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 148}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 169}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 190}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 193}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 196}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 200}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_05, 201}, -3},
    AdjustSkillBonus{{42, "RACDISAD"}, {BOOK_15, 1}, -3},
    AdjustFieldFromDescription{{18, "RACDISAD"}, kHitPointBonus},
    AdjustMove{{19, "RACDISAD"}},
    AdjustCheck{{22, "RACDISAD"}, Check::Will, -6},
    // Rules of their own, after the rows.
    OwnRule<AdvantageContext, ForRecord>{"ApplyRacialStrength", ApplyRacialStrength, {30, "RACDISAD"}},
    ApplyRacialAttribute{{31, "RACDISAD"}, kIntelligence},
    ApplyRacialAttribute{{32, "RACDISAD"}, kDexterity},
    ApplyRacialAttribute{{33, "RACDISAD"}, kHealth},
    OwnRule<AdvantageContext, ForRecord>{"ApplyRacialSelectedSkillModifier", ApplyRacialSelectedSkillModifier,
                                         {51, "RACDISAD"}},
};

}  // namespace

std::span<const AdvantageRow> DisadvantageRulesB01() { return kRows; }

}  // namespace zulparvo
