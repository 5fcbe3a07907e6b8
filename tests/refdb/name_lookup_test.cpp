// Records that carry only their keys show the names of their reference rows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/ad_disad.h"
#include "model/enhancement_limitation.h"
#include "model/skill_default.h"
#include "model/skill_default_language.h"
#include "model/skill_maneuver.h"
#include "model/skill_martial_arts_maneuver.h"
#include "model/skill_martial_arts_skill.h"
#include "model/skill_ritual.h"
#include "model/skill_spell.h"
#include "model/skill_super_power.h"
#include "platform/message_sink.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

using testing::ReferenceBooks;

TEST(AdvantageName, MainKeysSubEntryKeysAndLevel) {
  ReferenceBooks books;
  books.AddName("B05", ItemKind::Advantage, "AD", 3, "Comely Mien");
  books.AddName("B05", ItemKind::Advantage, "DISAD", 3, "Fogged Eyes");
  // The same identifier in the sub-table of two books: only B30's is the sub-entry.
  books.AddName("B05", ItemKind::Advantage, "AD-VARIANT", 2, "Wrong Book");
  books.AddName("B30", ItemKind::Advantage, "AD-VARIANT", 2, "Comely Mien, Striking");

  EXPECT_EQ(CChar_Ad_Disad(3, 5.0, "", "B05", 0, "", "AD").GetDisplayName(), "Comely Mien");
  EXPECT_EQ(CChar_Ad_Disad(3, -5.0, "", "B05", 0, "", "DISAD").GetDisplayName(), "Fogged Eyes");

  CChar_Ad_Disad variant(3, 15.0, "", "B05", 0, "", "AD");
  variant.SetSubEntry(2, "AD-VARIANT", "B30");
  EXPECT_EQ(variant.GetDisplayName(), "Comely Mien, Striking");

  // The level goes onto the reference name, as it goes onto a description; asking twice
  // does not add it twice.
  CChar_Ad_Disad levelled(3, 5.0, "", "B05", 0, "", "AD");
  levelled.SetLevel(2);
  EXPECT_EQ(levelled.GetDisplayName(), "Comely Mien (+2)");
  EXPECT_EQ(levelled.GetDisplayName(), "Comely Mien (+2)");

  // A description is the name; nothing is looked up.
  books.SetEntry("B05", "missing.db");
  CMessageCollector messages;
  EXPECT_EQ(CChar_Ad_Disad(3, 5.0, "Own Words", "B05", 0, "", "AD").GetDisplayName(), "Own Words");
  EXPECT_TRUE(messages.Messages().empty());
  // A failed lookup leaves the name empty.
  EXPECT_EQ(CChar_Ad_Disad(3, 5.0, "", "B05", 0, "", "AD").GetDisplayName(), "");
  EXPECT_EQ(messages.Messages().size(), 2U);
}

TEST(ModifierName, MainAndSubEntryKeys) {
  ReferenceBooks books;
  books.AddName("B05", ItemKind::EnhancementLimitation, "ENHANCEMENTS", 1, "Far-Reaching");
  books.AddName("B05", ItemKind::EnhancementLimitation, "LIMITATIONS", 1, "Tiring");
  books.AddName("B34", ItemKind::EnhancementLimitation, "LIMITATIONS", 4, "Needs a Focus Pebble");
  EXPECT_EQ(CChar_Enhancement_Limitation(1, 20.0, "", "ENHANCEMENTS", "B05").GetDisplayName(), "Far-Reaching");
  EXPECT_EQ(CChar_Enhancement_Limitation(1, -10.0, "", "LIMITATIONS", "B05").GetDisplayName(), "Tiring");
  CChar_Enhancement_Limitation sub(1, -20.0, "", "LIMITATIONS", "B05");
  sub.SetSubEntry(4, "LIMITATIONS", "B34");
  EXPECT_EQ(sub.GetDisplayName(), "Needs a Focus Pebble");
}

