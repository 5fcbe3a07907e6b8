// Rules of book B15 for spells: the variants of the basic magic advantage (advantage 28
// of B05) that B15 lists. Identifier -1: every spell, of any book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB15 = {
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 3, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 3, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 3, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 2, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 2, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 2, BOOK_15, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 70.0, 4, 1, BOOK_15, "AD", false),
};

}  // namespace

bool SpellRulesB15(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB15, {character, spell});
}

}  // namespace zulparvo
