// The character's point accounting, change log and derived values.
#include "model/character.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

#include "model/ad_disad_magery_colleges.h"
#include "model/enhancement_limitation.h"
#include "model/equipment_armor.h"
#include "model/skill_heading.h"
#include "model/skill_spell.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo {
namespace {

CChar_Ad_Disad Record(double baseCost, const char* description = "Record") {
  CChar_Ad_Disad record(1, baseCost, description, "B05", 0, "", "");
  record.RecomputeCost();
  return record;
}

void ExpectPointsKept(const CChar_Character& c, double total) {
  EXPECT_DOUBLE_EQ(c.GetPointsSpent() + c.GetPointsAvailable(), total);
}

TEST(CharacterPoints, AddAdDisadFilesByCategoryAndCharges) {
  struct Case {
    const char* category;
    CharacterList list;
  };
  for (const Case& c : {Case{"AD", CharacterList::Advantages}, Case{"RACAD", CharacterList::Advantages},
                        Case{"DISAD", CharacterList::Disadvantages}, Case{"RACDISAD", CharacterList::Disadvantages},
                        Case{"SUPER-AD", CharacterList::SuperAdvantages},
                        Case{"SUPER-DISAD", CharacterList::SuperDisadvantages}}) {
    SCOPED_TRACE(c.category);
    CChar_Character character;
    CChar_Ad_Disad record = Record(10);
    record.SetExtraCost(2.5);
    EXPECT_EQ(character.AddAdDisad(c.category, record), 1);
    ASSERT_EQ(character.GetList(c.list).GetSize(), 1u);
    const auto* filed = static_cast<CChar_Ad_Disad*>(character.GetList(c.list).GetAt(0));
    EXPECT_EQ(filed->GetCategory(), c.category);
    EXPECT_NE(filed, &record);  // a copy is filed
    EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 12.5);
    EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200 - 12.5);
  }
}

TEST(CharacterPoints, UnknownCategoryFilesNothing) {
  CChar_Character character;
  EXPECT_EQ(character.AddAdDisad("ad", Record(10)), 0);
  EXPECT_EQ(character.AddAdDisad("", Record(10)), 0);
  EXPECT_EQ(character.GetAdvantageCount(), 0u);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
}

TEST(CharacterPoints, AddAdDisadKeepsTheRecordsClass) {
  CChar_Character character;
  CChar_Ad_Disad_Magery_Colleges magery;
  character.AddAdDisad("AD", magery);
  EXPECT_EQ(character.GetAdvantageAt(0)->GetType(), "ADDISAD-MAG");
}

TEST(CharacterPoints, AddNewAdDisadBuildsTheRecordWithItsCost) {
  CChar_Character character;
  EXPECT_EQ(character.AddNewAdDisad("RACDISAD", 42, -15, "Bad Sight", "B01", 7, "text", 2), 1);
  ASSERT_EQ(character.GetDisadvantageCount(), 1u);
  const CChar_Ad_Disad& filed = *character.GetDisadvantageAt(0);
  EXPECT_EQ(filed.GetIdentifier(), 42);
  EXPECT_EQ(filed.GetLevel(), 2);
  EXPECT_EQ(filed.GetCategory(), "RACDISAD");
  EXPECT_EQ(filed.GetIntegerKey(), 7);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 215.0);
  EXPECT_EQ(character.AddNewAdDisad("NONE", 42, -15, "Bad Sight", "B01", 7, "text", 2), 0);
}

TEST(CharacterPoints, RemovingGivesBackWhatAddingCharged) {
  CChar_Character character;
  character.AddAdDisad("AD", Record(10));
  character.AddAdDisad("DISAD", Record(-20));
  character.AddAdDisad("SUPER-AD", Record(30));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 180.0);
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Disadvantages, 0));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 160.0);
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Advantages, 0));
  EXPECT_TRUE(character.RemoveRecord(CharacterList::SuperAdvantages, 0));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200.0);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
  EXPECT_FALSE(character.RemoveRecord(CharacterList::Advantages, 0));
}

