#include "adjusters/skill_bonus_adjusters.h"

namespace zulparvo {

namespace {

bool IsSkill(const CChar_Skill_Base& entry, const SkillRef& skill) {
  return BookMatches(entry.GetBookCode(), skill.book) &&
         (skill.identifier == kAnyEntry || entry.GetIdentifier() == skill.identifier);
}

// The walk of this family: the character's skill list.
template <class Select>
void AddToSkills(AdvantageContext& context, int32_t amount, Select&& select, bool logEach = true) {
  AddToSelected(context.character, context.character.GetSkills(), context.record, amount, logEach, select);
}

}  // namespace

void Apply(AdvantageContext& context, const AdjustSkillBonus& row) {
  if (!Matches(context.record, row.record)) return;
  if (row.unless && FindAdvantage(ListOf(context.character, *row.unless), *row.unless) != nullptr) return;
  AddToSkills(context, row.bonus, [&](const CChar_Skill_Base& entry) {
    return IsSkill(entry, row.skill) && (!row.subject || entry.GetName() == *row.subject);
  });
}

void Apply(AdvantageContext& context, const AdjustSkillBonusFromDescription& row) {
  if (!Matches(context.record, row.record)) return;
  AddToSkills(
      context, DescriptionBonusPlusLevel(context.record),
      [&](const CChar_Skill_Base& entry) { return IsSkill(entry, row.skill); }, row.skill.identifier != kAnyEntry);
}

void Apply(AdvantageContext& context, const AdjustSkillBonusByGroup& row) {
  if (!Matches(context.record, row.record)) return;
  AddToSkills(context, row.bonus, [&](const CChar_Skill_Base& entry) { return entry.HasGroup(row.groups); });
}

void Apply(AdvantageContext& context, const AdjustSkillsPerLevel& row) {
  const CChar_Ad_Disad& record = context.record;
  if (!Matches(record, row.record)) return;
  // truncate(base cost / cost per level), its sign turned for a negative cost per level.
  const double sign = record.GetCostPerLevel() < 0.0 ? -1.0 : 1.0;
  const int32_t amount = DividedAmount(sign * record.GetBaseCost(), record.GetCostPerLevel());
  const int32_t colleges = CollegesOf(record);
  AddToSkills(context, amount, [&](const CChar_Skill_Base& entry) { return entry.HasGroup(colleges); });
}

}  // namespace zulparvo
