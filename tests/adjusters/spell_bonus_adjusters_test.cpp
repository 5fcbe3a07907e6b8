// Bonuses from magic advantages to the spells (and force skills) of the spell list.
#include "adjusters/spell_bonus_adjusters.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::AddSpell;
using testing::MakeMageryRecord;
using testing::MakeRecord;
using testing::RecordSpec;
using testing::Texts;
using Log = std::vector<CString>;

constexpr int32_t kFire = 0x4;   // first element test
constexpr int32_t kWater = 0x2;  // second
constexpr int32_t kAir = 0x40;   // third
constexpr int32_t kEarth = 0x1;  // fourth

// The rule record of most cases: identifier 7, "AD", base cost 10 (with 5 extra, which
// the required values do not look at), sub-entry 3 of "B13", shown as "Magery".
RecordSpec MagerySpec() {
  return {.description = "Magery", .baseCost = 10, .extraCost = 5, .subIdentifier = 3, .subBook = "B13"};
}

TEST(SpellBonusAdjusters, FireOnlyForTheRulesRecordIdentifierCategoryCostAndSubEntry) {
  using Call = std::function<void(CChar_Character&, const CChar_Ad_Disad&)>;
  struct Case {
    const char* name;
    Call call;
    bool checksCost;
    bool checksSubEntry;
  };
  const std::vector<Case> cases = {
      {"AtValue", [](auto& c, auto& r) { AdjustSpellBonusAtValue(c, c.GetSpells(), r, 7, "ALL", 5, 10.0, 1, "AD"); },
       true, false},
      {"ByValue", [](auto& c, auto& r) { AdjustSpellBonusByValue(c, c.GetSpells(), r, 7, "ALL", 5, 5.0, "AD"); }, false,
       false},
      {"OrPowerSkill",
       [](auto& c, auto& r) {
         AdjustSpellOrPowerSkillBonus(c, c.GetSpells(), r, 7, "ALL", 5, 10.0, 1, 3, "B13", "AD");
       },
       true, true},
      {"FromValueStep",
       [](auto& c, auto& r) {
         AdjustSpellBonusFromValueStep(c, c.GetSpells(), r, 7, "ALL", 5, 0.0, 5, 1, 3, "B13", "AD");
       },
       false, true},
      {"ForColleges",
       [](auto& c, auto& r) {
         AdjustSpellBonusForColleges(c, c.GetSpells(), r, 7, "ALL", 5, 10.0, 1, 3, "B13", "Fire", "AD");
       },
       true, true},
      {"Elemental",
       [](auto& c, auto& r) { AdjustElementalSpellBonus(c, c.GetSpells(), r, 7, 10.0, 1, 3, "B13", "AD", 1); }, true,
       true},
      {"Clearing", [](auto& c, auto& r) { AdjustSpellBonusClearing(c, c.GetSpells(), r, 7, 10.0, 1, 3, "B13", "AD"); },
       true, true},
  };
  struct Miss {
    const char* what;
    std::function<void(RecordSpec&)> change;
    bool Case::*relevant;
  };
  const std::vector<Miss> misses = {
      {"identifier", [](RecordSpec& s) { s.identifier = 8; }, nullptr},
      {"category", [](RecordSpec& s) { s.category = "RACAD"; }, nullptr},
      {"base cost", [](RecordSpec& s) { s.baseCost = 10.5; }, &Case::checksCost},
      {"sub-identifier", [](RecordSpec& s) { s.subIdentifier = 4; }, &Case::checksSubEntry},
      {"sub-book", [](RecordSpec& s) { s.subBook = "B05"; }, &Case::checksSubEntry},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto run = [&](const RecordSpec& wanted) {
      CChar_Character character;
      CChar_Skill_Spell& spell =
          AddSpell(character.GetSpells(), {.identifier = 5, .colleges = kFire, .collegeText = "Fire"});
      c.call(character, MakeMageryRecord(wanted, kFire));
      return spell.GetBonus() != 0 || !character.GetChangeLog().IsEmpty();
    };
    EXPECT_TRUE(run(MagerySpec()));
    for (const Miss& miss : misses) {
      SCOPED_TRACE(miss.what);
      RecordSpec wanted = MagerySpec();
      miss.change(wanted);
      EXPECT_EQ(run(wanted), miss.relevant != nullptr && !(c.*miss.relevant));
    }
  }
}

