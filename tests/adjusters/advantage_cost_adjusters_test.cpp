// Advantage level and cost adjusters: the level of the advantage at hand, and the cost
// of another advantage with the points that its change moves.
#include "adjusters/advantage_cost_adjusters.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zulparvo {
namespace {

using Log = std::vector<CString>;

CChar_Ad_Disad Record(int32_t identifier, const CString& category, const CString& description, double baseCost,
                      double extraCost = 0.0, const CString& book = "B05") {
  CChar_Ad_Disad record(identifier, baseCost, description, book, 0, "", category);
  record.SetExtraCost(extraCost);
  record.RecomputeCost();
  return record;
}

CChar_Ad_Disad& Add(AdvantageList& list, const CChar_Ad_Disad& record) {
  list.Add(record.Clone());
  return *list.GetLast();
}

Log LogOf(const CChar_Character& character) {
  const CStringArray& log = character.GetChangeLog();
  return {log.begin(), log.end()};
}

class AdvantageCost : public ::testing::Test {
 protected:
  void SetUp() override {
    character.SetPointsSpent(100.0);
    character.SetPointsAvailable(50.0);
  }
  // How far points spent moved; points available must have moved the other way.
  double SpentChange() const {
    EXPECT_DOUBLE_EQ(character.GetPointsSpent() + character.GetPointsAvailable(), 150.0);
    return character.GetPointsSpent() - 100.0;
  }

  CChar_Character character;
  AdvantageList& advantages = character.GetAdvantages();
};

TEST_F(AdvantageCost, LevelRisesWhenTheCharacterHasTheTarget) {
  CChar_Ad_Disad record = Record(22, "AD", "Gifted", 10.0);
  AdjustAdvantageLevel(character, record, 22, "B01", 10, "AD", "RACAD", 2);
  EXPECT_EQ(record.GetLevel(), 0);

  Add(advantages, Record(10, "AD", "Wrong tag", 5.0, 0.0, "B01"));
  Add(advantages, Record(10, "RACAD", "Wrong book", 5.0));
  AdjustAdvantageLevel(character, record, 22, "B01", 10, "AD", "RACAD", 2);
  EXPECT_EQ(record.GetLevel(), 0);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());

  Add(advantages, Record(10, "RACAD", "Elven", 5.0, 0.0, "B01"));
  Add(advantages, Record(10, "RACAD", "Elven again", 5.0, 0.0, "B01"));
  AdjustAdvantageLevel(character, record, 22, "B01", 10, "RACAD", "RACAD", 2);  // the record is not "RACAD"
  AdjustAdvantageLevel(character, record, 23, "B01", 10, "AD", "RACAD", 2);
  EXPECT_EQ(record.GetLevel(), 0);
  AdjustAdvantageLevel(character, record, 22, "B01", 10, "AD", "RACAD", 2);
  EXPECT_EQ(record.GetLevel(), 2);
  // The record's shown name carries its new level.
  EXPECT_EQ(LogOf(character), Log{"+2 to Gifted (+2) from Elven"});
}

TEST_F(AdvantageCost, PointsNeedTheMinimumCostWithoutExtraCost) {
  CChar_Ad_Disad& target = Add(advantages, Record(38, "AD", "Target", 10.0));
  const CChar_Ad_Disad cheap = Record(43, "AD", "Rule", 15.0, 10.0);
  AdjustAdvantageCostPoints(character, advantages, cheap, 43, "AD", 20.0, 38, "B05", "AD", -5.0);
  EXPECT_EQ(target.GetExtraCost(), 0.0);

  const CChar_Ad_Disad enough = Record(43, "AD", "Rule", 20.0);
  AdjustAdvantageCostPoints(character, advantages, enough, 44, "AD", 20.0, 38, "B05", "AD", -5.0);
  AdjustAdvantageCostPoints(character, advantages, enough, 43, "DISAD", 20.0, 38, "B05", "AD", -5.0);
  AdjustAdvantageCostPoints(character, advantages, enough, 43, "AD", 20.0, 38, "B13", "AD", -5.0);
  AdjustAdvantageCostPoints(character, advantages, enough, 43, "AD", 20.0, 38, "B05", "RACAD", -5.0);
  EXPECT_EQ(target.GetExtraCost(), 0.0);
  EXPECT_EQ(SpentChange(), 0.0);

  AdjustAdvantageCostPoints(character, advantages, enough, 43, "AD", 20.0, 38, "B05", "AD", -5.0);
  EXPECT_EQ(target.GetExtraCost(), -5.0);
  EXPECT_EQ(character.GetPointsAvailable(), 55.0);
  EXPECT_EQ(SpentChange(), -5.0);
  EXPECT_TRUE(character.GetChangeLog().IsEmpty());
}

