// What the rule tables cannot show: amounts at the limits of their types, divisors of
// 0, the reading of a number in parentheses, and the search that the rules of a skill
// share.
#include "adjusters/adjuster_framework.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "adjusters/advantage_cost_adjusters.h"
#include "adjusters/attribute_adjusters.h"
#include "model/json/json_codec.h"

namespace zulparvo {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(Amounts, TruncateTowardZeroAndStopAtTheLimits) {
  const std::pair<double, int32_t> cases[] = {
      {7.9 / 2.0, 3},   {-7.9 / 2.0, -3}, {std::nan(""), 0},       {1e300, kMax},
      {-1e300, kMin},   {HUGE_VAL, kMax}, {-HUGE_VAL, kMin},       {2147483647.9, kMax}};
  for (const auto& [value, whole] : cases) EXPECT_EQ(TruncateToInt(value), whole) << value;
  EXPECT_EQ(DividedAmount(25.0, 0.0), 0);
  EXPECT_EQ(DividedAmount(-25.0, 10.0), -2);
}

TEST(Amounts, AddsSaturate) {
  CChar_Character character;
  const auto hardy = RecordFromJson(
      {{"class", "CChar_Ad_Disad"}, {"description", "Hardy (+99999999999)"}, {"level", 5}}, nullptr);
  auto& record = static_cast<CChar_Ad_Disad&>(*hardy);
  EXPECT_EQ(DescriptionBonus(record), kMax);
  EXPECT_EQ(DescriptionBonusPlusLevel(record), kMax);
  record.SetLevel(-5);
  EXPECT_EQ(DescriptionBonusPlusLevel(record), kMax - 5);

  character.SetHitPointBonus(kMax - 1);
  AddToField(character, kHitPointBonus, 5, record);
  EXPECT_EQ(character.GetHitPointBonus(), kMax);
  character.SetDodgeBonus(kMin + 1);
  RaiseField(character, kDodge, -5);
  EXPECT_EQ(character.GetDodgeBonus(), kMin);

  CChar_Skill_Base skill;
  skill.SetBonus(kMin);
  AddToBonus(skill, -1);
  EXPECT_EQ(skill.GetBonus(), kMin);
}

TEST(Amounts, NumberInTheFirstParentheses) {
  const std::pair<const char*, int32_t> cases[] = {
      {"Knack (2)", 2},     {"Knack (-3) (4)", -3}, {"Knack )(5)", 0},  {"Knack (6", 0},
      {"Knack 7)", 0},      {"Knack ()", 0},        {"Knack (x)", 0},   {"(99999999999)", kMax},
      {"(-99999999999)", kMin}};
  for (const auto& [text, number] : cases) EXPECT_EQ(ParenthesizedNumber(text), number) << text;
}

// The rules of one skill ask the search for the same advantages again and again; it
// finds the entries once, in list order, and the first of them that has the cost and
// sub-entry asked for.
TEST(AdvantageSearch, FirstMatchWinsWhateverWasAskedBefore) {
  const auto entry = [](const char* book, int id, const char* tag, double cost, int sub) {
    return Json{{"class", "CChar_Ad_Disad"}, {"identifier", id}, {"book_code", book}, {"category", tag},
                {"cost", cost}, {"sub_identifier", sub}, {"sub_book_code", "B30"}};
  };
  const auto character = CharacterFromJson({{"advantages",
                                             {entry("B05", 28, "RACAD", 10, 2),    // 0: another tag
                                              entry("B13", 28, "AD", 10, 2),       // 1: another book
                                              entry("B05", 28, "AD", 16, 2),       // 2
                                              entry("B05", 28, "AD", 10, 3),       // 3
                                              entry("B05", 28, "AD", 10, 2)}},     // 4
                                            {"disadvantages", {entry("B05", 66, "DISAD", -5, 0)}}});
  const AdvantageList& advantages = character->GetAdvantages();
  CChar_Skill_Base skill;
  SkillContext context(*character, skill);
  EXPECT_EQ(context.search.First({"B05", 28, "AD", 10.0, SubEntry{2, "B30"}}), advantages.GetAt(4));
  EXPECT_EQ(context.search.First({"B05", 28, "AD", {}, SubEntry{3, "B30"}}), advantages.GetAt(3));
  EXPECT_EQ(context.search.First({"B05", 28, "AD"}), advantages.GetAt(2));
  EXPECT_EQ(context.search.First({"B05", 28, "AD", 10.0, SubEntry{2, "B13"}}), nullptr);
  EXPECT_EQ(context.search.First({kAnyBook, 28, "AD"}), advantages.GetAt(1));
  EXPECT_EQ(context.search.Entries({"B05", 28, "AD"}).size(), 3u);
  EXPECT_EQ(context.search.First({"B05", 66, "DISAD"}), character->GetDisadvantages().GetAt(0));
  EXPECT_EQ(context.search.First({"B05", 66, "AD"}), nullptr);
}

// A row of a disadvantage moves the targets' costs up and stops them at 0 from below; a
// cost already above 0 stays. (The tables hold such rows for advantages only.)
TEST(AdjustAdvantageCost, ForADisadvantageStopsAtZeroFromBelow) {
  const auto target = [](double cost) {
    return Json{{"class", "CChar_Ad_Disad"}, {"identifier", 38}, {"book_code", "B05"}, {"category", "AD"},
                {"cost", cost}};
  };
  const auto character = CharacterFromJson({{"advantages", {target(-3), target(-20), target(4)}}});
  const auto record = RecordFromJson({{"class", "CChar_Ad_Disad"}, {"identifier", 9}, {"category", "DISAD"},
                                      {"cost", -10}},
                                     nullptr);
  AdvantageContext context{*character, static_cast<CChar_Ad_Disad&>(*record)};
  Apply(context, AdjustAdvantageCost{.record = {9, "DISAD"}, .cost = -15.0, .target = {"B05", 38, "AD"},
                                     .costDelta = 5.0});
  const AdvantageList& targets = character->GetAdvantages();
  EXPECT_EQ(targets.GetAt(0)->GetCostWithExtra(), 0.0);
  EXPECT_EQ(targets.GetAt(1)->GetCostWithExtra(), -15.0);
  EXPECT_EQ(targets.GetAt(2)->GetCostWithExtra(), 4.0);
  EXPECT_EQ(character->GetPointsSpent(), 8.0);
}

}  // namespace
}  // namespace zulparvo