TEST(AdjustSpellBonusAtValue, EverySpellUnderOneMessageOrOneSpellOfOneBookPerSpell) {
  CChar_Character character;
  auto& spells = character.GetSpells();
  AdjustSpellBonusAtValue(character, spells, MakeRecord(MagerySpec()), 7, "ALL", -1, 10.0, 2, "AD");
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+2 to All Spells from Magery"});  // logged with no spells too

  CChar_Skill_Spell& fireball = AddSpell(spells, {.identifier = 5, .name = "Fireball"});
  CChar_Skill_Spell& otherBook = AddSpell(spells, {.book = "B13", .identifier = 5});
  CChar_Skill_Spell& other = AddSpell(spells, {.identifier = 6});
  CChar_Skill_Base& shownOnly = AddDisplayOnly(spells, {.identifier = 5});
  AdjustSpellBonusAtValue(character, spells, MakeRecord(MagerySpec()), 7, "ALL", -1, 10.0, 2, "AD");
  AdjustSpellBonusAtValue(character, spells, MakeRecord(MagerySpec()), 7, "B05", 5, 10.0, 1, "AD");
  EXPECT_EQ(fireball.GetBonus(), 3);
  EXPECT_EQ(otherBook.GetBonus(), 2);
  EXPECT_EQ(other.GetBonus(), 2);
  EXPECT_EQ(shownOnly.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Log{"+2 to All Spells from Magery", "+2 to All Spells from Magery", "+1 to Fireball from Magery"}));
}

TEST(AdjustSpellBonusByValue, DividesTheBaseCostTowardZero) {
  struct Case {
    double baseCost;
    double divisor;
    int32_t amount;
  };
  // A divisor of 0 (no rule passes one) gives 0 rather than an undefined amount.
  for (const Case& c : {Case{7.9, 2.0, 3}, Case{-7.9, 2.0, -3}, Case{10, 5, 2}, Case{10, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.baseCost << " / " << c.divisor);
    CChar_Character character;
    CChar_Skill_Spell& spell = AddSpell(character.GetSpells(), {.identifier = 5, .name = "Fireball"});
    const auto record = MakeRecord({.description = "Magery", .baseCost = c.baseCost});
    AdjustSpellBonusByValue(character, character.GetSpells(), record, 7, "B05", 5, c.divisor, "AD");
    EXPECT_EQ(spell.GetBonus(), c.amount);
    const CString sign = c.amount >= 0 ? "+" : "";
    EXPECT_EQ(Texts(character.GetChangeLog()), Log{sign + std::to_string(c.amount) + " to Fireball from Magery"});
  }
}

TEST(AdjustSpellOrPowerSkillBonus, TargetsAndMessagesByTargetIdentifier) {
  struct Case {
    int targetId;
    const char* book;
    std::vector<int32_t> bonuses;  // of the entries below, in order
    Log log;
  };
  const std::vector<Case> cases = {
      {-1, "ALL", {2, 2, 2, 0}, {"+2 to All Spells from Magery"}},
      {-1, "B05", {2, 0, 2, 0}, {"+2 to All Spells from Magery"}},
      {-2,
       "ALL",
       {0, 2, 2, 0},
       {"+2 to All Force Skills from Magery", "+2 to Push from Magery", "+2 to Pull from Magery"}},
      {-2, "B05", {0, 0, 2, 0}, {"+2 to All Force Skills from Magery", "+2 to Pull from Magery"}},
      {5, "B05", {2, 0, 0, 0}, {"+2 to Fireball from Magery"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.targetId << " " << c.book);
    CChar_Character character;
    auto& spells = character.GetSpells();
    std::vector<CChar_Skill_Base*> entries = {
        &AddSpell(spells, {.identifier = 5, .name = "Fireball"}),
        &AddSkill(spells, {.book = "B13", .identifier = 5, .name = "Push", .groups = kForceSkillGroupMask}),
        &AddSkill(spells, {.identifier = 9, .name = "Pull", .groups = kForceSkillGroupMask | 0x1}),
        &AddDisplayOnly(spells, {.identifier = 5, .groups = kForceSkillGroupMask}),
    };
    AdjustSpellOrPowerSkillBonus(character, spells, MakeRecord(MagerySpec()), 7, c.book, c.targetId, 10.0, 2, 3, "B13",
                                 "AD");
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i]->GetBonus(), c.bonuses[i]) << i;
    EXPECT_EQ(Texts(character.GetChangeLog()), c.log);
  }
}

