// The character's point accounting, change log and derived values.
#include "model/character.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <limits>

#include "model/ad_disad_magery_colleges.h"
#include "model/equipment_armor.h"
#include "model/records.h"
#include "model/skill_heading.h"
#include "model/skill_spell.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo::testing {
namespace {

CChar_Ad_Disad Record(double cost, const char* description = "Record") {
  return Make<CChar_Ad_Disad>({{"cost", cost}, {"description", description}});
}

// What adding a record charges (points available to points spent) and removing it gives
// back; the total stays.
TEST(CharacterPoints, AddingChargesAndRemovingRefunds) {
  struct Case {
    const char* what;
    std::function<void(CChar_Character&)> add;
    CharacterList list;
    double charged;  // by adding; removing always gives back the record's cost or points
    double refunded;
  };
  const Case cases[] = {
      {"AD", [](auto& c) { EXPECT_EQ(c.AddAdDisad("AD", Record(10)), 1); }, CharacterList::Advantages, 10, 10},
      {"RACAD", [](auto& c) { c.AddAdDisad("RACAD", Record(10)); }, CharacterList::Advantages, 10, 10},
      {"DISAD", [](auto& c) { c.AddAdDisad("DISAD", Record(-20)); }, CharacterList::Disadvantages, -20, -20},
      {"RACDISAD", [](auto& c) { c.AddAdDisad("RACDISAD", Record(-5)); }, CharacterList::Disadvantages, -5, -5},
      {"SUPER-AD", [](auto& c) { c.AddAdDisad("SUPER-AD", Record(30)); }, CharacterList::SuperAdvantages, 30, 30},
      {"SUPER-DISAD", [](auto& c) { c.AddAdDisad("SUPER-DISAD", Record(-3)); }, CharacterList::SuperDisadvantages, -3,
       -3},
      {"extra cost", [](auto& c) { c.AddAdDisad("AD", Make<CChar_Ad_Disad>({{"cost", 10}, {"extra_cost", 2.5}})); },
       CharacterList::Advantages, 12.5, 12.5},
      {"new record", [](auto& c) { EXPECT_EQ(c.AddNewAdDisad("RACDISAD", 42, -15, "Bad Sight", "B01", 7, "x", 2), 1); },
       CharacterList::Disadvantages, -15, -15},
      {"skill", [](auto& c) { EXPECT_TRUE(c.AddSkillFamilyRecord(Make<CChar_Skill_Base>({{"points", 4}}), "", -1)); },
       CharacterList::Skills, 0, 4},
      {"spell", [](auto& c) { c.AddSkillFamilyRecord(Make<CChar_Skill_Spell>({{"points", 2}}), "", -1); },
       CharacterList::Spells, 0, 2},
      {"heading", [](auto& c) { c.AddHeading(CChar_Skill_Heading()); }, CharacterList::Skills, 0, 0},
      {"older skill", [](auto& c) { c.AddOlderSkill(Make<CChar_Skill>({{"points", 3}})); },
       CharacterList::OlderSkills, 3, 3},
      {"armor", [](auto& c) { c.AddArmor(Make<CChar_Equipment_Armor>({{"weight", 3}})); }, CharacterList::Armor,
       0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CChar_Character character;
    c.add(character);
    ASSERT_EQ(character.GetList(c.list).GetSize(), 1u);
    EXPECT_DOUBLE_EQ(character.GetPointsSpent(), c.charged);
    EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200 - c.charged);
    EXPECT_TRUE(character.RemoveRecord(c.list, 0));
    EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200 - c.charged + c.refunded);
    EXPECT_DOUBLE_EQ(character.GetPointsSpent() + character.GetPointsAvailable(), 200);
    EXPECT_FALSE(character.RemoveRecord(c.list, 0));
  }
}

TEST(CharacterPoints, AdvantagesAreFiledByCategoryAsCopiesOfTheirClass) {
  CChar_Character character;
  EXPECT_EQ(character.AddAdDisad("ad", Record(10)), 0);
  EXPECT_EQ(character.AddAdDisad("", Record(10)), 0);
  EXPECT_EQ(character.AddNewAdDisad("NONE", 42, -15, "Bad Sight", "B01", 7, "text", 2), 0);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
  CChar_Ad_Disad_Magery_Colleges magery;
  magery.SetCategory("DISAD");
  character.AddAdDisad("RACAD", magery);
  ASSERT_EQ(character.GetAdvantageCount(), 1u);
  EXPECT_EQ(character.GetAdvantageAt(0)->GetType(), "ADDISAD-MAG");
  EXPECT_EQ(character.GetAdvantageAt(0)->GetCategory(), "RACAD");
  character.AddNewAdDisad("DISAD", 42, -15, "Bad Sight", "B01", 7, "text", 2);
  const CChar_Ad_Disad& built = *character.GetDisadvantageAt(0);
  EXPECT_EQ(built.GetIdentifier(), 42);
  EXPECT_EQ(built.GetLevel(), 2);
  EXPECT_EQ(built.GetIntegerKey(), 7);
  EXPECT_EQ(built.GetTextKey(), "text");
}

TEST(CharacterPoints, BuyOffDisadvantage) {
  CChar_Character character(0);
  character.AddAdDisad("DISAD", Record(-10, "Bad Temper "));
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
  EXPECT_EQ(CChar_Character(character).GetChangeLog().GetSize(), 0u);  // a copy starts without
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

TEST(CharacterDerived, DodgeValue) {
  CChar_Character c;
  c.SetDX(13);
  c.SetHTBonus(2);
  c.RecomputeDodgeValue();
  EXPECT_EQ(c.GetDodgeValue(), 6);  // (13 + 12) div 4
}

TEST(CharacterLists, NamesRoundTrip) {
  for (std::size_t i = 0; i < kCharacterListCount; ++i) {
    const auto list = static_cast<CharacterList>(i);
    EXPECT_EQ(ListFromName(ListName(list)), list);
  }
  EXPECT_FALSE(ListFromName("Advantages").has_value());
}

}  // namespace
}  // namespace zulparvo::testing