TEST(CharacterPoints, RemovingSkillsAndSpellsGivesBackTheirPoints) {
  CChar_Character character;
  CChar_Skill_Base skill;
  skill.SetPoints(4);
  CChar_Skill_Spell spell;
  spell.SetPoints(2);
  EXPECT_TRUE(character.AddSkillFamilyRecord(skill, "", -1));
  EXPECT_TRUE(character.AddSkillFamilyRecord(spell, "", -1));
  character.AddHeading(CChar_Skill_Heading());
  // Adding a skill-family record charges nothing; the host has charged it.
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200.0);
  EXPECT_EQ(character.GetSkillCount(), 2u);
  EXPECT_EQ(character.GetSpells().GetSize(), 1u);
  character.RemoveRecord(CharacterList::Skills, 0);
  character.RemoveRecord(CharacterList::Spells, 0);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 206.0);
  // A heading has no points.
  character.RemoveRecord(CharacterList::Skills, 0);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 206.0);
  ExpectPointsKept(character, 200.0);
}

TEST(CharacterPoints, OlderSkillIsChargedOnAddAndRefundedOnRemove) {
  CChar_Character character;
  CChar_Skill older;
  older.SetPoints(3);
  character.AddOlderSkill(older);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 197.0);
  character.RemoveRecord(CharacterList::OlderSkills, 0);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200.0);
}

TEST(CharacterPoints, BuyOffDisadvantage) {
  CChar_Character character;
  character.SetPointsAvailable(0);
  character.AddAdDisad("DISAD", Record(-10, "Bad Temper "));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 10.0);
  // Exactly enough points: bought off, nothing left.
  EXPECT_EQ(character.BuyOffDisadvantage(0), 1);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 0.0);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
  EXPECT_EQ(character.GetDisadvantageCount(), 0u);

  character.AddAdDisad("DISAD", Record(-10, "Bad Temper "));
  character.SetPointsAvailable(9.5);
  CMessageCollector messages;
  EXPECT_EQ(character.BuyOffDisadvantage(0), 0);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, "Not enough points to buy off the Bad Temper Disadvantage!");
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Stop);
  EXPECT_EQ(character.GetDisadvantageCount(), 1u);
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 9.5);
  EXPECT_EQ(character.BuyOffDisadvantage(5), 0);
}

// A new character has the points its host gives; the helper for hosts reads them from
// a profile. The profile of the process plays no part.
TEST(CharacterPoints, StartingPointsComeFromTheHost) {
  const auto folder = std::filesystem::temp_directory_path() / "zulparvo-character-profile";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "p.ini") << "[character]\nstartingpoints = 150.5\n";
  const CProfile profile = CProfile::Load(folder / "p.ini");
  SetAppProfile(profile);
  EXPECT_DOUBLE_EQ(StartingPoints(profile), 150.5);
  EXPECT_DOUBLE_EQ(CChar_Character(StartingPoints(profile)).GetPointsAvailable(), 150.5);
  EXPECT_DOUBLE_EQ(CChar_Character().GetPointsAvailable(), 200.0);
  EXPECT_DOUBLE_EQ(StartingPoints(CProfile()), 200.0);
  SetAppProfile(CProfile());
  std::filesystem::remove_all(folder);
}

TEST(CharacterMessages, ChangeMessageSigns) {
  CChar_Character character;
  character.AddChangeMessage(2, "Hit Points", "Extra Hit Points");
  character.AddChangeMessage(0, "Will Check", "X");
  character.AddChangeMessage(-3, "Fright Check", "X");
  const CStringArray& log = character.GetChangeLog();
  ASSERT_EQ(log.GetSize(), 3u);
  EXPECT_EQ(log.GetAt(0), "+2 to Hit Points from Extra Hit Points");
  EXPECT_EQ(log.GetAt(1), "+0 to Will Check from X");
  EXPECT_EQ(log.GetAt(2), "-3 to Fright Check from X");
}

TEST(CharacterDerived, EncumbranceLevelsAtTheirBoundaries) {
  CChar_Character character;  // ST 10
  struct Case {
    int tableSwitch;
    double weight;
    int level;
  };
  for (const Case& c : {Case{0, 20, 0}, Case{0, 20.01, 1}, Case{0, 40, 1}, Case{0, 60, 2}, Case{0, 120, 3},
                        Case{0, 120.5, 4}, Case{1, 50, 1}, Case{1, 100, 2}, Case{1, 200, 3}, Case{1, 201, 4}}) {
    SCOPED_TRACE(c.weight);
    character.SetEncumbranceTableSwitch(c.tableSwitch);
    character.SetCarriedWeight1(c.weight);
    character.SetCarriedWeight2(c.weight);
    EXPECT_EQ(character.GetEncumbranceLevel(1), c.level);
    EXPECT_EQ(character.GetEncumbranceLevel(2), c.level);
  }
  character.SetSTBonus(2);  // current ST counts
  character.SetCarriedWeight1(24);
  EXPECT_EQ(character.GetEncumbranceLevel(1), 0);
  // No strength overflows the products.
  character.SetST(std::numeric_limits<int32_t>::max());
  character.SetCarriedWeight1(4e9);
  EXPECT_EQ(character.GetEncumbranceLevel(1), 0);
}

