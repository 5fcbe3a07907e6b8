// Skill-side adjusters: a skill's or spell's bonus from the advantages that the
// character already has.
#include "adjusters/skill_side_adjusters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "model/ad_disad_magery_colleges.h"
#include "model/skill_spell.h"

namespace zulparvo {
namespace {

using Log = std::vector<CString>;

// What a case sets on an advantage entry; the rest keeps a plain default.
struct Adv {
  int32_t identifier = 28;
  CString book = "B05";
  CString category = "AD";
  CString description = "Magery";
  double baseCost = 15.0;
  double extraCost = 0.0;
  int32_t level = 0;
  double costPerLevel = 0.0;
  int32_t subId = 0;
  CString subBook = "";
  int32_t integerKey = 0;
  CString textKey = "";
};

// A plain entry, or a college-limited magic advantage when colleges is given.
CChar_Ad_Disad& Add(AdvantageList& list, const Adv& wanted, int32_t colleges = 0) {
  std::unique_ptr<CChar_Ad_Disad> record;
  if (colleges != 0) {
    auto magery = std::make_unique<CChar_Ad_Disad_Magery_Colleges>();
    magery->SetColleges(colleges);
    record = std::move(magery);
  } else {
    record = std::make_unique<CChar_Ad_Disad>();
  }
  static_cast<CChar_Ad_Disad&>(*record) = CChar_Ad_Disad(wanted.identifier, wanted.baseCost, wanted.description,
                                                         wanted.book, wanted.integerKey, wanted.textKey,
                                                         wanted.category);
  record->SetLevel(wanted.level);
  record->SetExtraCost(wanted.extraCost);
  record->SetCostPerLevel(wanted.costPerLevel);
  record->SetSubEntry(wanted.subId, "", wanted.subBook);
  record->RecomputeCost();
  CChar_Ad_Disad& added = *record;
  list.Add(std::move(record));
  return added;
}

CChar_Skill_Base Skill(int32_t identifier, int32_t groups = 0) {
  CChar_Skill_Base skill;
  skill.SetIdentifier(identifier);
  skill.SetBookCode("B05");
  skill.SetName("Stealth");
  skill.SetGroups(groups);
  return skill;
}

CChar_Skill_Spell Spell(int32_t colleges, CString collegeText = "") {
  CChar_Skill_Spell spell;
  spell.SetIdentifier(40);
  spell.SetBookCode("B05");
  spell.SetName("Fireball");
  spell.SetColleges(colleges);
  spell.SetCollegeText(std::move(collegeText));
  spell.SetBonus(1);
  spell.SetLevel(12);
  return spell;
}

Log LogOf(const CChar_Character& character) {
  const CStringArray& log = character.GetChangeLog();
  return {log.begin(), log.end()};
}

class SkillSide : public ::testing::Test {
 protected:
  CChar_Character character;
  AdvantageList& advantages = character.GetAdvantages();
  AdvantageList& disadvantages = character.GetDisadvantages();
};

// --- every skill and spell ---

TEST_F(SkillSide, RacialSkillModifierReadsTheFirstParentheses) {
  struct Case {
    const char* description;
    int32_t amount;
  };
  // Without a "(" before a ")" there is no number; nothing outside the text is read.
  const std::vector<Case> cases = {
      {"Clumsy (-1)", -1}, {"Odd (4) and (6)", 4}, {"Large (99999999999)", std::numeric_limits<int32_t>::max()},
      {"Text (x9)", 0},    {"3) only close", 0},   {"Only open (5", 0},
      {"Back ) to (7", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    CChar_Character ch;
    Add(ch.GetAdvantages(), {.identifier = 95, .book = "B01", .category = "RACAD", .description = c.description,
                             .integerKey = 12, .textKey = "B05"});
    CChar_Skill_Base skill = Skill(12);
    ApplyRacialSkillModifier(ch, skill);
    EXPECT_EQ(skill.GetBonus(), c.amount);
    const CString sign = c.amount >= 0 ? "+" : "";
    EXPECT_EQ(LogOf(ch), Log{sign + std::to_string(c.amount) + " to Stealth from Skill Modifier: " + c.description});
  }
}

TEST_F(SkillSide, RacialSkillModifierTakesTheFirstEntryThatNamesTheSkill) {
  const Adv match{.identifier = 95, .book = "B01", .category = "RACAD", .description = "Nimble (3)",
                  .integerKey = 12, .textKey = "B05"};
  Adv otherBook = match, otherId = match, otherTag = match, otherKey = match, otherKeyText = match;
  otherBook.book = "B05";
  otherId.identifier = 96;
  otherTag.category = "AD";
  otherKey.integerKey = 13;
  otherKeyText.textKey = "B13";
  for (const Adv* miss : {&otherBook, &otherId, &otherTag, &otherKey, &otherKeyText}) {
    Adv near = *miss;
    near.description = "Miss (50)";
    Add(advantages, near);
  }
  Add(advantages, match);
  Adv second = match;
  second.description = "Second (7)";
  Add(advantages, second);

  CChar_Skill_Base skill = Skill(12);
  ApplyRacialSkillModifier(character, skill);
  EXPECT_EQ(skill.GetBonus(), 3);
  EXPECT_EQ(LogOf(character), Log{"+3 to Stealth from Skill Modifier: Nimble (3)"});

  CChar_Skill_Base otherSkill = Skill(14);
  ApplyRacialSkillModifier(character, otherSkill);
  EXPECT_EQ(otherSkill.GetBonus(), 0);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 1U);
}

TEST_F(SkillSide, PerAdvantageLevelAddsForEveryEntryWhoseCollegesMeetTheGroups) {
  const Adv rule{.identifier = 128, .book = "B01", .category = "RACAD", .description = "Gifted",
                 .baseCost = 10.0, .costPerLevel = 5.0};
  Add(advantages, rule, 0x4);  // +2
  Adv negative = rule;
  negative.description = "Inept";
  negative.baseCost = -10.0;
  negative.costPerLevel = -4.0;
  Add(advantages, negative, 0x6);  // trunc(-10 / -4) = 2, negated: -2
  Adv noCostPerLevel = rule;
  noCostPerLevel.description = "Unsized";
  noCostPerLevel.costPerLevel = 0.0;
  Add(advantages, noCostPerLevel, 0x4);  // no levels: +0
  Add(advantages, rule, 0x1);            // no shared bit
  Add(advantages, rule);                         // no colleges at all
  Adv otherTag = rule, otherBook = rule, otherId = rule;
  otherTag.category = "AD";
  otherBook.book = "B05";
  otherId.identifier = 129;
  for (const Adv* miss : {&otherTag, &otherBook, &otherId}) Add(advantages, *miss, 0x4);

  CChar_Skill_Base skill = Skill(3, 0x4);
  AdjustSkillPerAdvantageLevel(character, skill, advantages, 128, "RACAD", "B01");
  EXPECT_EQ(skill.GetBonus(), 0);
  EXPECT_EQ(LogOf(character),
            (Log{"+2 to Stealth from Gifted", "-2 to Stealth from Inept", "+0 to Stealth from Unsized"}));
}

TEST_F(SkillSide, MentalModeAddsOneOrTwo) {
  struct Case {
    int32_t mode;
    int32_t spellGain;
  };
  for (const Case c : {Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{-1, 0}}) {
    SCOPED_TRACE(c.mode);
    character.SetMentalMode(c.mode);
    CChar_Skill_Spell spell = Spell(0);
    ApplySpellBonusSetting(character, spell);
    EXPECT_EQ(spell.GetBonus(), 1 + c.spellGain);
    CChar_Skill_Base skill130 = Skill(130);
    CChar_Skill_Base skill131 = Skill(131);
    ApplySkillBonusSetting(character, skill130);
    ApplySkillBonusSetting(character, skill131);
    EXPECT_EQ(skill130.GetBonus(), c.spellGain);
    EXPECT_EQ(skill131.GetBonus(), 0);
  }
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0U);
}

// --- a skill's bonus from an advantage ---

TEST_F(SkillSide, IfAdvantageAddsOnceAndNamesTheFirstMatch) {
  Add(disadvantages, {.identifier = 9, .category = "DISAD", .description = "Wrong tag"});
  Add(advantages, {.identifier = 9, .book = "B13", .description = "Wrong book"});
  Add(advantages, {.identifier = 9, .description = "Alertness"});
  Add(advantages, {.identifier = 9, .description = "Alertness again"});

  CChar_Skill_Base skill = Skill(61);
  AdjustSkillIfAdvantage(character, advantages, skill, 61, "B05", 9, 3, "AD");
  EXPECT_EQ(skill.GetBonus(), 3);
  EXPECT_EQ(LogOf(character), Log{"+3 to Stealth from Alertness"});

  // No wildcard: -1 is an identifier like any other here.
  AdjustSkillIfAdvantage(character, advantages, skill, -1, "B05", 9, 3, "AD");
  AdjustSkillIfAdvantage(character, advantages, skill, 61, "B05", 10, 3, "AD");
  EXPECT_EQ(skill.GetBonus(), 3);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 1U);
}

