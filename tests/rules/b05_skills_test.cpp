// Skill rules of the basic book: the rows that fire for a skill, in order and with their
// messages, the near misses, and the rules of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/entry_points.h"
#include "rules/rule_tables.h"
#include "rules/skill_rules_test_support.h"

namespace zulparvo {
namespace {

using namespace skill_rules_test;

struct RowCase {
  const char* what;
  int skill;
  Json character;
  int bonus;
  Log log;
};


void ExpectRowCase(const RowCase& c) {
  SCOPED_TRACE(c.what);
  auto character = MakeCharacter(c.character);
  auto skill = MakeSkill(SkillFields(c.skill));
  EXPECT_TRUE(SkillRulesB05(*character, *skill));
  EXPECT_EQ(skill->GetBonus(), c.bonus);
  EXPECT_EQ(LogOf(*character), c.log);
}

const Json kJittery10 = Entry("DISAD", 66, "B05", "Jittery", {{"cost", -10}});
const Json kKeenRace = Entry("RACAD", 10, "B01", "Keen Race");

TEST(SkillRulesB05, RowsFireInTheirOrder) {
  const std::vector<RowCase> cases = {
      {"two steps of one disadvantage, then a racial advantage", 2,
       {{"disadvantages", {kJittery10}}, {"advantages", {kKeenRace}}},
       -1,
       {"-2 to Lore from Jittery", "+1 to Lore from Keen Race"}},
      {"four rows of one skill", 18,
       {{"disadvantages", {Entry("DISAD", 66, "B05", "Jittery", {{"cost", -5}})}},
        {"advantages", {Entry("AD", 42, "B05", "Steady Hand"), kKeenRace}}},
       2,
       {"-1 to Lore from Jittery", "+2 to Lore from Steady Hand", "+1 to Lore from Keen Race"}},
      {"advantages of another book", 61,
       Advantages({Entry("AD", 3, "B15", "Wide Sight"), Entry("AD", 2, "B15", "Far Sight"),
                   Entry("AD", 13, "B05", "Alert")}),
       6,
       {"+1 to Lore from Alert", "+2 to Lore from Far Sight", "+3 to Lore from Wide Sight"}},
      {"disadvantages that lower", 52,
       Disadvantages({Entry("DISAD", 67, "B05", "Frail"), Entry("DISAD", 29, "B05", "Dim")}),
       -5,
       {"-3 to Lore from Dim", "-2 to Lore from Frail"}},
      {"either disadvantage: the second one", 76, Disadvantages({Entry("DISAD", 48, "B05", "Shy")}), 3,
       {"+3 to Lore from Shy"}},
      {"either disadvantage: both give once, named by the first rule's", 76,
       Disadvantages({Entry("DISAD", 48, "B05", "Shy"), Entry("DISAD", 19, "B05", "Timid")}),
       3,
       {"+3 to Lore from Timid"}},
      {"the description bonus, then a disadvantage", 93,
       {{"advantages", {Entry("AD", 22, "B05", "Language Talent (+2)")}},
        {"disadvantages", {Entry("DISAD", 19, "B05", "Timid")}}},
       -1,
       {"+2 to Lore from Language Talent (+2)", "-3 to Lore from Timid"}},
  };
  for (const RowCase& c : cases) ExpectRowCase(c);
}

TEST(SkillRulesB05, NearMissesChangeNothing) {
  const std::vector<RowCase> cases = {
      {"advantage of another book", 7, Advantages({Entry("AD", 9, "B01", "Beast Bond")}), 0, {}},
      {"racial tag where the row wants AD", 7, Advantages({Entry("RACAD", 9, "B05", "Beast Bond")}), 0, {}},
      {"AD tag where the row wants RACAD", 3, Advantages({Entry("AD", 57, "B01", "Quick Kin")}), 0, {}},
      {"the advantage in the disadvantage list", 7, Disadvantages({Entry("AD", 9, "B05", "Beast Bond")}), 0, {}},
      {"neighbouring advantage", 7, Advantages({Entry("AD", 8, "B05", "Beast Bond")}), 0, {}},
      {"racial disadvantage where the row wants DISAD", 40,
       Disadvantages({Entry("RACDISAD", 14, "B05", "Shaky")}), 0, {}},
      {"cost between the steps", 2, Disadvantages({Entry("DISAD", 66, "B05", "Jittery", {{"cost", -7.5}})}), 0, {}},
      {"cost beyond the steps", 2, Disadvantages({Entry("DISAD", 66, "B05", "Jittery", {{"cost", -15}})}), 0, {}},
      {"costed disadvantage of another book", 2,
       Disadvantages({Entry("DISAD", 66, "B01", "Jittery", {{"cost", -10}})}), 0, {}},
      {"a skill that no row names", 1,
       {{"advantages", {Entry("AD", 9, "B05", "Beast Bond"), kKeenRace}}, {"disadvantages", {kJittery10}}}, 0, {}},
  };
  for (const RowCase& c : cases) ExpectRowCase(c);
}

TEST(SkillRulesB05, CheckNumberAndTextSelectTheSkill) {
  struct Case {
    int checkNumber;
    const char* checkText;
    int bonus;
  };
  for (const Case c : {Case{2, "B05", 3}, Case{1, "B05", 0}, Case{3, "B05", 0}, Case{2, "B13", 0}}) {
    SCOPED_TRACE(c.checkNumber);
    auto character = MakeCharacter(Advantages({Entry("AD", 30, "B05", "Keen Nose")}));
    auto skill = MakeSkill(SkillFields(56, "B05", "Lore", {{"integer_1", c.checkNumber}, {"text_2", c.checkText}}));
    SkillRulesB05(*character, *skill);
    EXPECT_EQ(skill->GetBonus(), c.bonus);
    EXPECT_EQ(LogOf(*character), Log{});  // this row never logs
  }
}

TEST(SkillRulesB05, AttributesBelowTheMinimumLower) {
  struct Case {
    int skill;
    Json character;
    Log log;
  };
  const std::vector<Case> cases = {
      {26, {{"st", 10}}, {"-3 to Lore from Strength"}},
      {26, {{"st", 10}, {"st_bonus", 3}}, {}},
      {26, {{"st", 15}, {"dx", 3}}, {}},
      {70, {{"dx", 8}}, {"-2 to Lore from Dexterity"}},
      {70, {{"dx", 12}, {"dx_bonus", -3}}, {"-1 to Lore from Dexterity"}},
      {70, {{"dx", 10}, {"st", 3}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.character.dump());
    auto character = MakeCharacter(c.character);
    auto skill = MakeSkill(SkillFields(c.skill));
    SkillRulesB05(*character, *skill);
    EXPECT_EQ(LogOf(*character), c.log);
    EXPECT_EQ(skill->GetBonus(), c.log.empty() ? 0 : std::stoi(c.log.front()));
  }
}

TEST(SkillRulesB05, IntelligenceSkillsFollowTheBandOfCurrentIQ) {
  struct Case {
    int iq;
    int iqBonus;
    int amount;
  };
  for (const int skillId : {20, 25, 77, 78}) {
    for (const Case c : {Case{9, 0, 0}, Case{10, 0, 1}, Case{11, 0, 1}, Case{12, 0, 2}, Case{10, 2, 2}}) {
      SCOPED_TRACE(std::to_string(skillId) + " at IQ " + std::to_string(c.iq + c.iqBonus));
      auto character = MakeCharacter({{"iq", c.iq}, {"iq_bonus", c.iqBonus}});
      auto skill = MakeSkill(SkillFields(skillId));
      SkillRulesB05(*character, *skill);
      EXPECT_EQ(skill->GetBonus(), c.amount);
      const Log log = c.amount == 0 ? Log{}
                                    : Log{"+" + std::to_string(c.amount) + " to Lore from Current Intelligence Level"};
      EXPECT_EQ(LogOf(*character), log);
    }
  }
}

TEST(SkillRulesB05, TechLevelSkillFollowsTheTechLevel) {
  struct Case {
    int techLevel;
    Log log;
  };
  const std::vector<Case> cases = {
      {-1, {}},
      {0, {"-2 to Lore from Current Tech Level"}},
      {1, {"-1 to Lore from Current Tech Level"}},
      {3, {"-1 to Lore from Current Tech Level"}},
      {4, {}},
      {5, {}},
      {6, {"+1 to Lore from Current Tech Level"}},
      {7, {"+1 to Lore from Current Tech Level"}},
      {8, {"+3 to Lore from Current Tech Level"}},
      {9, {"+3 to Lore from Current Tech Level"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.techLevel);
    auto character = MakeCharacter({{"tech_level", c.techLevel}});
    auto skill = MakeSkill(SkillFields(64));
    SkillRulesB05(*character, *skill);
    EXPECT_EQ(LogOf(*character), c.log);
    EXPECT_EQ(skill->GetBonus(), c.log.empty() ? 0 : std::stoi(c.log.front()));
    auto other = MakeSkill(SkillFields(63));
    SkillRulesB05(*character, *other);
    EXPECT_EQ(other->GetBonus(), 0);
  }
}

TEST(SkillRulesB05, LanguageSkillTakesATenthOfTheFirstAllLanguagesSkill) {
  struct Case {
    int level;
    int bonus;
    int gain;
  };
  for (const Case c : {Case{25, 6, 3}, Case{29, 0, 2}, Case{5, -16, -1}, Case{9, 0, 0}}) {
    SCOPED_TRACE(c.level);
    auto character = MakeCharacter({{"skills",
                                     {{{"class", "CChar_Skill_Heading"}, {"heading_text", "Languages"}},
                                      SkillFields(99, "B05", "Shown", {{"class", "CChar_Skill_Default_DisplayOnly"},
                                                                       {"level", 90}}),
                                      SkillFields(99, "B13", "Other Book", {{"level", 90}}),
                                      SkillFields(99, "B05", "Polyglot", {{"level", c.level}, {"bonus", c.bonus}}),
                                      SkillFields(99, "B05", "Second", {{"level", 90}})}}});
    auto skill = MakeSkill(SkillFields(93));
    SkillRulesB05(*character, *skill);
    EXPECT_EQ(skill->GetBonus(), c.gain);
    EXPECT_EQ(LogOf(*character), Log{});
  }
  auto alone = MakeCharacter();
  auto skill = MakeSkill(SkillFields(93));
  SkillRulesB05(*alone, *skill);
  EXPECT_EQ(skill->GetBonus(), 0);
}

TEST(SkillRulesB05, AllLanguagesSkillSharesItsLevelWithTheLanguageSkills) {
  const Json skills = {SkillFields(93, "B05", "Tongue", {{"bonus", 1}}), SkillFields(93, "B13", "Other Tongue"),
                       SkillFields(93, "B05", "Shown", {{"class", "CChar_Skill_Default_DisplayOnly"}}),
                       SkillFields(93, "B05", "Tongue Too", {{"class", "CChar_Skill_DefaultLanguage"}})};
  struct Case {
    const char* what;
    Json advantages;
    int level;
    int bonus;
    Log log;
    int share;
  };
  const std::vector<Case> cases = {
      {"no talent", Json::array(), 25, 0, {"+2 to All Languages from Polyglot"}, 2},
      {"the first talent, and a share of the level alone",
       {Entry("AD", 22, "B05", "Language Talent (+1)"), Entry("AD", 22, "B05", "Language Talent (+4)")},
       19,
       1,
       {"+1 to Polyglot from Language Talent (+1)", "+1 to All Languages from Polyglot"},
       1},
      {"a share of 0 is logged too", {Entry("RACAD", 22, "B05", "Racial Talent (+1)")}, 9, 0,
       {"+0 to All Languages from Polyglot"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto character = MakeCharacter({{"advantages", c.advantages}, {"skills", skills}});
    auto skill = MakeSkill(SkillFields(99, "B05", "Polyglot", {{"level", c.level}}));
    SkillRulesB05(*character, *skill);
    EXPECT_EQ(skill->GetBonus(), c.bonus);
    EXPECT_EQ(LogOf(*character), c.log);
    EXPECT_EQ(SkillAt(*character, 0).GetBonus(), 1 + c.share);
    EXPECT_EQ(SkillAt(*character, 1).GetBonus(), 0);
    EXPECT_EQ(SkillAt(*character, 2).GetBonus(), 0);
    EXPECT_EQ(SkillAt(*character, 3).GetBonus(), c.share);
  }
}

TEST(SkillRulesB05, DisadvantageOptionLowersSkillsOfTwoGroupsAndNamedSkills) {
  struct Skill {
    int identifier;
    int groups;
    bool affected;
  };
  // The full list of named skills is met end to end by the movement disadvantage's tests.
  const std::vector<Skill> skills = {
      {500, 0x2000000, true}, {500, 0x8000000, true}, {500, 0x4000000, false}, {500, 0, false},
      {3, 0, true},           {194, 0, true},         {136, 0, false},         {1, 0x10000000, false},
  };
  struct Option {
    int subId;
    int penalty;
  };
  for (const Option option : {Option{1, 3}, Option{3, 6}, Option{0, 0}}) {
    for (const Skill& s : skills) {
      SCOPED_TRACE(std::to_string(option.subId) + " on skill " + std::to_string(s.identifier));
      auto character = MakeCharacter(
          Disadvantages({Entry("RACDISAD", 42, "B05", "Racial Hex", {{"sub_identifier", 1}}),
                         Entry("DISAD", 42, "B99", "Hexed", {{"sub_identifier", option.subId}}),
                         Entry("DISAD", 42, "B05", "Second Hex", {{"sub_identifier", 2}})}));
      auto skill = MakeSkill(SkillFields(s.identifier, "B05", "Lore", {{"groups", s.groups}}));
      SkillRulesB05(*character, *skill);
      EXPECT_EQ(skill->GetBonus(), s.affected ? -option.penalty : 0);
      const CString amount = option.penalty == 0 ? "+0" : "-" + std::to_string(option.penalty);
      EXPECT_EQ(LogOf(*character), s.affected ? Log{amount + " to Lore from Hexed"} : Log{});
    }
  }
  // A named skill of another book is not named; with another disadvantage nothing happens.
  auto character = MakeCharacter(Disadvantages({Entry("DISAD", 42, "B05", "Hexed", {{"sub_identifier", 2}})}));
  auto otherBook = MakeSkill(SkillFields(135, "B13"));
  SkillRulesB05(*character, *otherBook);
  EXPECT_EQ(otherBook->GetBonus(), 0);
  auto without = MakeCharacter(Disadvantages({Entry("DISAD", 41, "B05", "Lazy", {{"sub_identifier", 2}})}));
  auto grouped = MakeSkill(SkillFields(500, "B05", "Lore", {{"groups", 0x2000000}}));
  SkillRulesB05(*without, *grouped);
  EXPECT_EQ(grouped->GetBonus(), 0);
  EXPECT_EQ(LogOf(*without), Log{});
}

TEST(SkillRulesB05, MoveSkillSetsTheSpeedShare) {
  auto character = MakeCharacter({{"speed_extra_2", 5.0}});
  auto skill = MakeSkill(SkillFields(135, "B05", "Lore", {{"level", 12}, {"bonus", 3}}));
  SkillRulesB05(*character, *skill);
  EXPECT_DOUBLE_EQ(character->GetSpeedExtra2(), 1.875);
  SkillRulesB05(*character, *skill);
  EXPECT_DOUBLE_EQ(character->GetSpeedExtra2(), 1.875);
  EXPECT_EQ(LogOf(*character), Log{});

  // The option penalty comes first and counts in the share.
  auto penalized = MakeCharacter(Disadvantages({Entry("DISAD", 42, "B05", "Hexed", {{"sub_identifier", 1}})}));
  SkillRulesB05(*penalized, *skill);
  EXPECT_DOUBLE_EQ(penalized->GetSpeedExtra2(), 1.5);

  auto other = MakeSkill(SkillFields(134, "B05", "Lore", {{"level", 12}}));
  SkillRulesB05(*character, *other);
  EXPECT_DOUBLE_EQ(character->GetSpeedExtra2(), 1.875);
}

TEST(SkillRulesB05, MentalModeRaisesItsSkillSilently) {
  auto character = MakeCharacter({{"mental_mode", 2}});
  auto skill = MakeSkill(SkillFields(130));
  SkillRulesB05(*character, *skill);
  EXPECT_EQ(skill->GetBonus(), 2);
  EXPECT_EQ(LogOf(*character), Log{});
}

TEST(SkillRulesB05, EntryPointRoutesBasicBookSkillsHere) {
  const Json fields = {{"disadvantages", {kJittery10}}, {"advantages", {kKeenRace}}};
  for (const char* skillClass : {"CChar_Skill_Base", "CChar_Skill_Default", "CChar_Skill_DefaultLanguage"}) {
    SCOPED_TRACE(skillClass);
    auto character = MakeCharacter(fields);
    auto skill = MakeSkill(SkillFields(2, "B05", "Lore", {{"class", skillClass}}));
    EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 1), 1);
    EXPECT_EQ(skill->GetBonus(), -1);
    const CString name = skill->GetDisplayName();
    EXPECT_EQ(LogOf(*character), (Log{"-2 to " + name + " from Jittery", "+1 to " + name + " from Keen Race"}));
  }
  auto character = MakeCharacter(fields);
  auto skill = MakeSkill(SkillFields(2));
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 0), 1);
  auto shown = MakeSkill(SkillFields(2, "B05", "Lore", {{"class", "CChar_Skill_Default_DisplayOnly"}}));
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), shown.get(), 1), 1);
  auto otherBook = MakeSkill(SkillFields(2, "B13"));
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), otherBook.get(), 1), 1);
  EXPECT_EQ(skill->GetBonus() + shown->GetBonus() + otherBook->GetBonus(), 0);
  EXPECT_EQ(LogOf(*character), Log{});
}

}  // namespace
}  // namespace zulparvo
