// Rules of book B13 for spells: its own magic advantages (59 and 72) and the variants of
// the basic magic advantage (advantage 28 of B05) that B13 lists. Identifier -1: every
// spell, of any book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB13 = {
    // Advantage 59, variant 5.
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_13, 59, 5.0, 1, 5, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_13, 59, 10.0, 2, 5, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_13, 59, 15.0, 3, 5, BOOK_13, "AD", false),
    // Advantage 59, variant 6: healing spells only.
    SkillRow(AdjustSkillForColleges, kAdvantages, kRecord, -1, BOOK_13, 59, 2.0, 1, 6, BOOK_13, "Heal", "AD"),
    SkillRow(AdjustSkillForColleges, kAdvantages, kRecord, -1, BOOK_13, 59, 4.0, 2, 6, BOOK_13, "Heal", "AD"),
    SkillRow(AdjustSkillForColleges, kAdvantages, kRecord, -1, BOOK_13, 59, 6.0, 3, 6, BOOK_13, "Heal", "AD"),
    // Advantage 28 of B05, variants 1, 2 and 3.
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 1, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 1, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 1, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 2, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 2, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 2, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 3, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 3, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 3, BOOK_13, "AD", false),
    // Advantage 28 of B05, variant 4.
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 4, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 4, BOOK_13, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 4, BOOK_13, "AD", false),
    // Advantage 72: a tenth of its base cost, logged.
    SkillRow(AdjustSkillByAdvantageValue, kCharacter, kAdvantages, kRecord, -1, BOOK_13, 72, 10.0, "AD"),
};

}  // namespace

bool SpellRulesB13(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB13, {character, spell});
}

}  // namespace zulparvo
