// Records that carry only their keys show the names of their reference rows.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/ad_disad.h"
#include "model/enhancement_limitation.h"
#include "model/skill_default_language.h"
#include "model/skill_maneuver.h"
#include "model/skill_spell.h"
#include "model/skill_super_power.h"
#include "platform/message_sink.h"
#include "refdb/reference_books.h"

namespace zulparvo {
namespace {

using testing::ReferenceBooks;

CChar_Ad_Disad Advantage(const char* category, const char* description = "") {
  return CChar_Ad_Disad(4, 5.0, description, "B05", 0, "", category);
}

// The name of an advantage or modifier by its sub-entry: row 2 of the book.
template <class Record>
CString SubEntryName(Record record, const char* category, const char* book) {
  record.SetSubEntry(2, category, book);
  return record.GetDisplayName();
}

// The name of a skill-family record 4 of B05; with a sub-identifier, that of B13 in
// the table of the sub-category (of the class when it is empty).
template <class Skill>
CString SkillName(int32_t subIdentifier = 0, const char* subCategory = "") {
  Skill skill;
  skill.SetIdentifier(4);
  skill.SetBookCode("B05");
  skill.SetInteger1(subIdentifier);
  skill.SetText2("B13");
  skill.SetText1(subCategory);
  return skill.GetDisplayName();
}

TEST(ReferenceName, EachRecordReadsItsOwnTableByItsKeys) {
  ReferenceBooks books;
  // Every table holds a row 4 of its own, so that a record that reads the wrong table
  // shows the wrong name; the sub-entries are rows 2, of other books.
  const std::tuple<const char*, ItemKind, const char*, int32_t, const char*> kRows[] = {
      {"B05", ItemKind::Advantage, "AD", 4, "Comely Mien"},
      {"B05", ItemKind::Advantage, "DISAD", 4, "Fogged Eyes"},
      {"B05", ItemKind::Advantage, "AD-VARIANT", 2, "Wrong Book"},
      {"B30", ItemKind::Advantage, "AD-VARIANT", 2, "Comely Mien, Striking"},
      {"B05", ItemKind::EnhancementLimitation, "LIMITATIONS", 4, "Tiring"},
      {"B34", ItemKind::EnhancementLimitation, "LIMITATIONS", 2, "Needs a Focus Pebble"},
      {"B05", ItemKind::Skill, "SKILL", 4, "Knotwork"},
      {"B05", ItemKind::Skill, "LANGUAGES", 4, "Old Marrish"},
      {"B05", ItemKind::Spell, "SPELLS", 4, "Kindle Wick"},
      {"B05", ItemKind::Maneuver, "MANEUVER", 4, "Hooking Parry"},
      {"B05", ItemKind::SuperPower, "SUPER-POWERS", 4, "Rumblestride"},
      {"B13", ItemKind::Skill, "SKILL", 2, "Hoof Reading"},
      {"B13", ItemKind::Skill, "LANGUAGES", 2, "Tidespeech"}};
  for (const auto& [book, kind, category, identifier, name] : kRows) books.AddName(book, kind, category, identifier, name);
  const std::pair<CString, const char*> kCases[] = {
      {Advantage("AD").GetDisplayName(), "Comely Mien"},
      {Advantage("DISAD").GetDisplayName(), "Fogged Eyes"},
      {SubEntryName(Advantage("AD"), "AD-VARIANT", "B30"), "Comely Mien, Striking"},
      {Advantage("AD", "Own Words").GetDisplayName(), "Own Words"},
      {CChar_Enhancement_Limitation(4, -10.0, "", "LIMITATIONS", "B05").GetDisplayName(), "Tiring"},
      {SubEntryName(CChar_Enhancement_Limitation(4, -20.0, "", "LIMITATIONS", "B05"), "LIMITATIONS", "B34"),
       "Needs a Focus Pebble"},
      {SkillName<CChar_Skill_Base>(), "Knotwork"},
      {SkillName<CChar_Skill_DefaultLanguage>(), "Native Language: Old Marrish"},
      {SkillName<CChar_Skill_Spell>(), "Kindle Wick"},
      {SkillName<CChar_Skill_Maneuver>(), "Hooking Parry"},
      {SkillName<CChar_Skill_SuperPower>(), "Rumblestride"},
      {SkillName<CChar_Skill_Base>(2), "Hoof Reading"},
      {SkillName<CChar_Skill_Base>(2, "LANGUAGES"), "Tidespeech"},
  };
  for (std::size_t i = 0; i < std::size(kCases); ++i) EXPECT_EQ(kCases[i].first, kCases[i].second) << "case " << i;
  // The level goes onto the reference name once, however often it is asked for.
  CChar_Ad_Disad levelled = Advantage("AD");
  levelled.SetLevel(2);
  levelled.GetDisplayName();
  EXPECT_EQ(levelled.GetDisplayName(), "Comely Mien (+2)");

  // A description is the name: nothing is looked up. A failed lookup leaves the name empty.
  books.SetEntry("B05", "missing.db");
  CMessageCollector messages;
  EXPECT_EQ(Advantage("AD", "Own Words").GetDisplayName(), "Own Words");
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Advantage("AD").GetDisplayName(), "");
  EXPECT_EQ(messages.Messages().size(), 2U);
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
  skill.LookupName();
  // "CRAFT-METAL" holds "CRAFT" too.
  EXPECT_EQ(skill.GetGroups(), (1 << 17) | (1 << 6) | (1 << 4));
  CChar_Skill_Spell spell;
  spell.SetIdentifier(2);
  spell.SetBookCode("B05");
  spell.GetDisplayName();
  EXPECT_EQ(spell.GetCollegeText(), "Heal, Body");
}

}  // namespace
}  // namespace zulparvo
