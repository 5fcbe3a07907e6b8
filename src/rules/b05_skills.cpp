// Rules of book B05 for skills.
#include "rules/rule_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "adjusters/adjuster_framework.h"
#include "adjusters/iq_adjusters.h"
#include "adjusters/skill_side_adjusters.h"
#include "base/book_codes.h"
#include "model/type_tags.h"
#include "base/saturating.h"
#include "rules/b05_disadvantage_rules.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

constexpr int kTechLevelSkill = 64;
constexpr int kLanguageSkill = 93;
constexpr int kAllLanguagesSkill = 99;
constexpr int kMoveShareSkill = 135;
constexpr int kLanguageTalent = 22;  // advantage of B05

bool IsBasicBookSkill(const CChar_Skill_Base& skill, int identifier) {
  return skill.GetIdentifier() == identifier && skill.GetBookCode() == BOOK_05;
}

// The first B05 skill of the character with the identifier, passing over headings and
// display-only defaults.
CChar_Skill_Base* FindBasicBookSkill(CChar_Character& character, int identifier) {
  for (const auto& entry : character.GetSkills()) {
    CChar_Skill_Base* skill = TargetEntry(*entry);
    if (skill != nullptr && IsBasicBookSkill(*skill, identifier)) return skill;
  }
  return nullptr;
}

// CapSkillLevel with the character's current value of the attribute as the row runs.
void CapSkillToAttribute(CChar_Character& character, CChar_Skill_Base& skill, int identifier,
                         int32_t (CChar_Character::*currentValue)() const, int minimum, const CString& sourceText) {
  CapSkillLevel(character, skill, identifier, (character.*currentValue)(), minimum, sourceText);
}

int32_t TechLevelAmount(int32_t techLevel) {
  if (techLevel == 0) return -2;
  if (techLevel >= 1 && techLevel <= 3) return -1;
  if (techLevel == 6 || techLevel == 7) return 1;
  if (techLevel >= 8) return 3;
  return 0;  // 4, 5 and anything below 0
}

// Skill 64 follows the character's tech level; logged.
void AdjustForTechLevel(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() != kTechLevelSkill) return;
  const int32_t amount = TechLevelAmount(character.GetTechLevel());
  if (amount == 0) return;
  AddToBonus(skill, amount);
  character.AddChangeMessage(amount, skill.GetDisplayName(), "Current Tech Level");
}

// Skill 93 gains a tenth of the level plus bonus of the character's first skill 99; no
// message.
void ApplyAllLanguagesShare(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() != kLanguageSkill) return;
  if (const CChar_Skill_Base* allLanguages = FindBasicBookSkill(character, kAllLanguagesSkill)) {
    AddToBonus(skill, SaturatingAdd(allLanguages->GetLevel(), allLanguages->GetBonus()) / 10);
  }
}

// Skill 135 sets (not adds to) the character's speed extra 2: an eighth of its level
// plus bonus; no message.
void SetMoveShareFromSkill(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() != kMoveShareSkill) return;
  character.SetSpeedExtra2((static_cast<double>(skill.GetLevel()) + static_cast<double>(skill.GetBonus())) / 8.0);
}

// Skill 99: the language-talent advantage adds to it; a tenth of its level goes to
// every B05 skill 93 of the character, logged once under "All Languages".
void ApplyAllLanguagesRule(CChar_Character& character, CChar_Skill_Base& skill) {
  if (skill.GetIdentifier() != kAllLanguagesSkill) return;
  AdjustSkillFromAdvantageDescription(character, skill, kAllLanguagesSkill, CString(BOOK_05), kLanguageTalent,
                                      kCategoryAdvantage);
  const int32_t share = skill.GetLevel() / 10;
  character.AddChangeMessage(share, "All Languages", skill.GetDisplayName());
  ForEachTarget(character.GetSkills(), [&](CChar_Skill_Base& entry) {
    if (IsBasicBookSkill(entry, kLanguageSkill)) AddToBonus(entry, share);
  });
}

