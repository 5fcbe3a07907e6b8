// Skill rules of the racial book and the smaller books, and the racial-disadvantage
// skill modifier that every skill meets.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "frame/dispatch.h"
#include "frame/entry_points.h"
#include "rules/rule_tables.h"
#include "rules/skill_rules_test_support.h"

namespace zulparvo {
namespace {

using namespace skill_rules_test;

// A racial skill modifier (racial disadvantage 51 of B01) for skill 12 of B05.
Json RacialModifier(const char* description, const Json& more = Json::object()) {
  Json entry = Entry("RACDISAD", 51, "B01", description, {{"integer_key", 12}, {"text_key", "B05"}});
  entry.update(more);
  return entry;
}


TEST(RacialDisadvantageSkillRule, AddsTheNumberBeforeTheFirstClosingParenthesis) {
  struct Case {
    const char* description;
    int32_t amount;
  };
  const std::vector<Case> cases = {
      {"Clumsy Hands (-2)", -2},
      {"Plain (+3)", 3},
      {"Odd (4) and (6)", 4},
      {"4) closing only", 4},
      {"Large (99999999999)", std::numeric_limits<int32_t>::max()},
      {"No parentheses", 0},
      {"Open only (5", 0},
      {"Back ) to (7", 0},
      {"Empty ()", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    auto character = MakeCharacter(Disadvantages({RacialModifier(c.description)}));
    auto skill = MakeSkill(SkillFields(12));
    EXPECT_TRUE(RacialDisadvantageSkillRuleB01(*character, *skill));
    EXPECT_EQ(skill->GetBonus(), c.amount);
    const CString sign = c.amount >= 0 ? "+" : "";
    EXPECT_EQ(LogOf(*character), Log{sign + std::to_string(c.amount) + " to Lore from " + c.description});
  }
}

TEST(RacialDisadvantageSkillRule, TakesTheFirstEntryThatNamesTheSkill) {
  auto character = MakeCharacter(Disadvantages({
      RacialModifier("Other Book (50)", {{"book_code", "B05"}}),
      RacialModifier("Other Number (50)", {{"identifier", 52}}),
      RacialModifier("Plain Tag (50)", {{"category", "DISAD"}}),
      RacialModifier("Other Skill (50)", {{"integer_key", 13}}),
      RacialModifier("Other Skill Book (50)", {{"text_key", "B13"}}),
      RacialModifier("Clumsy Hands (-2)"),
      RacialModifier("Second (-7)"),
  }));
  auto skill = MakeSkill(SkillFields(12));
  RacialDisadvantageSkillRuleB01(*character, *skill);
  EXPECT_EQ(skill->GetBonus(), -2);
  EXPECT_EQ(LogOf(*character), Log{"-2 to Lore from Clumsy Hands (-2)"});

  // The same modifier among the advantages is the racial advantage rule's, not this one.
  auto inAdvantages = MakeCharacter(Advantages({RacialModifier("Clumsy Hands (-2)")}));
  RacialDisadvantageSkillRuleB01(*inAdvantages, *skill);
  EXPECT_EQ(skill->GetBonus(), -2);
}

TEST(RacialDisadvantageSkillRule, EverySkillMeetsItAfterTheRacialAdvantageModifier) {
  auto character = MakeCharacter(
      {{"advantages", {Entry("RACAD", 95, "B01", "Knack (2)", {{"integer_key", 12}, {"text_key", "B77"}})}},
       {"disadvantages", {RacialModifier("Clumsy Hands (-3)", {{"text_key", "B77"}})}}});
  auto skill = MakeSkill(SkillFields(12, "B77"));
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 1), 1);
  EXPECT_EQ(skill->GetBonus(), -1);
  EXPECT_EQ(LogOf(*character),
            (Log{"+2 to Lore from Skill Modifier: Knack (2)", "-3 to Lore from Clumsy Hands (-3)"}));
}

struct TableCase {
  const char* what;
  int skill;
  Json character;
  int bonus;
  Log log;
};

void ExpectTableCases(SkillRuleTable table, const char* book, const std::vector<TableCase>& cases) {
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto character = MakeCharacter(c.character);
    auto skill = MakeSkill(SkillFields(c.skill, book));
    EXPECT_TRUE(table(*character, *skill));
    EXPECT_EQ(skill->GetBonus(), c.bonus);
    EXPECT_EQ(LogOf(*character), c.log);
  }
}

