// Adjusters of Dodge, Parry, Block and of the PD and DR bonuses with their sources.
#include "adjusters/defence_adjusters.h"

#include <gtest/gtest.h>

#include <functional>

#include "adjusters/field_adjuster_test_support.h"

namespace zulparvo {
namespace {

using testing::MakeRecord;
using testing::RecordSpec;
using testing::Texts;
using Strings = std::vector<CString>;
using Character = CChar_Character;
using Adjust = std::function<void(Character&, const CChar_Ad_Disad&)>;

TEST(DefenceAdjusters, ActiveDefencesAddTheConstantForTheRulesRecordOnly) {
  struct Case {
    Adjust adjust;
    int32_t (Character::*field)() const;
    int32_t expected;
    const char* logged;
  };
  for (const Case& c : {
           Case{[](auto& ch, auto& r) { AdjustDodge(ch, r, 7, 2, "AD"); }, &Character::GetDodgeBonus, 2,
                "+2 to Dodge from Combat Reflexes"},
           Case{[](auto& ch, auto& r) { AdjustParry(ch, r, 7, -1, "AD"); }, &Character::GetParryBonus, -1,
                "-1 to Parry from Combat Reflexes"},
           Case{[](auto& ch, auto& r) { AdjustBlock(ch, r, 7, 3, "AD"); }, &Character::GetBlockBonus, 3,
                "+3 to Block from Combat Reflexes"},
       }) {
    SCOPED_TRACE(c.logged);
    Character character;
    c.adjust(character, MakeRecord({.category = "RACAD", .description = "Combat Reflexes"}));
    c.adjust(character, MakeRecord({.identifier = 8, .description = "Combat Reflexes"}));
    c.adjust(character, MakeRecord({.description = "Combat Reflexes"}));
    EXPECT_EQ((character.*c.field)(), c.expected);
    EXPECT_EQ(Texts(character.GetChangeLog()), Strings{c.logged});
  }
}

// Total cost is cost plus extra cost, compared exactly with the required whole number.
TEST(DefenceAdjusters, AtCostNeedsTheExactTotalCost) {
  Character character;
  for (const double extra : {0.5, -1.0, 2.0}) {
    const CChar_Ad_Disad record = MakeRecord({.description = "Hide", .baseCost = 8.0, .extraCost = extra});
    AdjustParryAtCost(character, record, 7, 1, "AD", 10);
    AdjustPDBonusAtCost(character, record, 7, 10, 2, "Hide PD+2", "AD");
    AdjustDRBonusAtCost(character, record, 7, 10, 3, "Hide DR+3", "AD");
  }
  EXPECT_EQ(character.GetParryBonus(), 1);
  EXPECT_EQ(character.GetPDBonus(), 2);
  EXPECT_EQ(character.GetDRBonus(), 3);
  EXPECT_EQ(Texts(character.GetPDSources()), Strings{"Hide PD+2"});
  EXPECT_EQ(Texts(character.GetDRSources()), Strings{"Hide DR+3"});
  EXPECT_EQ(Texts(character.GetChangeLog()),
            (Strings{"+1 to Parry from Hide", "+2 to PD Bonus from Hide", "+3 to DR Bonus from Hide"}));
}

// The amount is truncate(base cost / divisor) and follows the rule's note in the sources.
TEST(DefenceAdjusters, ByValueNotesTheAmount) {
  struct Case {
    double baseCost;
    int divisor;
    int32_t amount;
  };
  for (const Case& c : {Case{7.0, 3, 2}, Case{2.0, 3, 0}, Case{7.9, 2, 3}, Case{7.0, 0, 0}}) {  // divisor 0: nothing
    SCOPED_TRACE(c.baseCost);
    Character character;
    character.SetDRBonus(5);
    const auto record = MakeRecord({.description = "Scales", .baseCost = c.baseCost, .subIdentifier = 4,
                                    .subCategory = "FUR"});
    AdjustDRBonusByValue(character, record, 7, c.divisor, "Scales DR+", 4, "FUR", "AD");
    AdjustPDBonusByValue(character, record, 7, c.divisor, "Scales PD+", "AD");
    const CString amount = std::to_string(c.amount);
    EXPECT_EQ(character.GetDRBonus(), 5 + c.amount);
    EXPECT_EQ(character.GetPDBonus(), c.amount);
    EXPECT_EQ(Texts(character.GetDRSources()), Strings{"Scales DR+" + amount});
    EXPECT_EQ(Texts(character.GetPDSources()), Strings{"Scales PD+" + amount});
    EXPECT_EQ(Texts(character.GetChangeLog()),
              (Strings{"+" + amount + " to DR Bonus from Scales", "+" + amount + " to PD Bonus from Scales"}));
  }
}

// The by-value DR rule asks for sub-identifier and sub-category, the option rules for
// sub-identifier and sub-book code; each fires only when all of its conditions hold, and
// the option rules note the rule's text unchanged.
TEST(DefenceAdjusters, SubEntryConditions) {
  const RecordSpec entry{.description = "Fur", .subIdentifier = 4, .subCategory = "FUR", .subBook = "BOOK_01"};
  std::vector<RecordSpec> records(6, entry);  // the first matches every rule
  records[1].identifier = 8;
  records[2].category = "RACAD";
  records[3].subIdentifier = 5;
  records[4].subCategory = "SCALE";
  records[5].subBook = "BOOK_02";
  struct Rule {
    Adjust adjust;
    std::vector<bool> fires;  // by record
    const char* pdSource;
    const char* drSource;
  };
  for (const Rule& rule : {
           Rule{[](auto& c, auto& r) { AdjustDRBonusByValue(c, r, 7, 5, "DR+", 4, "FUR", "AD"); },
                {true, false, false, false, false, true}, nullptr, "DR+2"},
           Rule{[](auto& c, auto& r) { AdjustPDBonusForOption(c, r, 7, 2, 4, "BOOK_01", "Fur PD+2", "AD"); },
                {true, false, false, false, true, false}, "Fur PD+2", nullptr},
           Rule{[](auto& c, auto& r) { AdjustDRBonusForOption(c, r, 7, 2, 4, "BOOK_01", "Fur DR+2", "AD"); },
                {true, false, false, false, true, false}, nullptr, "Fur DR+2"},
       }) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << (rule.drSource ? rule.drSource : rule.pdSource) << ", record " << i);
      Character character;
      rule.adjust(character, MakeRecord(records[i]));
      const auto sources = [&](const char* source) { return rule.fires[i] && source ? Strings{source} : Strings{}; };
      EXPECT_EQ(character.GetPDBonus(), rule.fires[i] && rule.pdSource ? 2 : 0);
      EXPECT_EQ(character.GetDRBonus(), rule.fires[i] && rule.drSource ? 2 : 0);
      EXPECT_EQ(Texts(character.GetPDSources()), sources(rule.pdSource));
      EXPECT_EQ(Texts(character.GetDRSources()), sources(rule.drSource));
      EXPECT_EQ(character.GetChangeLog().GetSize(), rule.fires[i] ? 1u : 0u);
    }
  }
}

}  // namespace
}  // namespace zulparvo
