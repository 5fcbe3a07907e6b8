// Rules of book B34 for spells: the variants of the basic magic advantage (advantage 28
// of B05) that B34 lists. Variants 1 to 4 have one cost each; variant 5 grows by one
// for every full 25 points of base cost over 105. Identifier -1: every spell, of any
// book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB34 = {
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 50.0, 4, 1, BOOK_34, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 65.0, 5, 2, BOOK_34, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 85.0, 6, 3, BOOK_34, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 105.0, 7, 4, BOOK_34, "AD", false),
    SkillRow(AdjustSkillFromAdvantageValueStep, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 105.0, 25, 7, 5, BOOK_34, "AD", false),
};

}  // namespace

bool SpellRulesB34(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB34, {character, spell});
}

}  // namespace zulparvo
