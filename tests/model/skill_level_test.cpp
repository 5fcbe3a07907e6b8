// Levels, steps and costs of the skill family.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "model/enhancement_limitation.h"
#include "model/skill_base.h"
#include "model/skill_default.h"
#include "model/skill_default_display_only.h"
#include "model/skill_maneuver.h"
#include "model/skill_martial_arts_maneuver.h"
#include "model/skill_ritual.h"
#include "model/skill_super_power.h"
#include "model/records.h"

namespace zulparvo::testing {
namespace {

// Distinct attributes, so that a wrong choice of attribute shows.
constexpr int kST = 11, kDX = 12, kIQ = 13, kHT = 14;

// Skill types by difficulty code.
enum SkillType : int32_t {
  kNoType = 0, kPE = 1, kPA = 2, kPH = 3, kME = 4, kMA = 5, kMH = 6, kMVH = 7, kHPE = 8,
  kHME = 11, kSPA = 16, kPME = 18, kPMVH = 21, kSMH = 24, kHRD = 26, kAVG = 27, kFRE = 28, kSPC = 29,
};

template <class Skill = CChar_Skill_Base>
Skill MakeSkill(int32_t type, double points, Json more = Json::object()) {
  more["skill_type"] = type;
  more["points"] = points;
  return Make<Skill>(more);
}

int LevelOf(int32_t type, double points, int mode = 0) {
  CChar_Skill_Base skill = MakeSkill(type, points);
  skill.ComputeLevel(mode, kST, kDX, kIQ, kHT);
  EXPECT_TRUE(skill.GetPoints() == points || points != points);  // the mode multiplies a copy only
  return skill.GetLevel();
}

TEST(SkillDifficulty, CodesByTypeAndOutOfRange) {
  EXPECT_EQ(CChar_Skill_Base::GetDifficultyCode(1), "PE");
  EXPECT_EQ(CChar_Skill_Base::GetDifficultyCode(29), "SPC");
  for (int32_t type : {0, 30, std::numeric_limits<int32_t>::min()}) {
    EXPECT_EQ(CChar_Skill_Base::GetDifficultyCode(type), "NONE") << type;
  }
}

// Each row of the level table with near misses between its listed points, the attribute
// that each prefix selects, and modes 1 and 2 doubling and quadrupling mental points only.
TEST(SkillLevel, TableByCodePointsAndMode) {
  struct Case { int32_t type; double points; int mode; int expected; };
  const Case cases[] = {
      {kPE, 0.5, 0, 11}, {kPE, 1, 0, 12}, {kPE, 2, 0, 13}, {kPE, 16, 0, 16}, {kPE, 3, 0, 0}, {kPE, 0, 0, 0},
      {kPE, 1.5, 0, 0},  {kPE, 12.9, 0, 15}, {kPA, 0.5, 0, 10}, {kPA, 24, 0, 16}, {kPH, 0.5, 0, 9}, {kPH, 8, 0, 13},
      {kPH, 3.5, 0, 0},  {kME, 0.5, 0, 12}, {kME, 1.5, 0, 13}, {kME, 4, 0, 15}, {kME, 0.75, 0, 0},
      {kMA, 6, 0, 15},   {kMH, 8, 0, 15},  {kMVH, 0.5, 0, 9}, {kMVH, 8, 0, 13}, {kMVH, 1.5, 0, 0},
      {kHPE, 2, 0, 15},  {kHME, 1, 0, 14}, {kSPA, 4, 0, 12}, {kSMH, 1, 0, 9},  // HT, HT, ST, ST
      {kPME, 4, 0, 14},  {kPMVH, 2, 0, 10},                                  // DX with the mental rows
      {kAVG, 0.5, 0, 1}, {kAVG, 4, 0, 4},  {kAVG, 0, 0, 0}, {kHRD, 1, 0, 1}, {kHRD, 5, 0, 3}, {kHRD, 0.5, 0, 0},
      {kFRE, 4, 0, 0},   {kSPC, 4, 0, 0},  {kNoType, 1, 0, 0}, {99, 4, 0, 0},
      {kMA, 1, 1, 13},   {kMA, 1, 2, 14},  {kMA, 1, 3, 12}, {kPME, 1, 1, 13}, {kHME, 1, 2, 16}, {kSMH, 1, 1, 10},
      {kPE, 2, 2, 13},   {kHPE, 2, 1, 15}, {kAVG, 1, 2, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LevelOf(c.type, c.points, c.mode), c.expected)
        << "type " << c.type << ", points " << c.points << ", mode " << c.mode;
  }
}

// Points from a damaged file may be any real; the whole part is taken within the range
// of an integer and the level saturates instead of overflowing.
TEST(SkillLevel, OutlandishPointsAndAttributesStayDefined) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr int kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(LevelOf(kPE, 1e300), kDX + kMax / 8 + 2);
  EXPECT_EQ(LevelOf(kME, inf, 2), kIQ + kMax / 2);
  EXPECT_EQ(LevelOf(kPE, nan), 0);
  EXPECT_EQ(MakeSkill(kPE, nan).GetStepCount(0), 0);
  EXPECT_EQ(LevelOf(kPE, -1e300), 0);
  EXPECT_EQ(MakeSkill(kMVH, inf).GetStepCount(0), kMax / 4 + 3);

