#include "adjusters/iq_adjusters.h"

#include <algorithm>
#include <array>

#include "base/book_codes.h"

namespace zulparvo {

namespace {

// The basic-book skills whose bonus moves when IQ changes.
constexpr std::array<int32_t, 3> kIQSkills = {20, 77, 78};

bool MovesWithIQ(const CChar_Skill_Base& skill) {
  return skill.GetBookCode() == BOOK_05 && std::ranges::find(kIQSkills, skill.GetIdentifier()) != kIQSkills.end();
}

int32_t IQBand(long iq) {
  if (iq >= 12) return 2;
  return iq >= 10 ? 1 : 0;
}

}  // namespace

void Apply(SkillContext& context, const AdjustForIntelligenceLevel& row) {
  if (context.skill.GetIdentifier() != row.skill) return;
  const int32_t band = IQBand(context.character.GetCurrentIQ());
  if (band == 0) return;
  AddToBonus(context.skill, band);
  context.character.AddChangeMessage(band, context.skill.GetDisplayName(), "Current Intelligence Level");
}

void UpdateSpecialIQSkills(CChar_Character& character, long oldIQ, long newIQ) {
  const int32_t delta = IQBand(newIQ) - IQBand(oldIQ);
  if (delta == 0) return;
  ForEachTarget(character.GetSkills(), [&](CChar_Skill_Base& skill) {
    if (!MovesWithIQ(skill)) return;
    AddToBonus(skill, delta);
    character.AddChangeMessage(delta, skill.GetDisplayName(), "Current Intelligence");
  });
}

}  // namespace zulparvo
