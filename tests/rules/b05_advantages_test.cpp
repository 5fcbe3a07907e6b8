// The advantage rules of book B05: which rows fire for a record, in which order, and
// the near misses that must not fire.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"
#include "model/json/json_codec.h"
#include "base/book_codes.h"
#include "frame/entry_points.h"
#include "model/note.h"
#include "rules/rule_tables.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::AddSpell;
using testing::RecordSpec;
using testing::Texts;
using Log = std::vector<CString>;

// A B05 advantage; a case names only what it is about. Its shown name is its
// description; with a level, the name keeps the space before its "(" and adds one of
// its own: "Quick Study (+1)" at level 1 is shown as "Quick Study  (+2)".
CChar_Ad_Disad Basic(RecordSpec fields) {
  fields.book = CString(BOOK_05);
  return testing::MakeRecord(fields);
}

// The skills named by the table's rows, each named by its book and number ("B05-122"),
// so that a message tells which row gave it; besides them skills that no row names.
CChar_Character MakeCharacter() {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  AddDisplayOnly(skills, {.identifier = 61, .name = "Shown B05-61"});
  const std::vector<std::pair<CString, int>> targets = {
      {"B05", 122}, {"B05", 14},  {"B15", 1},   {"B05", 190}, {"B05", 110}, {"B05", 186}, {"B05", 182},
      {"B05", 82},  {"B05", 65},  {"B13", 5},   {"B05", 61},  {"B05", 41},  {"B05", 59},  {"B05", 103},
      {"B13", 96},  {"B05", 93},  {"B05", 99},  {"B05", 102}, {"B05", 43},  {"B05", 189}, {"B05", 58},
      {"B05", 147}, {"B05", 108}, {"B05", 18},  {"B05", 51},  {"B05", 116}, {"B05", 126}, {"B05", 136},
      {"B05", 141}, {"B13", 122}, {"B05", 123}};
  for (const auto& [book, identifier] : targets) {
    AddSkill(skills, {.book = book, .identifier = identifier, .name = book + "-" + std::to_string(identifier)});
  }
  AddSkill(skills, {.identifier = 56, .name = "Electronics: Computers"});
  AddSkill(skills, {.identifier = 56, .name = "Electronics: Sensors"});
  AddSkill(skills, {.book = "B46", .identifier = 7, .name = "Herding", .groups = 1});
  AddSpell(character.GetSpells(), {.identifier = 3, .name = "Glimmer"});
  AddSpell(character.GetSpells(), {.book = "B30", .identifier = 9, .name = "Frost Ward"});
  character.AddAdDisad("AD", Basic({.identifier = 38, .description = "Spell Ward", .baseCost = 20.0}));
  return character;
}

std::string Snapshot(CChar_Character& character) { return RecordToJson(character).dump(); }

struct FiringCase {
  const char* name;
  RecordSpec record;
  Log log;
};

void PrintTo(const FiringCase& c, std::ostream* os) { *os << c.name; }

class B05AdvantageRows : public ::testing::TestWithParam<FiringCase> {};

