// Rules of book B05 for skills.
#include "rules/rule_tables.h"

#include "base/saturating.h"
#include "rules/b05_disadvantage_rules.h"

namespace zulparvo {

namespace {

constexpr int32_t kTechLevelSkill = 64;
constexpr int32_t kLanguageSkill = 93;
constexpr int32_t kAllLanguagesSkill = 99;
constexpr int32_t kMoveShareSkill = 135;

bool IsBasicBookSkill(const CChar_Skill_Base& skill, int32_t identifier) {
  return skill.GetIdentifier() == identifier && skill.GetBookCode() == BOOK_05;
}

// The first B05 skill of the character with the identifier, passing over headings and
// display-only defaults.
CChar_Skill_Base* FindBasicBookSkill(CChar_Character& character, int32_t identifier) {
  for (const auto& entry : character.GetSkills()) {
    CChar_Skill_Base* skill = TargetEntry(*entry);
    if (skill != nullptr && IsBasicBookSkill(*skill, identifier)) return skill;
  }
  return nullptr;
}

int32_t TechLevelAmount(int32_t techLevel) {
  if (techLevel == 0) return -2;
  if (techLevel >= 1 && techLevel <= 3) return -1;
  if (techLevel == 6 || techLevel == 7) return 1;
  if (techLevel >= 8) return 3;
  return 0;  // 4, 5 and anything below 0
}

// Skill 64 follows the character's tech level; logged.
void AdjustForTechLevel(SkillContext& context) {
  if (context.skill.GetIdentifier() != kTechLevelSkill) return;
  const int32_t amount = TechLevelAmount(context.character.GetTechLevel());
  if (amount == 0) return;
  AddToBonus(context.skill, amount);
  context.character.AddChangeMessage(amount, context.skill.GetDisplayName(), "Current Tech Level");
}

// Skill 93 gains a tenth of the level plus bonus of the character's first skill 99; no
// message.
void ApplyAllLanguagesShare(SkillContext& context) {
  if (context.skill.GetIdentifier() != kLanguageSkill) return;
  if (const CChar_Skill_Base* allLanguages = FindBasicBookSkill(context.character, kAllLanguagesSkill)) {
    AddToBonus(context.skill, SaturatingAdd(allLanguages->GetLevel(), allLanguages->GetBonus()) / 10);
  }
}

// Skill 135 sets (not adds to) the character's speed extra 2: an eighth of its level
// plus bonus; no message.
void SetMoveShareFromSkill(SkillContext& context) {
  const CChar_Skill_Base& skill = context.skill;
  if (skill.GetIdentifier() != kMoveShareSkill) return;
  context.character.SetSpeedExtra2((static_cast<double>(skill.GetLevel()) + static_cast<double>(skill.GetBonus())) /
                                   8.0);
}

// Skill 99: the language-talent advantage adds to it; a tenth of its level goes to
// every B05 skill 93 of the character, logged once under "All Languages".
void ApplyAllLanguagesRule(SkillContext& context) {
  if (context.skill.GetIdentifier() != kAllLanguagesSkill) return;
  Apply(context, AdjustSkillFromAdvantageDescription{kAllLanguagesSkill, {BOOK_05, 22, "AD"}});
  const int32_t share = context.skill.GetLevel() / 10;
  context.character.AddChangeMessage(share, "All Languages", context.skill.GetDisplayName());
  ForEachTarget(context.character.GetSkills(), [&](CChar_Skill_Base& entry) {
    if (IsBasicBookSkill(entry, kLanguageSkill)) AddToBonus(entry, share);
  });
}

// A row that looks for an advantage names it by book, identifier and category tag, and
// where it asks for one, the total cost.
constexpr SkillRow kRows[] = {
    AdjustSkillIfAdvantage{3, {BOOK_01, 57, "RACAD"}, 1},
    AdjustSkillIfAdvantage{2, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{2, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{2, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{4, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{7, {BOOK_05, 9, "AD"}, 4},
    AdjustSkillIfAdvantage{9, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{14, {BOOK_05, 61, "AD"}, 2},
    AdjustSkillIfAdvantage{18, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{18, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{18, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{18, {BOOK_01, 10, "RACAD"}, 1},
    AdjustForIntelligenceLevel{20},
    AdjustForIntelligenceLevel{25},
    CapSkillLevel{26, &CChar_Character::GetCurrentST, 13, "Strength"},
    AdjustSkillIfAdvantage{186, {BOOK_05, 1, "AD"}, 3},
    AdjustSkillIfAdvantage{38, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{38, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{38, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{40, {BOOK_05, 14, "DISAD"}, -1},
    AdjustSkillIfAdvantage{41, {BOOK_05, 16, "AD"}, 3},
    AdjustSkillIfAdvantage{41, {BOOK_01, 102, "RACAD"}, 5},
    AdjustSkillIfAdvantage{43, {BOOK_05, 30, "AD"}, 3},
    AdjustSkillIfAdvantage{51, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{51, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{51, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{51, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{52, {BOOK_05, 29, "DISAD"}, -3},
    AdjustSkillIfAdvantage{52, {BOOK_05, 67, "DISAD"}, -2},
    AdjustSkillIfAdvantage{53, {BOOK_05, 14, "DISAD"}, -1},
    OwnRule<SkillContext>{"AdjustForTechLevel", AdjustForTechLevel},  // skill 64
    AdjustSkillIfAdvantageLevel{56, 2, BOOK_05, {BOOK_05, 30, "AD"}, 3},
    AdjustSkillIfAdvantage{58, {BOOK_05, 30, "AD"}, 2},
    AdjustSkillIfAdvantage{59, {BOOK_05, 16, "AD"}, 3},
    AdjustSkillIfAdvantage{59, {BOOK_01, 102, "RACAD"}, 5},
    AdjustSkillIfAdvantage{60, {BOOK_05, 9, "AD"}, 4},
    AdjustSkillIfAdvantage{61, {BOOK_05, 13, "AD"}, 1},
    AdjustSkillIfAdvantage{61, {BOOK_15, 2, "AD"}, 2},
    AdjustSkillIfAdvantage{61, {BOOK_15, 3, "AD"}, 3},
    AdjustSkillIfAdvantage{62, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{62, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{62, {BOOK_05, 48, "DISAD"}, 3},
    AdjustSkillIfAdvantage{62, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{65, {BOOK_05, 9, "AD"}, 3},
    AdjustSkillIfAdvantage{190, {BOOK_01, 57, "RACAD"}, 1},
    CapSkillLevel{70, &CChar_Character::GetCurrentDX, 10, "Dexterity"},
    AdjustSkillIfAdvantage{73, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfEitherAdvantage{76, {BOOK_05, 19, "DISAD"}, {BOOK_05, 48, "DISAD"}, 3},
    AdjustForIntelligenceLevel{77},
    AdjustForIntelligenceLevel{78},
    AdjustSkillIfAdvantage{82, {BOOK_05, 9, "AD"}, 3},
    AdjustSkillFromAdvantageDescription{93, {BOOK_05, 22, "AD"}},
    OwnRule<SkillContext>{"ApplyAllLanguagesShare", ApplyAllLanguagesShare},  // skill 93
    AdjustSkillIfAdvantage{93, {BOOK_05, 19, "DISAD"}, -3},
    AdjustSkillIfAdvantage{96, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{96, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{96, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{98, {BOOK_05, 19, "DISAD"}, 3},
    AdjustSkillIfAdvantage{102, {BOOK_05, 30, "AD"}, 3},
    AdjustSkillIfAdvantage{103, {BOOK_05, 16, "AD"}, 3},
    AdjustSkillIfAdvantage{103, {BOOK_01, 102, "RACAD"}, 5},
    AdjustSkillIfAdvantage{104, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{104, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{104, {BOOK_05, 14, "DISAD"}, -1},
    AdjustSkillIfAdvantage{104, {BOOK_05, 33, "DISAD"}, -3},
    AdjustSkillIfAdvantage{104, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillFromAdvantageDescription{108, {BOOK_05, 32, "AD"}},
    AdjustSkillIfAdvantage{110, {BOOK_05, 1, "AD"}, 3},
    AdjustSkillIfAdvantage{116, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{116, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{122, {BOOK_05, 14, "DISAD"}, -1},
    AdjustSkillIfAdvantage{122, {BOOK_05, 61, "AD"}, 1},
    AdjustSkillIfAdvantage{122, {BOOK_01, 57, "RACAD"}, 1},
    AdjustSkillIfAdvantage{126, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{126, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{126, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{126, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{132, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{134, {BOOK_05, 9, "AD"}, 4},
    AdjustSkillIfAdvantage{136, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{136, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{136, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{136, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{141, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{141, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{141, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{141, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{142, {BOOK_05, 29, "DISAD"}, -3},
    AdjustSkillIfAdvantage{142, {BOOK_05, 67, "DISAD"}, -2},
    AdjustSkillIfAdvantage{146, {BOOK_05, 48, "DISAD"}, 3},
    AdjustSkillFromAdvantageDescription{147, {BOOK_05, 32, "AD"}},
    AdjustSkillIfAdvantage{147, {BOOK_05, 42, "AD"}, 2},
    AdjustSkillIfAdvantage{159, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{160, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{160, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{163, {BOOK_05, 29, "DISAD"}, 5},
    AdjustSkillIfAdvantage{163, {BOOK_05, 55, "DISAD"}, 2},
    AdjustSkillIfAdvantage{164, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{165, {BOOK_05, 66, "DISAD", -5.0}, -1},
    AdjustSkillIfAdvantage{165, {BOOK_05, 66, "DISAD", -10.0}, -2},
    AdjustSkillIfAdvantage{165, {BOOK_01, 10, "RACAD"}, 1},
    AdjustSkillIfAdvantage{171, {BOOK_05, 14, "DISAD"}, -1},
    AdjustSkillIfAdvantage{171, {BOOK_01, 100, "RACAD"}, 4},
    AdjustSkillIfAdvantage{171, {BOOK_01, 112, "RACAD"}, 1},
    AdjustSkillIfAdvantage{178, {BOOK_05, 9, "AD"}, 4},
    AdjustSkillIfAdvantage{182, {BOOK_05, 9, "AD"}, 4},
    OwnRule<SkillContext>{"ApplyDisadvantageOptionPenalty", ApplyDisadvantageOptionPenalty},  // several skills
    OwnRule<SkillContext>{"SetMoveShareFromSkill", SetMoveShareFromSkill},                      // skill 135
    ApplyMentalModeBonus{130},
    OwnRule<SkillContext>{"ApplyAllLanguagesRule", ApplyAllLanguagesRule},  // skill 99
};

}  // namespace

std::span<const SkillRow> SkillRulesB05() { return kRows; }

}  // namespace zulparvo
