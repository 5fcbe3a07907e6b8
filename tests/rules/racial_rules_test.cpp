// Racial advantages and disadvantages of B01 and the advantages and disadvantages of
// B13, run as the host runs them: the record is filed on the character, then handed to
// the entry point.
#include "rules/racial_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/json/json_codec.h"
#include "frame/entry_points.h"
#include "model/skill_default_display_only.h"
#include "model/skill_heading.h"
#include "model/skill_spell.h"
#include "model/type_tags.h"

namespace zulparvo {
namespace {

using Strings = std::vector<CString>;
using Character = CChar_Character;

Strings Texts(const CStringArray& texts) { return {texts.begin(), texts.end()}; }
Strings Log(const Character& character) { return Texts(character.GetChangeLog()); }

// Files the record that the JSON describes (class CChar_Ad_Disad and book B01 unless it
// says otherwise) under its category, as the host does, and returns the filed copy.
CChar_Ad_Disad& File(Character& character, std::string_view json) {
  Json value = Json::parse(json);
  if (!value.contains("class")) value["class"] = "CChar_Ad_Disad";
  if (!value.contains("book_code")) value["book_code"] = "B01";
  const auto object = RecordFromJson(value, CChar_Ad_Disad::ThisClass());
  const auto& record = static_cast<const CChar_Ad_Disad&>(*object);
  EXPECT_EQ(character.AddAdDisad(record.GetCategory(), record), 1) << json;
  const bool advantage = record.GetCategory() == kCategoryAdvantage || record.GetCategory() == kCategoryRacialAdvantage;
  return *(advantage ? character.GetAdvantages() : character.GetDisadvantages()).GetLast();
}

int SpecialCalc(Character& character, CChar_Ad_Disad& record, bool keepRecords = false) {
  return speccalc_DoSpecialCalcAdProc(&character, &record, 1, keepRecords);
}

// A record added by the host: filed, then its special calculation.
CChar_Ad_Disad& Add(Character& character, std::string_view json, bool keepRecords = false) {
  CChar_Ad_Disad& record = File(character, json);
  EXPECT_EQ(SpecialCalc(character, record, keepRecords), 1);
  return record;
}

// A skill named after its book and identifier ("B05-171").
CChar_Skill_Base& AddSkill(Character& character, const char* book, int identifier, int groups = 0) {
  CChar_Skill_Base skill;
  skill.SetBookCode(book);
  skill.SetIdentifier(identifier);
  skill.SetName(CString(book) + "-" + std::to_string(identifier));
  skill.SetGroups(groups);
  character.AddSkillFamilyRecord(skill, "", -1);
  return static_cast<CChar_Skill_Base&>(*character.GetSkills().GetLast());
}

int BonusOf(const Character& character, const char* name) {
  for (std::size_t i = 0; i < character.GetSkillCount(); ++i) {
    auto* skill = DynamicDownCast<CChar_Skill_Base>(character.GetSkillAt(i));
    if (skill != nullptr && skill->GetName() == name) return skill->GetBonus();
  }
  ADD_FAILURE() << "no skill " << name;
  return 0;
}

// --- B01 advantages ---

// The rows run in table order, each over the whole skill list: the messages of record
// 102 follow its rows (41, 59, 103), not the list (103, 59, 41).
TEST(AdvantageRulesB01, RowsFireForTheirRecordOnlyInTableOrder) {
  struct Case {
    const char* record;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 100, "category": "RACAD", "description": "Night Eyes"})js",
       {"+4 to B05-171 from Night Eyes"}},
      {R"js({"identifier": 100, "category": "AD", "description": "Night Eyes"})js", {}},
      {R"js({"identifier": 100, "category": "RACAD", "description": "Night Eyes", "book_code": "B13"})js", {}},
      {R"js({"identifier": 102, "category": "RACAD", "description": "Tree Feet"})js",
       {"+5 to B05-41 from Tree Feet", "+5 to B05-59 from Tree Feet", "+5 to B05-103 from Tree Feet"}},
      {R"js({"identifier": 57, "category": "RACAD", "description": "Quick Paws"})js",
       {"+1 to B05-122 from Quick Paws", "+1 to B05-3 from Quick Paws", "+1 to B05-190 from Quick Paws",
        "+1 to B15-1 from Quick Paws"}},
      {R"js({"identifier": 26, "category": "RACAD", "description": "Thick Bones (+1)", "level": 1})js",
       {"+2 to Hit Point Bonus from Thick Bones  (+2)"}},
      {R"js({"identifier": 11, "category": "RACAD", "description": "Stone Skin", "base_cost": 7,
           "sub_identifier": 1, "sub_category": "Racial Advantages-Damage Resistance"})js",
       {"+2 to DR Bonus from Stone Skin"}},
      {R"js({"identifier": 11, "category": "RACAD", "description": "Stone Skin", "base_cost": 7,
           "sub_identifier": 2, "sub_category": "Racial Advantages-Damage Resistance"})js",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    for (const int id : {103, 59, 41, 171, 122, 3, 190}) AddSkill(character, "B05", id);
    AddSkill(character, "B15", 1);
    AddSkill(character, "B13", 171);
    Add(character, c.record);
    EXPECT_EQ(Log(character), c.log);
  }
}

