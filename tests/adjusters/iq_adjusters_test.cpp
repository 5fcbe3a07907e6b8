// Skill bonuses that follow the character's IQ band.
#include "adjusters/iq_adjusters.h"

#include <gtest/gtest.h>

#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::Texts;
using Log = std::vector<CString>;

TEST(AdjustForIntelligenceLevel, GivesTheBandOfTheCurrentIQ) {
  struct Case {
    int32_t iq;
    int32_t iqBonus;
    int32_t bonus;
  };
  for (const Case& c : {Case{9, 0, 0}, Case{10, 0, 1}, Case{11, 0, 1}, Case{12, 0, 2}, Case{18, 0, 2}, Case{9, 1, 1},
                        Case{11, 1, 2}, Case{12, -3, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.iq << " + " << c.iqBonus);
    CChar_Character character;
    character.SetIQ(c.iq);
    character.SetIQBonus(c.iqBonus);
    CChar_Skill_Base& skill = AddSkill(character.GetSkills(), {.identifier = 25, .name = "Gambling", .bonus = 1});

    AdjustForIntelligenceLevel(character, skill, 25);

    EXPECT_EQ(skill.GetBonus(), 1 + c.bonus);
    const Log expected =
        c.bonus == 0 ? Log{} : Log{"+" + std::to_string(c.bonus) + " to Gambling from Current Intelligence Level"};
    EXPECT_EQ(Texts(character.GetChangeLog()), expected);
  }
}

TEST(AdjustForIntelligenceLevel, OnlyForTheRulesIdentifier) {
  CChar_Character character;
  character.SetIQ(12);
  CChar_Skill_Base& skill = AddSkill(character.GetSkills(), {.identifier = 20});
  AdjustForIntelligenceLevel(character, skill, 25);
  EXPECT_EQ(skill.GetBonus(), 0);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());
}

TEST(UpdateSpecialIQSkills, MovesTheSkillsByTheChangeOfBand) {
  struct Case {
    long oldIQ;
    long newIQ;
    int32_t delta;
  };
  const std::vector<Case> cases = {
      {9, 12, 2},   {12, 9, -2}, {9, 10, 1},  {8, 11, 1}, {11, 9, -1}, {10, 12, 1},
      {13, 11, -1}, {10, 11, 0}, {13, 15, 0}, {3, 9, 0},  {-5, 40, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.oldIQ << " -> " << c.newIQ);
    CChar_Character character;
    character.SetIQ(15);  // not read: the host passes both values
    CObArray& skills = character.GetSkills();
    AddHeading(skills);
    CChar_Skill_Base& s20 = AddSkill(skills, {.identifier = 20, .name = "Chess", .bonus = 2});
    CChar_Skill_Base& s25 = AddSkill(skills, {.identifier = 25, .name = "Gambling", .bonus = 2});
    CChar_Skill_Base& s77 = AddSkill(skills, {.identifier = 77, .name = "Strategy", .bonus = 2});
    CChar_Skill_Base& other20 = AddSkill(skills, {.book = "B13", .identifier = 20, .bonus = 2});
    CChar_Skill_Base& shown78 = AddDisplayOnly(skills, {.identifier = 78, .bonus = 2});
    CChar_Skill_Base& s78 = AddSkill(skills, {.identifier = 78, .name = "Tactics", .bonus = 2});

    UpdateSpecialIQSkills(character, c.oldIQ, c.newIQ);

    for (const CChar_Skill_Base* moved : {&s20, &s77, &s78}) EXPECT_EQ(moved->GetBonus(), 2 + c.delta);
    for (const CChar_Skill_Base* kept : {&s25, &other20, &shown78}) EXPECT_EQ(kept->GetBonus(), 2);
    Log expected;
    if (c.delta != 0) {
      const CString amount = (c.delta > 0 ? "+" : "") + std::to_string(c.delta);
      for (const char* name : {"Chess", "Strategy", "Tactics"}) {
        expected.push_back(amount + " to " + name + " from Current Intelligence");
      }
    }
    EXPECT_EQ(Texts(character.GetChangeLog()), expected);
  }
}

}  // namespace
}  // namespace zulparvo
