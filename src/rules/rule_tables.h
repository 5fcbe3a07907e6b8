// The rule tables of the books: one function per book and kind of record. Each runs
// its rows in order and returns true.
#pragma once

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo {

using AdvantageRuleTable = bool (*)(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords);
using SkillRuleTable = bool (*)(CChar_Character& character, CChar_Skill_Base& skill);

// Advantages.
bool AdvantageRulesB05(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB15(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB01(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB30(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB13(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB34(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB06(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB48(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool AdvantageRulesB46(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);

// Disadvantages.
bool DisadvantageRulesB05(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool DisadvantageRulesB01(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool DisadvantageRulesB15(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool DisadvantageRulesB34(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool DisadvantageRulesB13(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);
bool DisadvantageRulesB06(CChar_Character&, CChar_Ad_Disad&, bool keepRecords);

// Skills; the racial-disadvantage skill rule of B01 runs for every skill.
bool RacialDisadvantageSkillRuleB01(CChar_Character&, CChar_Skill_Base& skill);
bool SkillRulesB05(CChar_Character&, CChar_Skill_Base& skill);
bool SkillRulesB01(CChar_Character&, CChar_Skill_Base& skill);
bool SkillRulesB13(CChar_Character&, CChar_Skill_Base& skill);
bool SkillRulesB26(CChar_Character&, CChar_Skill_Base& skill);
bool SkillRulesB46(CChar_Character&, CChar_Skill_Base& skill);

// Spells: the basic magic advantage of B05, then the magic variants of B30, B13, B15,
// B37 and B34.
bool SpellRulesB05(CChar_Character&, CChar_Skill_Base& spell);
bool SpellRulesB30(CChar_Character&, CChar_Skill_Base& spell);
bool SpellRulesB13(CChar_Character&, CChar_Skill_Base& spell);
bool SpellRulesB15(CChar_Character&, CChar_Skill_Base& spell);
bool SpellRulesB37(CChar_Character&, CChar_Skill_Base& spell);
bool SpellRulesB34(CChar_Character&, CChar_Skill_Base& spell);

}  // namespace zulparvo