TEST_F(SkillSide, FromAdvantageDescriptionSearchesTheAdvantageList) {
  AdvantageList otherList;
  Add(otherList, {.identifier = 4, .description = "Elsewhere (+5)"});
  CChar_Skill_Base skill = Skill(93);
  AdjustSkillFromAdvantageDescription(character, skill, 93, "B05", 4, "AD");
  EXPECT_EQ(skill.GetBonus(), 0);

  const CChar_Ad_Disad& entry = Add(advantages, {.identifier = 4, .description = "Acute Taste (+2)", .level = 1});
  AdjustSkillFromAdvantageDescription(character, skill, 93, "B05", 4, "AD");
  EXPECT_EQ(skill.GetBonus(), 3);
  EXPECT_EQ(LogOf(character), Log{"+3 to Stealth from " + entry.GetDisplayName()});

  // Any skill, silently.
  CChar_Skill_Base other = Skill(94);
  AdjustSkillFromAdvantageDescription(character, other, -1, "B05", 4, "AD");
  EXPECT_EQ(other.GetBonus(), 3);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 1U);
}

TEST_F(SkillSide, AtCostSelectsBySkillAndFindsTheEntryAtThatCost) {
  Add(advantages, {.identifier = 3, .book = "B46", .description = "Force 15", .baseCost = 15.0});
  Add(advantages, {.identifier = 3, .book = "B46", .description = "Force 25", .baseCost = 20.0, .extraCost = 5.0});

  struct Case {
    int32_t identifier;
    int32_t skillId;
    int32_t groups;
    double cost;
    int32_t gain;
    Log log;
  };
  constexpr int32_t kForce = kForceSkillGroupMask;
  const std::vector<Case> cases = {
      {20, 20, 0, 25.0, 2, {"+2 to Stealth from Force 25"}},  // total cost counts the extra cost
      {20, 20, 0, 15.0, 2, {"+2 to Stealth from Force 15"}},
      {20, 20, 0, 35.0, 0, {}},
      {20, 21, 0, 15.0, 0, {}},
      {-1, 21, 0, 15.0, 2, {}},
      {-2, 21, kForce, 25.0, 2, {}},
      {-2, 21, kForce | 0x1, 25.0, 0, {}},  // the groups must be the force group alone
      {-2, 21, 0, 25.0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.identifier << " " << c.groups << " " << c.cost);
    character.ClearChangeLog();
    CChar_Skill_Base skill = Skill(c.skillId, c.groups);
    AdjustSkillIfAdvantageAtCost(character, advantages, skill, c.identifier, "B46", 3, c.cost, 2, "AD");
    EXPECT_EQ(skill.GetBonus(), c.gain);
    EXPECT_EQ(LogOf(character), c.log);
  }
}