TEST(AdvantageRulesB01, ProtectionAndSpeedByValue) {
  Character character;
  Add(character, R"js({"identifier": 11, "category": "RACAD", "description": "Stone Skin", "base_cost": 7,
                     "sub_identifier": 1, "sub_category": "Racial Advantages-Damage Resistance"})js");
  Add(character, R"js({"identifier": 56, "category": "RACAD", "description": "Hard Shell", "base_cost": 50})js");
  Add(character, R"js({"identifier": 41, "category": "RACAD", "description": "Long Legs", "base_cost": 25,
                     "cost_per_level": 10})js");
  EXPECT_EQ(character.GetDRBonus(), 2);
  EXPECT_EQ(Texts(character.GetDRSources()), Strings{"Dam Resis DR+2"});
  EXPECT_EQ(character.GetPDBonus(), 2);
  EXPECT_EQ(Texts(character.GetPDSources()), Strings{"Passive Def PD+2"});
  EXPECT_EQ(character.GetBasicSpeedBonus(), 2.0);  // two whole levels, not logged
  EXPECT_EQ(character.GetChangeLog().GetSize(), 2u);
}

// --- B01 disadvantages ---

// The group row comes first, then the listed skills: a listed skill of the group pays
// twice.
TEST(DisadvantageRulesB01, RowsFireForTheirRecordOnlyInTableOrder) {
  constexpr int kCombatWeapon = 8;
  struct Case {
    const char* record;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 42, "category": "RACDISAD", "description": "Stiff Fingers"})js",
       {"-3 to B05-500 from Stiff Fingers", "-3 to B05-122 from Stiff Fingers", "-3 to B05-122 from Stiff Fingers",
        "-3 to B05-201 from Stiff Fingers", "-3 to B15-1 from Stiff Fingers"}},
      {R"js({"identifier": 42, "category": "DISAD", "description": "Stiff Fingers"})js", {}},
      {R"js({"identifier": 18, "category": "RACDISAD", "description": "Frail (-2)"})js",
       {"-2 to Hit Point Bonus from Frail (-2)"}},
      {R"js({"identifier": 22, "category": "RACDISAD", "description": "Timid Heart"})js",
       {"-6 to Will Check from Timid Heart"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    AddSkill(character, "B05", 500, kCombatWeapon);
    AddSkill(character, "B05", 122, kCombatWeapon);
    AddSkill(character, "B05", 201);
    AddSkill(character, "B15", 1);
    AddSkill(character, "B05", 202);
    Add(character, c.record);
    EXPECT_EQ(Log(character), c.log);
  }
}

// Aptitudes bought by level reach the skills of their groups.
TEST(RacialRules, AptitudesByLevel) {
  Character character;
  AddSkill(character, "B05", 3, 0x4);
  AddSkill(character, "B05", 4, 0x1);
  Add(character, R"js({"class": "CChar_Ad_Disad_Magery_Colleges", "identifier": 128, "category": "RACAD",
                     "description": "Born Runner", "base_cost": 20, "cost_per_level": 10, "colleges": 4})js");
  Add(character, R"js({"class": "CChar_Ad_Disad_Magery_Colleges", "identifier": 52, "category": "RACDISAD",
                     "description": "Dull Nose", "base_cost": -5, "cost_per_level": -5, "colleges": 1})js");
  EXPECT_EQ(BonusOf(character, "B05-3"), 2);
  EXPECT_EQ(BonusOf(character, "B05-4"), -1);
}

