// Adjusters of the check modifiers and the two reaction modifiers.
#include "adjusters/check_adjusters.h"

#include <gtest/gtest.h>

#include "adjusters/field_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::MakeRecord;
using testing::RecordSpec;
using testing::Texts;
using Check = CChar_Character::Check;
using Strings = std::vector<CString>;
using ByConstant = void (*)(CChar_Character&, const CChar_Ad_Disad&, int, int, const CString&);
using ByDescription = void (*)(CChar_Character&, const CChar_Ad_Disad&, int, const CString&);

struct Family {
  Check check;
  const char* what;
  ByConstant byConstant;
  ByDescription byDescription;
};

const Family kSingleChecks[] = {
    {Check::Health, "Health Check", AdjustHealthCheck, AdjustHealthCheckFromDescription},
    {Check::Will, "Will Check", AdjustWillCheck, AdjustWillCheckFromDescription},
    {Check::Fright, "Fright Check", AdjustFrightCheck, AdjustFrightCheckFromDescription},
    {Check::Hearing, "Hearing Check", AdjustHearingCheck, AdjustHearingCheckFromDescription},
    {Check::Perception, "Perception Check", AdjustPerceptionCheck, AdjustPerceptionCheckFromDescription},
    {Check::SmellTaste, "Smell/Taste Check", AdjustSmellTasteCheck, AdjustSmellTasteCheckFromDescription},
    {Check::MentalStun, "Mental Stun Check", AdjustMentalStunCheck, AdjustMentalStunCheckFromDescription},
    {Check::PhysicalStun, "Physical Stun Check", AdjustPhysicalStunCheck, AdjustPhysicalStunCheckFromDescription},
    {Check::CripplingInjury, "Crippling Injury Check", AdjustCripplingInjuryCheck,
     AdjustCripplingInjuryCheckFromDescription},
};

// Every check but the one named is untouched.
void ExpectOnly(const CChar_Character& character, Check changed, int32_t value) {
  for (std::size_t i = 0; i < CChar_Character::kCheckCount; ++i) {
    const auto check = static_cast<Check>(i);
    EXPECT_EQ(character.GetCheck(check), check == changed ? value : 0) << "check " << i;
  }
}

TEST(CheckAdjusters, EachAdjusterChangesItsOwnCheck) {
  // Description bonus 2; the level is shown in the name but not added.
  const CChar_Ad_Disad record = MakeRecord({.description = "Fearlessness (+2)", .level = 3});
  for (const Family& f : kSingleChecks) {
    SCOPED_TRACE(f.what);
    CChar_Character character;
    f.byConstant(character, record, 7, -3, "AD");
    ExpectOnly(character, f.check, -3);
    f.byDescription(character, record, 7, "AD");
    ExpectOnly(character, f.check, -1);
    EXPECT_EQ(Texts(character.GetChangeLog()),
              (Strings{CString("-3 to ") + f.what + " from Fearlessness  (+5)",
                       CString("+2 to ") + f.what + " from Fearlessness  (+5)"}));
  }
}

TEST(CheckAdjusters, OtherIdentifierOrCategoryChangesNothing) {
  for (const RecordSpec& wanted : {RecordSpec{.identifier = 8}, RecordSpec{.category = "RACAD"},
                                 RecordSpec{.category = "DISAD"}}) {
    const CChar_Ad_Disad record = MakeRecord(wanted);
    CChar_Character character;
    for (const Family& f : kSingleChecks) {
      f.byConstant(character, record, 7, 1, "AD");
      f.byDescription(character, record, 7, "AD");
    }
    AdjustReaction(character, record, 7, 1, "AD");
    AdjustReactionFromDescription(character, record, 7, "AD");
    ExpectOnly(character, Check::Reaction, 0);
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
  }
}

TEST(CheckAdjusters, ReactionChangesBothReactionModifiers) {
  CChar_Character character;
  AdjustReaction(character, MakeRecord({.description = "Odious Habit"}), 7, -2, "AD");
  AdjustReactionFromDescription(character, MakeRecord({.description = "Appearance (+3)"}), 7, "AD");
  EXPECT_EQ(character.GetCheck(Check::Reaction), 1);
  EXPECT_EQ(character.GetCheck(Check::ReactionOppositeSex), 1);
  EXPECT_EQ(character.GetCheck(Check::Health), 0);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Strings{"-2 to Reaction from Odious Habit", "-2 to Reaction (Opposite Sex) from Odious Habit",
                     "+3 to Reaction from Appearance (+3)", "+3 to Reaction (Opposite Sex) from Appearance (+3)"}));
}

TEST(CheckAdjusters, ReactionForOptionNeedsBookAndSubEntry) {
  const RecordSpec entry{.description = "Beauty", .book = "BOOK_12", .subIdentifier = 4, .subBook = "BOOK_01"};
  std::vector<RecordSpec> misses(5, entry);
  misses[0].book = "BOOK_05";
  misses[1].identifier = 8;
  misses[2].subIdentifier = 5;
  misses[3].subBook = "BOOK_12";
  misses[4].category = "DISAD";
  for (const RecordSpec& miss : misses) {
    CChar_Character character;
    AdjustReactionForOption(character, MakeRecord(miss), "BOOK_12", 7, 2, 4, 4, "BOOK_01", "AD");
    EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
    ExpectOnly(character, Check::Reaction, 0);
  }
  CChar_Character character;
  AdjustReactionForOption(character, MakeRecord(entry), "BOOK_12", 7, 2, 4, 4, "BOOK_01", "AD");
  EXPECT_EQ(character.GetCheck(Check::Reaction), 2);
  EXPECT_EQ(character.GetCheck(Check::ReactionOppositeSex), 4);
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Strings{"+2 to Reaction from Beauty", "+4 to Reaction (Opposite Sex) from Beauty"}));
}

}  // namespace
}  // namespace zulparvo
