// Rows whose amount follows a value of the character rather than of a record: the tech
// level, the IQ band and the attribute minimums, at the edges of their bands. (A
// scenario has one character, so these run here, one character per value.)
#include <gtest/gtest.h>

#include <limits>

#include "frame/dispatch.h"

namespace zulparvo {
namespace {

constexpr int32_t kLowest = std::numeric_limits<int32_t>::min();

struct BandCase {
  int32_t skill;
  void (CChar_Character::*set)(int32_t);
  int32_t value;
  int32_t bonus;
};

TEST(CharacterBands, SkillBonusFollowsTheCharacterValue) {
  const BandCase cases[] = {
      {64, &CChar_Character::SetTechLevel, -1, 0},  {64, &CChar_Character::SetTechLevel, 0, -2},
      {64, &CChar_Character::SetTechLevel, 1, -1},  {64, &CChar_Character::SetTechLevel, 3, -1},
      {64, &CChar_Character::SetTechLevel, 4, 0},   {64, &CChar_Character::SetTechLevel, 5, 0},
      {64, &CChar_Character::SetTechLevel, 6, 1},   {64, &CChar_Character::SetTechLevel, 7, 1},
      {64, &CChar_Character::SetTechLevel, 8, 3},   {64, &CChar_Character::SetTechLevel, 12, 3},
      {25, &CChar_Character::SetIQ, 9, 0},          {25, &CChar_Character::SetIQ, 10, 1},
      {25, &CChar_Character::SetIQ, 11, 1},         {25, &CChar_Character::SetIQ, 12, 2},
      {26, &CChar_Character::SetST, 12, -1},        {26, &CChar_Character::SetST, 13, 0},
      {70, &CChar_Character::SetDX, 10, 0},         {70, &CChar_Character::SetDX, kLowest + 1, kLowest},
      {130, &CChar_Character::SetMentalMode, 2, 2}, {130, &CChar_Character::SetMentalMode, 3, 0},
  };
  for (const BandCase& c : cases) {
    CChar_Character character;
    (character.*c.set)(c.value);
    CChar_Skill_Base skill;
    skill.SetIdentifier(c.skill);
    skill.SetBookCode("B05");
    skill.SetName("Skill");
    DispatchSkill(character, skill);
    EXPECT_EQ(skill.GetBonus(), c.bonus) << "skill " << c.skill << " at " << c.value;
  }
}

}  // namespace
}  // namespace zulparvo