// --- racial attributes ---

TEST(RacialAttributeRules, NumberInParenthesesMovesTheAttribute) {
  struct Case {
    const char* record;
    int32_t (Character::*field)() const;
    int32_t value;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 92, "category": "RACAD", "description": "Keen Mind (+2)"})js", &Character::GetIQBonus, 2,
       {"+2 to Intelligence from Keen Mind (+2)"}},
      {R"js({"identifier": 31, "category": "RACDISAD", "description": "Dim (-1)"})js", &Character::GetIQBonus, -1,
       {"-1 to Intelligence from Dim (-1)"}},
      {R"js({"identifier": 93, "category": "RACAD", "description": "Nimble (+1)"})js", &Character::GetDXBonus, 1,
       {"+1 to Dexterity from Nimble (+1)"}},
      {R"js({"identifier": 33, "category": "RACDISAD", "description": "Sickly (-2)"})js", &Character::GetHTBonus, -2,
       {"-2 to Health from Sickly (-2)"}},
      {R"js({"identifier": 91, "category": "RACAD", "description": "Brawny (+3)"})js", &Character::GetSTBonus, 3,
       {"+3 to Strength from Brawny (+3)"}},
      // Without parentheses the number is 0, and still logged.
      {R"js({"identifier": 92, "category": "RACAD", "description": "Keen Mind"})js", &Character::GetIQBonus, 0,
       {"+0 to Intelligence from Keen Mind"}},
      // The number is read from the parentheses only, past the blanks in front of it.
      {R"js({"identifier": 94, "category": "RACAD", "description": "Hardy 5 ( 4 more)"})js", &Character::GetHTBonus, 4,
       {"+4 to Health from Hardy 5 ( 4 more)"}},
      // The advantage's identifier filed as a disadvantage, and the other way round.
      {R"js({"identifier": 92, "category": "RACDISAD", "description": "Keen Mind (+2)"})js", &Character::GetIQBonus, 0,
       {}},
      {R"js({"identifier": 31, "category": "RACAD", "description": "Dim (-1)"})js", &Character::GetIQBonus, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    Add(character, c.record);
    EXPECT_EQ((character.*c.field)(), c.value);
    EXPECT_EQ(Log(character), c.log);
  }
}

// Strength is multiplied by one more than the size steps of the first size advantage
// on the character (42: per 50 points, 96: per 30), whatever that one's book.
TEST(RacialAttributeRules, StrengthGrowsWithSize) {
  struct Case {
    std::vector<const char*> sizes;
    int32_t strength;
  };
  const Case cases[] = {
      {{}, 3},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 110})js"}, 9},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 100, "extra_cost": 10})js"}, 9},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 149.9})js"}, 9},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 49})js"}, 3},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 50, "book_code": "B13"})js"}, 6},
      {{R"js({"identifier": 42, "category": "AD", "description": "Big", "cost": 110})js"}, 3},
      {{R"js({"identifier": 96, "category": "RACAD", "description": "Huge", "cost": 65})js",
        R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 50})js"},
       9},
      {{R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 50})js",
        R"js({"identifier": 96, "category": "RACAD", "description": "Huge", "cost": 65})js"},
       6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.strength);
    Character character;
    for (const char* size : c.sizes) File(character, size);
    Add(character, R"js({"identifier": 91, "category": "RACAD", "description": "Brawny (+3)"})js");
    EXPECT_EQ(character.GetSTBonus(), c.strength);
    EXPECT_EQ(Log(character), Strings{"+" + std::to_string(c.strength) + " to Strength from Brawny (+3)"});
  }
}

TEST(RacialAttributeRules, StrengthMovesTheSecondaryStrengthToo) {
  Character character;
  File(character, R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 110})js");
  character.SetSecondaryStrengthFlag(1);
  Add(character, R"js({"identifier": 30, "category": "RACDISAD", "description": "Puny (-2)"})js");
  EXPECT_EQ(character.GetSTBonus(), -6);
  EXPECT_EQ(character.GetSecondaryStrength(), -6);
  EXPECT_EQ(Log(character), (Strings{"-6 to Strength from Puny (-2)", "-6 to Secondary Strength from Puny (-2)"}));
}

