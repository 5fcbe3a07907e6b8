// Routing: the steps every skill and spell goes through whatever its book.
#include "frame/dispatch.h"

#include <gtest/gtest.h>

#include "model/json/json_codec.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/skill_spell.h"

namespace zulparvo {
namespace {

CChar_Skill_Base Skill(int identifier, const char* book, const char* name) {
  CChar_Skill_Base skill;
  skill.SetIdentifier(identifier);
  skill.SetBookCode(book);
  skill.SetName(name);
  return skill;
}

TEST(DispatchSkill, EverySkillGetsTheRacialStepsWhateverItsBook) {
  CChar_Character character;
  // A racial skill modifier for skill 7 of a book that has no rule table.
  character.AddAdDisad("RACAD", CChar_Ad_Disad(95, 0, "Knack (2)", "B01", 7, "B99", "RACAD"));
  CChar_Skill_Base skill = Skill(7, "B99", "Whittling");
  EXPECT_TRUE(DispatchSkill(character, skill));
  EXPECT_EQ(skill.GetBonus(), 2);
  ASSERT_EQ(character.GetChangeLog().GetSize(), 1u);
  EXPECT_EQ(character.GetChangeLog().GetAt(0), "+2 to Whittling from Skill Modifier: Knack (2)");
  // The modifier is for book B99: the same skill number of another book is left alone.
  CChar_Skill_Base other = Skill(7, "B98", "Carving");
  DispatchSkill(character, other);
  EXPECT_EQ(other.GetBonus(), 0);
}

TEST(DispatchSkill, RacialAptitudesByLevelApplyToSkillsOfTheirGroups) {
  CChar_Character character;
  const auto racial = RecordFromJson(Json::parse(R"({"class": "CChar_Ad_Disad_Magery_Colleges",
      "identifier": 128, "base_cost": 20, "cost_per_level": 10, "book_code": "B01", "colleges": 4})"),
                                           nullptr);
  character.AddAdDisad("RACAD", static_cast<CChar_Ad_Disad&>(*racial));
  CChar_Skill_Base skill = Skill(3, "B05", "Running");
  skill.SetGroups(0x4);
  DispatchSkill(character, skill);
  EXPECT_EQ(skill.GetBonus(), 2);
}

TEST(DispatchSpell, EverySpellGetsTheSpellBonusSetting) {
  CChar_Character character;
  character.SetMentalMode(1);
  CChar_Skill_Spell spell;
  spell.SetBookCode("B77");
  EXPECT_TRUE(DispatchSpell(character, spell));
  EXPECT_EQ(spell.GetBonus(), 1);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);  // the setting logs nothing
}

TEST(DispatchAdvantage, BooksWithoutRulesChangeNothing) {
  CChar_Character character;
  for (const char* book : {"B30", "B99", ""}) {
    CChar_Ad_Disad advantage(1, 10, "Something (+1)", book, 0, "", "AD");
    EXPECT_TRUE(DispatchAdvantage(character, advantage, false));
    EXPECT_TRUE(DispatchDisadvantage(character, advantage, false));
  }
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
}

}  // namespace
}  // namespace zulparvo