TEST(CharacterDerived, SpeedAndMoveSums) {
  CChar_Character c;
  c.SetBasicSpeedBonus(0.25);
  c.SetSpeedExtra1(0.5);
  c.SetSpeedExtra2(1.0);
  c.SetMoveBonus(2.0);
  EXPECT_DOUBLE_EQ(c.GetSpeedSum(false), 5.75);
  EXPECT_DOUBLE_EQ(c.GetSpeedSum(true), 6.75);
  EXPECT_DOUBLE_EQ(c.GetMoveSum(false, 1), 7.75);
  c.SetCarriedWeight2(50);  // level 2 against ST 10
  EXPECT_DOUBLE_EQ(c.GetMoveSum(true, 2), 8.75 - 2);
  c.SetMoveMultiplier(2.0);
  EXPECT_DOUBLE_EQ(c.GetSpeedSum(false), 11.5);
  // A cap limits the product, then encumbrance is subtracted.
  c.SetMoveCap(3.0);
  EXPECT_DOUBLE_EQ(c.GetSpeedSum(false), 3.0);
  EXPECT_DOUBLE_EQ(c.GetMoveSum(false, 2), 1.0);
  EXPECT_DOUBLE_EQ(c.GetMoveSum(false, 1), 3.0);
  c.SetCarriedWeight2(130);  // level 4: the sum goes below 0
  EXPECT_DOUBLE_EQ(c.GetMoveSum(false, 2), 0.0);
  // Negative sums become 0.
  c.SetMoveCap(-1.0);
  c.SetSpeedBase(-20);
  EXPECT_DOUBLE_EQ(c.GetSpeedSum(true), 0.0);
  EXPECT_EQ(c.GetSpeedSumText(true), "0.00");
}

TEST(CharacterDerived, DodgeAndCarriedWeights) {
  CChar_Character c;
  c.SetDX(13);
  c.SetHTBonus(2);
  c.RecomputeDodgeValue();
  EXPECT_EQ(c.GetDodgeValue(), 6);  // (13 + 12) div 4
  c.SetExtraWeight(5);
  c.SetExtraWeight1(1);
  c.SetExtraWeight2(2);
  c.RecomputeCarriedWeights();
  EXPECT_DOUBLE_EQ(c.GetCarriedWeight1(), 6.0);
  EXPECT_DOUBLE_EQ(c.GetCarriedWeight2(), 7.0);

  // Worn armor at its reduced weight, and a load that only the first weight counts.
  CChar_Equipment_Armor armor;
  armor.SetWeight(20.0);
  armor.SetWeightReduction(0.5);
  armor.SetCarriedQuantity(1);
  c.AddArmor(armor);
  CChar_Equipment_Base load;
  load.SetWeight(15.0);
  load.SetCarriedQuantity(2);
  load.SetExcludedFlag(1);
  c.AddEquipment(load);
  c.RecomputeCarriedWeights();
  EXPECT_DOUBLE_EQ(c.GetCarriedWeight1(), 6.0 + 10.0 + 30.0);
  EXPECT_DOUBLE_EQ(c.GetCarriedWeight2(), 7.0 + 10.0);
  EXPECT_EQ(c.GetEncumbranceLevel(1), 2);  // over 4 x ST 10, not over 6 x
  EXPECT_EQ(c.GetEncumbranceLevel(2), 0);
}

TEST(CharacterLists, NamesRoundTrip) {
  for (std::size_t i = 0; i < kCharacterListCount; ++i) {
    const auto list = static_cast<CharacterList>(i);
    EXPECT_EQ(ListFromName(ListName(list)), list);
  }
  EXPECT_FALSE(ListFromName("Advantages").has_value());
}

}  // namespace
}  // namespace zulparvo