TEST_F(SkillSide, OptionNeedsCostAndSubEntry) {
  Add(advantages, {.description = "Magery other", .baseCost = 10.0, .subId = 2, .subBook = "B13"});
  Add(advantages, {.description = "Magery other book", .baseCost = 10.0, .subId = 3, .subBook = "B30"});
  Add(advantages, {.description = "Magery wrong cost", .baseCost = 16.0, .subId = 3, .subBook = "B13"});
  Add(advantages, {.description = "Magery 3", .baseCost = 10.0, .subId = 3, .subBook = "B13"});

  CChar_Skill_Base skill = Skill(5);
  AdjustSkillIfAdvantageOption(character, advantages, skill, 5, "B05", 28, 10.0, 1, 3, "B13", "AD", true);
  AdjustSkillIfAdvantageOption(character, advantages, skill, -1, "B05", 28, 10.0, 2, 3, "B13", "AD", false);
  AdjustSkillIfAdvantageOption(character, advantages, skill, 6, "B05", 28, 10.0, 4, 3, "B13", "AD", true);
  AdjustSkillIfAdvantageOption(character, advantages, skill, 5, "B05", 28, 10.0, 8, 4, "B13", "AD", true);
  EXPECT_EQ(skill.GetBonus(), 3);
  EXPECT_EQ(LogOf(character), Log{"+1 to Stealth from Magery 3"});
}