TEST(AdjustSpellBonusFromValueStep, AddsOneStepPerStepOfBaseCostAboveTheBase) {
  struct Case {
    double baseCost;
    int step;
    int32_t amount;
  };
  // bonus 1 + truncate((base cost - 10) / step); a step of 0 adds no steps.
  for (const Case& c : {Case{25, 5, 4}, Case{24, 5, 3}, Case{10, 5, 1}, Case{2, 5, 0}, Case{25, 0, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.baseCost << " step " << c.step);
    CChar_Character character;
    CChar_Skill_Spell& spell = AddSpell(character.GetSpells(), {.identifier = 5, .name = "Fireball"});
    CChar_Skill_Spell& other = AddSpell(character.GetSpells(), {.identifier = 6});
    RecordSpec wanted = MagerySpec();
    wanted.baseCost = c.baseCost;
    AdjustSpellBonusFromValueStep(character, character.GetSpells(), MakeRecord(wanted), 7, "B05", 5, 10.0, c.step, 1, 3,
                                  "B13", "AD");
    EXPECT_EQ(spell.GetBonus(), c.amount);
    EXPECT_EQ(other.GetBonus(), 0);
    EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+" + std::to_string(c.amount) + " to Fireball from Magery"});
  }
}

TEST(AdjustSpellBonusFromValueStep, EverySpellChangesSilently) {
  CChar_Character character;
  CChar_Skill_Spell& a = AddSpell(character.GetSpells(), {.identifier = 5});
  CChar_Skill_Spell& b = AddSpell(character.GetSpells(), {.book = "B13", .identifier = 6});
  AdjustSpellBonusFromValueStep(character, character.GetSpells(), MakeRecord(MagerySpec()), 7, "ALL", -1, 0.0, 5, 1, 3,
                                "B13", "AD");
  EXPECT_EQ(a.GetBonus(), 3);
  EXPECT_EQ(b.GetBonus(), 3);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());
}