TEST_P(B05AdvantageRows, FireInTableOrder) {
  CChar_Character character = MakeCharacter();
  CChar_Ad_Disad record = Basic(GetParam().record);
  EXPECT_TRUE(AdvantageRulesB05(character, record, false));
  EXPECT_EQ(Texts(character.GetChangeLog()), GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, B05AdvantageRows,
    ::testing::Values(
        FiringCase{"SkillBonuses",
                   {.identifier = 61, .description = "Gift"},
                   {"+1 to B05-122 from Gift", "+2 to B05-14 from Gift", "+1 to B15-1 from Gift",
                    "+2 to B05-190 from Gift"}},
        FiringCase{"ChecksFromDescription",
                   {.identifier = 6, .description = "Keen Senses (+2)", .level = 1},
                   {"+2 to Perception Check from Keen Senses  (+3)", "+2 to Smell/Taste Check from Keen Senses  (+3)",
                    "+2 to Hearing Check from Keen Senses  (+3)"}},
        FiringCase{"SkillGroupThenSkills",
                   {.identifier = 9, .description = "Beast Bond"},
                   {"+4 to Herding from Beast Bond", "+4 to B05-182 from Beast Bond", "+3 to B05-82 from Beast Bond",
                    "+3 to B05-65 from Beast Bond", "+3 to B13-5 from Beast Bond"}},
        FiringCase{"ReactionOption",
                   {.identifier = 10, .description = "Fair", .subIdentifier = 2, .subBook = "B05"},
                   {"+2 to Reaction from Fair", "+4 to Reaction (Opposite Sex) from Fair"}},
        FiringCase{"SkillDefencesAndChecks",
                   {.identifier = 13, .description = "Steady"},
                   {"+1 to B05-61 from Steady", "+1 to Dodge from Steady", "+1 to Parry from Steady",
                    "+1 to Block from Steady", "+2 to Fright Check from Steady",
                    "+6 to Mental Stun Check from Steady"}},
        FiringCase{"SkillsFromDescriptionPlusLevel",
                   {.identifier = 22, .description = "Quick Study (+1)", .level = 1},
                   {"+2 to B05-93 from Quick Study  (+2)", "+2 to B05-99 from Quick Study  (+2)"}},
        FiringCase{"SpellsAtValue",
                   {.identifier = 28, .description = "Arcane Gift", .baseCost = 25.0},
                   {"+2 to All Spells from Arcane Gift"}},
        FiringCase{"SkillsAndOneSubject",
                   {.identifier = 30, .description = "Tinker"},
                   {"+3 to B05-102 from Tinker", "+3 to B05-43 from Tinker", "+3 to B05-189 from Tinker",
                    "+3 to Electronics: Computers from Tinker", "+2 to B05-58 from Tinker"}},
        FiringCase{"FourChecksFromDescription",
                   {.identifier = 39, .description = "Resolve (-1)"},
                   {"-1 to Will Check from Resolve (-1)", "-1 to Fright Check from Resolve (-1)",
                    "-1 to Mental Stun Check from Resolve (-1)", "-1 to Physical Stun Check from Resolve (-1)"}},
        FiringCase{"DamageResistanceAtTotalCost",
                   {.identifier = 40, .description = "Thick Hide", .baseCost = 20.0, .extraCost = 5.0},
                   {"+2 to DR Bonus from Thick Hide"}}),
    [](const ::testing::TestParamInfo<FiringCase>& row) { return row.param.name; });

struct MissCase {
  const char* name;
  CChar_Ad_Disad record;
};

void PrintTo(const MissCase& c, std::ostream* os) { *os << c.name; }

class B05AdvantageNearMisses : public ::testing::TestWithParam<MissCase> {};

TEST_P(B05AdvantageNearMisses, ChangeNothing) {
  CChar_Character character = MakeCharacter();
  const std::string before = Snapshot(character);
  CChar_Ad_Disad record = GetParam().record;
  EXPECT_TRUE(AdvantageRulesB05(character, record, false));
  EXPECT_EQ(Snapshot(character), before);
  EXPECT_EQ(record.GetLevel(), GetParam().record.GetLevel());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, B05AdvantageNearMisses,
    ::testing::Values(
        MissCase{"NoRowForIdentifier", Basic({.identifier = 2})},
        MissCase{"RacialCategory", Basic({.identifier = 13, .category = "RACAD"})},
        MissCase{"ReactionOptionOutsideTable", Basic({.identifier = 10, .subIdentifier = 4, .subBook = "B05"})},
        MissCase{"ReactionOptionOfOtherSubBook", Basic({.identifier = 10, .subIdentifier = 2, .subBook = "B13"})},
        MissCase{"ReactionOptionOfOtherBook",
                 testing::MakeRecord({.identifier = 10, .book = "B15", .subIdentifier = 2, .subBook = "B05"})},
        MissCase{"ToughnessAtOtherCost", Basic({.identifier = 40, .baseCost = 15.0})},
        MissCase{"ToughnessHalfAPointOff", Basic({.identifier = 40, .baseCost = 10.0, .extraCost = 0.5})},
        MissCase{"MagicBetweenSteps",
                 Basic({.identifier = 28, .baseCost = 9.0, .subIdentifier = 1, .subBook = "B13"})},
        MissCase{"MagicStepOfOtherSubBook",
                 Basic({.identifier = 28, .baseCost = 8.0, .subIdentifier = 1, .subBook = "B34"})},
        MissCase{"RacialMagicBringsNoSecret",
                 Basic({.identifier = 28, .category = "RACAD", .baseCost = 70.0, .subIdentifier = 1,
                        .subBook = "B15"})},
        MissCase{"LevelWithoutRacialAdvantage", Basic({.identifier = 11, .level = 1})},
        MissCase{"CostFractionBelowOneStep", Basic({.identifier = 31, .baseCost = 14.0})},
        MissCase{"CostPointsBelowMinimum", Basic({.identifier = 43, .baseCost = 19.0})}),
    [](const ::testing::TestParamInfo<MissCase>& row) { return row.param.name; });

// Identifier 40 by its total cost: the DR bonus and the note of its source.
TEST(B05AdvantageToughness, NotesItsDamageResistance) {
  CChar_Character character;
  CChar_Ad_Disad record = Basic({.identifier = 40, .baseCost = 10.0});
  AdvantageRulesB05(character, record, false);
  EXPECT_EQ(character.GetDRBonus(), 1);
  EXPECT_EQ(Texts(character.GetDRSources()), Log{"Toughness DR+1"});
}

// Identifier 28 by its sub-entry: one row of the right group, and nothing else.
struct MagicCase {
  int subIdentifier;
  CString subBook;
  double baseCost;
  Log log;
  int spellBonus;
};

TEST(B05AdvantageMagic, OneRowOfTheSubEntrysGroupFires) {
  const std::vector<MagicCase> cases = {
      {1, "B13", 8.0, {"+1 to All Spells from Magic"}, 1},
      {4, "B34", 105.0, {"+7 to All Spells from Magic"}, 7},
      {5, "B34", 155.0, {}, 9},  // 7 + (155 - 105) / 25, and no message for every spell at once
      {3, "B15", 22.0, {"+3 to All Spells from Magic"}, 3},
      {9, "B30", 10.0, {"+1 to All Spells from Magic"}, 1},
      {0, "", 35.0, {"+3 to All Spells from Magic"}, 3},
  };
  for (const MagicCase& c : cases) {
    SCOPED_TRACE(c.subBook + " " + std::to_string(c.subIdentifier) + " " + std::to_string(c.baseCost));
    CChar_Character character = MakeCharacter();
    CChar_Ad_Disad record = Basic({.identifier = 28, .description = "Magic", .baseCost = c.baseCost,
                                   .subIdentifier = c.subIdentifier, .subBook = c.subBook});
    AdvantageRulesB05(character, record, false);
    EXPECT_EQ(Texts(character.GetChangeLog()), c.log);
    for (std::size_t i = 0; i < character.GetSpells().GetSize(); ++i) {
      EXPECT_EQ(character.GetSpells().GetAt(i)->GetBonus(), c.spellBonus);
    }
  }
}

TEST(B05AdvantageMagic, CollegeLimitedVariantClearsSpellsOfOtherColleges) {
  CChar_Character character;
  CObArray& spells = character.GetSpells();
  CChar_Skill_Spell& inside = AddSpell(spells, {.identifier = 1, .bonus = 1, .level = 12, .colleges = 0x4});
  CChar_Skill_Spell& outside = AddSpell(spells, {.identifier = 2, .bonus = 1, .level = 12, .colleges = 0x8});
  CChar_Ad_Disad_Magery_Colleges record = testing::MakeMageryRecord(
      {.identifier = 28, .description = "Fire Gift", .baseCost = 16.0, .book = "B05", .subIdentifier = 1,
       .subBook = "B30"},
      0x4);
  AdvantageRulesB05(character, record, false);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+2 to All Spells from Fire Gift"});
  EXPECT_EQ(inside.GetBonus(), 3);
  EXPECT_EQ(outside.GetBonus(), 0);
  EXPECT_EQ(outside.GetLevel(), 0);
}

// The B15 variant of the magic advantage, as a host adds it: filed on the character,
// then handed to the entry point.
class B05AdvantageTrueNameSecret : public ::testing::Test {
 protected:
  int Add(bool keepRecords) {
    character.AddAdDisad("AD", magic);
    CObject* filed = character.GetAdvantageAt(character.GetAdvantageCount() - 1);
    return speccalc_DoSpecialCalcAdProc(&character, filed, 1, keepRecords);
  }
  std::size_t Secrets() const {
    std::size_t count = 0;
    for (std::size_t i = 0; i < character.GetDisadvantageCount(); ++i) {
      if (character.GetDisadvantageAt(i)->GetDescription() == "Secret: True Name") ++count;
    }
    return count;
  }

  CChar_Character character;
  CChar_Ad_Disad magic =
      Basic({.identifier = 28, .description = "Named Magic", .baseCost = 70.0, .subIdentifier = 1, .subBook = "B15"});
};

TEST_F(B05AdvantageTrueNameSecret, IsAddedOnceAndCharged) {
  const double spentBefore = character.GetPointsSpent();
  EXPECT_EQ(Add(false), 1);
  ASSERT_EQ(character.GetDisadvantageCount(), 1u);
  const CChar_Ad_Disad& secret = *character.GetDisadvantageAt(0);
  EXPECT_EQ(secret.GetIdentifier(), 95);
  EXPECT_EQ(secret.GetCategory(), "DISAD");
  EXPECT_EQ(secret.GetBookCode(), "B05");
  EXPECT_EQ(secret.GetBaseCost(), -20.0);
  EXPECT_EQ(character.GetPointsSpent(), spentBefore + 70.0 - 20.0);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+4 to All Spells from Named Magic"});

  EXPECT_EQ(Add(false), 1);
  EXPECT_EQ(character.GetDisadvantageCount(), 1u);
  EXPECT_EQ(character.GetPointsSpent(), spentBefore + 140.0 - 20.0);
}

TEST_F(B05AdvantageTrueNameSecret, IsNotAddedWhenRecordsAreKept) {
  EXPECT_EQ(Add(true), 1);
  EXPECT_EQ(character.GetDisadvantageCount(), 0u);
}

TEST_F(B05AdvantageTrueNameSecret, IsFoundOnlyByBookNumberCategoryAndDescription) {
  character.AddNewAdDisad("DISAD", 95, -20.0, "Secret: Old Debts", "B05", 0, "", 0);
  character.AddNewAdDisad("DISAD", 95, -20.0, "Secret: True Name", "B13", 0, "", 0);
  Add(false);
  EXPECT_EQ(character.GetDisadvantageCount(), 3u);
  EXPECT_EQ(Secrets(), 2u);
  Add(false);
  EXPECT_EQ(Secrets(), 2u);
}

// Identifier 22 gives its description bonus plus level to the skill record in slot 1,
// which may hold a record of any class or none.
TEST(B05AdvantageSkillSlot, OnlyANumberedSkillTakesTheBonus) {
  const auto skill = [](int identifier) {
    auto slot = std::make_unique<CChar_Skill_Base>();
    slot->SetIdentifier(identifier);
    slot->SetBonus(1);
    return slot;
  };
  struct SlotCase {
    const char* name;
    std::unique_ptr<CObject> slot;
    int expectedBonus;
  };
  SlotCase cases[] = {{"numbered skill", skill(5), 4},
                      {"skill of identifier 0", skill(0), 1},
                      {"note", std::make_unique<CChar_Note>(), 0},
                      {"nothing", nullptr, 0}};
  for (SlotCase& c : cases) {
    SCOPED_TRACE(c.name);
    CChar_Character character = MakeCharacter();
    character.SetSkillSlot1(std::move(c.slot));
    CChar_Ad_Disad record = Basic({.identifier = 22, .description = "Quick Study (+1)", .level = 2});
    AdvantageRulesB05(character, record, false);
    // The two skill rows act whatever the slot holds; the slot logs nothing.
    EXPECT_EQ(Texts(character.GetChangeLog()),
              (Log{"+3 to B05-93 from Quick Study  (+3)", "+3 to B05-99 from Quick Study  (+3)"}));
    if (auto* slot = DynamicDownCast<CChar_Skill_Base>(character.GetSkillSlot1())) {
      EXPECT_EQ(slot->GetBonus(), c.expectedBonus);
    }
  }
}

// Identifiers 11 and 22 gain levels when the character has racial advantage 10 of B01;
// the rows of 22 before its level row see the level the record came with.
TEST(B05AdvantageLevel, RaisesTheRecordAfterItsOtherRows) {
  CChar_Character character = MakeCharacter();
  character.AddAdDisad("RACAD", testing::MakeRecord({.identifier = 10, .category = "RACAD",
                                                     .description = "Night Eyes", .book = "B01"}));
  auto slot = std::make_unique<CChar_Skill_Base>();
  slot->SetIdentifier(5);
  CChar_Skill_Base& slotSkill = *slot;
  character.SetSkillSlot1(std::move(slot));

  CChar_Ad_Disad study = Basic({.identifier = 22, .description = "Quick Study (+1)", .level = 1});
  AdvantageRulesB05(character, study, false);
  EXPECT_EQ(study.GetLevel(), 3);
  EXPECT_EQ(slotSkill.GetBonus(), 2);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Log{"+2 to B05-93 from Quick Study  (+2)", "+2 to B05-99 from Quick Study  (+2)",
                 "+2 to Quick Study  (+4) from Night Eyes"}));

  character.ClearChangeLog();
  CChar_Ad_Disad eye = Basic({.identifier = 11, .description = "Sharp Eye (+1)"});
  AdvantageRulesB05(character, eye, false);
  EXPECT_EQ(eye.GetLevel(), 1);
  EXPECT_EQ(Texts(character.GetChangeLog()), Log{"+1 to Sharp Eye  (+2) from Night Eyes"});
}

