// Rules of book B01 for advantages: racial advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustProtectionByValue{{.identifier = 11, .tag = "RACAD",
                             .sub = SubEntry{.identifier = 1, .category = "Racial Advantages-Damage Resistance"}},
                            kDR, 3, "Dam Resis DR+"},
    AdjustSkillBonus{{100, "RACAD"}, {BOOK_05, 171}, 4},
    AdjustFieldFromDescription{{23, "RACAD"}, kFatigueBonus},
    AdjustFieldFromDescription{{26, "RACAD"}, kHitPointBonus},
    AdjustSkillBonus{{102, "RACAD"}, {BOOK_05, 41}, 5},
    AdjustSkillBonus{{102, "RACAD"}, {BOOK_05, 59}, 5},
    AdjustSkillBonus{{102, "RACAD"}, {BOOK_05, 103}, 5},
    AdjustBasicSpeedPerLevel{{41, "RACAD"}, 1.0},
    AdjustSkillsPerLevel{{128, "RACAD"}},
    AdjustProtectionByValue{{56, "RACAD"}, kPD, 25, "Passive Def PD+"},
    AdjustSkillBonus{{57, "RACAD"}, {BOOK_05, 122}, 1},
    AdjustSkillBonus{{57, "RACAD"}, {BOOK_05, 3}, 1},
    AdjustSkillBonus{{57, "RACAD"}, {BOOK_05, 190}, 1},
    AdjustSkillBonus{{57, "RACAD"}, {BOOK_15, 1}, 1},
    AdjustSkillBonus{{112, "RACAD"}, {BOOK_05, 171}, 1},
    // Rules of their own, after the rows.
    OwnRule<AdvantageContext>{"ScaleStrengthBySize", ScaleStrengthBySize},
    OwnRule<AdvantageContext, ForRecord>{"ApplyFixedStrength", ApplyFixedStrength, {127, "RACAD"}},
    OwnRule<AdvantageContext, ForRecord>{"ApplyFixedStrength", ApplyFixedStrength, {130, "RACAD"}},
    OwnRule<AdvantageContext, ForRecord>{"ApplyRacialStrength", ApplyRacialStrength, {91, "RACAD"}},
    ApplyRacialAttribute{{92, "RACAD"}, kIntelligence},
    ApplyRacialAttribute{{93, "RACAD"}, kDexterity},
    ApplyRacialAttribute{{94, "RACAD"}, kHealth},
    OwnRule<AdvantageContext>{"ApplyRacialTalentPackage", ApplyRacialTalentPackage},
    OwnRule<AdvantageContext, ForRecord>{"ApplyRacialSelectedSkillModifier", ApplyRacialSelectedSkillModifier,
                                         {95, "RACAD"}},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB01() { return kRows; }

}  // namespace zulparvo
