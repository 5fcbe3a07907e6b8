// Rules of book B37 for spells: the variants of the basic magic advantage (advantage 28
// of B05) that B37 lists, 1 to 6. Identifier -1: every spell, of any book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB37 = {
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 1, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 1, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 1, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 2, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 14.0, 2, 2, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 20.0, 3, 2, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 6.0, 1, 3, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 2, 3, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 14.0, 3, 3, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 4, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 4, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 4, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 5, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 5, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 5, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 6.0, 1, 6, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 2, 6, BOOK_37, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 14.0, 3, 6, BOOK_37, "AD", false),
};

}  // namespace

bool SpellRulesB37(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB37, {character, spell});
}

}  // namespace zulparvo
