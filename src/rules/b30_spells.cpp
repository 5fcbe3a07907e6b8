// Rules of book B30 for spells: the variants of the basic magic advantage (advantage 28
// of B05) that B30 lists, by sub-identifier. Identifier -1: every spell, of any book.
#include "rules/rule_tables.h"

#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<SkillRule> kSpellRulesB30 = {
    // 1: magic of chosen colleges; a spell of none of them loses its bonus and level.
    SkillRow(AdjustSkillClearing, kAdvantages, kRecord, BOOK_05, 28, 10.0, 1, 1, BOOK_30, "AD"),
    SkillRow(AdjustSkillClearing, kAdvantages, kRecord, BOOK_05, 28, 16.0, 2, 1, BOOK_30, "AD"),
    SkillRow(AdjustSkillClearing, kAdvantages, kRecord, BOOK_05, 28, 22.0, 3, 1, BOOK_30, "AD"),
    // 2.
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 10.0, 1, 2, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 16.0, 2, 2, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 22.0, 3, 2, BOOK_30, "AD", false),
    // 3, 4 and 5.
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 3, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 3, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 3, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 4, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 4, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 4, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 8.0, 1, 5, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 13.0, 2, 5, BOOK_30, "AD", false),
    SkillRow(AdjustSkillIfAdvantageOption, kCharacter, kAdvantages, kRecord, -1, BOOK_05, 28, 18.0, 3, 5, BOOK_30, "AD", false),
    // 6 to 9: the four elements, 1 to 4 in that order.
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 10.0, 1, 6, BOOK_30, "AD", 1),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 16.0, 2, 6, BOOK_30, "AD", 1),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 22.0, 3, 6, BOOK_30, "AD", 1),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 10.0, 1, 7, BOOK_30, "AD", 2),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 16.0, 2, 7, BOOK_30, "AD", 2),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 22.0, 3, 7, BOOK_30, "AD", 2),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 10.0, 1, 8, BOOK_30, "AD", 3),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 16.0, 2, 8, BOOK_30, "AD", 3),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 22.0, 3, 8, BOOK_30, "AD", 3),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 10.0, 1, 9, BOOK_30, "AD", 4),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 16.0, 2, 9, BOOK_30, "AD", 4),
    SkillRow(AdjustSkillElemental, kAdvantages, kRecord, BOOK_05, 28, 22.0, 3, 9, BOOK_30, "AD", 4),
};

}  // namespace

bool SpellRulesB30(CChar_Character& character, CChar_Skill_Base& spell) {
  return RunRules<CChar_Skill_Base>(kSpellRulesB30, {character, spell});
}

}  // namespace zulparvo