// Every table holds a row 4 of its own, so that a class that reads the wrong table
// shows the wrong name.
TEST(SkillName, EachClassReadsItsOwnTable) {
  ReferenceBooks books;
  books.AddName("B05", ItemKind::Skill, "SKILL", 4, "Knotwork");
  books.AddName("B05", ItemKind::Skill, "LANGUAGES", 4, "Old Marrish");
  books.AddName("B05", ItemKind::Spell, "SPELLS", 4, "Kindle Wick");
  books.AddName("B05", ItemKind::Maneuver, "MANEUVER", 4, "Hooking Parry");
  books.AddName("B05", ItemKind::SuperPower, "SUPER-POWERS", 4, "Rumblestride");
  const auto check = [](CChar_Skill_Base&& skill, const char* name) {
    skill.SetIdentifier(4);
    skill.SetBookCode("B05");
    EXPECT_EQ(skill.GetDisplayName(), name) << skill.GetClassName();
  };
  check(CChar_Skill_Base(), "Knotwork");
  check(CChar_Skill_Default(), "Knotwork");
  check(CChar_Skill_Ritual(), "Knotwork");
  check(CChar_Skill_MartialArtsSkill(), "Knotwork");
  check(CChar_Skill_DefaultLanguage(), "Native Language: Old Marrish");
  check(CChar_Skill_Spell(), "Kindle Wick");
  check(CChar_Skill_Maneuver(), "Hooking Parry");
  check(CChar_Skill_MartialArtsManeuver(), "Hooking Parry");
  check(CChar_Skill_SuperPower(), "Rumblestride");
}

TEST(SkillName, GroupsAndCollegesComeFromTheRow) {
  ReferenceBooks books;
  books.AddRow("B05", ItemKind::Skill, "SKILL",
               {{"Identifier", int32_t{1}}, {"ID", CString("Latchpicking")},
                {"Skill Group", CString("THIEF-SPY, CRAFT-METAL")}});
  books.AddRow("B05", ItemKind::Spell, "SPELLS",
               {{"Identifier", int32_t{2}}, {"ID", CString("Knit Bone")}, {"College", CString("Heal, Body")}});
  CChar_Skill_Base skill;
  skill.SetIdentifier(1);
  skill.SetBookCode("B05");
  EXPECT_EQ(skill.LookupName(), "Latchpicking");
  // "CRAFT-METAL" holds "CRAFT" too.
  EXPECT_EQ(skill.GetGroups(), (1 << 17) | (1 << 6) | (1 << 4));

  CChar_Skill_Spell spell;
  spell.SetIdentifier(2);
  spell.SetBookCode("B05");
  EXPECT_EQ(spell.GetDisplayName(), "Knit Bone");
  EXPECT_EQ(spell.GetCollegeText(), "Heal, Body");
}

TEST(SkillName, SubEntryKeysAndAGivenName) {
  ReferenceBooks books;
  books.AddName("B05", ItemKind::Skill, "SKILL", 56, "Rune Ciphers");
  books.AddName("B13", ItemKind::Skill, "SKILL", 2, "Hoof Reading");
  books.AddName("B13", ItemKind::Skill, "LANGUAGES", 2, "Tidespeech");
  CChar_Skill_Base skill;
  skill.SetIdentifier(56);
  skill.SetBookCode("B05");
  skill.SetInteger1(2);  // the sub-identifier
  skill.SetText2("B13");  // its book
  EXPECT_EQ(skill.LookupName(), "Hoof Reading") << "an empty sub-category keeps the class's table";
  skill.SetText1("LANGUAGES");
  EXPECT_EQ(skill.LookupName(), "Tidespeech");

  // A record with a name looks nothing up.
  books.SetEntry("B05", "missing.db");
  books.SetEntry("B13", "missing.db");
  CMessageCollector messages;
  skill.SetName("Own Name");
  EXPECT_EQ(skill.GetDisplayName(), "Own Name");
  EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
}  // namespace zulparvo