TEST_F(SkillSide, ByAdvantageValueDividesTheBaseCostAndAlwaysLogs) {
  Add(advantages, {.identifier = 72, .book = "B13", .description = "Power", .baseCost = 25.0, .extraCost = 9.0});
  CChar_Skill_Base skill = Skill(5);
  AdjustSkillByAdvantageValue(character, advantages, skill, -1, "B13", 72, 10.0, "AD");
  AdjustSkillByAdvantageValue(character, advantages, skill, 5, "ALL", 72, 10.0, "AD");
  AdjustSkillByAdvantageValue(character, advantages, skill, 5, "B05", 72, 10.0, "AD");
  AdjustSkillByAdvantageValue(character, advantages, skill, 6, "ALL", 72, 10.0, "AD");
  EXPECT_EQ(skill.GetBonus(), 4);
  // A divisor of 0 gives 0 rather than an undefined conversion.
  AdjustSkillByAdvantageValue(character, advantages, skill, 5, "ALL", 72, 0.0, "AD");
  EXPECT_EQ(skill.GetBonus(), 4);
  EXPECT_EQ(LogOf(character),
            (Log{"+2 to Stealth from Power", "+2 to Stealth from Power", "+0 to Stealth from Power"}));
}

TEST_F(SkillSide, IfAdvantageLevelNeedsTheSkillsIntegerAndTextSilently) {
  Add(advantages, {.identifier = 30});
  struct Case {
    int32_t integer1;
    CString text2;
    int32_t gain;
  };
  for (const Case& c : {Case{2, "B05", 3}, Case{1, "B05", 0}, Case{2, "B13", 0}, Case{2, "", 0}}) {
    CChar_Skill_Base skill = Skill(56);
    skill.SetInteger1(c.integer1);
    skill.SetText2(c.text2);
    AdjustSkillIfAdvantageLevel(advantages, skill, 56, 2, "B05", "B05", 30, 3, "AD");
    AdjustSkillIfAdvantageLevel(advantages, skill, 56, 2, "B05", "B05", 31, 3, "AD");
    EXPECT_EQ(skill.GetBonus(), c.gain);
  }
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0U);
}

TEST_F(SkillSide, EitherAdvantagePrefersTheFirstList) {
  auto run = [&](int32_t skillId) {
    CChar_Skill_Base skill = Skill(skillId);
    AdjustSkillIfEitherAdvantage(character, skill, 76, disadvantages, 19, "B05", "DISAD", disadvantages, 48, "B05",
                                 "DISAD", 3);
    return skill.GetBonus();
  };
  EXPECT_EQ(run(76), 0);
  Add(disadvantages, {.identifier = 48, .category = "DISAD", .description = "Second"});
  EXPECT_EQ(run(76), 3);
  Add(disadvantages, {.identifier = 19, .category = "DISAD", .description = "First"});
  Add(disadvantages, {.identifier = 19, .category = "DISAD", .description = "First again"});
  EXPECT_EQ(run(76), 3);
  EXPECT_EQ(run(77), 0);
  EXPECT_EQ(LogOf(character), (Log{"+3 to Stealth from Second", "+3 to Stealth from First"}));
}

TEST_F(SkillSide, CapSkillLevelTakesTheShortfall) {
  struct Case {
    int32_t identifier;
    int32_t attribute;
    int32_t minimum;
    int32_t bonus;
    Log log;
  };
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::vector<Case> cases = {
      {26, 11, 13, -2, {"-2 to Stealth from Strength"}},
      {26, 10, 13, -3, {"-3 to Stealth from Strength"}},
      {26, 13, 13, 0, {}},
      {26, 15, 13, 0, {}},
      {27, 11, 13, 0, {}},
      {26, kMin, kMax, kMin, {std::to_string(kMin) + " to Stealth from Strength"}},  // no overflow
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attribute);
    character.ClearChangeLog();
    CChar_Skill_Base skill = Skill(26);
    CapSkillLevel(character, skill, c.identifier, c.attribute, c.minimum, "Strength");
    EXPECT_EQ(skill.GetBonus(), c.bonus);
    EXPECT_EQ(LogOf(character), c.log);
  }
}

// --- a spell's bonus from a magic advantage ---