TEST(B05AdvantageLevel, NeedsTheRacialAdvantageOfB01) {
  for (const auto& [book, category] : {std::pair{"B01", "AD"}, std::pair{"B05", "RACAD"}}) {
    CChar_Character character;
    character.AddAdDisad(category, testing::MakeRecord({.identifier = 10, .category = category, .book = book}));
    CChar_Ad_Disad eye = Basic({.identifier = 11});
    AdvantageRulesB05(character, eye, false);
    EXPECT_EQ(eye.GetLevel(), 0);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

// Identifiers 31 and 43 make advantage 38 of B05 cheaper, by steps of the record's cost
// or from a minimum cost on.
TEST(B05AdvantageCost, LowersTheWardAndGivesThePointsBack) {
  struct CostCase {
    int identifier;
    double baseCost;
    double extraCost;
  };
  for (const CostCase& c : {CostCase{31, 44.0, -10.0}, CostCase{31, 15.0, -5.0}, CostCase{43, 20.0, -5.0}}) {
    SCOPED_TRACE(c.identifier);
    CChar_Character character = MakeCharacter();
    const double spent = character.GetPointsSpent();
    CChar_Ad_Disad record = Basic({.identifier = c.identifier, .baseCost = c.baseCost});
    AdvantageRulesB05(character, record, false);
    EXPECT_EQ(character.GetAdvantageAt(0)->GetExtraCost(), c.extraCost);
    EXPECT_EQ(character.GetPointsSpent(), spent + c.extraCost);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

}  // namespace
}  // namespace zulparvo
