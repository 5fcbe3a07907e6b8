// Cost, levels and shown names of advantage and disadvantage records.
#include "model/ad_disad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "model/enhancement_limitation.h"
#include "model/records.h"

namespace zulparvo::testing {
namespace {

struct Modifier {
  double value;
  int32_t kind;
  bool limitation;  // which list it goes in; the cost treats both alike
};

struct CostCase {
  const char* name;
  double baseCost;
  std::vector<Modifier> modifiers;
  double cost;
};

TEST(AdDisadCost, RecomputeCost) {
  constexpr int32_t kPercent = 0;
  constexpr int32_t kPoints = CChar_Enhancement_Limitation::kFlatPoints;
  const CostCase cases[] = {
      {"no modifiers", 10.0, {}, 10.0},
      {"percentage", 20.0, {{50.0, kPercent, false}}, 30.0},
      {"limitation capped at -75 %", 20.0, {{-80.0, kPercent, true}}, 5.0},
      {"cap applies to the sum of both lists", 20.0, {{-40.0, kPercent, true}, {-40.0, kPercent, false}}, 5.0},
      {"percentages cancelling", 11.0, {{50.0, kPercent, false}, {-50.0, kPercent, true}}, 11.0},
      {"kind 2 adds points", 10.0, {{5.0, kPoints, false}}, 15.0},
      {"kind 2 negative points", 10.0, {{-3.0, kPoints, true}}, 7.0},
      {"percentage over base plus points", 10.0, {{5.0, kPoints, false}, {20.0, kPercent, false}}, 18.0},
      {"other kinds are percentages", 10.0, {{10.0, 1, false}, {10.0, 7, false}}, 12.0},
      {"adjustment rounds up to half", 13.0, {{10.0, kPercent, false}}, 14.5},
      {"adjustment rounds up to whole", 17.0, {{10.0, kPercent, false}}, 19.0},
      {"negative adjustment rounds away from zero", 13.0, {{-10.0, kPercent, true}}, 11.5},
      {"disadvantage", -20.0, {{-50.0, kPercent, true}}, -10.0},
      {"disadvantage rounding", -13.0, {{10.0, kPercent, false}}, -14.5},
  };
  for (const CostCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto record = Make<CChar_Ad_Disad>({{"base_cost", c.baseCost}});
    for (const Modifier& m : c.modifiers) {
      const auto modifier = Make<CChar_Enhancement_Limitation>({{"value", m.value}, {"kind", m.kind}});
      if (m.limitation) {
        record.AddLimitation(modifier);
      } else {
        record.AddEnhancement(modifier);
      }
    }
    record.RecomputeCost();
    EXPECT_DOUBLE_EQ(record.GetCost(), c.cost);
    // The computation starts from the base cost each time.
    record.RecomputeCost();
    EXPECT_DOUBLE_EQ(record.GetCost(), c.cost);
    EXPECT_DOUBLE_EQ(record.GetBaseCost(), c.baseCost);
  }
}

TEST(AdDisadCost, LevelsFromCost) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    double baseCost;
    double costPerLevel;
    int32_t levels;
  };
  const Case cases[] = {
      {25.0, 10.0, 2},   {30.0, 10.0, 3},    {-15.0, -5.0, 3}, {-25.0, 10.0, -2}, {5.0, 10.0, 0},
      {5.0, 0.0, 0},     {5.0, -0.0, 0},     {0.0, 0.0, 0},    {5.0, kNaN, 0},    {kNaN, 5.0, 0},
      {kInf, 5.0, std::numeric_limits<int32_t>::max()},        {1e300, -1e-10, std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.baseCost) + " / " + std::to_string(c.costPerLevel));
    auto record = Make<CChar_Ad_Disad>({{"base_cost", c.baseCost}, {"cost_per_level", c.costPerLevel}});
    EXPECT_EQ(record.GetLevelsFromCost(), c.levels);
  }
}

TEST(AdDisadDisplayName, LevelIsAddedToTheBonusInParentheses) {
  struct Case {
    const char* description;
    int32_t level;
    const char* shown;
  };
  const Case cases[] = {
      {"Keen Ears", 0, "Keen Ears"},
      {"Name (+2)", 0, "Name (+2)"},
      {"Keen Ears", 2, "Keen Ears (+2)"},
      {"Name (+2)", 3, "Name  (+5)"},
      {"Name(+2)", 1, "Name (+3)"},
      {"Bad Temper (-3)", 1, "Bad Temper  (-2)"},
      {"Bad Temper (-3)", -1, "Bad Temper  (-4)"},
      {"Keen Ears", -2, "Keen Ears (-2)"},
      {"Name (+2)", -2, "Name  (+0)"},
      {"Rank ( 4 levels)", 1, "Rank  (+5)"},
      {"Rank (Major)", 1, "Rank  (+1)"},
      {"(+2)", 1, " (+3)"},
      {"", 2, " (+2)"},
      {"Name (+2", 1, "Name  (+1)"},
      {"Name (", 1, "Name  (+1)"},
      {"Name) x (+4)", 1, "Name) x  (+5)"},
      {"Name)(", 1, "Name) (+1)"},
      {"Huge (+99999999999999999999)", 1, "Huge  (+2147483648)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.description) + " at level " + std::to_string(c.level));
    auto record = Make<CChar_Ad_Disad>({{"description", c.description}, {"level", c.level}});
    EXPECT_EQ(record.GetDisplayName(), c.shown);
  }
}

TEST(AdDisadDisplayName, CacheFollowsTheLevel) {
  auto record = Make<CChar_Ad_Disad>({{"description", "Keen Ears (+1)"}});
  EXPECT_EQ(record.GetDisplayName(), "Keen Ears (+1)");
  record.SetLevel(2);
  EXPECT_EQ(record.GetDisplayName(), "Keen Ears  (+3)");
  // Asking again does not add the level a second time.
  EXPECT_EQ(record.GetDisplayName(), "Keen Ears  (+3)");
  record.SetLevel(0);
  EXPECT_EQ(record.GetDisplayName(), "Keen Ears (+1)");
}

TEST(EnhancementLimitation, TypeBySignOfValue) {
  EXPECT_EQ(CChar_Enhancement_Limitation(1, 0.0, "", "", "").GetType(), "ENH");
  EXPECT_EQ(CChar_Enhancement_Limitation(1, 10.0, "", "", "").GetType(), "ENH");
  EXPECT_EQ(CChar_Enhancement_Limitation(1, -0.5, "", "", "").GetType(), "LIM");
  EXPECT_EQ(CChar_Enhancement_Limitation(1, -5.0, "", "", "", 2).GetType(), "LIM");
}

}  // namespace
}  // namespace zulparvo::testing