TEST_F(SkillSide, ElementalAddsTheSpellsElementModifier) {
  Add(advantages, {.description = "Fire magery", .baseCost = 16.0, .subId = 6, .subBook = "B30"});
  struct Case {
    int32_t colleges;
    int32_t element;
    int32_t bonus;
  };
  // Element 1: a spell of test 1 keeps the bonus, of test 4 loses 1, of test 2 loses 2.
  for (const Case& c : {Case{0x4, 1, 1 + 2}, Case{0x1, 1, 1 + 1}, Case{0x2, 1, 1 + 0}, Case{0x2, 9, 1 + 2}}) {
    CChar_Skill_Spell spell = Spell(c.colleges);
    AdjustSkillElemental(advantages, spell, "B05", 28, 16.0, 2, 6, "B30", "AD", c.element);
    AdjustSkillElemental(advantages, spell, "B05", 28, 16.0, 2, 7, "B30", "AD", c.element);
    AdjustSkillElemental(advantages, spell, "B05", 28, 22.0, 2, 6, "B30", "AD", c.element);
    EXPECT_EQ(spell.GetBonus(), c.bonus);
  }
}

TEST_F(SkillSide, ClearingKeepsSpellsOfTheAdvantagesCollegesOnly) {
  const Adv variant{.description = "One college", .baseCost = 16.0, .subId = 1, .subBook = "B30"};
  Add(advantages, variant, 0x8);
  Adv later = variant;
  later.description = "Later";
  Add(advantages, later, 0x1);

  CChar_Skill_Spell covered = Spell(0x8 | 0x1);
  AdjustSkillClearing(advantages, covered, "B05", 28, 16.0, 2, 1, "B30", "AD");
  EXPECT_EQ(covered.GetBonus(), 3);
  EXPECT_EQ(covered.GetLevel(), 12);

  // Only the first entry decides, though the later one would cover the spell.
  CChar_Skill_Spell other = Spell(0x1);
  AdjustSkillClearing(advantages, other, "B05", 28, 16.0, 2, 1, "B30", "AD");
  EXPECT_EQ(other.GetBonus(), 0);
  EXPECT_EQ(other.GetLevel(), 0);

  CChar_Skill_Spell untouched = Spell(0x1);
  AdjustSkillClearing(advantages, untouched, "B05", 28, 10.0, 2, 1, "B30", "AD");
  EXPECT_EQ(untouched.GetBonus(), 1);
  EXPECT_EQ(untouched.GetLevel(), 12);

  // A first entry of another class says nothing of colleges: the spell keeps its bonus
  // and level, though a later college-limited entry would clear it.
  AdvantageList plain;
  Add(plain, variant);
  Add(plain, variant, 0x1);
  CChar_Skill_Spell kept = Spell(0x8);
  AdjustSkillClearing(plain, kept, "B05", 28, 16.0, 2, 1, "B30", "AD");
  EXPECT_EQ(kept.GetBonus(), 1);
  EXPECT_EQ(kept.GetLevel(), 12);
}

TEST_F(SkillSide, ValueStepAddsFullStepsOverTheBase) {
  struct Case {
    double baseCost;
    int step;
    int32_t gain;
  };
  // The total cost is not tested: a large extra cost changes nothing.
  const std::vector<Case> cases = {{155.0, 25, 9}, {129.0, 25, 7}, {80.0, 25, 6}, {155.0, 0, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baseCost);
    CChar_Character ch;
    Add(ch.GetAdvantages(),
        {.description = "Great", .baseCost = c.baseCost, .extraCost = 40.0, .subId = 5, .subBook = "B34"});
    CChar_Skill_Spell spell = Spell(0);
    AdjustSkillFromAdvantageValueStep(ch, ch.GetAdvantages(), spell, -1, "B05", 28, 105.0, c.step, 7, 5, "B34", "AD",
                                      false);
    AdjustSkillFromAdvantageValueStep(ch, ch.GetAdvantages(), spell, -1, "B05", 28, 105.0, c.step, 7, 4, "B34", "AD",
                                      false);
    EXPECT_EQ(spell.GetBonus(), 1 + c.gain);
    EXPECT_EQ(ch.GetChangeLog().GetSize(), 0U);
  }
  Add(advantages, {.description = "Great", .baseCost = 155.0, .subId = 5, .subBook = "B34"});
  CChar_Skill_Spell spell = Spell(0);
  AdjustSkillFromAdvantageValueStep(character, advantages, spell, 40, "B05", 28, 105.0, 25, 7, 5, "B34", "AD", true);
  AdjustSkillFromAdvantageValueStep(character, advantages, spell, 41, "B05", 28, 105.0, 25, 7, 5, "B34", "AD", true);
  EXPECT_EQ(LogOf(character), Log{"+9 to Fireball from Great"});
}