TEST_F(AdvantageCost, PointsChangeEveryTargetFromItsOwnCost) {
  CChar_Ad_Disad& first = Add(advantages, Record(38, "AD", "First", 20.0, -5.0));
  CChar_Ad_Disad& second = Add(advantages, Record(38, "AD", "Second", 12.0));
  // The record's own extra cost has no part in the target's.
  const CChar_Ad_Disad record = Record(43, "AD", "Rule", 20.0, 7.0);
  AdjustAdvantageCostPoints(character, advantages, record, 43, "AD", 20.0, 38, "B05", "AD", -5.0);
  AdjustAdvantageCostPoints(character, advantages, record, 43, "AD", 20.0, 38, "B05", "AD", -5.0);
  EXPECT_EQ(first.GetExtraCost(), -15.0);
  EXPECT_EQ(second.GetExtraCost(), -10.0);
  EXPECT_EQ(SpentChange(), -20.0);
}

// A cost never crosses 0 (an advantage's from above, anything else's from below), and
// points move by exactly what the target's cost moved.
TEST_F(AdvantageCost, PointsStopTheTargetsCostAtZero) {
  struct Case {
    const char* recordCategory;
    double targetCost;
    double delta;
    double newTotal;
  };
  const std::vector<Case> cases = {
      {"AD", 10.0, -5.0, 5.0},
      {"RACAD", 5.0, -5.0, 0.0},
      {"AD", 3.0, -5.0, 0.0},
      {"AD", -2.0, -5.0, -2.0},
      {"AD", -2.0, 5.0, 3.0},
      {"RACDISAD", -3.0, 5.0, 0.0},
      {"DISAD", 2.0, 5.0, 2.0},
      {"DISAD", 2.0, -5.0, -3.0},
      {"SUPER-AD", 3.0, 5.0, 3.0},  // only "AD" and "RACAD" count as advantages
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.recordCategory << " " << c.targetCost << " " << c.delta);
    SetUp();
    advantages.RemoveAll();
    CChar_Ad_Disad& target = Add(advantages, Record(38, "AD", "Target", c.targetCost));
    const CChar_Ad_Disad record = Record(43, c.recordCategory, "Rule", 20.0);
    AdjustAdvantageCostPoints(character, advantages, record, 43, c.recordCategory, 20.0, 38, "B05", "AD", c.delta);
    EXPECT_EQ(target.GetCostWithExtra(), c.newTotal);
    EXPECT_EQ(SpentChange(), c.newTotal - c.targetCost);
  }
}

TEST_F(AdvantageCost, FractionCountsFullStepsOfTheCost) {
  struct Case {
    double recordCost;
    double step;
    double extraCost;
  };
  const std::vector<Case> cases = {
      {44.0, 15.0, -10.0}, {45.0, 15.0, -15.0}, {14.0, 15.0, 0.0},
      {100.0, 0.0, 0.0},  // no step: no full steps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.recordCost);
    SetUp();
    advantages.RemoveAll();
    CChar_Ad_Disad& target = Add(advantages, Record(38, "AD", "Target", 30.0));
    const CChar_Ad_Disad record = Record(31, "AD", "Rule", c.recordCost, 100.0);
    AdjustAdvantageCostFraction(character, advantages, record, 31, "AD", c.step, 38, "B05", "AD", -5.0);
    EXPECT_EQ(target.GetExtraCost(), c.extraCost);
    EXPECT_EQ(SpentChange(), c.extraCost);
  }
}

}  // namespace
}  // namespace zulparvo