TEST(AdjustSpellBonusForColleges, RaisesSpellsNamingTheCollegeUnderOneMessage) {
  CChar_Character character;
  auto& spells = character.GetSpells();
  CChar_Skill_Spell& fire = AddSpell(spells, {.identifier = 5, .collegeText = "Fire, Meta"});
  CChar_Skill_Spell& water = AddSpell(spells, {.identifier = 6, .collegeText = "Water"});
  CChar_Skill_Spell& fireElsewhere = AddSpell(spells, {.book = "B13", .identifier = 7, .collegeText = "Fire"});
  CChar_Skill_Base& notASpell = AddSkill(spells, {.identifier = 8});

  AdjustSpellBonusForColleges(character, spells, MakeRecord(MagerySpec()), 7, "B05", -1, 10.0, 2, 3, "B13", "Fire",
                              "AD");

  EXPECT_EQ(fire.GetBonus(), 2);
  EXPECT_EQ(water.GetBonus(), 0);
  EXPECT_EQ(fireElsewhere.GetBonus(), 0);
  EXPECT_EQ(notASpell.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+2 to All Spells from Magery"});

  // The message is logged even when no spell names the college.
  AdjustSpellBonusForColleges(character, spells, MakeRecord(MagerySpec()), 7, "ALL", -1, 10.0, 2, 3, "B13", "Ice",
                              "AD");
  EXPECT_EQ(character.GetChangeLog().GetSize(), 2u);
  EXPECT_EQ(fire.GetBonus(), 2);
}

TEST(ElementalSpellModifier, FirstDecidingCollegeTestWins) {
  struct Case {
    int element;
    int32_t colleges;
    int expected;
  };
  // The first test decides before the -1 test; 0x400 is in the first and third tests,
  // and the -1 test comes first; elements 0 and 5 and unlisted colleges give 0.
  const std::vector<Case> cases = {
      {1, kFire | kEarth, 0}, {1, kEarth, -1}, {1, kWater, -2}, {2, kWater, 0},     {2, kAir, -1},
      {2, kFire, -2},         {2, 0x400, -1},  {3, kAir, 0},    {3, kWater, -1},    {3, kEarth, -2},
      {4, kEarth, 0},         {4, kFire, -1},  {4, kAir, -2},   {1, 0x10000, 0},    {0, kWater, 0},
      {5, kWater, 0},         {1, 0x800000, -2}, {2, 0x400000, -2}, {3, 0x100000, -2}, {4, 0x40000, -2},
  };
  for (const Case& c : cases) {
    CObArray list;
    const CChar_Skill_Spell& spell = AddSpell(list, {.identifier = 5, .colleges = c.colleges});
    EXPECT_EQ(ElementalSpellModifier(spell, c.element), c.expected) << c.element << " " << std::hex << c.colleges;
  }
}

TEST(ElementalSpellModifier, TwoBasicBookSpellsAndNonSpellsAreExempt) {
  CObArray list;
  for (int32_t id : {59, 61}) {
    EXPECT_EQ(ElementalSpellModifier(AddSpell(list, {.identifier = id, .colleges = kWater}), 1), 0) << id;
    EXPECT_EQ(ElementalSpellModifier(AddSpell(list, {.book = "B13", .identifier = id, .colleges = kWater}), 1), -2)
        << id;
  }
  EXPECT_EQ(ElementalSpellModifier(AddSpell(list, {.identifier = 60, .colleges = kWater}), 1), -2);
  EXPECT_EQ(ElementalSpellModifier(AddSkill(list, {.identifier = 5}), 1), 0);
}

TEST(AdjustElementalSpellBonus, EachSpellTakesItsOwnModifier) {
  CChar_Character character;
  auto& spells = character.GetSpells();
  CChar_Skill_Spell& opposed = AddSpell(spells, {.identifier = 5, .colleges = kWater});
  CChar_Skill_Spell& own = AddSpell(spells, {.identifier = 6, .colleges = kFire});
  CChar_Skill_Spell& weak = AddSpell(spells, {.identifier = 7, .colleges = kEarth});
  CChar_Skill_Base& shownOnly = AddDisplayOnly(spells, {.identifier = 8});

  AdjustElementalSpellBonus(character, spells, MakeRecord(MagerySpec()), 7, 10.0, 2, 3, "B13", "AD", 1);

  EXPECT_EQ(opposed.GetBonus(), 0);
  EXPECT_EQ(own.GetBonus(), 2);
  EXPECT_EQ(weak.GetBonus(), 1);
  EXPECT_EQ(shownOnly.GetBonus(), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+2 to All Spells from Magery"});
}

TEST(AdjustSpellBonusClearing, RaisesTheRecordsCollegesAndClearsTheRest) {
  for (int bonus : {0, 2}) {
    SCOPED_TRACE(bonus);
    CChar_Character character;
    auto& spells = character.GetSpells();
    CChar_Skill_Spell& inside = AddSpell(spells, {.identifier = 5, .bonus = 1, .level = 12, .colleges = kFire | kAir});
    CChar_Skill_Spell& outside = AddSpell(spells, {.identifier = 6, .bonus = 1, .level = 12, .colleges = kWater});
    CChar_Skill_Base& notASpell = AddSkill(spells, {.identifier = 7, .bonus = 1, .level = 12});
    CChar_Skill_Base& shownOnly = AddDisplayOnly(spells, {.identifier = 8, .bonus = 1, .level = 12});

    AdjustSpellBonusClearing(character, spells, MakeMageryRecord(MagerySpec(), kFire), 7, 10.0, bonus, 3, "B13", "AD");

    EXPECT_EQ(inside.GetBonus(), 1 + bonus);
    EXPECT_EQ(inside.GetLevel(), 12);
    for (const CChar_Skill_Base* cleared : {static_cast<CChar_Skill_Base*>(&outside), &notASpell}) {
      EXPECT_EQ(cleared->GetBonus(), 0);
      EXPECT_EQ(cleared->GetLevel(), 0);
    }
    EXPECT_EQ(shownOnly.GetBonus(), 1);
    EXPECT_EQ(shownOnly.GetLevel(), 12);
    EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+" + std::to_string(bonus) + " to All Spells from Magery"});
  }
}

TEST(AdjustSpellBonusClearing, ARecordWithoutCollegesClearsEverySpell) {
  CChar_Character character;
  CChar_Skill_Spell& spell =
      AddSpell(character.GetSpells(), {.identifier = 5, .bonus = 1, .level = 12, .colleges = -1});
  AdjustSpellBonusClearing(character, character.GetSpells(), MakeRecord(MagerySpec()), 7, 10.0, 2, 3, "B13", "AD");
  EXPECT_EQ(spell.GetBonus(), 0);
  EXPECT_EQ(spell.GetLevel(), 0);
}

// Some rules reach skills through these adjusters: the character's skill list, with its
// heading rows, is walked like the spell list.
TEST(SpellBonusAdjusters, WalkTheSkillListToo) {
  CChar_Character character;
  auto& skills = character.GetSkills();
  AddHeading(skills);
  CChar_Skill_Base& force = AddSkill(skills, {.book = "B46", .identifier = 4, .name = "Push",
                                              .groups = kForceSkillGroupMask});
  CChar_Skill_Base& plain = AddSkill(skills, {.identifier = 5, .name = "Climbing"});
  AdjustSpellOrPowerSkillBonus(character, skills, MakeRecord(MagerySpec()), 7, "ALL", -2, 10.0, 2, 3, "B13", "AD");
  AdjustSpellBonusAtValue(character, skills, MakeRecord(MagerySpec()), 7, "B05", 5, 10.0, -1, "AD");
  EXPECT_EQ(force.GetBonus(), 2);
  EXPECT_EQ(plain.GetBonus(), -1);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Log{"+2 to All Force Skills from Magery", "+2 to Push from Magery", "-1 to Climbing from Magery"}));
}

}  // namespace
}  // namespace zulparvo
