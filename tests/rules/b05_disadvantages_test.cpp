// The disadvantage rules of book B05: which rows fire for a record, in which order, the
// near misses that must not fire, and the movement disadvantage with its skill penalty.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "adjusters/bonus_adjuster_test_support.h"
#include "model/json/json_codec.h"
#include "base/book_codes.h"
#include "frame/entry_points.h"
#include "rules/rule_tables.h"

namespace zulparvo {
namespace {

using testing::AddDisplayOnly;
using testing::AddHeading;
using testing::AddSkill;
using testing::RecordSpec;
using testing::Texts;
using Log = std::vector<CString>;

constexpr int32_t kCombatWeapon = 1 << 3;
constexpr int32_t kMelee = 1 << 25;
constexpr int32_t kBlock = 1 << 27;

// A B05 disadvantage; `wanted` names only the fields a case is about.
CChar_Ad_Disad Basic(RecordSpec wanted) {
  wanted.book = CString(BOOK_05);
  return testing::MakeRecord(wanted);
}

RecordSpec Disadvantage(int32_t identifier, CString description) {
  return {.identifier = identifier, .category = "DISAD", .description = std::move(description), .baseCost = -10.0};
}

// The skills that the rows name, each named by its book and number ("B05-122") so that
// a message tells which row gave it; a skill of the same number from another book; and
// skills chosen by their groups.
CChar_Character MakeCharacter() {
  CChar_Character character;
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  AddDisplayOnly(skills, {.identifier = 169, .name = "Shown B05-169", .groups = kCombatWeapon | kMelee});
  const std::vector<std::pair<CString, int>> named = {
      {"B05", 169}, {"B13", 169}, {"B05", 53},  {"B05", 122}, {"B05", 40},  {"B05", 104}, {"B05", 171},
      {"B05", 107}, {"B05", 37},  {"B15", 1},   {"B05", 93},  {"B05", 98},  {"B05", 76},  {"B05", 146},
      {"B05", 52},  {"B05", 142}, {"B05", 163}, {"B05", 21},  {"B05", 115}, {"B05", 128}, {"B05", 148},
      {"B05", 190}, {"B05", 193}, {"B05", 196}, {"B05", 200}, {"B05", 201}, {"B05", 2},   {"B05", 18},
      {"B05", 38},  {"B05", 51},  {"B05", 62},  {"B05", 96},  {"B05", 126}, {"B05", 136}, {"B05", 141},
      {"B05", 160}, {"B05", 165}, {"B13", 2}};
  for (const auto& [book, identifier] : named) {
    AddSkill(skills, {.book = book, .identifier = identifier, .name = book + "-" + std::to_string(identifier)});
  }
  AddSkill(skills, {.identifier = 501, .name = "Axe", .groups = kCombatWeapon});
  AddSkill(skills, {.identifier = 502, .name = "Broadsword", .groups = kCombatWeapon | kMelee});
  return character;
}

int RunThroughEntryPoint(CChar_Character& character, CChar_Ad_Disad& record) {
  return speccalc_DoSpecialCalcAdProc(&character, &record, 1, false);
}

struct FiringCase {
  const char* name;
  RecordSpec record;
  Log log;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const FiringCase& c, std::ostream* out) { *out << c.name; }

class B05DisadvantageRows : public ::testing::TestWithParam<FiringCase> {};

TEST_P(B05DisadvantageRows, FireInTableOrder) {
  CChar_Character character = MakeCharacter();
  CChar_Ad_Disad record = Basic(GetParam().record);
  EXPECT_EQ(RunThroughEntryPoint(character, record), 1);
  EXPECT_EQ(Texts(character.GetChangeLog()), GetParam().log);
}

RecordSpec WithSubEntry(RecordSpec wanted, int32_t subIdentifier, CString subBook) {
  wanted.subIdentifier = subIdentifier;
  wanted.subBook = std::move(subBook);
  return wanted;
}

RecordSpec AtCost(RecordSpec wanted, double baseCost) {
  wanted.baseCost = baseCost;
  return wanted;
}

RecordSpec AtLevel(RecordSpec wanted, int32_t level) {
  wanted.level = level;
  return wanted;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, B05DisadvantageRows,
    ::testing::Values(
        FiringCase{"ReactionByOption",
                   WithSubEntry(Disadvantage(6, "Ugly"), 3, "B05"),
                   {"-4 to Reaction from Ugly", "-4 to Reaction (Opposite Sex) from Ugly"}},
        FiringCase{"CombatGroupThenNamedSkill",
                   Disadvantage(10, "Blind"),
                   {"-6 to Axe from Blind", "-6 to Broadsword from Blind", "-6 to B05-169 from Blind"}},
        FiringCase{"DeafAlone",
                   Disadvantage(19, "Deaf"),
                   {"-3 to B05-93 from Deaf", "+3 to B05-98 from Deaf", "+3 to B05-76 from Deaf",
                    "+3 to B05-146 from Deaf", "-1000 to Hearing Check from Deaf"}},
        FiringCase{"BasicSpeed", Disadvantage(23, "Slow"), {"-1 to Basic Speed from Slow"}},
        FiringCase{"NoSenseOfSmell", Disadvantage(49, "Anosmia"), {"-1000 to Smell/Taste Check from Anosmia"}},
        FiringCase{"OneEyed",
                   Disadvantage(52, "One Eye"),
                   {"-3 to Axe from One Eye", "-3 to Broadsword from One Eye", "-3 to B05-122 from One Eye",
                    "-3 to B05-53 from One Eye", "-3 to B05-107 from One Eye", "-3 to B05-21 from One Eye",
                    "-3 to B05-115 from One Eye", "-3 to B05-128 from One Eye", "-3 to B05-148 from One Eye",
                    "-3 to B05-169 from One Eye", "-3 to B05-190 from One Eye", "-3 to B05-193 from One Eye",
                    "-3 to B05-196 from One Eye", "-3 to B05-200 from One Eye", "-3 to B05-201 from One Eye",
                    "-3 to B15-1 from One Eye"}},
        // The amount comes from the shown name, which carries the level: "Odious Habit  (-3)".
        FiringCase{"ReactionFromShownName",
                   AtLevel(Disadvantage(63, "Odious Habit (-2)"), -1),
                   {"-3 to Reaction from Odious Habit  (-3)", "-3 to Reaction (Opposite Sex) from Odious Habit  (-3)"}},
        FiringCase{"ReactionOfNameWithoutBonus",
                   Disadvantage(63, "Odious Habit"),
                   {"+0 to Reaction from Odious Habit", "+0 to Reaction (Opposite Sex) from Odious Habit"}},
        FiringCase{"FourChecksFromDescription",
                   Disadvantage(76, "Cowardice (-2)"),
                   {"-2 to Will Check from Cowardice (-2)", "-2 to Fright Check from Cowardice (-2)",
                    "-2 to Mental Stun Check from Cowardice (-2)", "-2 to Physical Stun Check from Cowardice (-2)"}}),
    [](const ::testing::TestParamInfo<FiringCase>& entry) { return entry.param.name; });

// Each of the two hearing disadvantages keeps the other's bonus to skills 76 and 146
// from being given twice; a racial one does not count.
TEST(B05Disadvantages, DeafnessBonusesGoOnlyToTheFirstOfTwo) {
  struct Case {
    int32_t identifier;
    int32_t other;
    const char* otherCategory;
    Log log;
  };
  const std::vector<Case> cases = {
      {19, 48, "DISAD", {"-3 to B05-93 from Deaf", "+3 to B05-98 from Deaf", "-1000 to Hearing Check from Deaf"}},
      {48, 19, "DISAD", {}},
      {48, 19, "RACDISAD", {"+3 to B05-76 from Deaf", "+3 to B05-146 from Deaf"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.identifier);
    CChar_Character character = MakeCharacter();
    character.AddAdDisad(c.otherCategory, Basic(Disadvantage(c.other, "Other")));
    CChar_Ad_Disad record = Basic(Disadvantage(c.identifier, "Deaf"));
    EXPECT_TRUE(DisadvantageRulesB05(character, record, false));
    EXPECT_EQ(Texts(character.GetChangeLog()), c.log);
  }
}

// Twelve skills, lowered by one or two by the cost.
TEST(B05Disadvantages, SkillsLoseByCost) {
  for (const auto& [cost, amount] : {std::pair{-5.0, "-1"}, std::pair{-10.0, "-2"}}) {
    CChar_Character character = MakeCharacter();
    CChar_Ad_Disad record = Basic(AtCost(Disadvantage(66, "Illiterate"), cost));
    EXPECT_TRUE(DisadvantageRulesB05(character, record, false));
    ASSERT_EQ(character.GetChangeLog().GetSize(), 12u);
    EXPECT_EQ(character.GetChangeLog().GetAt(0), CString(amount) + " to B05-2 from Illiterate");
    EXPECT_EQ(character.GetChangeLog().GetAt(6), CString(amount) + " to B05-104 from Illiterate");
    EXPECT_EQ(character.GetChangeLog().GetAt(11), CString(amount) + " to B05-165 from Illiterate");
  }
}

TEST(B05Disadvantages, NearMissesChangeNothing) {
  const std::vector<std::pair<const char*, RecordSpec>> cases = {
      {"option one step off", WithSubEntry(Disadvantage(6, "Ugly"), 6, "B05")},
      {"option of another book", WithSubEntry(Disadvantage(6, "Ugly"), 3, "B13")},
      {"racial", {.identifier = 19, .category = "RACDISAD", .description = "Deaf"}},
      {"racial movement", WithSubEntry({.identifier = 42, .category = "RACDISAD", .description = "Lame"}, 1, "B05")},
      {"cost between the two", AtCost(Disadvantage(66, "Illiterate"), -7.5)},
      {"cost beyond the two", AtCost(Disadvantage(66, "Illiterate"), -15.0)},
      {"no row", Disadvantage(65, "Odious Habit (-2)")},
  };
  for (const auto& [name, wanted] : cases) {
    SCOPED_TRACE(name);
    CChar_Character character = MakeCharacter();
    const std::string before = RecordToJson(character).dump();
    CChar_Ad_Disad record = Basic(wanted);
    EXPECT_TRUE(DisadvantageRulesB05(character, record, false));
    EXPECT_EQ(RecordToJson(character).dump(), before);
  }
}

// --- the movement disadvantage ---

// The skills that the movement penalty lowers, and some that it passes over.
struct MoveSkills {
  MoveSkills();

  CChar_Character character;
  CChar_Skill_Base* shown = nullptr;  // a display-only melee skill
  std::vector<CChar_Skill_Base*> lowered;
  std::vector<CChar_Skill_Base*> kept;
};

MoveSkills::MoveSkills() {
  CObArray& skills = character.GetSkills();
  AddHeading(skills);
  shown = &AddDisplayOnly(skills, {.identifier = 502, .name = "Shown Broadsword", .groups = kMelee});
  lowered.push_back(&AddSkill(skills, {.identifier = 502, .name = "Broadsword", .groups = kMelee}));
  lowered.push_back(&AddSkill(skills, {.book = "B13", .identifier = 503, .name = "Shield", .groups = kBlock}));
  lowered.push_back(&AddSkill(skills, {.identifier = 504, .name = "Spear", .groups = kMelee | kBlock}));
  kept.push_back(&AddSkill(skills, {.identifier = 501, .name = "Axe", .groups = kCombatWeapon}));
  for (int identifier : {3, 41, 47, 135, 148, 194}) {
    lowered.push_back(&AddSkill(skills, {.identifier = identifier, .name = "B05-" + std::to_string(identifier)}));
  }
  kept.push_back(&AddSkill(skills, {.book = "B13", .identifier = 3, .name = "B13-3"}));
  kept.push_back(&AddSkill(skills, {.identifier = 4, .name = "B05-4"}));
}

Log PenaltyMessages(const std::vector<CChar_Skill_Base*>& skills, const CString& amount, const CString& source) {
  Log log;
  for (CChar_Skill_Base* skill : skills) log.push_back(amount + " to " + skill->GetName() + " from " + source);
  return log;
}

TEST(B05MovementDisadvantage, SlowsOrCapsAndLowersCombatSkillsThroughTheEntryPoint) {
  struct Case {
    int32_t option;
    double basicSpeedBonus;
    double moveCap;
    int32_t penalty;
    Log optionLog;
  };
  const std::vector<Case> cases = {
      {1, -3.0, -1.0, 3, {"-3 to Move from Lame"}},
      {2, 0.0, 2.0, 6, {"-6 to Move (Max 2) from Lame"}},
      {3, 0.0, 0.0, 6, {"-6 to Move (Max 0) from Lame"}},
      {0, 0.0, -1.0, 0, {}},  // no option: the skills keep their bonus, the messages are still written
      {4, 0.0, -1.0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    MoveSkills s;
    CChar_Ad_Disad record = Basic(WithSubEntry(Disadvantage(42, "Lame"), c.option, "B05"));
    EXPECT_EQ(RunThroughEntryPoint(s.character, record), 1);

    EXPECT_EQ(s.character.GetBasicSpeedBonus(), c.basicSpeedBonus);
    EXPECT_EQ(s.character.GetMoveCap(), c.moveCap);
    EXPECT_EQ(s.character.GetMoveBonus(), 0.0);
    for (const CChar_Skill_Base* skill : s.lowered) EXPECT_EQ(skill->GetBonus(), -c.penalty) << skill->GetName();
    for (const CChar_Skill_Base* skill : s.kept) EXPECT_EQ(skill->GetBonus(), 0) << skill->GetName();
    EXPECT_EQ(s.shown->GetBonus(), 0);
    Log expected = c.optionLog;
    const CString amount = c.penalty == 0 ? "+0" : "-" + std::to_string(c.penalty);
    for (const CString& line : PenaltyMessages(s.lowered, amount, "Lame")) expected.push_back(line);
    EXPECT_EQ(Texts(s.character.GetChangeLog()), expected);
  }
}

}  // namespace
}  // namespace zulparvo