const std::vector<SkillRule> kSkillRulesB05 = {
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 3, BOOK_01, 57, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 2, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 2, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 2, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 4, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 7, BOOK_05, 9, 4, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 9, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 14, BOOK_05, 61, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 18, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 18, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 18, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 18, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustForIntelligenceLevel, kCharacter, kRecord, 20),
    SkillRow(AdjustForIntelligenceLevel, kCharacter, kRecord, 25),
    SkillRow(CapSkillToAttribute, kCharacter, kRecord, 26, &CChar_Character::GetCurrentST, 13, "Strength"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 186, BOOK_05, 1, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 38, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 38, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 38, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 40, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 41, BOOK_05, 16, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 41, BOOK_01, 102, 5, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 43, BOOK_05, 30, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 51, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 51, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 51, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 51, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 52, BOOK_05, 29, -3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 52, BOOK_05, 67, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 53, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustForTechLevel, kCharacter, kRecord),  // skill 64
    SkillRow(AdjustSkillIfAdvantageLevel, kAdvantages, kRecord, 56, 2, BOOK_05, BOOK_05, 30, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 58, BOOK_05, 30, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 59, BOOK_05, 16, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 59, BOOK_01, 102, 5, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 60, BOOK_05, 9, 4, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 61, BOOK_05, 13, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 61, BOOK_15, 2, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 61, BOOK_15, 3, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 62, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 62, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 62, BOOK_05, 48, 3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 62, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 65, BOOK_05, 9, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 190, BOOK_01, 57, 1, "RACAD"),
    SkillRow(CapSkillToAttribute, kCharacter, kRecord, 70, &CChar_Character::GetCurrentDX, 10, "Dexterity"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 73, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfEitherAdvantage, kCharacter, kRecord, 76, kDisadvantages, 19, BOOK_05, "DISAD",
             kDisadvantages, 48, BOOK_05, "DISAD", 3),
    SkillRow(AdjustForIntelligenceLevel, kCharacter, kRecord, 77),
    SkillRow(AdjustForIntelligenceLevel, kCharacter, kRecord, 78),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 82, BOOK_05, 9, 3, "AD"),
    SkillRow(AdjustSkillFromAdvantageDescription, kCharacter, kRecord, 93, BOOK_05, 22, "AD"),
    SkillRow(ApplyAllLanguagesShare, kCharacter, kRecord),  // skill 93
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 93, BOOK_05, 19, -3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 96, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 96, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 96, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 98, BOOK_05, 19, 3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 102, BOOK_05, 30, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 103, BOOK_05, 16, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 103, BOOK_01, 102, 5, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 104, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 104, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 104, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 104, BOOK_05, 33, -3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 104, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillFromAdvantageDescription, kCharacter, kRecord, 108, BOOK_05, 32, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 110, BOOK_05, 1, 3, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 116, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 116, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 122, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 122, BOOK_05, 61, 1, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 122, BOOK_01, 57, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 126, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 126, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 126, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 126, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 132, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 134, BOOK_05, 9, 4, "AD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 136, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 136, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 136, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 136, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 141, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 141, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 141, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 141, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 142, BOOK_05, 29, -3, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 142, BOOK_05, 67, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 146, BOOK_05, 48, 3, "DISAD"),
    SkillRow(AdjustSkillFromAdvantageDescription, kCharacter, kRecord, 147, BOOK_05, 32, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 147, BOOK_05, 42, 2, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 159, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 160, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 160, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 163, BOOK_05, 29, 5, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 163, BOOK_05, 55, 2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 164, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 165, BOOK_05, 66, -5.0, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantageAtCost, kCharacter, kDisadvantages, kRecord, 165, BOOK_05, 66, -10.0, -2, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 165, BOOK_01, 10, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kDisadvantages, kRecord, 171, BOOK_05, 14, -1, "DISAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 171, BOOK_01, 100, 4, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 171, BOOK_01, 112, 1, "RACAD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 178, BOOK_05, 9, 4, "AD"),
    SkillRow(AdjustSkillIfAdvantage, kCharacter, kAdvantages, kRecord, 182, BOOK_05, 9, 4, "AD"),
    SkillRow(ApplyDisadvantageOptionPenalty, kCharacter, kRecord),  // several skills
    SkillRow(SetMoveShareFromSkill, kCharacter, kRecord),           // skill 135
    SkillRow(ApplySkillBonusSetting, kCharacter, kRecord),          // skill 130
    SkillRow(ApplyAllLanguagesRule, kCharacter, kRecord),           // skill 99
};

}  // namespace

bool SkillRulesB05(CChar_Character& character, CChar_Skill_Base& skill) {
  return RunRules<CChar_Skill_Base>(kSkillRulesB05, {character, skill});
}

}  // namespace zulparvo