TEST(SkillRulesB01, RowsFireInTheirOrder) {
  ExpectTableCases(SkillRulesB01, "B01",
      {
          {"two advantages of another book", 61,
           Advantages({Entry("AD", 3, "B15", "Wide Sight"), Entry("AD", 2, "B15", "Far Sight")}),
           2,
           {"+1 to Lore from Far Sight", "+1 to Lore from Wide Sight"}},
          {"a disadvantage, an advantage and a racial advantage", 1,
           {{"advantages", {Entry("RACAD", 57, "B01", "Quick Kin"), Entry("AD", 61, "B05", "Keen")}},
            {"disadvantages", {Entry("DISAD", 14, "B05", "Shaky")}}},
           1,
           {"-1 to Lore from Shaky", "+1 to Lore from Keen", "+1 to Lore from Quick Kin"}},
          {"advantage of the wrong book", 61, Advantages({Entry("AD", 2, "B05", "Far Sight")}), 0, {}},
          {"racial tag where the row wants AD", 1, Advantages({Entry("RACAD", 61, "B05", "Keen")}), 0, {}},
          {"a skill that no row names", 2, Advantages({Entry("AD", 61, "B05", "Keen")}), 0, {}},
      });
}

TEST(SkillRulesB13, RowsFireForTheirSkills) {
  ExpectTableCases(SkillRulesB13, "B13",
      {
          {"skill 96", 96, Advantages({Entry("AD", 18, "B05", "Trained Eye")}), 3, {"+3 to Lore from Trained Eye"}},
          {"skill 98", 98, Advantages({Entry("AD", 34, "B13", "Lucky Star")}), 3, {"+3 to Lore from Lucky Star"}},
          {"advantage of the wrong book", 98, Advantages({Entry("AD", 34, "B05", "Lucky Star")}), 0, {}},
          {"advantage of another skill's row", 96, Advantages({Entry("AD", 34, "B13", "Lucky Star")}), 0, {}},
      });
}

TEST(SkillRulesB13, OnlySkillsOfTheBookComeHere) {
  const Json fields = Advantages({Entry("AD", 34, "B13", "Lucky Star")});
  auto character = MakeCharacter(fields);
  auto skill = MakeSkill(SkillFields(98, "B13"));
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 1), 1);
  EXPECT_EQ(skill->GetBonus(), 3);
  EXPECT_EQ(LogOf(*character), Log{"+3 to Lore from Lucky Star"});

  auto basic = MakeCharacter(fields);
  auto basicSkill = MakeSkill(SkillFields(98, "B05"));
  speccalc_DoSpecialCalcSkillProc(basic.get(), basicSkill.get(), 1);
  EXPECT_EQ(basicSkill->GetBonus(), 0);
  EXPECT_EQ(LogOf(*basic), Log{});
}

TEST(SkillRulesB46, ForceSkillsFollowTheCostOfTheAdvantage) {
  struct Case {
    int groups;
    double cost;
    const char* book;
    int bonus;
  };
  const std::vector<Case> cases = {
      {0x10000000, 15, "B46", 1}, {0x10000000, 35, "B46", 3}, {0x10000000, 20, "B46", 0},
      {0x10000000, 45, "B46", 0}, {0x10000001, 25, "B46", 0}, {0x30000000, 25, "B46", 0},
      {0, 25, "B46", 0},          {0x10000000, 25, "B05", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.groups) + " at " + std::to_string(c.cost) + " of " + c.book);
    auto character = MakeCharacter(Advantages({Entry("AD", 3, c.book, "Inner Force", {{"cost", c.cost}})}));
    for (const int identifier : {7, 40}) {
      auto skill = MakeSkill(SkillFields(identifier, "B46", "Lore", {{"groups", c.groups}}));
      EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 1), 1);
      EXPECT_EQ(skill->GetBonus(), c.bonus);
    }
    EXPECT_EQ(LogOf(*character), Log{});  // these rows never log
  }
}

TEST(SkillRulesB26, MagicAptitudeOfTheLastMagicAdvantage) {
  const auto magic = [](const char* subBook, int subId, double cost) {
    return Entry("AD", 28, "B05", "Magic", {{"sub_book_code", subBook}, {"sub_identifier", subId}, {"cost", cost}});
  };
  struct Case {
    const char* what;
    Json advantages;
    int bonus;
  };
  const std::vector<Case> cases = {
      {"a variant at its second step", {magic("B37", 2, 14)}, 2},
      {"a variant at no step", {magic("B37", 2, 15)}, 0},
      {"the last one that gives a level", {magic("B05", 1, 35), magic("B30", 1, 10)}, 1},
      {"one at no step keeps the level", {magic("B13", 4, 16), magic("B13", 4, 17)}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto character = MakeCharacter({{"advantages", c.advantages}});
    auto skill = MakeSkill(SkillFields(6, "B26"));
    EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), skill.get(), 1), 1);
    EXPECT_EQ(skill->GetBonus(), c.bonus);
    auto other = MakeSkill(SkillFields(7, "B26"));
    EXPECT_TRUE(SkillRulesB26(*character, *other));
    EXPECT_EQ(other->GetBonus(), 0);
    EXPECT_EQ(LogOf(*character), Log{});
  }
}

}  // namespace
}  // namespace zulparvo
