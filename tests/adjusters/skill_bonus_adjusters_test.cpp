// Bonuses from advantages and disadvantages to skills on the character's skill list.
#include "adjusters/skill_bonus_adjusters.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::MakeMageryRecord;
using testing::MakeRecord;
using testing::RecordSpec;
using testing::Texts;
using Log = std::vector<CString>;

constexpr int32_t kMusic = 0x8;

// The rule record of most cases: identifier 7, "AD", shown as "Charisma".
CChar_Ad_Disad Rule() { return MakeRecord({.description = "Charisma"}); }

TEST(SkillBonusAdjusters, FireOnlyForTheRulesIdentifierAndCategory) {
  using Call = std::function<void(CChar_Character&, const CChar_Ad_Disad&)>;
  AdvantageList noAdvantages;
  struct Case {
    const char* name;
    Call call;
  };
  const std::vector<Case> cases = {
      {"AdjustSkillBonus", [](auto& c, auto& r) { AdjustSkillBonus(c, r, 7, "B05", 1, 2, "AD"); }},
      {"AdjustSkillBonusBySubject",
       [](auto& c, auto& r) { AdjustSkillBonusBySubject(c, r, 7, "B05", 1, 2, "Skill", "AD"); }},
      {"AdjustSkillBonusFromDescription",
       [](auto& c, auto& r) { AdjustSkillBonusFromDescription(c, r, 7, "B05", 1, "AD"); }},
      {"AdjustSkillBonusByFlag", [](auto& c, auto& r) { AdjustSkillBonusByFlag(c, r, 7, "AD", kMusic, 2); }},
      {"AdjustSkillBonusUnlessAdvantage",
       [&](auto& c, auto& r) {
         AdjustSkillBonusUnlessAdvantage(c, r, 7, "AD", 1, "B05", 2, noAdvantages, 3, "B05", "AD");
       }},
      {"AdjustSkillsPerLevel", [](auto& c, auto& r) { AdjustSkillsPerLevel(c, r, 7, "AD"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const RecordSpec& wanted :
         {RecordSpec{.identifier = 7}, RecordSpec{.identifier = 8}, RecordSpec{.identifier = 7, .category = "RACAD"},
          RecordSpec{.identifier = 7, .category = "ad"}}) {
      CChar_Character character;
      CChar_Skill_Base& skill = AddSkill(character.GetSkills(), {.groups = kMusic});
      const auto record = MakeMageryRecord({.identifier = wanted.identifier,
                                            .category = wanted.category,
                                            .description = "Gift (+1)",
                                            .baseCost = 10,
                                            .costPerLevel = 5},
                                           kMusic);
      c.call(character, record);
      const bool fires = wanted.identifier == 7 && wanted.category == "AD";
      EXPECT_EQ(character.GetChangeLog().GetSize(), fires ? 1u : 0u) << wanted.identifier << wanted.category;
      EXPECT_EQ(skill.GetBonus() != 0, fires);
    }
  }
}

TEST(AdjustSkillBonus, RaisesEverySubjectOfTheSkillInItsBookOnly) {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  CChar_Skill_Base& first = AddSkill(skills, {.identifier = 40, .name = "Area Knowledge (Rome)"});
  CChar_Skill_Base& otherBook = AddSkill(skills, {.book = "B13", .identifier = 40, .name = "Piloting"});
  CChar_Skill_Base& shownOnly = AddDisplayOnly(skills, {.identifier = 40, .name = "Default"});
  CChar_Skill_Base& other = AddSkill(skills, {.identifier = 41, .name = "Bard"});
  CChar_Skill_Base& second = AddSkill(skills, {.identifier = 40, .name = "Area Knowledge (Paris)", .bonus = 1});

  AdjustSkillBonus(character, Rule(), 7, "B05", 40, 2, "AD");

  EXPECT_EQ(first.GetBonus(), 2);
  EXPECT_EQ(second.GetBonus(), 3);
  EXPECT_EQ(otherBook.GetBonus(), 0);
  EXPECT_EQ(shownOnly.GetBonus(), 0);
  EXPECT_EQ(other.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Log{"+2 to Area Knowledge (Rome) from Charisma", "+2 to Area Knowledge (Paris) from Charisma"}));

  // "ALL" and -1 are no wildcards here; zero and negative amounts are logged with their sign.
  character.ClearChangeLog();
  AdjustSkillBonus(character, Rule(), 7, "ALL", 41, 2, "AD");
  AdjustSkillBonus(character, Rule(), 7, "B05", -1, 2, "AD");
  AdjustSkillBonus(character, Rule(), 7, "B05", 41, 0, "AD");
  AdjustSkillBonus(character, Rule(), 7, "B05", 41, -2, "AD");
  EXPECT_EQ(other.GetBonus(), -2);
  EXPECT_EQ(first.GetBonus(), 2);
  EXPECT_EQ(Texts(character.GetChangeLog()), (Log{"+0 to Bard from Charisma", "-2 to Bard from Charisma"}));
}

TEST(AdjustSkillBonusBySubject, RaisesOnlyTheNamedSubject) {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  CChar_Skill_Base& rome = AddSkill(skills, {.identifier = 40, .name = "Area Knowledge (Rome)"});
  CChar_Skill_Base& paris = AddSkill(skills, {.identifier = 40, .name = "Area Knowledge (Paris)"});
  CChar_Skill_Base& romeElsewhere =
      AddSkill(skills, {.book = "B13", .identifier = 40, .name = "Area Knowledge (Rome)"});

  AdjustSkillBonusBySubject(character, Rule(), 7, "B05", 40, 1, "Area Knowledge (Rome)", "AD");

  EXPECT_EQ(rome.GetBonus(), 1);
  EXPECT_EQ(paris.GetBonus(), 0);
  EXPECT_EQ(romeElsewhere.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+1 to Area Knowledge (Rome) from Charisma"});
}

TEST(AdjustSkillBonusFromDescription, GivesDescriptionBonusPlusLevelPerSkill) {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  CChar_Skill_Base& singing = AddSkill(skills, {.identifier = 30, .name = "Singing"});
  CChar_Skill_Base& otherBook = AddSkill(skills, {.book = "B13", .identifier = 30, .name = "Singing"});
  const CChar_Ad_Disad record = MakeRecord({.description = "Musical Ability (+2)", .level = 1});

  AdjustSkillBonusFromDescription(character, record, 7, "B05", 30, "AD");

  EXPECT_EQ(singing.GetBonus(), 3);
  EXPECT_EQ(otherBook.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+3 to Singing from Musical Ability  (+3)"});
}

TEST(AdjustSkillBonusFromDescription, EveryBookAndEverySkillChangeSilently) {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  CChar_Skill_Base& a = AddSkill(skills, {.identifier = 30});
  CChar_Skill_Base& b = AddSkill(skills, {.book = "B13", .identifier = 31});
  CChar_Skill_Base& shownOnly = AddDisplayOnly(skills, {.identifier = 30});

  AdjustSkillBonusFromDescription(character, MakeRecord({.description = "Clumsy (-2)"}), 7, "ALL", -1, "AD");

  EXPECT_EQ(a.GetBonus(), -2);
  EXPECT_EQ(b.GetBonus(), -2);
  EXPECT_EQ(shownOnly.GetBonus(), 0);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());
}

TEST(AdjustSkillBonusByFlag, RaisesSkillsSharingAGroupBit) {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  CChar_Skill_Base& music = AddSkill(skills, {.name = "Singing", .groups = kMusic | 0x1});
  CChar_Skill_Base& craft = AddSkill(skills, {.name = "Carpentry", .groups = 0x4});
  CChar_Skill_Base& none = AddSkill(skills, {.name = "Running"});
  CChar_Skill_Base& shownOnly = AddDisplayOnly(skills, {.groups = kMusic});

  AdjustSkillBonusByFlag(character, Rule(), 7, "AD", kMusic | 0x4, 1);

  EXPECT_EQ(music.GetBonus(), 1);
  EXPECT_EQ(craft.GetBonus(), 1);
  EXPECT_EQ(none.GetBonus(), 0);
  EXPECT_EQ(shownOnly.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()), (Log{"+1 to Singing from Charisma", "+1 to Carpentry from Charisma"}));
}

TEST(AdjustSkillBonusUnlessAdvantage, AnEqualAdvantageAnywhereInTheListBlocksIt) {
  struct Case {
    const char* book;
    int32_t identifier;
    const char* category;
    bool blocks;
  };
  for (const Case& c : {Case{"B05", 3, "AD", true}, Case{"B13", 3, "AD", false}, Case{"B05", 4, "AD", false},
                        Case{"B05", 3, "RACAD", false}}) {
    SCOPED_TRACE(::testing::Message() << c.book << " " << c.identifier << " " << c.category);
    CChar_Character character;
    CChar_Skill_Base& skill = AddSkill(character.GetSkills(), {.identifier = 40, .name = "Bard"});
    AddSkill(character.GetSkills(), {.book = "B13", .identifier = 40});
    AdvantageList advantages;
    advantages.Add(std::make_unique<CChar_Ad_Disad>(MakeRecord({.identifier = 9, .book = "B05"})));
    advantages.Add(std::make_unique<CChar_Ad_Disad>(
        MakeRecord({.identifier = c.identifier, .category = c.category, .book = c.book})));

    AdjustSkillBonusUnlessAdvantage(character, Rule(), 7, "AD", 40, "B05", -1, advantages, 3, "B05", "AD");

    EXPECT_EQ(skill.GetBonus(), c.blocks ? 0 : -1);
    EXPECT_EQ(Texts(character.GetChangeLog()), c.blocks ? Log{} : Log{"-1 to Bard from Charisma"});
  }
}

TEST(AdjustSkillsPerLevel, MovesTheRecordsCollegesByItsLevels) {
  struct Case {
    double baseCost;
    double costPerLevel;
    int32_t amount;
  };
  // A cost per level of 0 (no rule gives one, a record may) counts no levels.
  for (const Case& c : {Case{-15, -5, -3}, Case{15, 5, 3}, Case{14, 5, 2}, Case{-14, -5, -2}, Case{10, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.baseCost << " / " << c.costPerLevel);
    CChar_Character character;
    CObArray& skills = character.GetSkills();
    CChar_Skill_Base& music = AddSkill(skills, {.name = "Singing", .groups = kMusic, .bonus = 1});
    CChar_Skill_Base& other = AddSkill(skills, {.name = "Running", .groups = 0x4});
    const auto record =
        MakeMageryRecord({.description = "Tone Deaf", .baseCost = c.baseCost, .costPerLevel = c.costPerLevel}, kMusic);

    AdjustSkillsPerLevel(character, record, 7, "AD");

    EXPECT_EQ(music.GetBonus(), 1 + c.amount);
    EXPECT_EQ(other.GetBonus(), 0);
    const CString sign = c.amount >= 0 ? "+" : "";
    EXPECT_EQ(Texts(character.GetChangeLog()), Log{sign + std::to_string(c.amount) + " to Singing from Tone Deaf"});
  }
}

TEST(AdjustSkillsPerLevel, ARecordWithoutCollegesReachesNoSkill) {
  CChar_Character character;
  CChar_Skill_Base& skill = AddSkill(character.GetSkills(), {.groups = -1});
  AdjustSkillsPerLevel(character, MakeRecord({.baseCost = 15, .costPerLevel = 5}), 7, "AD");
  EXPECT_EQ(skill.GetBonus(), 0);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());
}

}  // namespace
}  // namespace zulparvo