  CChar_Skill_Base skill = MakeSkill(kPE, 1e300);
  skill.ComputeLevel(0, kST, kMax, kIQ, kHT);
  EXPECT_EQ(skill.GetLevel(), kMax);
  skill.SetBonus(kMax);
  EXPECT_EQ(skill.GetTotalLevel(), kMax);
}

TEST(SkillSteps, StepCountAndRelativeLevel) {
  struct Case { int32_t type; double points; int mode; int steps; int relative; };
  const Case cases[] = {
      // The first steps are the same for every code.
      {kPE, 0, 0, 0, 0},   {kPE, 0.5, 0, 1, -1}, {kPE, 1, 0, 2, 0},  {kPE, 8, 0, 5, 3},   {kPE, 3, 0, 0, 0},
      {kPH, 16, 0, 6, 2},  {kME, 1.5, 0, 0, 0},  {kME, 6, 0, 5, 3},  {kMA, 4, 0, 4, 1},   {kME, 1, 2, 4, 2},
      {kMVH, 2, 0, 3, -2}, {kPMVH, 12, 0, 6, 1}, {kAVG, 1, 0, 2, 0}, {kAVG, 4, 0, 0, 0},  {kHRD, 8, 0, 0, 0},
      {kNoType, 2, 0, 3, 0},
  };
  for (const Case& c : cases) {
    const CChar_Skill_Base skill = MakeSkill(c.type, c.points);
    SCOPED_TRACE(::testing::Message() << "type " << c.type << ", points " << c.points);
    EXPECT_EQ(skill.GetStepCount(c.mode), c.steps);
    EXPECT_EQ(skill.GetRelativeLevel(c.mode), c.relative);
  }
}

// A default on an attribute: the attribute's value, plus the steps of the own points.
TEST(DefaultSkillLevel, DefaultOnAnAttribute) {
  struct Case { const char* source; int32_t sourceId; double ownPoints; int expected; };
  const Case cases[] = {
      {"DX", -1, 0, kDX}, {"ST", -1, 0, kST}, {"IQ", -1, 1, kIQ + 2}, {"HT", -1, 2, kHT + 3},
      {"DX", 7, 0, 5},     // not an attribute default: 0 - (-5)
      {"dx", -1, 0, 5},    // attribute names are compared exactly
  };
  for (const Case& c : cases) {
    auto skill = MakeSkill<CChar_Skill_Default>(kPE, c.ownPoints, {{"default_source_identifier", c.sourceId},
                                                                  {"default_source", c.source},
                                                                  {"default_modifier", -5}, {"bonus", 4}});
    skill.ComputeLevel(0, kST, kDX, kIQ, kHT);
    EXPECT_EQ(skill.GetLevel(), c.expected) << c.source << " " << c.sourceId;
    EXPECT_EQ(skill.GetTotalLevel(), c.expected - 5);
  }
}

// A default on a skill: the level of the default points less the modifier, plus steps.
TEST(DefaultSkillLevel, DefaultOnASkillAndDisplayOnlyAlike) {
  const Json defaultOn = {{"default_source_identifier", 42}, {"default_source", "Broadsword"},
                         {"default_points", 2}, {"default_modifier", -2}};
  auto skill = MakeSkill<CChar_Skill_Default>(kPA, 0.5, defaultOn);
  auto shown = MakeSkill<CChar_Skill_Default_DisplayOnly>(kPA, 0.5, defaultOn);
  for (CChar_Skill_Default* record : {static_cast<CChar_Skill_Default*>(&skill), static_cast<CChar_Skill_Default*>(&shown)}) {
    record->ComputeLevel(0, kST, kDX, kIQ, kHT);
    EXPECT_EQ(record->GetLevel(), 12 + 2 + 1) << record->GetType();
    EXPECT_EQ(record->GetTotalLevel(), 13) << record->GetType();
  }
}

TEST(ManeuverLevel, PointsAndDefaultPointsGiveTheBonus) {
  struct Case { int32_t sourceId; const char* source; int level; };
  for (const Case& c : {Case{-1, "DX", kDX}, Case{-1, "Karate", 13}, Case{5, "ST", 13}}) {
    auto maneuver = MakeSkill<CChar_Skill_MartialArtsManeuver>(
        kPA, 2, {{"default_points", 2}, {"default_source_identifier", c.sourceId}, {"default_source", c.source}});
    maneuver.ComputeLevel(0, kST, kDX, kIQ, kHT);
    EXPECT_EQ(maneuver.GetBonus(), 13) << c.source;  // 4 points of "PA" at DX 12
    EXPECT_EQ(maneuver.GetLevel(), c.level) << c.source;
    EXPECT_EQ(maneuver.GetPoints(), 2.0);
  }
}

TEST(RitualLevel, StoredLevelRaisedByStepsWithoutAttributes) {
  auto ritual = MakeSkill<CChar_Skill_Ritual>(kME, 2, {{"level", 5}});
  ritual.ComputeLevel(0, kST, kDX, kIQ, kHT);
  EXPECT_EQ(ritual.GetLevel(), 5 + 3);
  ritual.SetLevel(5);
  ritual.ComputeLevel(2, 0, 0, 0, 0);  // 8 points for a mental code
  EXPECT_EQ(ritual.GetLevel(), 5 + 6);
}

TEST(SuperPowerCost, RestoreRecomputesFromLevelsAndModifiers) {
  struct Modifier { double value; int32_t kind; };
  struct Case {
    int32_t powerLevel;
    double firstLevelCost, costPerLevel;
    std::vector<Modifier> enhancements, limitations;
    double expected;
  };
  const Case cases[] = {
      {3, 10, 5, {}, {}, 20},                       // (3 - 1) x 5 + 10
      {3, -1, 5, {}, {}, 15},                       // a negative first-level cost: 3 x 5
      {3, 10, 5, {{5, 2}, {10, 0}}, {}, 27.5},      // points modifiers are flat; the percentage applies to 25
      {3, 10, 5, {{30, 0}}, {{-10, 1}}, 24},        // both lists are summed alike
      {3, 10, 5, {}, {{-80, 0}}, 5},                // -80 % is taken as -75 %
      {1, 23, 0, {{10, 0}}, {}, 25.5},              // 2.3 is rounded up to 2.5
      {1, 23, 0, {}, {{-10, 0}}, 20.5},             // -2.3 is rounded to -2.5
      {2, 10, 4, {{20, 0}}, {{-20, 0}}, 14},        // percentages cancelling: no rounding
  };
  for (const Case& c : cases) {
    Json fields = {{"power_level", c.powerLevel}, {"first_level_cost", c.firstLevelCost},
                   {"cost_per_level", c.costPerLevel}, {"saved_points", 9}, {"enhancements", Json::array()},
                   {"limitations", Json::array()}};
    for (const auto& [key, modifiers] : {std::pair{"enhancements", &c.enhancements}, {"limitations", &c.limitations}}) {
      for (const Modifier& m : *modifiers) {
        fields[key].push_back({{"class", "CChar_Enhancement_Limitation"}, {"value", m.value}, {"kind", m.kind}});
      }
    }
    auto power = Make<CChar_Skill_SuperPower>(fields);
    power.Restore();
    EXPECT_DOUBLE_EQ(power.GetPowerCost(), c.expected) << "level " << c.powerLevel << ", expected " << c.expected;
    EXPECT_EQ(power.GetPoints(), 9.0);
  }
}

}  // namespace
}  // namespace zulparvo::testing