// ST bonus = ST bonus × (k + 1) + 10 × k for the size advantage itself; not logged.
TEST(RacialAttributeRules, SizeScalesTheStrengthBonus) {
  struct Case {
    const char* record;
    int32_t strength;
  };
  const Case cases[] = {
      {R"js({"identifier": 96, "category": "RACAD", "description": "Huge", "cost": 65})js", 26},
      {R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 99.5})js", 14},
      {R"js({"identifier": 42, "category": "RACAD", "description": "Big", "cost": 49})js", 2},
      {R"js({"identifier": 96, "category": "AD", "description": "Huge", "cost": 65})js", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    character.SetSTBonus(2);
    Add(character, c.record);
    EXPECT_EQ(character.GetSTBonus(), c.strength);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

// "(ST)" or "(ST/secondary)": each bonus += value - 10; the kind from the text after the
// last "-", "F" before "S". Nothing is logged.
TEST(RacialAttributeRules, FixedStrength) {
  struct Case {
    const char* record;
    int32_t strength, secondary, flag, kind;
  };
  const Case cases[] = {
      {R"js({"identifier": 127, "category": "RACAD", "description": "Set Might (14/16) -F"})js", 4, 6, 1, 1},
      {R"js({"identifier": 127, "category": "RACAD", "description": "Set Might (9/12)"})js", -1, 2, 1, 0},
      {R"js({"identifier": 130, "category": "RACAD", "description": "Set Might (12) -S"})js", 2, 0, 0, 2},
      {R"js({"identifier": 130, "category": "RACAD", "description": "Set Might (12) -SF"})js", 2, 0, 0, 1},
      {R"js({"identifier": 127, "category": "RACAD", "description": "Fur-Form Might (11) -S"})js", 1, 0, 0, 2},
      {R"js({"identifier": 127, "category": "AD", "description": "Set Might (14/16) -F"})js", 0, 0, 0, 0},
      {R"js({"identifier": 128, "category": "RACAD", "description": "Set Might (14/16) -F"})js", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    Add(character, c.record);
    EXPECT_EQ(character.GetSTBonus(), c.strength);
    EXPECT_EQ(character.GetSecondaryStrength(), c.secondary);
    EXPECT_EQ(character.GetSecondaryStrengthFlag(), c.flag);
    EXPECT_EQ(character.GetStrengthKind(), c.kind);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

// --- the racial skill modifier ---

TEST(RacialRules, SelectedSkillModifierReachesTheSkillOfItsKeys) {
  struct Case {
    const char* record;
    int32_t bonus;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 95, "category": "RACAD", "description": "Knack (+2)"})js", 2,
       {"+2 to B05-7 from Knack (+2)", "+2 to B05-7 from Knack (+2)"}},
      {R"js({"identifier": 51, "category": "RACDISAD", "description": "Fumbling (-3)"})js", -3,
       {"-3 to B05-7 from Fumbling (-3)", "-3 to B05-7 from Fumbling (-3)"}},
      {R"js({"identifier": 51, "category": "RACAD", "description": "Knack (+2)"})js", 0, {}},
      {R"js({"identifier": 95, "category": "RACDISAD", "description": "Fumbling (-3)"})js", 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Json record = Json::parse(c.record);
    record["integer_key"] = 7;
    record["text_key"] = "B05";
    Character character;
    CChar_Skill_Base& first = AddSkill(character, "B05", 7);
    CChar_Skill_Base& second = AddSkill(character, "B05", 7);  // every entry, no early stop
    const CChar_Skill_Base& otherBook = AddSkill(character, "B13", 7);
    const CChar_Skill_Base& otherSkill = AddSkill(character, "B05", 8);
    Add(character, record.dump());
    EXPECT_EQ(first.GetBonus(), c.bonus);
    EXPECT_EQ(second.GetBonus(), c.bonus);
    EXPECT_EQ(otherBook.GetBonus(), 0);
    EXPECT_EQ(otherSkill.GetBonus(), 0);
    EXPECT_EQ(Log(character), c.log);
  }
}

// --- the racial talent package ---

constexpr const char* kTalentPackage = R"js({"identifier": 10, "category": "RACAD", "description": "Gifted Folk"})js";

struct Talent {
  int32_t identifier;
  CString description;
  int32_t level;
  bool operator==(const Talent&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Talent& t) {
    return out << t.identifier << " \"" << t.description << "\" level " << t.level;
  }
};
using Talents = std::vector<Talent>;

Talents BasicBookAdvantages(const Character& character) {
  Talents talents;
  for (std::size_t i = 0; i < character.GetAdvantageCount(); ++i) {
    const CChar_Ad_Disad& entry = *character.GetAdvantageAt(i);
    if (entry.GetBookCode() != "B05") continue;
    talents.push_back({entry.GetIdentifier(), entry.GetDescription(), entry.GetLevel()});
  }
  return talents;
}

// Without the talents the package adds them at levels 1 and 2 and runs their basic-book
// rules nested: each gains its levels again there, since the character has the
// package; talent 22 gives its skills the bonus of its level.
TEST(RacialTalentPackage, AddsTheMissingTalentsAndRunsTheirRules) {
  Character character;
  AddSkill(character, "B05", 2);
  AddSkill(character, "B05", 3);  // not one of the package's
  AddSkill(character, "B13", 4);  // another book
  character.AddHeading(CChar_Skill_Heading());
  CChar_Skill_Default_DisplayOnly shown;
  shown.SetBookCode("B05");
  shown.SetIdentifier(4);
  shown.SetName("shown only");
  character.AddSkillFamilyRecord(shown, "", -1);
  AddSkill(character, "B05", 165);
  AddSkill(character, "B05", 93);
  AddSkill(character, "B05", 99);
  const double pointsSpent = character.GetPointsSpent();

  Add(character, kTalentPackage);

  EXPECT_EQ(Log(character), (Strings{
                                "+1 to B05-2 from Gifted Folk",
                                "+1 to B05-165 from Gifted Folk",
                                // talent 11, nested, then the package's message
                                "+1 to Charisma  (+2) from Gifted Folk",
                                "+1 to Charisma  (+2) from Gifted Folk",
                                // talent 22, nested at level 2, then the package's message
                                "+2 to B05-93 from Language Talent  (+2)",
                                "+2 to B05-99 from Language Talent  (+2)",
                                "+2 to Language Talent  (+4) from Gifted Folk",
                                "+2 to Language Talent  (+4) from Gifted Folk",
                            }));
  EXPECT_EQ(BasicBookAdvantages(character), (Talents{{11, "Charisma (+0)", 2}, {22, "Language Talent (+0)", 4}}));
  EXPECT_EQ(character.GetAdvantageAt(1)->GetCategory(), "AD");
  EXPECT_EQ(character.GetPointsSpent(), pointsSpent);  // the talents come free
  EXPECT_EQ(BonusOf(character, "B05-3"), 0);
  EXPECT_EQ(BonusOf(character, "B13-4"), 0);
  EXPECT_EQ(BonusOf(character, "shown only"), 0);
}

TEST(RacialTalentPackage, KeepRecordsAddsNothing) {
  Character character;
  Add(character, kTalentPackage, true);
  EXPECT_EQ(character.GetAdvantageCount(), 1u);
}

// Talents already there are raised in list order and their rules run at the new level;
// a second call raises them again and adds nothing.
TEST(RacialTalentPackage, RaisesTheTalentsThatAreThere) {
  Character character;
  CChar_Ad_Disad& package = File(character, kTalentPackage);
  File(character, R"js({"identifier": 22, "category": "AD", "book_code": "B05", "description": "Tongues (+1)",
                      "level": 1})js");
  File(character, R"js({"identifier": 11, "category": "AD", "book_code": "B05", "description": "Charm (+1)"})js");
  AddSkill(character, "B05", 93);

  EXPECT_EQ(SpecialCalc(character, package), 1);
  EXPECT_EQ(Log(character), (Strings{
                                "+4 to B05-93 from Tongues  (+4)",  // description bonus 1 + level 3
                                "+2 to Tongues  (+6) from Gifted Folk",
                                "+2 to Tongues  (+6) from Gifted Folk",
                                "+1 to Charm  (+3) from Gifted Folk",
                                "+1 to Charm  (+3) from Gifted Folk",
                            }));
  EXPECT_EQ(character.GetAdvantageCount(), 3u);

  character.ClearChangeLog();
  SpecialCalc(character, package);
  EXPECT_EQ(BasicBookAdvantages(character), (Talents{{22, "Tongues (+1)", 9}, {11, "Charm (+1)", 4}}));
  EXPECT_EQ(BonusOf(character, "B05-93"), 4 + 8);
}

// Only basic-book advantages "AD" count as the talents; the package itself is "RACAD"
// 10 of B01.
TEST(RacialTalentPackage, NearMisses) {
  Character character;
  File(character, R"js({"identifier": 11, "category": "RACAD", "book_code": "B05", "description": "Charm"})js");
  File(character, R"js({"identifier": 22, "category": "AD", "book_code": "B13", "description": "Tongues"})js");
  AddSkill(character, "B05", 2);
  Add(character, R"js({"identifier": 10, "category": "AD", "description": "Gifted Folk"})js");
  Add(character, R"js({"identifier": 10, "category": "RACAD", "book_code": "B05", "description": "Gifted Folk"})js");
  Add(character, R"js({"identifier": 9, "category": "RACAD", "description": "Gifted Folk"})js");
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  EXPECT_EQ(character.GetAdvantageCount(), 5u);

  Add(character, kTalentPackage);
  EXPECT_EQ(BasicBookAdvantages(character), (Talents{{11, "Charm", 0},  // "RACAD": untouched
                                                     {10, "Gifted Folk", 0},
                                                     {11, "Charisma (+0)", 2},
                                                     {22, "Language Talent (+0)", 4}}));
  EXPECT_EQ(character.GetAdvantageAt(1)->GetLevel(), 0);  // the B13 one, untouched
}

// --- B13 ---

TEST(AdvantageRulesB13, BodyFeaturesByTheirOption) {
  struct Case {
    int identifier;
    int subIdentifier;
    const char* subBook;
    Strings pdSources, drSources;
  };
  const Case cases[] = {
      {12, 1, "B13", {}, {}},
      {12, 2, "B13", {}, {"Average Fur DR+1"}},
      {12, 3, "B13", {"Thick Fur PD+1"}, {"Thick Fur DR+1"}},
      {12, 3, "B05", {}, {}},
      {14, 2, "B13", {}, {"Avg Scales DR+1"}},
      {14, 6, "B13", {"Armor Plates PD+2"}, {"Armor Plates DR+3"}},
      {14, 7, "B13", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.identifier << "/" << c.subIdentifier << " " << c.subBook);
    Character character;
    const Json record = {{"identifier", c.identifier},         {"category", "RACAD"},
                              {"book_code", "B13"},                 {"description", "Coat"},
                              {"sub_identifier", c.subIdentifier}, {"sub_book_code", c.subBook}};
    Add(character, record.dump());
    EXPECT_EQ(Texts(character.GetPDSources()), c.pdSources);
    EXPECT_EQ(Texts(character.GetDRSources()), c.drSources);
    // Each source is one bonus with its message: the amount is the note's last digit.
    Strings log;
    for (const CString& note : c.pdSources) log.push_back(CString("+") + note.back() + " to PD Bonus from Coat");
    for (const CString& note : c.drSources) log.push_back(CString("+") + note.back() + " to DR Bonus from Coat");
    EXPECT_EQ(character.GetPDBonus(), c.pdSources.empty() ? 0 : c.pdSources[0].back() - '0');
    EXPECT_EQ(character.GetDRBonus(), c.drSources.empty() ? 0 : c.drSources[0].back() - '0');
    Strings logged = Log(character);
    std::ranges::sort(log);
    std::ranges::sort(logged);
    EXPECT_EQ(logged, log);
  }
}

TEST(AdvantageRulesB13, RowsFireForTheirRecordOnly) {
  struct Case {
    const char* record;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 12, "category": "AD", "description": "Calm", "sub_identifier": 3,
           "sub_book_code": "B13"})js",
       {"+2 to Fright Check from Calm"}},
      {R"js({"identifier": 4, "category": "AD", "description": "Fearless"})js", {"+3 to Fright Check from Fearless"}},
      {R"js({"identifier": 18, "category": "AD", "description": "Quick"})js", {"+1 to Dodge from Quick"}},
      {R"js({"identifier": 18, "category": "RACAD", "description": "Quick"})js", {}},
      {R"js({"identifier": 19, "category": "AD", "description": "Deft", "cost": 10})js", {"+1 to Parry from Deft"}},
      {R"js({"identifier": 19, "category": "AD", "description": "Deft", "cost": 9.5, "extra_cost": 0.5})js",
       {"+1 to Parry from Deft"}},
      {R"js({"identifier": 19, "category": "AD", "description": "Deft", "cost": 15})js", {}},
      {R"js({"identifier": 21, "category": "AD", "description": "Tough"})js", {"+1 to Health Check from Tough"}},
      {R"js({"identifier": 55, "category": "AD", "description": "Tough"})js",
       {"+5 to Crippling Injury Check from Tough"}},
      {R"js({"identifier": 34, "category": "AD", "description": "Handy"})js", {"+3 to B13-98 from Handy"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    AddSkill(character, "B13", 98);
    AddSkill(character, "B05", 98);
    Json record = Json::parse(c.record);
    record["book_code"] = "B13";
    Add(character, record.dump());
    EXPECT_EQ(Log(character), c.log);
  }
}

// Magic aptitudes by their base cost and sub-entry: every spell, or the spells of one
// college; one "All Spells" message stands for them.
TEST(AdvantageRulesB13, MagicAptitudes) {
  struct Case {
    double baseCost;
    int subIdentifier;
    int healing, fire;
  };
  const Case cases[] = {
      {5.0, 5, 1, 1}, {15.0, 5, 3, 3}, {12.0, 5, 0, 0}, {6.0, 6, 3, 0}, {10.0, 6, 0, 0}, {10.0, 4, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.baseCost << " " << c.subIdentifier);
    Character character;
    CChar_Skill_Spell spell;
    spell.SetName("Mend");
    spell.SetCollegeText("Healing");
    character.AddSkillFamilyRecord(spell, "", -1);
    spell.SetName("Spark");
    spell.SetCollegeText("Fire");
    character.AddSkillFamilyRecord(spell, "", -1);
    Json record = {{"identifier", 59},  {"category", "AD"},    {"book_code", "B13"}, {"description", "Gift"},
                        {"base_cost", c.baseCost}, {"sub_identifier", c.subIdentifier}, {"sub_book_code", "B13"}};
    Add(character, record.dump());
    EXPECT_EQ(character.GetSpells().GetAt(0)->GetBonus(), c.healing);
    EXPECT_EQ(character.GetSpells().GetAt(1)->GetBonus(), c.fire);
    const int32_t amount = std::max(c.healing, c.fire);
    const Strings log{"+" + std::to_string(amount) + " to All Spells from Gift"};
    EXPECT_EQ(Log(character), amount == 0 ? Strings{} : log);
  }

  Character character;
  CChar_Skill_Spell spell;
  spell.SetName("Mend");
  character.AddSkillFamilyRecord(spell, "", -1);
  Add(character,
      R"js({"identifier": 72, "category": "AD", "book_code": "B13", "description": "Focus", "base_cost": 25})js");
  EXPECT_EQ(character.GetSpells().GetAt(0)->GetBonus(), 2);
  EXPECT_EQ(Log(character), Strings{"+2 to All Spells from Focus"});
}

TEST(DisadvantageRulesB13, RowsFireForTheirRecordOnly) {
  struct Case {
    const char* record;
    Strings log;
  };
  const Case cases[] = {
      {R"js({"identifier": 15, "category": "DISAD", "description": "Ugly Manners"})js",
       {"-2 to Reaction from Ugly Manners", "-2 to Reaction (Opposite Sex) from Ugly Manners"}},
      {R"js({"identifier": 15, "category": "RACDISAD", "description": "Ugly Manners"})js", {}},
      {R"js({"identifier": 49, "category": "DISAD", "description": "Jumpy"})js", {"-1 to Fright Check from Jumpy"}},
      {R"js({"identifier": 35, "category": "DISAD", "description": "Weak Gut"})js",
       {"-1 to Health Check from Weak Gut"}},
      {R"js({"identifier": 36, "category": "DISAD", "description": "Weak Gut"})js", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    Character character;
    Json record = Json::parse(c.record);
    record["book_code"] = "B13";
    Add(character, record.dump());
    EXPECT_EQ(Log(character), c.log);
  }
  // The same disadvantage of the racial book has no rule.
  Character character;
  Add(character, R"js({"identifier": 15, "category": "DISAD", "description": "Ugly Manners"})js");
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
}

}  // namespace
}  // namespace zulparvo