TEST_F(SkillSide, ForCollegesNeedsTheCollegeTextOnTheSpell) {
  Add(advantages, {.identifier = 59, .book = "B13", .description = "Healer", .baseCost = 4.0, .subId = 6,
                   .subBook = "B13"});
  struct Case {
    CString collegeText;
    int32_t identifier;
    int32_t gain;
  };
  for (const Case& c : {Case{"Healing, Body", -1, 2}, Case{"Healing", 40, 2}, Case{"Healing", 41, 0},
                        Case{"Fire", -1, 0}, Case{"heal", -1, 0}}) {
    SCOPED_TRACE(c.collegeText);
    CChar_Skill_Spell spell = Spell(0, c.collegeText);
    AdjustSkillForColleges(advantages, spell, c.identifier, "B13", 59, 4.0, 2, 6, "B13", "Heal", "AD");
    AdjustSkillForColleges(advantages, spell, c.identifier, "B13", 59, 6.0, 3, 6, "B13", "Heal", "AD");
    EXPECT_EQ(spell.GetBonus(), 1 + c.gain);
  }
  // A record that is not a spell has no college text.
  CChar_Skill_Base skill = Skill(40);
  AdjustSkillForColleges(advantages, skill, -1, "B13", 59, 4.0, 2, 6, "B13", "Heal", "AD");
  EXPECT_EQ(skill.GetBonus(), 0);
}

TEST_F(SkillSide, MagicAptitudeTableGivesTheLevelOfTheEntry) {
  struct Case {
    Adv entry;
    int32_t level;
  };
  // A few rows of the table, a cost beside one, another book's entry, and the total cost.
  const std::vector<Case> cases = {
      {{.baseCost = 14.0, .subId = 2, .subBook = "B37"}, 2},
      {{.baseCost = 15.0, .subId = 2, .subBook = "B37"}, 0},
      {{.baseCost = 1.0, .subId = 5, .subBook = "B34"}, 8},
      {{.identifier = 72, .book = "B13", .baseCost = 20.0, .subId = 3, .subBook = "B99"}, 2},
      {{.identifier = 59, .book = "B13", .baseCost = 6.0, .subId = 6, .subBook = "B13"}, 3},
      {{.identifier = 59, .book = "B13", .baseCost = 6.0, .subId = 7, .subBook = "B13"}, 0},
      {{.category = "RACAD", .baseCost = 14.0, .subId = 2, .subBook = "B37"}, 0},
      {{.baseCost = 10.0, .extraCost = 4.0, .subId = 2, .subBook = "B37"}, 2},  // total cost
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.entry.book << " " << c.entry.identifier << " " << c.entry.subId << "/"
                                      << c.entry.subBook << " at " << c.entry.baseCost);
    AdvantageList list;
    Add(list, c.entry);
    CChar_Skill_Base skill = Skill(6);
    ApplyMagicAptitudeTable(list, skill, 6);
    EXPECT_EQ(skill.GetBonus(), c.level);
  }
}

TEST_F(SkillSide, MagicAptitudeTableKeepsTheLastLevelSet) {
  Add(advantages, {.baseCost = 35.0, .subId = 1, .subBook = "B05"});  // 3
  Add(advantages, {.baseCost = 15.0, .subId = 1, .subBook = "B05"});  // 1
  Add(advantages, {.baseCost = 20.0, .subId = 1, .subBook = "B05"});  // no level: keeps 1
  Add(advantages, {.identifier = 27, .baseCost = 35.0, .subId = 1, .subBook = "B05"});
  CChar_Skill_Base skill = Skill(6);
  ApplyMagicAptitudeTable(advantages, skill, 6);
  EXPECT_EQ(skill.GetBonus(), 1);
  CChar_Skill_Base other = Skill(7);
  ApplyMagicAptitudeTable(advantages, other, 6);
  EXPECT_EQ(other.GetBonus(), 0);
}

}  // namespace
}  // namespace zulparvo
