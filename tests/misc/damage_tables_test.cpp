#include "misc/damage_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace zulparvo {
namespace {

struct StDamage {
  int st;
  const char *thrust, *swing, *stepFive;
};

// Worked out by hand from the rules, one row for every ST from 1 to 40.
constexpr std::array<StDamage, 40> kByStrength{{
    {1, "0", "0", "1d-5"}, {2, "0", "0", "1d-5"}, {3, "0", "0", "1d-4"}, {4, "0", "0", "1d-4"},
    {5, "1d-5", "1d-5", "1d-4"}, {6, "1d-4", "1d-4", "1d-3"}, {7, "1d-3", "1d-3", "1d-3"}, {8, "1d-3", "1d-2", "1d-3"},
    {9, "1d-2", "1d-1", "1d-2"}, {10, "1d-2", "1d", "1d-2"}, {11, "1d-1", "1d+1", "1d-2"}, {12, "1d-1", "1d+2", "1d-1"},
    {13, "1d", "2d-1", "1d-1"}, {14, "1d", "2d", "1d-1"}, {15, "1d+1", "2d+1", "1d-1"}, {16, "1d+1", "2d+2", "1d"},
    {17, "1d+2", "3d-1", "1d"}, {18, "1d+2", "3d", "1d"}, {19, "2d-1", "3d+1", "1d"}, {20, "2d-1", "3d+2", "1d"},
    {21, "2d", "4d-1", "1d+1"}, {22, "2d", "4d", "1d+1"}, {23, "2d+1", "4d+1", "1d+1"}, {24, "2d+1", "4d+2", "1d+1"},
    {25, "2d+2", "5d-1", "1d+1"}, {26, "2d+2", "5d", "1d+2"}, {27, "3d-1", "5d+1", "1d+2"}, {28, "3d-1", "5d+2", "1d+2"},
    {29, "3d", "6d-1", "1d+2"}, {30, "3d", "6d", "1d+2"}, {31, "3d+1", "6d+1", "2d-1"}, {32, "3d+1", "6d+2", "2d-1"},
    {33, "3d+2", "7d-1", "2d-1"}, {34, "3d+2", "7d", "2d-1"}, {35, "4d-1", "7d+1", "2d-1"}, {36, "4d-1", "7d+2", "2d"},
    {37, "4d", "8d-1", "2d"}, {38, "4d", "8d", "2d"}, {39, "4d+1", "8d+1", "2d"}, {40, "4d+1", "8d+2", "2d"},
}};

TEST(DamageTables, TextsByStrength) {
  for (const StDamage& row : kByStrength) {
    SCOPED_TRACE(row.st);
    EXPECT_EQ(ThrustDamageText(row.st), row.thrust);
    EXPECT_EQ(SwingDamageText(row.st), row.swing);
    EXPECT_EQ(StepFiveDamageText(row.st), row.stepFive);
  }
}

TEST(DamageTables, NoStrengthDoesNoDamageAndTheLargestDoesNotOverflow) {
  for (int st : {0, -8, std::numeric_limits<int>::min()}) {
    EXPECT_EQ(ThrustDamageText(st) + SwingDamageText(st) + StepFiveDamageText(st), "000") << st;
  }
  constexpr int kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(ThrustDamageText(kMax), "268435455d+1");
  EXPECT_EQ(SwingDamageText(kMax), "536870910d+1");
  EXPECT_EQ(StepFiveDamageText(kMax), "107374182d+2");
}

TEST(DamageTables, AdjustDamageText) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const struct {
    const char *attack, *swing, *thrust;
    int modifier, step;
    const char* expected;
  } cases[] = {
      {"thr", "1d+2", "1d-1", -2, 3, "1d-3"}, {"thr", "1d+2", "2d+2", -2, 3, "2d"},
      {"thr+4", "", "1d", 0, 3, "2d+1"}, {"sw", "1d+2", "1d-1", -2, 3, "1d"},
      {"sw-1", "2d", "", 0, 3, "2d-1"},
      {"sw+9", "1d", "", 0, 3, "4d"},          // several dice carried at once
      {"sw+1", "1d+1", "", 0, 3, "1d+2"},      // below the step: no carry
      {"thr", "", "1d-3", -2, 3, "1d-5"},      // a negative total borrows no die
      {"sw", "12d+2", "", 3, 4, "13d+1"}, {"imp", "1d", "1d", 0, 3, ""},
      {"+2", "1d", "1d", 0, 3, ""},
      {"thr", "1d", "0", 0, 3, ""},            // no damage at all
      {"thr", "", "1d", 5, 0, "1d+5"},         // a step of 0 carries nothing
      {"thr+2147483647", "", "1d+5", 10, 1, "2147483647d"},  // held at the limits
      {"thr", "", "1d", kMax, kMax, "2d"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AdjustDamageText(c.attack, c.swing, c.thrust, c.modifier, c.step), c.expected)
        << c.attack << " " << c.swing << " " << c.thrust;
  }
}

}  // namespace
}  // namespace zulparvo
