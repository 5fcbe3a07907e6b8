// Adjusters of basic speed, move, hit points, fatigue and spell fatigue.
#include "adjusters/attribute_adjusters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "adjusters/field_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::MakeRecord;
using testing::Texts;
using Strings = std::vector<CString>;
using Character = CChar_Character;

// Every adjuster under the rule "identifier 7, tag AD", the field it changes, and the
// field after one call on the record of Matching() (null what: not logged).
struct Case {
  std::function<void(Character&, const CChar_Ad_Disad&)> adjust;
  std::function<double(const Character&)> field;
  double expected;
  const char* what;
};
const Case kCases[] = {
    {[](auto& c, auto& r) { AdjustBasicSpeed(c, r, 7, 3, "AD"); }, &Character::GetBasicSpeedBonus, 3.0, "Basic Speed"},
    {[](auto& c, auto& r) { AdjustMove(c, r, 7, "AD"); }, &Character::GetMoveBonus, 3.0, "Move"},
    {[](auto& c, auto& r) { AdjustHitPointBonus(c, r, 7, "AD"); }, &Character::GetHitPointBonus, 3.0, "Hit Point Bonus"},
    {[](auto& c, auto& r) { AdjustFatigueBonus(c, r, 7, "AD"); }, &Character::GetFatigueBonus, 3.0, "Fatigue Bonus"},
    {[](auto& c, auto& r) { AdjustSpellFatigueBonus(c, r, 7, "AD"); }, &Character::GetSpellFatigueBonus, 3.0,
     "Spell Fatigue Bonus"},
    {[](auto& c, auto& r) { ScaleMoveMultiplier(c, r, 7, "AD", 0.5); }, &Character::GetMoveMultiplier, 0.5, nullptr},
    {[](auto& c, auto& r) { AdjustBasicSpeedPerLevel(c, r, 7, 0.25, "AD"); }, &Character::GetBasicSpeedBonus, 0.5,
     nullptr},
};

// Description bonus 2 plus level 1; two whole levels of 10 points in a base cost of 25.
testing::RecordSpec Matching() {
  return {.description = "Toughness (+2)", .level = 1, .baseCost = 25.0, .costPerLevel = 10.0};
}

TEST(AttributeAdjusters, ChangeTheirFieldOnlyForTheRulesIdentifierAndCategory) {
  std::vector<testing::RecordSpec> nearMisses(3, Matching());
  nearMisses[0].identifier = 8;
  nearMisses[1].category = "RACAD";
  nearMisses[2].category = "ad";
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what ? c.what : "not logged");
    Character character;
    const double before = c.field(character);
    for (const auto& wanted : nearMisses) c.adjust(character, MakeRecord(wanted));
    EXPECT_DOUBLE_EQ(c.field(character), before);
    c.adjust(character, MakeRecord(Matching()));
    EXPECT_DOUBLE_EQ(c.field(character), c.expected);
    EXPECT_EQ(Texts(character.GetChangeLog()),
              c.what ? Strings{CString("+3 to ") + c.what + " from Toughness  (+3)"} : Strings{});
  }
}

TEST(AttributeAdjusters, DescriptionAmountIsBonusPlusLevel) {
  struct Amount {
    const char* description;
    int32_t level;
    const char* logged;
    int32_t expected;
  };
  for (const Amount& a : {Amount{"Toughness", 3, "+3 to Hit Point Bonus from Toughness (+3)", 3},
                          Amount{"Frailty (-2)", 0, "-2 to Hit Point Bonus from Frailty (-2)", -2},
                          Amount{"Frailty (-2)", 2, "+0 to Hit Point Bonus from Frailty  (+0)", 0}}) {
    SCOPED_TRACE(a.logged);
    Character character;
    character.SetHitPointBonus(1);
    AdjustHitPointBonus(character, MakeRecord({.description = a.description, .level = a.level}), 7, "AD");
    EXPECT_EQ(character.GetHitPointBonus(), 1 + a.expected);
    EXPECT_EQ(Texts(character.GetChangeLog()), Strings{a.logged});
  }
}

TEST(AttributeAdjusters, WholeNumberFieldsStopAtTheirLimit) {
  Character character;
  character.SetFatigueBonus(std::numeric_limits<int32_t>::max() - 1);
  AdjustFatigueBonus(character, MakeRecord({.description = "Vigour (+2)"}), 7, "AD");
  EXPECT_EQ(character.GetFatigueBonus(), std::numeric_limits<int32_t>::max());
}

TEST(AttributeAdjusters, SpeedPerLevelCountsWholeLevels) {
  struct Levels {
    double baseCost, costPerLevel, expected;
  };
  for (const Levels& l : {Levels{-25.0, 10.0, -0.5}, Levels{9.9, 10.0, 0.0},
                          Levels{25.0, 0.0, 0.0}}) {  // no cost per level: no levels
    SCOPED_TRACE(l.baseCost);
    Character character;
    character.SetBasicSpeedBonus(1.0);
    const auto record = MakeRecord({.baseCost = l.baseCost, .costPerLevel = l.costPerLevel});
    AdjustBasicSpeedPerLevel(character, record, 7, 0.25, "AD");
    EXPECT_DOUBLE_EQ(character.GetBasicSpeedBonus(), 1.0 + l.expected);
  }
}

}  // namespace
}  // namespace zulparvo
