// The advantage and disadvantage rules of books B15, B34, B06, B48 and B46, each reached
// through the entry point as the host reaches it: which rows fire, in which order, and
// the near misses.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"
#include "model/json/json_codec.h"
#include "frame/entry_points.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::MakeRecord;
using testing::RecordSpec;
using testing::Texts;
using Log = std::vector<CString>;

constexpr int32_t kForce = 1 << 28;

// Skills that the rows of these books reach, and some that they must pass over.
CChar_Character MakeCharacter() {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  AddDisplayOnly(skills, {.book = "B46", .identifier = 4, .name = "Shown Push", .groups = kForce});
  AddSkill(skills, {.book = "B15", .identifier = 61, .name = "B15-61"});
  AddSkill(skills, {.book = "B05", .identifier = 61, .name = "B05-61"});
  AddSkill(skills, {.book = "B46", .identifier = 4, .name = "Push", .groups = kForce});
  AddSkill(skills, {.book = "B13", .identifier = 9, .name = "Leap", .groups = kForce | 1});
  AddSkill(skills, {.book = "B46", .identifier = 5, .name = "Piloting", .groups = 1});
  return character;
}

int RunThroughEntryPoint(CChar_Character& character, const RecordSpec& wanted) {
  CChar_Ad_Disad record = MakeRecord(wanted);
  return speccalc_DoSpecialCalcAdProc(&character, &record, 1, false);
}

struct Case {
  const char* name;
  RecordSpec record;
  Log log;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class OtherBookRows : public ::testing::TestWithParam<Case> {};

TEST_P(OtherBookRows, FireInTableOrder) {
  CChar_Character character = MakeCharacter();
  const std::string before = RecordToJson(character).dump();
  EXPECT_EQ(RunThroughEntryPoint(character, GetParam().record), 1);
  EXPECT_EQ(Texts(character.GetChangeLog()), GetParam().log);
  if (GetParam().log.empty()) {
    EXPECT_EQ(RecordToJson(character).dump(), before);
  }
}

RecordSpec Force(double baseCost, int32_t subIdentifier, CString subBook = "B46", CString category = "AD") {
  return {.identifier = 3, .category = std::move(category), .description = "Force Adept", .baseCost = baseCost,
          .book = "B46", .subIdentifier = subIdentifier, .subBook = std::move(subBook)};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OtherBookRows,
    ::testing::Values(
        // The fright check gains 2 for both identifiers, the other rows 2 and 3.
        Case{"B15CombatSenseTwo",
             {.identifier = 2, .description = "Battle Sense", .book = "B15"},
             {"+2 to B15-61 from Battle Sense", "+2 to Dodge from Battle Sense", "+2 to Parry from Battle Sense",
              "+2 to Block from Battle Sense", "+2 to Fright Check from Battle Sense"}},
        Case{"B15CombatSenseThree",
             {.identifier = 3, .description = "Battle Sense", .book = "B15"},
             {"+3 to B15-61 from Battle Sense", "+3 to Dodge from Battle Sense", "+3 to Parry from Battle Sense",
              "+3 to Block from Battle Sense", "+2 to Fright Check from Battle Sense"}},
        Case{"B15RacialAdvantage", {.identifier = 3, .category = "RACAD", .book = "B15"}, {}},
        Case{"B15HearingFromDescription",
             {.identifier = 2, .category = "DISAD", .description = "Dull Ears (-3)", .book = "B15"},
             {"-3 to Hearing Check from Dull Ears (-3)"}},
        Case{"B15SmellFromDescription",
             {.identifier = 3, .category = "DISAD", .description = "Dull Nose (-2)", .book = "B15"},
             {"-2 to Smell/Taste Check from Dull Nose (-2)"}},
        Case{"B15RacialDisadvantage",
             {.identifier = 3, .category = "RACDISAD", .description = "Dull Nose (-2)", .book = "B15"},
             {}},
        // The spell fatigue bonus counts the level; the perception check does not.
        Case{"B34SpellFatigue",
             {.identifier = 1, .description = "Mana Well (+2)", .level = 1, .book = "B34"},
             {"+3 to Spell Fatigue Bonus from Mana Well  (+3)"}},
        Case{"B34Perception",
             {.identifier = 1, .category = "DISAD", .description = "Dreamy (-2)", .level = -1, .book = "B34"},
             {"-2 to Perception Check from Dreamy  (-3)"}},
        Case{"B06Disadvantage", {.identifier = 3, .category = "DISAD", .description = "X (-2)", .book = "B06"}, {}},
        Case{"B46ForceLevel3",
             Force(35.0, 3),
             {"+3 to All Force Skills from Force Adept", "+3 to Push from Force Adept", "+3 to Leap from Force Adept"}},
        Case{"B46CostAndSubEntryDisagree", Force(25.0, 1), {}},
        Case{"B46SubEntryOfAnotherBook", Force(25.0, 2, "B05"), {}},
        Case{"B46Racial", Force(25.0, 2, "B46", "RACAD"), {}}),
    [](const ::testing::TestParamInfo<Case>& entry) { return entry.param.name; });

// These two rows change the character without a message, and only for a racial
// advantage.
TEST(OtherBooks, RacialSpeedAndMoveRowsWriteSilently) {
  struct SilentCase {
    const char* name;
    RecordSpec record;
    double basicSpeedBonus;
    double moveMultiplier;
  };
  const std::vector<SilentCase> cases = {
      {"B06 two whole levels",
       {.identifier = 3, .category = "RACAD", .baseCost = 25.0, .costPerLevel = 10.0, .book = "B06"},
       0.5,
       1.0},
      {"B06 as an advantage",
       {.identifier = 3, .category = "AD", .baseCost = 25.0, .costPerLevel = 10.0, .book = "B06"},
       0.0,
       1.0},
      {"B48 halves the move", {.identifier = 4, .category = "RACAD", .book = "B48"}, 0.0, 0.5},
      {"B48 as an advantage", {.identifier = 4, .category = "AD", .book = "B48"}, 0.0, 1.0},
  };
  for (const SilentCase& c : cases) {
    SCOPED_TRACE(c.name);
    CChar_Character character;
    character.SetMoveMultiplier(1.0);
    EXPECT_EQ(RunThroughEntryPoint(character, c.record), 1);
    EXPECT_EQ(character.GetBasicSpeedBonus(), c.basicSpeedBonus);
    EXPECT_EQ(character.GetMoveMultiplier(), c.moveMultiplier);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

}  // namespace
}  // namespace zulparvo
